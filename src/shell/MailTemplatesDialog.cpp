#include "shell/MailTemplatesDialog.h"

#include "bookings/BookingMail.h"
#include "core/DocumentLanguage.h"
#include "core/EventLog.h"
#include "core/Languages.h"
#include "core/Seams.h"
#include "core/ui/WindowPlacement.h"
#include "mail/MailSettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

MailTemplatesDialog::MailTemplatesDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmMailTemplates"));
    setWindowTitle(tr("E-mail Templates"));
    m_cboKind = new QComboBox(this);
    m_cboKind->setObjectName(QStringLiteral("cboKind"));
    for (const QString& kind : MailTemplates::kinds())
        m_cboKind->addItem(MailTemplates::kindCaption(kind), kind);
    m_cboLanguage = new QComboBox(this);
    m_cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    for (const Languages::Language& language : Languages::all())
        m_cboLanguage->addItem(DocumentLanguage::caption(language.code), language.code);
    if (const Result<QString> office = DocumentLanguage::office(services.db()); office)
        m_cboLanguage->setCurrentIndex(std::max(0, m_cboLanguage->findData(*office)));
    m_shownLanguage = m_cboLanguage->currentIndex();
    m_txtSubject = new QLineEdit(this);
    m_txtSubject->setObjectName(QStringLiteral("txtSubject"));
    m_txtBody = new QPlainTextEdit(this);
    m_txtBody->setObjectName(QStringLiteral("txtBody"));
    m_txtBody->setTabChangesFocus(true);
    auto* lblPlaceholders =
        new QLabel(tr("Placeholders: %1").arg(MailTemplates::placeholders().join(QStringLiteral("  "))), this);
    lblPlaceholders->setObjectName(QStringLiteral("lblPlaceholders"));
    lblPlaceholders->setWordWrap(true);
    lblPlaceholders->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* rules = new QGroupBox(tr("Reminders proposed each morning (0: none)"), this);
    rules->setObjectName(QStringLiteral("fraRules"));
    auto spin = [rules](const char* name) {
        auto* box = new QSpinBox(rules);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, MailSettings::MaxReminderDays);
        return box;
    };
    m_spnDeposit = spin("spnDepositDays");
    m_spnBalance = spin("spnBalanceDays");
    m_spnOverdue = spin("spnOverdueDays");
    const BookingMail::Rules current = BookingMail::Rules::load();
    m_spnDeposit->setValue(current.depositDays);
    m_spnBalance->setValue(current.balanceDays);
    m_spnOverdue->setValue(current.overdueDays);
    auto* rulesForm = new QFormLayout(rules);
    rulesForm->addRow(tr("&Deposit reminder, days before it falls due:"), m_spnDeposit);
    rulesForm->addRow(tr("&Balance reminder, days before it falls due:"), m_spnBalance);
    rulesForm->addRow(tr("&Overdue reminder, days after it fell due:"), m_spnOverdue);

    auto* cmdSave = new QPushButton(tr("Sa&ve"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    auto* cmdReset = new QPushButton(tr("&Reset to the program's wording"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    auto* cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdSave, cmdReset, cmdClose})
        b->setAutoDefault(false);
    connect(cmdSave, &QPushButton::clicked, this, [this] { save(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] {
        const auto wording =
            MailTemplates::defaultTemplate(m_cboKind->currentData().toString(), DocumentWords(languageShown()));
        m_txtSubject->setText(wording.subject);
        m_txtBody->setPlainText(wording.body);
    });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        if (settle())
            accept();
    });
    connect(m_cboKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == m_shown)
            return;
        if (!settle()) {
            const QSignalBlocker quiet(m_cboKind);
            m_cboKind->setCurrentIndex(m_shown);
            return;
        }
        showKind(index);
    });
    connect(m_cboLanguage, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == m_shownLanguage)
            return;
        if (!settle()) {
            const QSignalBlocker quiet(m_cboLanguage);
            m_cboLanguage->setCurrentIndex(m_shownLanguage);
            return;
        }
        m_shownLanguage = index;
        showKind(m_shown);
    });

    auto* form = new QFormLayout;
    form->addRow(tr("&Message:"), m_cboKind);
    form->addRow(tr("&Language:"), m_cboLanguage);
    form->addRow(tr("&Subject:"), m_txtSubject);
    form->addRow(tr("&Text:"), m_txtBody);
    form->addRow(lblPlaceholders);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdReset);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(rules);
    layout->addLayout(buttons);
    resize(640, 620);
    WindowPlacement::keepSize(this, this);
    showKind(0);
}

void MailTemplatesDialog::display(Services& services, QWidget* parent)
{
    MailTemplatesDialog dialog(services, parent);
    dialog.exec();
}

QString MailTemplatesDialog::languageShown() const
{
    return m_cboLanguage->itemData(m_shownLanguage).toString();
}

void MailTemplatesDialog::showKind(int index)
{
    const auto wording = MailTemplates::load(m_services.db(), m_cboKind->itemData(index).toString(), languageShown());
    if (!wording)
        m_services.messages.show(tr("The template could not be read: %1").arg(wording.error()), windowTitle(),
                                 MsgIcon::Exclamation);
    m_loaded = wording.valueOr(
        MailTemplates::defaultTemplate(m_cboKind->itemData(index).toString(), DocumentWords(languageShown())));
    m_shown = index;
    m_txtSubject->setText(m_loaded.subject);
    m_txtBody->setPlainText(m_loaded.body);
}

bool MailTemplatesDialog::changed() const
{
    const BookingMail::Rules stored = BookingMail::Rules::load();
    return m_txtSubject->text() != m_loaded.subject || m_txtBody->toPlainText() != m_loaded.body ||
           m_spnDeposit->value() != stored.depositDays || m_spnBalance->value() != stored.balanceDays ||
           m_spnOverdue->value() != stored.overdueDays;
}

bool MailTemplatesDialog::settle()
{
    if (!changed())
        return true;
    switch (m_services.messages.show(tr("Save the changes to \"%1\"?").arg(m_cboKind->itemText(m_shown)), windowTitle(),
                                     MsgIcon::Question, MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
        return save();
    case MsgResult::No:
        return true;
    default:
        return false;
    }
}

bool MailTemplatesDialog::save()
{
    const MailTemplates::Template edited{m_txtSubject->text(), m_txtBody->toPlainText()};
    const QString kind = m_cboKind->itemData(m_shown).toString();
    const BookingMail::Rules rules{m_spnDeposit->value(), m_spnBalance->value(), m_spnOverdue->value()};
    Status saved =
        edited == m_loaded ? Status(Done{}) : MailTemplates::save(m_services.db(), kind, edited, languageShown());
    if (saved)
        saved = rules.save();
    if (!saved) {
        m_services.messages.show(tr("The template was not saved: %1").arg(saved.error()), windowTitle(),
                                 MsgIcon::Exclamation);
        return false;
    }
    m_loaded = edited;
    m_services.events.log(EventLog::ConfigurationModified, tr("E-mail template: %1").arg(m_cboKind->itemText(m_shown)));
    return true;
}
