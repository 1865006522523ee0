#include "shell/frmTipOfTheDay.h"

#include "shell/ShellResources.h"
#include "shell/TipsFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTipOfTheDay::frmTipOfTheDay(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTipOfTheDay"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setPixmap(ShellResources::Logo().scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(QStringLiteral("Did you know ..."), this);
    heading->setObjectName(QStringLiteral("lblTipsHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);

    m_txtTip = new QPlainTextEdit(this);
    m_txtTip->setObjectName(QStringLiteral("txtTip"));
    m_txtTip->setReadOnly(true);
    m_txtTip->setFocusPolicy(Qt::NoFocus);

    m_chkShowTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_chkShowTipsAtStartup->setObjectName(QStringLiteral("chkShowTipsAtStartup"));
    auto* cmdNextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTipOfTheDay::OnNextTip);
    connect(cmdOK, &QPushButton::clicked, this, &frmTipOfTheDay::OnOK);

    auto* text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_txtTip, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chkShowTipsAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(460, 240);
}

frmTipOfTheDay* frmTipOfTheDay::Create(QWidget* parent)
{
    auto* window = new frmTipOfTheDay(parent);
    if (!window->ShowNextTip()) {
        delete window;
        return nullptr;
    }
    window->m_chkShowTipsAtStartup->setChecked(TipsFile::ShowAtStartup());
    return window;
}

void frmTipOfTheDay::Dispaly(QWidget* parent)
{
    if (auto* window = Create(parent))
        window->exec();
}

frmTipOfTheDay* frmTipOfTheDay::Open(QWidget* parent)
{
    auto* window = Create(parent);
    if (window)
        window->open();
    return window;
}

bool frmTipOfTheDay::ShowNextTip()
{
    const auto tip = TipsFile::TakeNextTip();
    if (!tip)
        return false;
    m_txtTip->setPlainText(*tip);
    return true;
}

void frmTipOfTheDay::OnNextTip()
{
    if (!ShowNextTip())
        reject();
}

void frmTipOfTheDay::OnOK()
{
    TipsFile::SetShowAtStartup(m_chkShowTipsAtStartup->isChecked());
    accept();
}
