#include "common/TestSupport.h"
#include "core/Actor.h"
#include "core/Database.h"
#include "core/Dialect.h"
#include "core/InstallPaths.h"
#include "core/Money.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"
#include "shell/AboutDialog.h"
#include "shell/EventLogViewer.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "shell/TipOfTheDayDialog.h"

// Start-up on the installation's database and the small windows around it: the tip of the day, the about box and
// the trace viewer.
class tst_StartUp : public InstallTest
{
    Q_OBJECT

    static void writeTips(const QByteArray& content)
    {
        QVERIFY(writeAll(InstallPaths::appDir() + u"/TipOfTheDay.txt"_s, content));
    }
    static QString storedNextTip() { return Registry::getRegistryValue(Settings::NextTip, u"unset"_s); }
    static QString tipShown(QWidget* window) { return control<QPlainTextEdit>(*window, "txtTip")->toPlainText(); }

    // The first start of a database without users: its first administrator is made in the dialog that asks.
    std::unique_ptr<MainWindow> startAsFirstAdministrator()
    {
        onModalOnceShown([](QDialog* dialog) {
            type(*dialog, "txtName", u"Ada Admin"_s);
            type(*dialog, "txtSignInName", u"ada"_s);
            type(*dialog, "txtPassword", u"harbour-pass"_s);
            type(*dialog, "txtPasswordAgain", u"harbour-pass"_s);
            type(*dialog, "txtPin", u"4321"_s);
            click(*dialog, "cmdOK");
        });
        return Startup::main(m_install->services, 0, Startup::TipMode::Open);
    }
    void tearDown() override { Actor::signOut(); }

    using TipRow = std::tuple<QString, bool, QString>;
    using NoTipRow = std::tuple<QByteArray, QString>;

private slots:
    void databaseWithAMissingColumnIsRefused()
    {
        QVERIFY(exec(u"ALTER TABLE Booking DROP COLUMN AmountPayed"_s));
        QVERIFY(!Startup::main(m_install->services, 0, Startup::TipMode::Open));
        QCOMPARE(said(), MainWindow::caption() + u": DB Connection Error"_s);
        QVERIFY(readAll(m_install->root() + u"/bin/message.log"_s).contains("missing column Booking.AmountPayed"));
    }

    void startAndExitWriteTheirEvents()
    {
        Registry::setRegistryValue(Settings::CurrencySymbol, u"kr"_s);
        auto window = startAsFirstAdministrator();
        QVERIFY(window && window->isVisible());
        QCOMPARE(Money::fromPence(-500).format(), u"-kr5.00"_s); // the regional choice shows from the start
        QCOMPARE(EventLog::logPath(), m_install->tracesFolder() + u"04122026/events.Log"_s);
        QCOMPARE(logText().split(u"\r\n"_s).value(1), u"[Application started]"_s);

        control<QAction>(*window, "mnuFileExit")->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(logText().indexOf(u"[Application closed]"_s) > logText().indexOf(u"[User signed in]"_s));
        QCOMPARE(logText().count(u"[Application closed]"_s), 1);
    }

