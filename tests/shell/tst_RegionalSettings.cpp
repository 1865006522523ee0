#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/InstallPaths.h"
#include "core/RegionalSettings.h"
#include "core/Registry.h"
#include "shell/frmRegionalSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

class tst_RegionalSettings : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    template <typename T> T* Control(QWidget& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void okWithoutChangesWritesEveryValue()
    {
        frmRegionalSettings window(m_install->services);
        window.show();
        QCOMPARE(Control<QComboBox>(window, "cboPostCode")->currentText(), QStringLiteral("Post Code"));
        QCOMPARE(Control<QLineEdit>(window, "txtCurrencySymbol")->text(), RegionalSettings::SystemCurrencySymbol());
        QCOMPARE(Control<QTimeEdit>(window, "dtpCheckInTime")->time(), QTime(9, 0));
        QCOMPARE(Control<QTimeEdit>(window, "dtpCheckOutTime")->time(), QTime(14, 0));
        QVERIFY(Control<QCheckBox>(window, "chkShowKidsAdults")->isChecked());

        QTest::mouseClick(Control<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode), QStringLiteral("0"));
        QCOMPARE(Registry::GetRegistryValue(Settings::CurrencySymbol), RegionalSettings::SystemCurrencySymbol());
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckInTime), QStringLiteral("09:00:00"));
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckoutTime), QStringLiteral("14:00:00"));
        QCOMPARE(Registry::GetRegistryValue(Settings::ShowAdultsAndKids), QStringLiteral("1"));
        QCOMPARE(Registry::GetRegistryValue(Settings::Traces), InstallPaths::DefaultTracesFolder());
        const QString log = m_install->EventLogText();
        QCOMPARE(log.count(QStringLiteral("[Regional settings modified]")), 1);
        QVERIFY2(log.contains(QStringLiteral("\r\nPostcode: 0, Currency Symbol: ") +
                              RegionalSettings::SystemCurrencySymbol() +
                              QStringLiteral(", Check in time: 09:00:00, Check out time: 14:00:00\r\n")),
                 qPrintable(log));
    }

    void changesAreStoredAndShownAgain()
    {
        {
            frmRegionalSettings window(m_install->services);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            Control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
            auto* symbol = Control<QLineEdit>(window, "txtCurrencySymbol");
            symbol->setFocus();
            symbol->clear();
            symbol->insert(QStringLiteral("€"));
            QTest::keyClick(symbol, Qt::Key_Return); // Enter moves on, it does not press OK
            QVERIFY(window.isVisible());
            QVERIFY(Control<QTimeEdit>(window, "dtpCheckInTime")->hasFocus());
            Control<QTimeEdit>(window, "dtpCheckInTime")->setTime(QTime(10, 30));
            Control<QCheckBox>(window, "chkShowKidsAdults")->setChecked(false);
            QTest::mouseClick(Control<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        }
        QVERIFY(m_install->EventLogText().contains(
            QStringLiteral("Postcode: 1, Currency Symbol: €, Check in time: 10:30:00, Check out time: 14:00:00")));
        frmRegionalSettings again(m_install->services);
        QCOMPARE(Control<QComboBox>(again, "cboPostCode")->currentText(), QStringLiteral("Zip Code"));
        QCOMPARE(Control<QLineEdit>(again, "txtCurrencySymbol")->text(), QStringLiteral("€"));
        QCOMPARE(Control<QTimeEdit>(again, "dtpCheckInTime")->time(), QTime(10, 30));
        QVERIFY(!Control<QCheckBox>(again, "chkShowKidsAdults")->isChecked());
    }

    void cancelWritesNothing()
    {
        frmRegionalSettings window(m_install->services);
        window.show();
        Control<QComboBox>(window, "cboPostCode")->setCurrentIndex(1);
        QTest::mouseClick(Control<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode, QStringLiteral("unset")), QStringLiteral("unset"));
        QVERIFY(!m_install->EventLogText().contains(QStringLiteral("Regional")));
    }

    void storedValuesAreReadForgivingly_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QTime>("time");
        QTest::newRow("as written") << "08:30:00" << QTime(8, 30);
        QTest::newRow("hours and minutes") << "8:30" << QTime(8, 30);
        QTest::newRow("not a time: the default") << "half past eight" << QTime(9, 0);
    }
    void storedValuesAreReadForgivingly()
    {
        QFETCH(QString, stored);
        QFETCH(QTime, time);
        Registry::SetRegistryValue(Settings::CheckInTime, stored);
        Registry::SetRegistryValue(Settings::CurrencySymbol, QStringLiteral("0"));
        Registry::SetRegistryValue(Settings::PostCode, QStringLiteral("7"));
        const RegionalSettings values = RegionalSettings::Load();
        QCOMPARE(values.checkInTime, time);
        QCOMPARE(values.currencySymbol, RegionalSettings::SystemCurrencySymbol());
        QCOMPARE(values.postCodeIndex, 1);
    }
};

ZEM_TEST(tst_RegionalSettings)
#include "tst_RegionalSettings.moc"
