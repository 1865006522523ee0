#include "common/TestSupport.h"
#include "core/InstallPaths.h"
#include "core/Lengths.h"
#include "core/Money.h"
#include "core/RegionalSettings.h"
#include "shell/ClosedPeriodDialog.h"
#include "shell/CompanyDialog.h"
#include "shell/RegionalSettingsDialog.h"

#include <QTreeWidget>

// The configuration windows: company details and regional settings.
class tst_Configuration : public InstallTest
{
    Q_OBJECT

    static QLineEdit* field(const QWidget& window, int index) { return control(window, u"txtFields%1"_s.arg(index)); }
    QString storedTaxes() const
    {
        return m_install->joined(u"SELECT Name || ':' || Rate || ':' || FromDate FROM Tax ORDER BY FromDate"_s);
    }

    using TaxesRow = std::tuple<QString, QString, QString>;
    using MeanwhileRow = std::tuple<MsgResult, QString, QString>;
    using RegionalRow = std::tuple<QString, QTime, QTime>;

private slots:
    // The window closes last month: a booking leaving in it is refused a change, written to the event log; reopened,
    // it changes again.
    void closedMonthsWindowClosesAndReopensAMonth()
    {
        const QDate today = m_install->clock.current.date();
        const QDate month = QDate(today.year(), today.month(), 1).addMonths(-1);
        const QString leaves = month.addDays(2).toString(u"yyyy-MM-dd 12:00:00"_s);
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (1, 1, ?, ?)"_s,
                     {month.toString(u"yyyy-MM-dd 12:00:00"_s), leaves}));
        bool refusedWhileClosed = false;
        int rows = 0;
        onNextModal([&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"frmClosedMonths"_s);
            QCOMPARE(control<QComboBox>(*dialog, "cboMonth")->currentData().toDate(), month);
            m_install->messages.answers.enqueue(MsgResult::Yes);
            click(*dialog, "cmdCloseMonth");
            refusedWhileClosed = !exec(u"UPDATE Booking SET Notes = 'late' WHERE ID = 1"_s);
            m_install->messages.answers.enqueue(MsgResult::Yes);
            click(*dialog, "cmdReopenMonth");
            rows = control<QTreeWidget>(*dialog, "lstClosedMonths")->topLevelItemCount();
            click(*dialog, "cmdDone");
        });
        ClosedPeriodDialog::display(m_install->services, nullptr);
        QVERIFY(refusedWhileClosed);
        QCOMPARE(rows, 2);
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'late' WHERE ID = 1"_s));
        VERIFY_HAS(logText(), u"[Month closed]"_s);
        VERIFY_HAS(logText(), u"[Month reopened]"_s);
    }

    void companyUpdateStoresAndRefreshRereads()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        {
            CompanyDialog window(m_install->services);
            QVERIFY(showActive(window));
            QCOMPARE(control<QLabel>(window, "datPrimaryRS")->text(), u"Record: 1"_s);
            QCOMPARE(field(window, 10)->text(), u"Thank you for your custom."_s);
            type(field(window, 1), u"Zem Harbour Ltd"_s);
            type(field(window, 7), u"PL1 2AB"_s);
            type(window, "txtFields11", u"Deposits are not refundable."_s);
            click(window, "cmdUpdate");
            QVERIFY(m_install->messages.calls.isEmpty());
            QCOMPARE(m_install->text(u"SELECT \"Company Name\" || '|' || Postcode || '|' || TermsandConditions "
                                     u"FROM Company"_s),
                     u"Zem Harbour Ltd|PL1 2AB|Deposits are not refundable."_s);

            // A change made elsewhere shows after "&Refresh"; typing not yet updated is dropped.
            QVERIFY(exec(u"UPDATE Company SET Town = 'Plymouth'"_s));
            type(field(window, 2), u"never saved"_s);
            click(window, "cmdRefresh");
            QCOMPARE(texts(window, {"txtFields1", "txtFields2", "txtFields5"}), u"Zem Harbour Ltd||Plymouth"_s);

            // A refused update is reported and keeps the typing.
            QVERIFY(m_install->failOn(u"Company"_s, u"UPDATE"_s, u"company locked"_s));
            type(field(window, 1), u"Marina Ltd"_s);
            click(window, "cmdUpdate");
            QCOMPARE(m_install->messages.calls.size(), 1);
            const QString message = m_install->messages.calls[0].text;
            QVERIFY2(message.startsWith(u"Data error event hit err:"_s) && message.contains(u"company locked"_s),
                     qPrintable(message));
            QCOMPARE(field(window, 1)->text(), u"Marina Ltd"_s);
            QCOMPARE(m_install->text(u"SELECT \"Company Name\" FROM Company"_s), u"Zem Harbour Ltd"_s);
        }
        // The window's own connection goes with it.
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    // A tax row typed beside the delivered one. A row that cannot be read is named, and then nothing is saved (the
    // company details neither) and the typing stays.
    void companyTaxesAreSavedOnlyWhenEveryRowReads_data()
    {
        // typed: name|rate|from
        // said: "" when saved
        QTest::addColumn<TaxesRow>("row");
        const QString delivered = u"VAT:1750:2000-01-01"_s;
        const auto saved = [](const char* tag, const QString& typed, const QString& stored) {
            QTest::newRow(tag) << TaxesRow(typed, QString(), stored);
        };
        const auto refused = [&](const char* tag, const QString& typed, const QString& reason) {
            QTest::newRow(tag) << TaxesRow(typed, u"Setup Company Information: Tax row 2: "_s + reason, delivered);
        };
        saved("a new rate beside the delivered one", u"VAT|20|04/01/2011"_s, delivered + u",VAT:2000:2011-01-04"_s);
        saved("zero, typed after a later one", u"Exempt|0|01/04/1973"_s, u"Exempt:0:1973-04-01,"_s + delivered);
        saved("two decimals", u"Reduced| 5.25 |01/01/2020"_s, delivered + u",Reduced:525:2020-01-01"_s);
        refused("over 100 %", u"VAT|101|04/01/2011"_s, u"A tax rate must be from 0 % to 100 %."_s);
        refused("below 0", u"VAT|-1|04/01/2011"_s, u"A tax rate must be from 0 % to 100 %."_s);
        refused("more than two decimals", u"VAT|17.555|04/01/2011"_s,
                u"type the rate as a percent with at most two decimals, as 17.5."_s);
        refused("no name", u" |20|04/01/2011"_s, u"A tax needs a name."_s);
        refused("not a date", u"VAT|20|31/02/2011"_s, u"There is no 31/02/2011: February 2011 has 28 days."_s);
        refused("two from one date", u"Reduced|5|01/01/2000"_s,
                u"it takes effect on 01/01/2000, as row 1 does: keep one."_s);
    }
    void companyTaxesAreSavedOnlyWhenEveryRowReads()
    {
        const auto& [typed, said, stored] = fetchRow<TaxesRow>();
        CompanyDialog window(m_install->services);
        QVERIFY(showActive(window));
        auto* taxes = control<QTableWidget>(window, "grdTaxes");
        QCOMPARE(taxes->rowCount(), 1);
        QCOMPARE(rowText(*taxes, 0), u"VAT|17.5|01/01/2000"_s);
        click(window, "cmdAddTax");
        QCOMPARE(taxes->rowCount(), 2);
        const QStringList cells = typed.split(u'|');
        for (int column = 0; column < 3; ++column)
            taxes->item(1, column)->setText(cells.at(column));
        type(field(window, 1), u"Harbour Ltd"_s);
        click(window, "cmdUpdate");
        QCOMPARE(m_install->messages.said(), said);
        QCOMPARE(storedTaxes(), stored);
        QCOMPARE(m_install->text(u"SELECT \"Company Name\" FROM Company"_s),
                 said.isEmpty() ? u"Harbour Ltd"_s : QString());
        if (!said.isEmpty()) {
            QCOMPARE(rowText(*taxes, 1), typed);
            return;
        }
        // The table shows them again as stored, so the next change is compared with that and not taken for
        // another desk's.
        taxes->selectRow(taxes->rowCount() - 1);
        click(window, "cmdRemoveTax");
        click(window, "cmdUpdate");
        QCOMPARE(m_install->messages.said(), QString());
        QCOMPARE(storedTaxes(), stored.section(u',', 0, 0));
    }

    // Another desk saved the town, the tax and the balance days while this desk typed the street, a second tax and
    // other days: their town and this street are saved unasked; the question names the taxes and the days alone,
    // theirs and mine; Yes keeps theirs there, No saves mine, Cancel goes back to the typing with their town shown.
    void companyAnotherDeskMeanwhile_data()
    {
        // stored: town|street|balance days|taxes
        // boxes: town|tax rows|balance days
        const DataRows<MeanwhileRow> row;
        const QString mine = u"Poole|Quay Road|28|VAT:1750:2000-01-01,VAT:2000:2011-01-04"_s;
        row("keep theirs", {MsgResult::Yes, u"Poole|Quay Road|14|VAT:1500:2000-01-01"_s, u"Poole|1|14"_s});
        row("keep mine", {MsgResult::No, mine, u"Poole|2|28"_s});
        row("back to editing", {MsgResult::Cancel, u"Poole||14|VAT:1500:2000-01-01"_s, u"Poole|2|28"_s});
    }
    void companyAnotherDeskMeanwhile()
    {
        const auto& [answer, stored, boxes] = fetchRow<MeanwhileRow>();
        CompanyDialog window(m_install->services);
        QVERIFY(showActive(window));
        type(field(window, 3), u"Quay Road"_s);
        type(window, "txtBalanceDays", u"28"_s);
        auto* taxes = control<QTableWidget>(window, "grdTaxes");
        click(window, "cmdAddTax");
        for (int column = 0; column < 3; ++column)
            taxes->item(1, column)->setText(u"VAT|20|04/01/2011"_s.section(u'|', column, column));
        QVERIFY(exec(u"UPDATE Company SET Town = 'Poole', BalanceDueDays = 14"_s));
        QVERIFY(exec(u"UPDATE Tax SET Rate = 1500"_s));
        m_install->messages.answers.enqueue(answer);
        click(window, "cmdUpdate");
        VERIFY_HAS(said(),
                   u"this company information while you were editing it:\n\n"
                   u"Taxes: theirs “VAT 15 % from 01/01/2000”, yours “VAT 17.5 % from 01/01/2000; VAT 20 % from "
                   u"04/01/2011”\nBalance due (days before arrival): theirs “14”, yours “28”\n\nYes keeps theirs"_s);
        const auto storedNow = [this] {
            return m_install->joined(u"SELECT Town || '|' || Street || '|' || BalanceDueDays FROM Company"_s) + u'|' +
                   storedTaxes();
        };
        QCOMPARE(storedNow(), stored);
        QCOMPARE(field(window, 5)->text() + u'|' + QString::number(taxes->rowCount()) + u'|' +
                     control(window, "txtBalanceDays")->text(),
                 boxes);
        if (answer == MsgResult::Cancel) {
            // Merged with what the other desk stored: Update now saves the typing beside their town.
            click(window, "cmdUpdate");
            QCOMPARE(storedNow(), u"Poole|Quay Road|28|VAT:1750:2000-01-01,VAT:2000:2011-01-04"_s);
        }
    }

    // The deposit terms: a box that does not read is pointed out and nothing is saved; terms that read are saved
    // with the company's details and shown again as stored.
    void companyDepositTerms()
    {
        CompanyDialog window(m_install->services);
        QVERIFY(showActive(window));
        QVERIFY(!control(window, "txtDepositAmount")->isEnabled());
        choose(window, "cboDeposit", u"A percentage of the total"_s);
        QVERIFY(control(window, "txtDepositPercent")->isEnabled() && !control(window, "txtDepositAmount")->isEnabled());
        type(window, "txtDepositPercent", u"twenty"_s);
        type(window, "txtDepositMinimum", u"25"_s);
        type(window, "txtBalanceDays", u"28"_s);
        type(field(window, 1), u"Harbour Ltd"_s);
        click(window, "cmdUpdate");
        QCOMPARE(said(), u"Setup Company Information: Type the deposit's percentage, for example 25."_s);
        QCOMPARE(m_install->text(u"SELECT \"Company Name\" FROM Company"_s), QString());
        type(window, "txtDepositPercent", u"20"_s);
        type(window, "txtDepositMinimum", u"25.005"_s);
        click(window, "cmdUpdate");
        QCOMPARE(said().section(u'\n', -1), u"Setup Company Information: Amounts are in pounds and pence: type at "
                                            u"most two decimals, for example £1.12."_s);
        type(window, "txtDepositMinimum", u"25"_s);
        click(window, "cmdUpdate");
        QCOMPARE(m_install->joined(u"SELECT DepositKind || ' ' || DepositPercent || ' ' || DepositMinimum || ' ' || "
                                   u"BalanceDueDays || ' ' || \"Company Name\" FROM Company"_s),
                 u"2 2000 250000 28 Harbour Ltd"_s);
        click(window, "cmdRefresh");
        QCOMPARE(texts(window, {"txtDepositMinimum", "txtDepositPercent"}), u"£25.00|20"_s);
    }

    void regionalOkWithoutChangesWritesEveryValue()
    {
        // A stored "0" stands for the system's symbol, or the pound where the system has none.
        const QString system = RegionalSettings::systemCurrencySymbol();
        const QString inUse = system == u"0"_s ? u"£"_s : system;
        Registry::setRegistryValue(Settings::CurrencySymbol, u"0"_s);
        RegionalSettingsDialog window(m_install->services);
        window.show();
        QCOMPARE(control(window, "txtCurrencySymbol")->text(), inUse);
        Money::setCurrencySymbol(u"¤"_s);
        QVERIFY(clickCloses(window, "cmdOK")); // what it showed, saved, changes nothing
        QCOMPARE(Money::fromPence(1250).format(), inUse + u"12.50"_s);
        QStringList stored;
        for (const Setting& s :
             {Settings::PostCode, Settings::CurrencySymbol, Settings::CheckInTime, Settings::CheckoutTime,
              Settings::OfficeClosingTime, Settings::ShowAdultsAndKids, Settings::Traces})
            stored << Registry::getRegistryValue(s, u"unset"_s);
        QCOMPARE(stored, QStringList({u"0"_s, system, u"09:00:00"_s, u"14:00:00"_s, u"18:00:00"_s, u"1"_s,
                                      InstallPaths::defaultTracesFolder()}));
        const QString log = logText();
        QCOMPARE(log.count(u"[Regional settings modified]"_s), 1);
        VERIFY_HAS(log, u"\r\nPostcode: 0, Currency Symbol: "_s + system +
                            u", Check in time: 09:00:00, Check out time: 14:00:00\r\n"_s);
    }

    void regionalCancelWritesNothingOkStoresTheChanges()
    {
        {
            RegionalSettingsDialog window(m_install->services);
            window.show();
            control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            click(window, "cmdCancel");
            QCOMPARE(Registry::getRegistryValue(Settings::PostCode, u"unset"_s), u"unset"_s);
            QVERIFY(!logText().contains(u"Regional"_s));
        }
        {
            RegionalSettingsDialog window(m_install->services);
            QVERIFY(showActive(window));
            // The time boxes hand Enter to their own inner line edit; it must still move on.
            control<QComboBox>(window, "cboPostCode")->setFocus();
            QCOMPARE(enterVisits(8), (QStringList{u"txtCurrencySymbol"_s, u"dtpCheckInTime"_s, u"dtpCheckOutTime"_s,
                                                  u"dtpClosingTime"_s, u"cboLengthUnit"_s, u"cboDateStyle"_s,
                                                  u"cboLanguage"_s, u"chkShowKidsAdults"_s}));
            control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            auto* symbol = control(window, "txtCurrencySymbol");
            symbol->setFocus();
            type(symbol, u"€"_s);
            QTest::keyClick(symbol, Qt::Key_Return); // Enter moves on, it does not press OK
            QVERIFY(window.isVisible() && control<QTimeEdit>(window, "dtpCheckInTime")->hasFocus());
            control<QTimeEdit>(window, "dtpCheckInTime")->setTime(QTime(10, 30));
            // The closing time is reached by its own Alt letter; what is no time is refused as it is typed.
            QTest::keyClick(&window, Qt::Key_T, Qt::AltModifier);
            auto* closing = control<QTimeEdit>(window, "dtpClosingTime");
            QVERIFY(closing->hasFocus());
            QTest::keyClicks(closing, u"ab:"_s);
            QCOMPARE(closing->time(), QTime(18, 0));
            closing->setTime(QTime(17, 9));
            control<QCheckBox>(window, "chkShowKidsAdults")->setChecked(false);
            control<QComboBox>(window, "cboLengthUnit")->setCurrentIndex(1);
            click(window, "cmdOK");
        }
        // Amounts show the symbol chosen and boat sizes are in feet from now on; the next start-up reads the same.
        QCOMPARE(Money::fromPence(-123456).format(), u"-€1234.56"_s);
        QCOMPARE(Lengths::text(1140), u"37.4 ft"_s);
        QCOMPARE(RegionalSettings::load().lengthUnit, Lengths::Unit::Feet);
        VERIFY_HAS(logText(), u"Postcode: 1, Currency Symbol: €, Check in time: 10:30:00, Check out time: 14:00:00"_s);
        RegionalSettingsDialog again(m_install->services);
        QCOMPARE(control<QComboBox>(again, "cboPostCode")->currentText(), u"Zip Code"_s);
        QCOMPARE(control(again, "txtCurrencySymbol")->text(), u"€"_s);
        QCOMPARE(control<QTimeEdit>(again, "dtpCheckInTime")->time(), QTime(10, 30));
        QCOMPARE(control<QTimeEdit>(again, "dtpClosingTime")->time(), QTime(17, 9));
        QCOMPARE(Registry::getRegistryValue(Settings::OfficeClosingTime), u"17:09:00"_s);
        QVERIFY(!control<QCheckBox>(again, "chkShowKidsAdults")->isChecked());
        // The date style stays as shown when OK was pressed; with none stored, zip codes mean month first, and so
        // does a stored text that is no style.
        QCOMPARE(RegionalSettings::load().dateStyle, DateTimes::DateStyle::DayMonthYear);
        for (const QString& stored : {QString(), u"dd/mm/yy"_s}) {
            Registry::setRegistryValue(Settings::DateStyle, stored);
            QCOMPARE(RegionalSettings::load().dateStyle, DateTimes::DateStyle::MonthDayYear);
        }
    }

    void regionalValuesAreReadForgivingly_data()
    {
        const DataRows<RegionalRow> row;
        row("as written", {u"08:30:00"_s, QTime(8, 30), QTime(8, 30)});
        row("hours and minutes", {u"8:30"_s, QTime(8, 30), QTime(8, 30)});
        row("not a time: the default", {u"half past eight"_s, QTime(9, 0), QTime(18, 0)});
        row("out of range: the default", {u"24:30"_s, QTime(9, 0), QTime(18, 0)});
    }
    void regionalValuesAreReadForgivingly()
    {
        const auto& [stored, time, closing] = fetchRow<RegionalRow>();
        Registry::setRegistryValue(Settings::CheckInTime, stored);
        Registry::setRegistryValue(Settings::OfficeClosingTime, stored);
        Registry::setRegistryValue(Settings::CurrencySymbol, u"0"_s);
        Registry::setRegistryValue(Settings::PostCode, u"7"_s);
        const RegionalSettings values = RegionalSettings::load();
        QCOMPARE(values.checkInTime, time);
        QCOMPARE(values.officeClosingTime, closing);
        QCOMPARE(values.currencySymbol, RegionalSettings::systemCurrencySymbol());
        QCOMPARE(values.postCodeIndex, 1);
    }
};

ZEM_TEST(tst_Configuration)
#include "tst_Configuration.moc"