    // No default password: the first start asks for the first administrator (cancelled, the program ends), the
    // next ones for a sign-in, which keeps asking after a wrong password.
    void firstStartMakesTheAdministratorLaterStartsSignIn()
    {
        QString asked;
        onModalOnceShown([&](QDialog* dialog) { asked = dialog->windowTitle(); });
        QVERIFY(!Startup::main(m_install->services, 0, Startup::TipMode::Open));
        QCOMPARE(asked, u"First Administrator"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM StaffUser"_s), 0);

        auto window = startAsFirstAdministrator();
        QVERIFY(window);
        QCOMPARE(m_install->text(u"SELECT Role FROM StaffUser WHERE SignInKey = 'ada'"_s), u"administrator"_s);
        // Hashed at the program's own cost, never the cheap one of the test suites. On a server the desk now acts as
        // the administrator's own login, which may read only a hash's settings.
        const bool server = Dialect::of(m_install->db()).kind() == Engine::PostgreSQL;
        VERIFY_HAS(m_install->text(server ? u"SELECT PasswordSetting FROM zem_staff_settings((SELECT MIN(ID) FROM "
                                            u"StaffUser))"_s
                                          : u"SELECT PasswordHash FROM StaffUser"_s),
                   u"$argon2id$v=19$m=65536,t=2,p=1$"_s);
        QCOMPARE(Actor::current().user, u"Ada Admin"_s);
        window.reset();
        Actor::signOut();

        QString wrong;
        onModalOnceShown([&](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), u"Sign In"_s);
            type(*dialog, "txtSignInName", u"harbour-pass"_s); // the password typed into the wrong box
            type(*dialog, "txtSecret", u"harbour-pass"_s);
            click(*dialog, "cmdOK");
            type(*dialog, "txtSignInName", u"ADA"_s);
            type(*dialog, "txtSecret", u"4321"_s); // the PIN does not open the program
            click(*dialog, "cmdOK");
            wrong = control<QLabel>(*dialog, "lblError")->text();
            type(*dialog, "txtSecret", u"harbour-pass"_s);
            click(*dialog, "cmdOK");
        });
        window = Startup::main(m_install->services, 0, Startup::TipMode::Open);
        QVERIFY(window);
        QCOMPARE(wrong, u"The sign-in name or the password is wrong."_s);
        QCOMPARE(Actor::current().user, u"Ada Admin"_s);
        QCOMPARE(logText().count(u"[Sign-in refused]"_s), 2);
        QVERIFY(!logText().contains(u"harbour-pass"_s));
        QCOMPARE(logText().count(u"[User signed in]"_s), 2);
    }

    void tipOfTheDayFollowsItsSetting_data()
    {
        // setting: "" for none stored; today: "Show Today at Startup", "" for none stored
        const DataRows<TipRow> row;
        row("nothing stored", {u""_s, true, u""_s});
        row("0 shows", {u"0"_s, true, u"1"_s});
        row("1 does not", {u"1"_s, false, u"0"_s});
    }
    void tipOfTheDayFollowsItsSetting()
    {
        const auto& [setting, shown, today] = fetchRow<TipRow>();
        writeTips("Book several berths at once.\n");
        if (!setting.isEmpty())
            Registry::setRegistryValue(Settings::ShowTipAtStartup, setting);
        if (!today.isEmpty())
            Registry::setRegistryValue(Settings::ShowTodayAtStartup, today);
        auto window = startAsFirstAdministrator();
        QVERIFY(window);
        // The Today window opens first where the office chose so; the tip, if any, shows over it.
        QCOMPARE(window->findWindow(u"frmToday"_s) != nullptr, today == u"1"_s);
        auto* tip = window->findChild<TipOfTheDayDialog*>();
        QCOMPARE(tip != nullptr, shown);
        QVERIFY(!tip || (tip->isVisible() && tipShown(tip) == u"Book several berths at once."_s));
    }

    void tipsCycleThroughTheFile()
    {
        writeTips("First tip\r\nSecond tip\r\nThird tip\r\n");
        QPointer<TipOfTheDayDialog> window = TipOfTheDayDialog::openWithoutWaiting(nullptr);
        QVERIFY(window && window->isVisible());
        QCOMPARE(tipShown(window) + storedNextTip(), u"First tip1"_s);
        for (const QString& expected : {u"Second tip2"_s, u"Third tip0"_s, u"First tip1"_s}) {
            click(*window, "cmdNextTip");
            QCOMPARE(tipShown(window) + storedNextTip(), expected);
        }
        // Unticking the box and OK: no tip at the next start-up.
        auto* show = control<QCheckBox>(*window, "chkShowTipsAtStartup");
        QVERIFY(show->isChecked());
        show->setChecked(false);
        click(*window, "cmdOK");
        QCOMPARE(Registry::getRegistryValue(Settings::ShowTipAtStartup), u"1"_s);
        QTRY_VERIFY(!window);
    }

    void noTipClosesTheWindow_data()
    {
        // content: "-" for no file
        const DataRows<NoTipRow> row;
        row("no tips file", {QByteArray("-"), u"0"_s});
        row("empty file", {QByteArray(""), u"0"_s});
        row("file shortened past the stored tip", {QByteArray("Only tip\n"), u"3"_s});
        row("stored number is negative", {QByteArray("Only tip\n"), u"-1"_s});
    }
    void noTipClosesTheWindow()
    {
        const auto& [content, nextTip] = fetchRow<NoTipRow>();
        if (content != "-")
            writeTips(content);
        Registry::setRegistryValue(Settings::NextTip, nextTip);
        QVERIFY(!TipOfTheDayDialog::openWithoutWaiting(nullptr));
        QCOMPARE(storedNextTip(), nextTip);
    }

    void tipsFileGoingAwayClosesAnOpenWindow()
    {
        writeTips("One\nTwo\n");
        QPointer<TipOfTheDayDialog> window = TipOfTheDayDialog::openWithoutWaiting(nullptr);
        QVERIFY(window);
        QVERIFY(QFile::remove(InstallPaths::appDir() + u"/TipOfTheDay.txt"_s));
        click(*window, "cmdNextTip");
        QTRY_VERIFY(!window);
        QCOMPARE(storedNextTip(), u"1"_s);
    }

    void traceViewerAndAboutBox()
    {
        const QString path = m_install->tracesFolder() + u"sample.log"_s;
        QVERIFY(writeAll(path, "[x]\r\n[Customer added]\r\n"));
        EventLogViewer viewer;
        QVERIFY(viewer.load(path));
        auto* text = control<QPlainTextEdit>(viewer, "txtEvent");
        QCOMPARE(text->toPlainText(), u"[x]\n[Customer added]\n"_s);
        QVERIFY(text->isReadOnly());

        // Cancelling the file dialog shows nothing; the dialog starts in the traces folder on log files.
        EventLogViewer::display(m_install->services, nullptr);
        QCOMPARE(m_install->files.calls.size(), 1);
        QCOMPARE(m_install->files.calls[0].title, u"Open Trace Log File"_s);
        QCOMPARE(m_install->files.calls[0].folder, Settings::tracesFolder());

        // The about box, on a machine without a system-information program, says there is none.
        if (AboutDialog::systemInfoProgram().isEmpty()) {
            AboutDialog about(m_install->services);
            about.show();
            click(about, "cmdSystemInfo");
            QCOMPARE(said(), Texts::productTitle() + u": System Information Is Unavailable At This Time"_s);
        }
    }
};

ZEM_TEST(tst_StartUp)
#include "tst_StartUp.moc"
