#include "common/TestSupport.h"
#include "core/InstallPaths.h"
#include "core/Money.h"
#include "core/RegionalSettings.h"
#include "shell/CompanyDialog.h"
#include "shell/RegionalSettingsDialog.h"

#include <QTimeEdit>

// The configuration windows: company details and regional settings.
class tst_Configuration : public InstallTest
{
    Q_OBJECT

    static QLineEdit* field(const QWidget& window, int index) { return control(window, u"txtFields%1"_s.arg(index)); }

private slots:
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
            QVERIFY(m_install->exec(u"UPDATE Company SET Town = 'Plymouth'"_s));
            type(field(window, 2), u"never saved"_s);
            click(window, "cmdRefresh");
            QCOMPARE(QStringList({field(window, 1)->text(), field(window, 2)->text(), field(window, 5)->text()}),
                     QStringList({u"Zem Harbour Ltd"_s, QString(), u"Plymouth"_s}));
        }
        // The window's own connection goes with it.
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    void companyRefusedUpdateIsReportedAndKeepsTheTyping()
    {
        QVERIFY(m_install->failOn(u"Company"_s, u"UPDATE"_s, u"company locked"_s));
        CompanyDialog window(m_install->services);
        QVERIFY(showActive(window));
        type(field(window, 1), u"Marina Ltd"_s);
        click(window, "cmdUpdate");
        QCOMPARE(m_install->messages.calls.size(), 1);
        const QString message = m_install->messages.calls[0].text;
        QVERIFY2(message.startsWith(u"Data error event hit err:"_s) && message.contains(u"company locked"_s),
                 qPrintable(message));
        QCOMPARE(field(window, 1)->text(), u"Marina Ltd"_s);
        QCOMPARE(m_install->text(u"SELECT \"Company Name\" FROM Company"_s), QString());
    }

    void regionalOkWithoutChangesWritesEveryValue()
    {
        RegionalSettingsDialog window(m_install->services);
        window.show();
        click(window, "cmdOK");
        QVERIFY(!window.isVisible());
        QStringList stored;
        for (const Setting& s : {Settings::PostCode, Settings::CurrencySymbol, Settings::CheckInTime,
                                 Settings::CheckoutTime, Settings::ShowAdultsAndKids, Settings::Traces})
            stored << Registry::getRegistryValue(s, u"unset"_s);
        QCOMPARE(stored, QStringList({u"0"_s, RegionalSettings::systemCurrencySymbol(), u"09:00:00"_s, u"14:00:00"_s,
                                      u"1"_s, InstallPaths::defaultTracesFolder()}));
        const QString log = m_install->eventLogText();
        QCOMPARE(log.count(u"[Regional settings modified]"_s), 1);
        QVERIFY2(log.contains(u"\r\nPostcode: 0, Currency Symbol: "_s + RegionalSettings::systemCurrencySymbol() +
                              u", Check in time: 09:00:00, Check out time: 14:00:00\r\n"_s),
                 qPrintable(log));
    }

    void enterMovesOnFromEveryKindOfBox()
    {
        // The time boxes hand Enter to their own inner line edit; it must still move on.
        RegionalSettingsDialog window(m_install->services);
        QVERIFY(showActive(window));
        control<QComboBox>(window, "cboPostCode")->setFocus();
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QWidget* focus = QApplication::focusWidget();
            visited << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName());
        }
        QCOMPARE(visited, (QStringList{u"txtCurrencySymbol"_s, u"dtpCheckInTime"_s, u"dtpCheckOutTime"_s,
                                       u"chkShowKidsAdults"_s}));
    }

    void regionalCancelWritesNothingOkStoresTheChanges()
    {
        {
            RegionalSettingsDialog window(m_install->services);
            window.show();
            control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            click(window, "cmdCancel");
            QCOMPARE(Registry::getRegistryValue(Settings::PostCode, u"unset"_s), u"unset"_s);
            QVERIFY(!m_install->eventLogText().contains(u"Regional"_s));
        }
        {
            RegionalSettingsDialog window(m_install->services);
            QVERIFY(showActive(window));
            control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            auto* symbol = control(window, "txtCurrencySymbol");
            symbol->setFocus();
            type(symbol, u"€"_s);
            QTest::keyClick(symbol, Qt::Key_Return); // Enter moves on, it does not press OK
            QVERIFY(window.isVisible());
            QVERIFY(control<QTimeEdit>(window, "dtpCheckInTime")->hasFocus());
            control<QTimeEdit>(window, "dtpCheckInTime")->setTime(QTime(10, 30));
            control<QCheckBox>(window, "chkShowKidsAdults")->setChecked(false);
            click(window, "cmdOK");
        }
        QVERIFY(m_install->eventLogText().contains(
            u"Postcode: 1, Currency Symbol: €, Check in time: 10:30:00, Check out time: 14:00:00"_s));
        RegionalSettingsDialog again(m_install->services);
        QCOMPARE(control<QComboBox>(again, "cboPostCode")->currentText(), u"Zip Code"_s);
        QCOMPARE(control(again, "txtCurrencySymbol")->text(), u"€"_s);
        QCOMPARE(control<QTimeEdit>(again, "dtpCheckInTime")->time(), QTime(10, 30));
        QVERIFY(!control<QCheckBox>(again, "chkShowKidsAdults")->isChecked());
    }

    void regionalWindowShowsTheSymbolInUseAndItsChoiceShowsInAmounts()
    {
        // A stored "0" stands for the system's symbol, or the pound where the system has none.
        const QString system = RegionalSettings::systemCurrencySymbol();
        const QString inUse = system == u"0"_s ? u"£"_s : system;
        Registry::setRegistryValue(Settings::CurrencySymbol, u"0"_s);
        {
            RegionalSettingsDialog window(m_install->services);
            window.show();
            QCOMPARE(control(window, "txtCurrencySymbol")->text(), inUse);
            Money::setCurrencySymbol(u"¤"_s);
            click(window, "cmdOK"); // what it showed, saved, changes nothing
        }
        QCOMPARE(Registry::getRegistryValue(Settings::CurrencySymbol), system);
        QCOMPARE(Money::fromPence(1250).format(), inUse + u"12.50"_s);
        {
            RegionalSettingsDialog window(m_install->services);
            QVERIFY(showActive(window));
            type(window, "txtCurrencySymbol", u"€"_s);
            click(window, "cmdOK");
        }
        QCOMPARE(Money::fromPence(-123456).format() + u'|' + Money::fromPence(123456).formatGrouped(),
                 u"-€1234.56|€1,234.56"_s);
        QCOMPARE(Money::parse(u"€12.50"_s).value_or(Money()), Money::fromPence(1250));
        RegionalSettingsDialog again(m_install->services);
        QCOMPARE(control(again, "txtCurrencySymbol")->text(), u"€"_s);
    }

    void regionalValuesAreReadForgivingly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QTime>("time");
        QTest::newRow("as written") << "08:30:00" << QTime(8, 30);
        QTest::newRow("hours and minutes") << "8:30" << QTime(8, 30);
        QTest::newRow("not a time: the default") << "half past eight" << QTime(9, 0);
    }
    void regionalValuesAreReadForgivingly()
    {
        QFETCH(QString, stored);
        QFETCH(QTime, time);
        Registry::setRegistryValue(Settings::CheckInTime, stored);
        Registry::setRegistryValue(Settings::CurrencySymbol, u"0"_s);
        Registry::setRegistryValue(Settings::PostCode, u"7"_s);
        const RegionalSettings values = RegionalSettings::load();
        QCOMPARE(values.checkInTime, time);
        QCOMPARE(values.currencySymbol, RegionalSettings::systemCurrencySymbol());
        QCOMPARE(values.postCodeIndex, 1);
    }
};

ZEM_TEST(tst_Configuration)
#include "tst_Configuration.moc"
