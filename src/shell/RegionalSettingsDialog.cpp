#include "shell/RegionalSettingsDialog.h"

#include "core/EventLog.h"
#include "core/Languages.h"
#include "core/RegionalSettings.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

RegionalSettingsDialog::RegionalSettingsDialog(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmRegionalSettings"));
    setWindowTitle(tr("Regional Settings"));

    auto* heading = new QLabel(tr("Configure the system to show your regional settings and preferences"), this);
    heading->setObjectName(QStringLiteral("lblHeading"));
    heading->setWordWrap(true);

    m_cboPostCode = new QComboBox(this);
    m_cboPostCode->setObjectName(QStringLiteral("cboPostCode"));
    m_cboPostCode->addItems({tr("Post Code"), tr("Zip Code")});
    m_txtCurrencySymbol = new QLineEdit(this);
    m_txtCurrencySymbol->setObjectName(QStringLiteral("txtCurrencySymbol"));
    m_dtpCheckInTime = new QTimeEdit(this);
    m_dtpCheckInTime->setObjectName(QStringLiteral("dtpCheckInTime"));
    m_dtpCheckInTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_dtpCheckOutTime = new QTimeEdit(this);
    m_dtpCheckOutTime->setObjectName(QStringLiteral("dtpCheckOutTime"));
    m_dtpCheckOutTime->setDisplayFormat(QStringLiteral("HH:mm"));
    // A time box holds a time of day whatever is typed into it, so nothing but a time can be saved.
    m_dtpClosingTime = new QTimeEdit(this);
    m_dtpClosingTime->setObjectName(QStringLiteral("dtpClosingTime"));
    m_dtpClosingTime->setDisplayFormat(QStringLiteral("HH:mm"));
    m_cboLengthUnit = new QComboBox(this);
    m_cboLengthUnit->setObjectName(QStringLiteral("cboLengthUnit"));
    m_cboLengthUnit->addItems({tr("Metres"), tr("Feet")});
    m_cboDateStyle = new QComboBox(this);
    m_cboDateStyle->setObjectName(QStringLiteral("cboDateStyle"));
    const QDate example(2026, 12, 31);
    for (const auto& [style, parts] : {std::pair{DateTimes::DateStyle::DayMonthYear, tr("day/month/year")},
                                       std::pair{DateTimes::DateStyle::MonthDayYear, tr("month/day/year")},
                                       std::pair{DateTimes::DateStyle::DayMonthYearDots, tr("day.month.year")},
                                       std::pair{DateTimes::DateStyle::YearMonthDay, tr("year-month-day")}})
        m_cboDateStyle->addItem(tr("%1 (%2)").arg(example.toString(DateTimes::stylePattern(style)), parts),
                                static_cast<int>(style));
    // Each language by its own name, so a clerk who cannot read the interface still finds theirs.
    m_cboLanguage = new QComboBox(this);
    m_cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    for (const Languages::Language& language : Languages::all())
        m_cboLanguage->addItem(language.name, language.code);
    m_lblLanguageNote = new QLabel(tr("The language is applied at the next start."), this);
    m_lblLanguageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    m_lblLanguageNote->setWordWrap(true);
    // Said while the choice is not the language the windows speak now.
    connect(m_cboLanguage, &QComboBox::currentIndexChanged, this, [this] {
        m_lblLanguageNote->setVisible(m_cboLanguage->currentData().toString() != Languages::interfaceLanguage());
    });
    m_chkShowKidsAdults = new QCheckBox(tr("No Adults and No Kids"), this);
    m_chkShowKidsAdults->setObjectName(QStringLiteral("chkShowKidsAdults"));

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    auto* cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter moves between the fields, so no button takes it as a default.
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &RegionalSettingsDialog::onOk);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("Post Code / Zip Code:"), m_cboPostCode);
    form->addRow(tr("Currency Symbol:"), m_txtCurrencySymbol);
    form->addRow(tr("Check-in time:"), m_dtpCheckInTime);
    form->addRow(tr("Check out time:"), m_dtpCheckOutTime);
    form->addRow(tr("Office closing &time:"), m_dtpClosingTime);
    form->addRow(tr("Boat sizes in:"), m_cboLengthUnit);
    form->addRow(tr("Dates:"), m_cboDateStyle);
    form->addRow(tr("&Language:"), m_cboLanguage);
    form->addRow(QString(), m_lblLanguageNote);
    form->addRow(QString(), m_chkShowKidsAdults);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);

    FocusNextControl::install(this);
    load();
}

void RegionalSettingsDialog::showModal(Services& services, QWidget* parent)
{
    RegionalSettingsDialog window(services, parent);
    window.exec();
}

void RegionalSettingsDialog::load()
{
    const RegionalSettings values = RegionalSettings::load();
    m_cboPostCode->setCurrentIndex(values.postCodeIndex);
    // The box shows the symbol in use, not the stored "0" that stands for the system's.
    m_storedSymbol = values.currencySymbol;
    m_txtCurrencySymbol->setText(values.shownCurrencySymbol());
    m_dtpCheckInTime->setTime(values.checkInTime);
    m_dtpCheckOutTime->setTime(values.checkOutTime);
    m_dtpClosingTime->setTime(values.officeClosingTime);
    m_chkShowKidsAdults->setChecked(values.showAdultsAndKids);
    m_cboLengthUnit->setCurrentIndex(values.lengthUnit == Lengths::Unit::Feet ? 1 : 0);
    m_cboDateStyle->setCurrentIndex(m_cboDateStyle->findData(static_cast<int>(values.dateStyle)));
    m_cboLanguage->setCurrentIndex(m_cboLanguage->findData(values.language));
    m_lblLanguageNote->setVisible(values.language != Languages::interfaceLanguage());
}

void RegionalSettingsDialog::onOk()
{
    RegionalSettings values;
    values.postCodeIndex = m_cboPostCode->currentIndex();
    // Left as shown, the stored value stays, so a "0" goes on following the system's symbol.
    RegionalSettings stored;
    stored.currencySymbol = m_storedSymbol;
    const QString typed = m_txtCurrencySymbol->text().trimmed();
    values.currencySymbol = typed == stored.shownCurrencySymbol() ? m_storedSymbol
                            : typed.isEmpty()                     ? Settings::CurrencySymbol.defaultValue
                                                                  : typed;
    values.checkInTime = m_dtpCheckInTime->time();
    values.checkOutTime = m_dtpCheckOutTime->time();
    values.officeClosingTime = m_dtpClosingTime->time();
    values.showAdultsAndKids = m_chkShowKidsAdults->isChecked();
    values.lengthUnit = m_cboLengthUnit->currentIndex() == 1 ? Lengths::Unit::Feet : Lengths::Unit::Metres;
    values.dateStyle = static_cast<DateTimes::DateStyle>(m_cboDateStyle->currentData().toInt());
    values.language = m_cboLanguage->currentData().toString();
    values.save();
    // Windows open from now on show the new style; those open keep theirs until they are opened again.
    values.apply();
    m_services.events.log(EventLog::RegionalSettingsModified, values.eventDescription());
    accept();
}
