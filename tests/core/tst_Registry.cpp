#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Registry.h"

#include <QFile>
#include <QTest>

class tst_Registry : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    void WriteSettingsFile(const QByteArray& content)
    {
        QFile file(m_install->SettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(false); }
    void cleanup() { m_install.reset(); }

    void defaultsWithoutAFile()
    {
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckInTime, QStringLiteral("09:00")), QStringLiteral("09:00"));
        QCOMPARE(Registry::GetRegistryValue(QStringLiteral("nothing")), QString());
        QCOMPARE(Settings::DatabasePath(), m_install->Root() + QStringLiteral("/data/DB.sqlite"));
        QCOMPARE(Settings::TracesFolder(), m_install->Root() + QStringLiteral("/traces/"));
        QVERIFY(!QFile::exists(m_install->SettingsPath())); // reading never creates the store
    }

    void roundTripKeepsNamesWithBlanks()
    {
        Registry::SetRegistryValue(Settings::ShowTipAtStartup, QStringLiteral("1"));
        Registry::SetRegistryValue(Settings::Data, QStringLiteral("/srv/harbour/DB.sqlite"));
        QCOMPARE(Registry::GetRegistryValue(Settings::ShowTipAtStartup, QStringLiteral("0")), QStringLiteral("1"));
        QCOMPARE(Settings::DatabasePath(), QStringLiteral("/srv/harbour/DB.sqlite"));
        QFile file(m_install->SettingsPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ini = file.readAll();
        QVERIFY2(ini.contains("[General]") && ini.contains("Show%20Tip%20at%20Startup=1"), ini.constData());
    }

    void garbageGivesDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe[[[=", 9);
        QTest::newRow("no sections, junk lines") << QByteArray("=====\n;;;\n[\n");
        QTest::newRow("number where text is expected") << QByteArray("[General]\nCheckInTime=@Variant(\\0\\0\\0\\x2)\n");
    }
    void garbageGivesDefaults()
    {
        QFETCH(QByteArray, content);
        WriteSettingsFile(content);
        QCOMPARE(Registry::GetRegistryValue(Settings::CheckInTime, QStringLiteral("09:00")), QStringLiteral("09:00"));
        QCOMPARE(Registry::GetRegistryNumber(Settings::ShowTipAtStartup, QStringLiteral("0"), 0), 0);
    }

    void legacyDefaultsMeanTheInstallation()
    {
        Registry::SetRegistryValue(Settings::Traces, QStringLiteral("C:\\Zemc\\Traces\\"));
        QCOMPARE(Settings::TracesFolder(), m_install->Root() + QStringLiteral("/traces/"));
        Registry::SetRegistryValue(Settings::Traces, m_install->Root() + QStringLiteral("/logs"));
        QCOMPARE(Settings::TracesFolder(), m_install->Root() + QStringLiteral("/logs/"));
    }

    void numbers()
    {
        Registry::SetRegistryValue(Settings::NextTip, QStringLiteral(" 3 "));
        QCOMPARE(Registry::GetRegistryNumber(Settings::NextTip, QStringLiteral("0"), -1), 3);
        Registry::SetRegistryValue(Settings::NextTip, QStringLiteral("three"));
        QCOMPARE(Registry::GetRegistryNumber(Settings::NextTip, QStringLiteral("0"), -1), -1);
    }
};

ZEM_TEST(tst_Registry)
#include "tst_Registry.moc"
