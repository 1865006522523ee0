#include "shell/TipOfTheDayDialog.h"

#include "shell/ShellResources.h"
#include "shell/TipsFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TipOfTheDayDialog::TipOfTheDayDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTipOfTheDay"));
    setWindowTitle(tr("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picture = new QLabel(this);
    picture->setPixmap(ShellResources::logo().scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(tr("Did you know ..."), this);
    heading->setObjectName(QStringLiteral("lblTipsHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    heading->setFont(bold);

    m_txtTip = new QPlainTextEdit(this);
    m_txtTip->setObjectName(QStringLiteral("txtTip"));
    m_txtTip->setReadOnly(true);
    m_txtTip->setFocusPolicy(Qt::NoFocus);

    m_chkShowTipsAtStartup = new QCheckBox(tr("&Show Tips at Startup"), this);
    m_chkShowTipsAtStartup->setObjectName(QStringLiteral("chkShowTipsAtStartup"));
    auto* cmdNextTip = new QPushButton(tr("&Next Tip"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdNextTip, &QPushButton::clicked, this, &TipOfTheDayDialog::onNextTip);
    connect(cmdOK, &QPushButton::clicked, this, &TipOfTheDayDialog::onOk);

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

TipOfTheDayDialog* TipOfTheDayDialog::make(QWidget* parent)
{
    auto* window = new TipOfTheDayDialog(parent);
    if (!window->showNextTip()) {
        delete window;
        return nullptr;
    }
    window->m_chkShowTipsAtStartup->setChecked(TipsFile::showAtStartup());
    return window;
}

void TipOfTheDayDialog::showModal(QWidget* parent)
{
    if (auto* window = make(parent))
        window->exec();
}

TipOfTheDayDialog* TipOfTheDayDialog::openWithoutWaiting(QWidget* parent)
{
    auto* window = make(parent);
    if (window)
        window->open();
    return window;
}

bool TipOfTheDayDialog::showNextTip()
{
    const auto tip = TipsFile::takeNextTip();
    if (!tip)
        return false;
    m_txtTip->setPlainText(*tip);
    return true;
}

void TipOfTheDayDialog::onNextTip()
{
    if (!showNextTip())
        reject();
}

void TipOfTheDayDialog::onOk()
{
    TipsFile::setShowAtStartup(m_chkShowTipsAtStartup->isChecked());
    accept();
}
