#include "common/TestSupport.h"
#include "core/InstallPaths.h"
#include "core/RegionalSettings.h"
#include "shell/fmCompany.h"
#include "shell/frmRegionalSettings.h"

#include <QTimeEdit>

// The configuration windows: company details and regional settings.
class tst_Configuration : public InstallTest
{
    Q_OBJECT

    static QLineEdit* Field(const QWidget& window, int index) { return Control(window, u"txtFields%1"_s.arg(index)); }

private slots:
    void companyUpdateStoresAndRefreshRereads()
    {
        const QStringList before = QSqlDatabase::connectionNames();
        {
            fmCompany window(m_install->services);
            QVERIFY(ShowActive(window));
            QCOMPARE(Control<QLabel>(window, "datPrimaryRS")->text(), u"Record: 1"_s);
            QCOMPARE(Field(window, 10)->text(), u"Thank you for your custom."_s);
            Type(Field(window, 1), u"Zem Harbour Ltd"_s);
            Type(Field(window, 7), u"PL1 2AB"_s);
            Type(window, "txtFields11", u"Deposits are not refundable."_s);
            Click(window, "cmdUpdate");
            QVERIFY(m_install->messages.calls.isEmpty());
            QCOMPARE(m_install->Text(u"SELECT \"Company Name\" || '|' || Postcode || '|' || TermsandConditions "
                                     u"FROM Company"_s),
                     u"Zem Harbour Ltd|PL1 2AB|Deposits are not refundable."_s);

            // A change made elsewhere shows after "&Refresh"; typing not yet updated is dropped.
            QVERIFY(m_install->Exec(u"UPDATE Company SET Town = 'Plymouth'"_s));
            Type(Field(window, 2), u"never saved"_s);
            Click(window, "cmdRefresh");
            QCOMPARE(QStringList({Field(window, 1)->text(), Field(window, 2)->text(), Field(window, 5)->text()}),
                     QStringList({u"Zem Harbour Ltd"_s, QString(), u"Plymouth"_s}));
        }
        // The window's own connection goes with it.
        QCOMPARE(QSqlDatabase::connectionNames(), before);
    }

    void companyRefusedUpdateIsReportedAndKeepsTheTyping()
    {
        QVERIFY(m_install->FailOn(u"Company"_s, u"UPDATE"_s, u"company locked"_s));
        fmCompany window(m_install->services);
        QVERIFY(ShowActive(window));
        Type(Field(window, 1), u"Marina Ltd"_s);
        Click(window, "cmdUpdate");
        QCOMPARE(m_install->messages.calls.size(), 1);
        const QString message = m_install->messages.calls[0].text;
        QVERIFY2(message.startsWith(u"Data error event hit err:"_s) && message.contains(u"company locked"_s),
                 qPrintable(message));
        QCOMPARE(Field(window, 1)->text(), u"Marina Ltd"_s);
        QCOMPARE(m_install->Text(u"SELECT \"Company Name\" FROM Company"_s), QString());
    }

    void regionalOkWithoutChangesWritesEveryValue()
    {
        frmRegionalSettings window(m_install->services);
        window.show();
        Click(window, "cmdOK");
        QVERIFY(!window.isVisible());
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode), u"0"_s);
        QCOMPARE(Registry::GetRegistryValue(Settings::CurrencySymbol), RegionalSettings::SystemCurrencySymbol());
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckInTime), u"09:00:00"_s);
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckoutTime), u"14:00:00"_s);
        QCOMPARE(Registry::GetRegistryValue(Settings::ShowAdultsAndKids), u"1"_s);
        QCOMPARE(Registry::GetRegistryValue(Settings::Traces), InstallPaths::DefaultTracesFolder());
        const QString log = m_install->EventLogText();
        QCOMPARE(log.count(u"[Regional settings modified]"_s), 1);
        QVERIFY2(log.contains(u"\r\nPostcode: 0, Currency Symbol: "_s + RegionalSettings::SystemCurrencySymbol() +
                              u", Check in time: 09:00:00, Check out time: 14:00:00\r\n"_s),
                 qPrintable(log));
    }

    void enterMovesOnFromEveryKindOfBox()
    {
        // The time boxes hand Enter to their own inner line edit; it must still move on.
        frmRegionalSettings window(m_install->services);
        QVERIFY(ShowActive(window));
        Control<QComboBox>(window, "cboPostCode")->setFocus();
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
            frmRegionalSettings window(m_install->services);
            window.show();
            Control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            Click(window, "cmdCancel");
            QCOMPARE(Registry::GetRegistryValue(Settings::PostCode, u"unset"_s), u"unset"_s);
            QVERIFY(!m_install->EventLogText().contains(u"Regional"_s));
        }
        {
            frmRegionalSettings window(m_install->services);
            QVERIFY(ShowActive(window));
            Control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            auto* symbol = Control(window, "txtCurrencySymbol");
            symbol->setFocus();
            Type(symbol, u"€"_s);
            QTest::keyClick(symbol, Qt::Key_Return); // Enter moves on, it does not press OK
            QVERIFY(window.isVisible());
            QVERIFY(Control<QTimeEdit>(window, "dtpCheckInTime")->hasFocus());
            Control<QTimeEdit>(window, "dtpCheckInTime")->setTime(QTime(10, 30));
            Control<QCheckBox>(window, "chkShowKidsAdults")->setChecked(false);
            Click(window, "cmdOK");
        }
        QVERIFY(m_install->EventLogText().contains(
            u"Postcode: 1, Currency Symbol: €, Check in time: 10:30:00, Check out time: 14:00:00"_s));
        frmRegionalSettings again(m_install->services);
        QCOMPARE(Control<QComboBox>(again, "cboPostCode")->currentText(), u"Zip Code"_s);
        QCOMPARE(Control(again, "txtCurrencySymbol")->text(), u"€"_s);
        QCOMPARE(Control<QTimeEdit>(again, "dtpCheckInTime")->time(), QTime(10, 30));
        QVERIFY(!Control<QCheckBox>(again, "chkShowKidsAdults")->isChecked());
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
        Registry::SetRegistryValue(Settings::CheckInTime, stored);
        Registry::SetRegistryValue(Settings::CurrencySymbol, u"0"_s);
        Registry::SetRegistryValue(Settings::PostCode, u"7"_s);
        const RegionalSettings values = RegionalSettings::Load();
        QCOMPARE(values.checkInTime, time);
        QCOMPARE(values.currencySymbol, RegionalSettings::SystemCurrencySymbol());
        QCOMPARE(values.postCodeIndex, 1);
    }
};

ZEM_TEST(tst_Configuration)
#include "tst_Configuration.moc"
