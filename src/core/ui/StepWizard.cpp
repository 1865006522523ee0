#include "core/ui/StepWizard.h"

#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"
#include "core/ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

StepWizard::StepWizard(Services& services, const QString& objectName, const QStringList& captions,
                       const Setting& welcomeFlag, const QString& usage, QWidget* parent)
    : QDialog(parent), m_services(services), m_captions(captions), m_welcomeFlag(welcomeFlag)
{
    setObjectName(objectName);
    m_pages = new QStackedWidget(this);
    for (int i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget(m_pages);
        page->setObjectName(QStringLiteral("fraStep%1").arg(i));
        m_pages->addWidget(page);
    }

    QWidget* welcomePage = frame(0);
    auto* welcome = new QVBoxLayout(welcomePage);
    auto* heading = text(tr("Welcome to the %1").arg(captions.value(0)), welcomePage);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    welcome->addWidget(heading);
    welcome->addWidget(text(usage, welcomePage));
    welcome->addWidget(text(tr("To contionue, click Next."), welcomePage));
    welcome->addStretch();
    m_chkWelcome = new QCheckBox(tr("Display this welcome screen at startup"), welcomePage);
    m_chkWelcome->setObjectName(QStringLiteral("chkWelcome"));
    welcome->addWidget(m_chkWelcome);

    auto* imgStep = new QLabel(this);
    imgStep->setObjectName(QStringLiteral("imgStep"));
    imgStep->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    imgStep->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(Twips::toPixelsX(720, this)));

    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_cmdBack = button(tr("&Back"), QStringLiteral("cmdBack"));
    m_cmdNext = button(tr("&Next"), QStringLiteral("cmdNext"));
    m_cmdCancel = button(tr("Cancel"), QStringLiteral("cmdCancel"));
    // Leaving a number box for Back or Cancel is not a reason to check it.
    InputChecks::skipChecks(m_cmdCancel);
    InputChecks::skipChecks(m_cmdBack);

    auto* body = new QHBoxLayout;
    body->addWidget(imgStep);
    body->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(Twips::toPixelsX(7200, this), Twips::toPixelsY(4200, this));

    connect(m_cmdNext, &QPushButton::clicked, this, &StepWizard::next);
    connect(m_cmdBack, &QPushButton::clicked, this, &StepWizard::back);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::install(this);
}

QWidget* StepWizard::frame(int step) const
{
    return m_pages->widget(step);
}

QLabel* StepWizard::text(const QString& text, QWidget* page)
{
    auto* label = new QLabel(text, page);
    label->setWordWrap(true);
    return label;
}

void StepWizard::start()
{
    // "1" opens on the step after the welcome; anything else shows the welcome.
    const bool skipWelcome = Registry::getRegistryValue(m_welcomeFlag).trimmed() == QLatin1String("1");
    m_welcomeTickedAtStart = !skipWelcome;
    m_chkWelcome->setChecked(m_welcomeTickedAtStart);
    m_step = skipWelcome ? 1 : 0;
    showStep();
}

bool StepWizard::leaveStep(int)
{
    return true;
}

void StepWizard::storeWelcomeFlag()
{
    if (m_chkWelcome->isChecked() != m_welcomeTickedAtStart)
        Registry::setRegistryValue(m_welcomeFlag,
                                   m_chkWelcome->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
}

void StepWizard::showStep()
{
    m_pages->setCurrentIndex(m_step);
    setWindowTitle(m_captions.value(m_step));
    m_cmdBack->setVisible(m_step != 0);
    m_cmdNext->setText(m_step == m_captions.size() - 1 ? tr("&Finish") : tr("&Next"));
    // The step's first box takes the focus so the user can type at once; a step without one leaves it on Next.
    for (QWidget* field : frame(m_step)->findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field)) && field->isEnabled()) {
            field->setFocus();
            return;
        }
    }
    m_cmdNext->setFocus();
}

void StepWizard::next()
{
    if (!leaveStep(m_step))
        return;
    if (m_step == m_captions.size() - 1) {
        finish();
        return;
    }
    ++m_step;
    showStep();
}

void StepWizard::back()
{
    if (m_step == 0)
        return;
    --m_step;
    showStep();
}
