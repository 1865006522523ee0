#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/FindBookingModel.h"
#include "bookings/FindBookingWindow.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/RegionalSettings.h"
#include "people/BoatDialog.h"
#include "rates/RatesDialog.h"
#include "shell/RegionalSettingsDialog.h"

#include <QDateEdit>
#include <QDateTimeEdit>

// The date style chosen in Regional Settings is what every window, list and printed document shows, whatever the
// machine's locale: CTest runs this suite under en_GB, en_US, de_DE and C, and each case also sets Qt's default
// locale to each of them.
class tst_DateStyle : public InstallTest
{
    Q_OBJECT

    // The default locale, the style's item in Regional Settings, and the style as a fixed pattern.
    using StyleRow = std::tuple<QString, int, QString>;

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann', 'Gull House')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, CostOfHire, OtherCharges, "
                     u"VAT, TotalPayable, AmountPayed, BerthConfirmationNumber) VALUES "
                     u"(1, 1, '2026-06-05 14:30:00', '2026-06-07 10:00:00', 'Sue', 0, 0, 0, 0, 0, 41)"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Season (ID, Name, FirstNight, LastNight, Yearly, Priority) "
                     u"VALUES (1, 'Summer', '2026-07-01', '2026-09-30', 0, 1)"_s));
    }

    // Chooses the style as the office does, in Regional Settings.
    void chooseStyle(int item)
    {
        onNextModal([item](QDialog* dialog) {
            control<QComboBox>(*dialog, "cboDateStyle")->setCurrentIndex(item);
            click(*dialog, "cmdOK");
        });
        RegionalSettingsDialog::showModal(m_install->services, nullptr);
    }

private slots:
    void everyWindowShowsTheChosenStyle_data()
    {
        const DataRows<StyleRow> row;
        for (const char* locale : {"en_GB", "en_US", "de_DE", "C"}) {
            row(qPrintable(u"%1, month first"_s.arg(QLatin1StringView(locale))),
                {QLatin1StringView(locale), 1, u"MM/dd/yyyy"_s});
            row(qPrintable(u"%1, day first with dots"_s.arg(QLatin1StringView(locale))),
                {QLatin1StringView(locale), 2, u"dd.MM.yyyy"_s});
        }
    }
    void everyWindowShowsTheChosenStyle()
    {
        const auto& [locale, item, pattern] = fetchRow<StyleRow>();
        QLocale::setDefault(QLocale(locale));
        const auto back = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); });
        chooseStyle(item);
        QCOMPARE(RegionalSettings::load().dateStyle, DateTimes::dateStyle()); // kept for the next start
        const auto shown = [&](const QDate& day) { return day.toString(pattern); };
        const QDate arrival(2026, 6, 5), departure(2026, 6, 7);

        // Find Booking: its box, with the weekday, and its list, with four-digit years.
        FindBookingWindow find(m_install->services);
        QVERIFY(find.load());
        auto* arriving = control<QDateTimeEdit>(find, "dtpArriving");
        arriving->setDateTime(DateTimes::wallTime(arrival, QTime(14, 30)));
        QCOMPARE(arriving->findChild<QLineEdit*>()->text(), u"Fri "_s + shown(arrival) + u" 14:30"_s);
        QCOMPARE(find.model()->index(0, 1).data().toString(), shown(arrival));

        // Rates: a season's nights.
        RatesDialog rates(m_install->services);
        QCOMPARE(rates.grdSeasons->item(0, 1)->text(), shown(QDate(2026, 7, 1)));

        // The wizard's date box.
        BookingWizard wizard(m_install->services);
        wizard.prepare(RecordMode::Edit, 1);
        QCOMPARE(control<QDateEdit>(wizard, "dtpFromDate")->findChild<QLineEdit*>()->text(),
                 u"Fri "_s + shown(arrival));

        // A boat's insurance expiry.
        BoatRecord boat;
        boat.customerId = 1;
        boat.insuranceExpiry = QDate(2026, 12, 31);
        BoatDialog boatDialog(m_install->services, boat);
        QCOMPARE(boatDialog.txtInsuranceExpiry->text(), shown(boat.insuranceExpiry));

        // The summary, and its reservation form printed.
        BookingSummaryWindow summary(m_install->services);
        QVERIFY(summary.prepare(1));
        const QString dates = u"%1 14:30 to %2 10:00"_s.arg(shown(arrival), shown(departure));
        QCOMPARE(control<QLabel>(summary, "lblDates")->text(), dates);
        m_install->printer.defaultName = u"Office"_s;
        click(summary, "Command5");
        const QString form = PdfReader::lines(PdfReader::pages(m_install->printer.paperPath).value(0)).join(u'\n');
        VERIFY_HAS(form, u"From Date: %1 14:30"_s.arg(shown(arrival)));
        VERIFY_HAS(form, u"To Date: %1 10:00"_s.arg(shown(departure)));
    }

    // Typed in the chosen style, a date is read; typed in another, or a day the month lacks, it is refused and said.
    void typedDatesFollowTheStyle()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto back = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); });
        chooseStyle(1); // month first
        RatesDialog rates(m_install->services);
        QVERIFY(showActive(rates));
        rates.grdSeasons->item(0, 1)->setText(u"07/02/2026"_s);
        rates.grdSeasons->item(0, 2)->setText(u"09/30/2026"_s);
        click(rates, "cmdOK");
        QCOMPARE(said(), QString());
        QCOMPARE(m_install->text(u"SELECT FirstNight || ' ' || LastNight FROM Season"_s), u"2026-07-02 2026-09-30"_s);

        RatesDialog again(m_install->services);
        QVERIFY(showActive(again));
        again.grdSeasons->item(0, 2)->setText(u"30/09/2026"_s);
        click(again, "cmdOK");
        VERIFY_HAS(said(), u"\"30/09/2026\" is not written as dates are written here (mm/dd/yyyy)"_s);
        m_install->messages.calls.clear();
        again.grdSeasons->item(0, 2)->setText(u"02/30/2026"_s);
        click(again, "cmdOK");
        VERIFY_HAS(said(), u"There is no 02/30/2026: February 2026 has 28 days."_s);
        QCOMPARE(m_install->text(u"SELECT LastNight FROM Season"_s), u"2026-09-30"_s);
    }
};

ZEM_TEST(tst_DateStyle)
#include "tst_DateStyle.moc"
