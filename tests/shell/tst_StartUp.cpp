#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/Registry.h"
#include "core/modEventLog.h"
#include "shell/MDIMain.h"
#include "shell/frmTipOfTheDay.h"
#include "shell/frmViewEventLog.h"
#include "shell/modMain.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>

class tst_StartUp : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

private slots:
    void init() { m_install = std::make_unique<TestInstall>(false); }
    void cleanup() { m_install.reset(); }

    void missingDatabaseEndsWithAMessage()
    {
        auto window = modMain::Main(m_install->services, 0, modMain::TipMode::Open);
        QVERIFY(!window);
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].text, QStringLiteral("DB Connection Error"));
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QCOMPARE(m_install->messages.calls[0].title, MDIMain::Caption());
        // No event log was started, so no day folder exists.
        QVERIFY(QDir(m_install->TracesFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        // The reason is kept for the support desk.
        QVERIFY(QFile::exists(m_install->Root() + QStringLiteral("/bin/message.log")));
    }

    void startAndCloseWriteTheirEvents()
    {
        QString error;
        QVERIFY2(Database::CreateDatabase(m_install->DatabasePath(), &error), qPrintable(error));
        auto window = modMain::Main(m_install->services, 0, modMain::TipMode::Open);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(modEventLog::LogPath(), m_install->TracesFolder() + QStringLiteral("04122026/events.Log"));
        QStringList lines = m_install->EventLogText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(1), QStringLiteral("[Application started]"));

        window->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
        QVERIFY(!window->isVisible());
        lines = m_install->EventLogText().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(4), QStringLiteral("[Application closed]"));
        QCOMPARE(lines.value(5), QString(32, u'-'));
        QCOMPARE(m_install->EventLogText().count(QStringLiteral("[Application closed]")), 1);
    }

    void tipOfTheDayFollowsItsSetting_data()
    {
        QTest::addColumn<QString>("setting"); // "" for none stored
        QTest::addColumn<bool>("shown");
        QTest::newRow("nothing stored") << "" << true;
        QTest::newRow("0 shows") << "0" << true;
        QTest::newRow("1 does not") << "1" << false;
    }
    void tipOfTheDayFollowsItsSetting()
    {
        QFETCH(QString, setting);
        QFETCH(bool, shown);
        QString error;
        QVERIFY2(Database::CreateDatabase(m_install->DatabasePath(), &error), qPrintable(error));
        QFile tips(InstallPaths::AppDir() + QStringLiteral("/TipOfTheDay.txt"));
        QVERIFY(tips.open(QIODevice::WriteOnly));
        tips.write("Book several berths at once.\n");
        tips.close();
        if (!setting.isEmpty())
            Registry::SetRegistryValue(Settings::ShowTipAtStartup, setting);

        auto window = modMain::Main(m_install->services, 0, modMain::TipMode::Open);
        QVERIFY(window);
        auto* tip = window->findChild<frmTipOfTheDay*>();
        QCOMPARE(tip != nullptr, shown);
        if (tip) {
            QVERIFY(tip->isVisible());
            QCOMPARE(tip->findChild<QPlainTextEdit*>(QStringLiteral("txtTip"))->toPlainText(),
                     QStringLiteral("Book several berths at once."));
        }
    }

    void traceViewer()
    {
        const QString path = m_install->TracesFolder() + QStringLiteral("sample.log");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[x]\r\n[Customer added]\r\n");
        file.close();
        frmViewEventLog viewer;
        QVERIFY(viewer.Load(path));
        auto* text = viewer.findChild<QPlainTextEdit*>(QStringLiteral("txtEvent"));
        QCOMPARE(text->toPlainText(), QStringLiteral("[x]\n[Customer added]\n"));
        QVERIFY(text->isReadOnly());

        // Cancelling the file dialog shows nothing; the dialog starts in the traces folder on log files.
        frmViewEventLog::Display(m_install->services, nullptr);
        QCOMPARE(m_install->files.calls.size(), 1);
        QCOMPARE(m_install->files.calls[0].title, QStringLiteral("Open Trace Log File"));
        QCOMPARE(m_install->files.calls[0].folder, Settings::TracesFolder());
    }
};

ZEM_TEST(tst_StartUp)
#include "tst_StartUp.moc"
