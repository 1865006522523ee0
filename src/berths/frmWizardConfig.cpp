#include "berths/frmWizardConfig.h"

#include "berths/BerthEntry.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"
#include "core/ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {
const std::array<QString, 4> Captions = {QStringLiteral("Configuration Wizard"),
                                         QStringLiteral("Enter Your Regional Information"),
                                         QStringLiteral("Enter Your Room Information"), QStringLiteral("Finished")};

QLabel* Label(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

frmWizardConfig::frmWizardConfig(Services& services, IWindowHost* host, QWidget* parent)
    : QDialog(parent), m_services(services), m_host(host), m_changes(services.Db())
{
    setObjectName(QStringLiteral("frmWizardConfig"));
    m_pages = new QStackedWidget(this);
    for (std::size_t i = 0; i < m_fraStep.size(); ++i) {
        m_fraStep[i] = new QWidget(m_pages);
        m_fraStep[i]->setObjectName(QStringLiteral("fraStep%1").arg(i));
        m_pages->addWidget(m_fraStep[i]);
    }

    auto* welcome = new QVBoxLayout(m_fraStep[Welcome]);
    auto* heading = Label(QStringLiteral("Welcome to the Configuration Wizard"), m_fraStep[Welcome]);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    welcome->addWidget(heading);
    welcome->addWidget(
        Label(QStringLiteral("Usin this wizard you can configure your reservation information."), m_fraStep[Welcome]));
    welcome->addWidget(Label(QStringLiteral("To contionue, click Next."), m_fraStep[Welcome]));
    welcome->addStretch();
    m_chkWelcome = new QCheckBox(QStringLiteral("Display this welcome screen at startup"), m_fraStep[Welcome]);
    m_chkWelcome->setObjectName(QStringLiteral("chkWelcome"));
    welcome->addWidget(m_chkWelcome);

    auto* regional = new QVBoxLayout(m_fraStep[Regional]);
    regional->addWidget(Label(QStringLiteral("Enter your regional information"), m_fraStep[Regional]));
    auto* postCodeRow = new QHBoxLayout;
    postCodeRow->addWidget(Label(QStringLiteral("Post Code / Zip Code:"), m_fraStep[Regional]));
    m_cboPostCode = new QComboBox(m_fraStep[Regional]);
    m_cboPostCode->setObjectName(QStringLiteral("cboPostCode"));
    m_cboPostCode->addItems({QStringLiteral("Post Code"), QStringLiteral("Zip Code")});
    postCodeRow->addWidget(m_cboPostCode, 1);
    regional->addLayout(postCodeRow);
    regional->addStretch();

    auto* berths = new QVBoxLayout(m_fraStep[Berths]);
    berths->addWidget(Label(QStringLiteral("Enter your Berth information. For each berth / slip enter it") +
                                QChar(u'`') + QStringLiteral("s details and then click Add."),
                            m_fraStep[Berths]));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::PlainName, m_fraStep[Berths]);
    berths->addWidget(m_entry, 1);

    auto* finished = new QVBoxLayout(m_fraStep[Finished]);
    finished->addWidget(Label(QStringLiteral("Click Finish to complete your configuration"), m_fraStep[Finished]));
    finished->addStretch();

    m_imgStep = new QLabel(this);
    m_imgStep->setObjectName(QStringLiteral("imgStep"));
    m_imgStep->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_imgStep->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(Twips::ToPixelsX(720, this)));

    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_cmdBack = button(QStringLiteral("&Back"), QStringLiteral("cmdBack"));
    m_cmdNext = button(QStringLiteral("&Next"), QStringLiteral("cmdNext"));
    m_cmdCancel = button(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"));
    InputChecks::SkipChecks(m_cmdCancel);
    InputChecks::SkipChecks(m_cmdBack);

    auto* body = new QHBoxLayout;
    body->addWidget(m_imgStep);
    body->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdBack);
    buttons->addWidget(m_cmdNext);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(m_cmdNext, &QPushButton::clicked, this, &frmWizardConfig::Next);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmWizardConfig::Back);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::Install(this);

    // "1" skips the welcome page; any other value shows it.
    const int postCode = Registry::GetRegistryNumber(Settings::PostCode, QStringLiteral("-1"), -1);
    m_cboPostCode->setCurrentIndex(postCode == 0 || postCode == 1 ? postCode : -1);
    const bool skipWelcome =
        Registry::GetRegistryValue(Settings::ConfigWelcome, QStringLiteral("0")).trimmed() == QLatin1String("1");
    m_welcomeShownTicked = !skipWelcome;
    m_chkWelcome->setChecked(m_welcomeShownTicked);
    m_page = skipWelcome ? Regional : Welcome;
    ShowPage();

    m_loaded = m_entry->Load();
}

void frmWizardConfig::Display(Services& services, IWindowHost* host)
{
    frmWizardConfig wizard(services, host, host ? host->DialogParent() : nullptr);
    if (wizard.Loaded())
        wizard.exec();
}

void frmWizardConfig::ShowPage()
{
    m_pages->setCurrentIndex(m_page);
    setWindowTitle(Captions[static_cast<std::size_t>(m_page)]);
    m_cmdBack->setVisible(m_page != Welcome);
    m_cmdNext->setText(m_page == Finished ? QStringLiteral("&Finish") : QStringLiteral("&Next"));
}

void frmWizardConfig::Next()
{
    if (m_page == Regional && m_cboPostCode->currentIndex() < 0) {
        m_services.messages.Show(QStringLiteral("Please select Post Code or Zip Code"), windowTitle(),
                                 MsgIcon::Exclamation, MsgButtons::Ok);
        m_cboPostCode->setFocus();
        return;
    }
    if (m_page == Finished) {
        Finish();
        return;
    }
    ++m_page;
    ShowPage();
}

void frmWizardConfig::Back()
{
    if (m_page == Welcome)
        return;
    --m_page;
    ShowPage();
}

void frmWizardConfig::Finish()
{
    // The berths first: if they cannot be stored, nothing at all is written and the wizard stays open.
    QString error;
    if (!m_changes.Apply(&error)) {
        if (const QString conflict = m_changes.TakeConflict(); !conflict.isEmpty()) {
            m_services.messages.Show(conflict, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_entry->Requery();
            return;
        }
        m_entry->ShowDatabaseError(QStringLiteral("The berths could not be saved; nothing was changed. Press "
                                                  "Finish to try again or Cancel to drop the changes."),
                                   error);
        return;
    }
    if (m_chkWelcome->isChecked() != m_welcomeShownTicked)
        Registry::SetRegistryValue(Settings::ConfigWelcome,
                                   m_chkWelcome->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    Registry::SetRegistryValue(Settings::PostCode, QString::number(m_cboPostCode->currentIndex()));
    const QDateTime now = m_services.clock.Now();
    modEventLog::LogEvent(now, modEventLog::RegionalSettingsModified,
                          QStringLiteral("Code: ") + m_cboPostCode->currentText());
    m_changes.LogEvents(now);
    accept();
    if (m_host)
        m_host->RefreshActiveChild();
}
