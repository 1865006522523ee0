#include "common/TestSupport.h"
#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/SqlHelpers.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"
#include "shell/frmTipOfTheDay.h"
#include "shell/frmViewEventLog.h"
#include "shell/modMain.h"

// Start-up on the installation's database and the small windows around it: the tip of the day, the about box and
// the trace viewer.
class tst_StartUp : public InstallTest
{
    Q_OBJECT

    static void WriteTips(const QByteArray& content)
    {
        QFile file(InstallPaths::AppDir() + u"/TipOfTheDay.txt"_s);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    static QString NextTip() { return Registry::GetRegistryValue(Settings::NextTip, u"unset"_s); }
    static QString TipShown(QWidget* window) { return Control<QPlainTextEdit>(*window, "txtTip")->toPlainText(); }

private slots:
    void databaseWithAMissingColumnIsRefused()
    {
        QVERIFY(m_install->Exec(u"ALTER TABLE Booking DROP COLUMN GuestConfirmationNumber"_s));
        QVERIFY(!modMain::Main(m_install->services, 0, modMain::TipMode::Open));
        QCOMPARE(m_install->messages.Said(), MDIMain::Caption() + u": DB Connection Error"_s);
        QFile log(m_install->Root() + u"/bin/message.log"_s);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("missing column Booking.GuestConfirmationNumber"));
    }

    void startAndExitWriteTheirEvents()
    {
        auto window = modMain::Main(m_install->services, 0, modMain::TipMode::Open);
        QVERIFY(window && window->isVisible());
        QCOMPARE(modEventLog::LogPath(), m_install->TracesFolder() + u"04122026/events.Log"_s);
        QCOMPARE(m_install->EventLogText().split(u"\r\n"_s).value(1), u"[Application started]"_s);

        Control<QAction>(*window, "mnuFileExit")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(m_install->EventLogText().split(u"\r\n"_s).value(4), u"[Application closed]"_s);
        QCOMPARE(m_install->EventLogText().count(u"[Application closed]"_s), 1);
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
        WriteTips("Book several berths at once.\n");
        if (!setting.isEmpty())
            Registry::SetRegistryValue(Settings::ShowTipAtStartup, setting);
        auto window = modMain::Main(m_install->services, 0, modMain::TipMode::Open);
        QVERIFY(window);
        auto* tip = window->findChild<frmTipOfTheDay*>();
        QCOMPARE(tip != nullptr, shown);
        QVERIFY(!tip || (tip->isVisible() && TipShown(tip) == u"Book several berths at once."_s));
    }

    void tipsCycleThroughTheFile()
    {
        WriteTips("First tip\r\nSecond tip\r\nThird tip\r\n");
        QPointer<frmTipOfTheDay> window = frmTipOfTheDay::Open(nullptr);
        QVERIFY(window && window->isVisible());
        QCOMPARE(TipShown(window) + NextTip(), u"First tip1"_s);
        for (const QString& expected : {u"Second tip2"_s, u"Third tip0"_s, u"First tip1"_s}) {
            Click(*window, "cmdNextTip");
            QCOMPARE(TipShown(window) + NextTip(), expected);
        }
        // Unticking the box and OK: no tip at the next start-up.
        auto* show = Control<QCheckBox>(*window, "chkShowTipsAtStartup");
        QVERIFY(show->isChecked());
        show->setChecked(false);
        Click(*window, "cmdOK");
        QCOMPARE(Registry::GetRegistryValue(Settings::ShowTipAtStartup), u"1"_s);
        QTRY_VERIFY(!window);
    }

    void noTipClosesTheWindow_data()
    {
        QTest::addColumn<QByteArray>("content"); // "-" for no file
        QTest::addColumn<QString>("nextTip");
        QTest::newRow("no tips file") << QByteArray("-") << "0";
        QTest::newRow("empty file") << QByteArray("") << "0";
        QTest::newRow("file shortened past the stored tip") << QByteArray("Only tip\n") << "3";
        QTest::newRow("stored number is not a number") << QByteArray("Only tip\n") << "x";
    }
    void noTipClosesTheWindow()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, nextTip);
        if (content != "-")
            WriteTips(content);
        Registry::SetRegistryValue(Settings::NextTip, nextTip);
        QVERIFY(!frmTipOfTheDay::Open(nullptr));
        QCOMPARE(NextTip(), nextTip);
    }

    void tipsFileGoingAwayClosesAnOpenWindow()
    {
        WriteTips("One\nTwo\n");
        QPointer<frmTipOfTheDay> window = frmTipOfTheDay::Open(nullptr);
        QVERIFY(window);
        QVERIFY(QFile::remove(InstallPaths::AppDir() + u"/TipOfTheDay.txt"_s));
        Click(*window, "cmdNextTip");
        QTRY_VERIFY(!window);
        QCOMPARE(NextTip(), u"1"_s);
    }

    void aboutBoxReportsNoSystemInfo()
    {
        if (!frmAbout::SystemInfoProgram().isEmpty())
            QSKIP("this machine has a system-information program");
        frmAbout about(m_install->services);
        about.show();
        Click(about, "cmdSystemInfo");
        QCOMPARE(m_install->messages.Said(),
                 modFunctions::ProductTitle() + u": System Information Is Unavailable At This Time"_s);
    }

    void traceViewer()
    {
        const QString path = m_install->TracesFolder() + u"sample.log"_s;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[x]\r\n[Customer added]\r\n");
        file.close();
        frmViewEventLog viewer;
        QVERIFY(viewer.Load(path));
        auto* text = Control<QPlainTextEdit>(viewer, "txtEvent");
        QCOMPARE(text->toPlainText(), u"[x]\n[Customer added]\n"_s);
        QVERIFY(text->isReadOnly());

        // Cancelling the file dialog shows nothing; the dialog starts in the traces folder on log files.
        frmViewEventLog::Display(m_install->services, nullptr);
        QCOMPARE(m_install->files.calls.size(), 1);
        QCOMPARE(m_install->files.calls[0].title, u"Open Trace Log File"_s);
        QCOMPARE(m_install->files.calls[0].folder, Settings::TracesFolder());
    }
};

ZEM_TEST(tst_StartUp)
#include "tst_StartUp.moc"
