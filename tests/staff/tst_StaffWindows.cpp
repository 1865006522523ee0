#include "bookings/BookingDatesPage.h"
#include "common/TestSupport.h"
#include "core/Actor.h"
#include "core/RegionalSettings.h"
#include "core/Registry.h"
#include "outputs/ExportMenu.h"
#include "rates/RatesDialog.h"
#include "shell/CompanyDialog.h"
#include "staff/ApprovalDialog.h"
#include "staff/IdleLock.h"
#include "staff/Passwords.h"
#include "staff/Permissions.h"
#include "staff/SignInDialog.h"
#include "staff/StaffStore.h"
#include "staff/UsersWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

// The dialogs of the users: the approval on the spot, the lock and its unlock, the switch of user, the Users window.
class tst_StaffWindows : public InstallTest
{
    Q_OBJECT

    const QDateTime m_now = DateTimes::wallTime(QDate(2026, 12, 4), QTime(10, 0));
    int m_clerk = 0;
    int m_manager = 0;

    // A clerk ("cleo", PIN 1111) is signed in; a manager ("mona", PIN 2222) and the administrator ("ada", PIN 3333)
    // work at the desk too. All share the password "harbour-pass".
    void seed() override
    {
        Passwords::useCheapestCostForTests();
        m_install->clock.current = m_now;
        m_clerk = add(u"cleo"_s, Role::Clerk, u"1111"_s);
        m_manager = add(u"mona"_s, Role::Manager, u"2222"_s);
        add(u"ada"_s, Role::Administrator, u"3333"_s);
        Actor::signIn(m_clerk, u"cleo Name"_s, u"clerk"_s);
    }
    void tearDown() override { Actor::signOut(); }

    int add(const QString& signInName, Role role, const QString& pin) const
    {
        const auto id = StaffStore::add(m_install->db(), {0, signInName + u" Name"_s, signInName, role, true, 0},
                                        u"harbour-pass"_s, pin);
        if (!id)
            qFatal("%s", qPrintable(id.error()));
        return *id;
    }
    static void answer(QDialog* dialog, const QString& name, const QString& secret)
    {
        if (!name.isNull())
            type(*dialog, "txtSignInName", name);
        type(*dialog, "txtSecret", secret);
        click(*dialog, "cmdOK");
    }
    int approvals() const { return m_install->scalarInt(u"SELECT COUNT(*) FROM Approval"_s); }
    // What a switch of user takes: the PIN, or on a server (which checks it as the desk reconnects) the password.
    static bool onServer() { return TestMain::currentEngine() == TestMain::Engine::PostgreSQL; }
    static QString switchSecret(const QString& pin) { return onServer() ? u"harbour-pass"_s : pin; }

private slots:
    void aRefusalOffersAManagersApprovalOnce()
    {
        // Cancel at the refusal: nothing asked further, nothing recorded.
        m_install->messages.chosen.enqueue(-1);
        QVERIFY(!Permission::askOrApprove(m_install->services, nullptr, Action::Refund));
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].text,
                 u"Only a manager or an administrator may give refunds or corrections."_s);
        QCOMPARE(m_install->messages.calls[0].answers, QStringList{u"&Ask a manager..."_s});

        // A wrong PIN is said in the box and writes nothing; the right one approves this once.
        QString refusal;
        onNextModal([&](QDialog* dialog) {
            answer(dialog, u"mona"_s, u"2229"_s);
            refusal = control<QLabel>(*dialog, "lblError")->text();
            QCOMPARE(approvals(), 0);
            answer(dialog, QString(), u"2222"_s);
        });
        QVERIFY(Permission::askOrApprove(m_install->services, nullptr, Action::Refund));
        QCOMPARE(refusal, u"The sign-in name, or the PIN or password, is wrong."_s);
        QCOMPARE(m_install->joined(u"SELECT Approver || '|' || ForUser FROM Approval"_s), u"mona Name|cleo Name"_s);
        VERIFY_HAS(logText(), u"mona Name approved for cleo Name: Refunds and corrections"_s);
        // The approval was for that once: the next refund asks again.
        m_install->messages.chosen.enqueue(-1);
        QVERIFY(!Permission::askOrApprove(m_install->services, nullptr, Action::Refund));
        QCOMPARE(approvals(), 1);
    }

    // The places that do a guarded action ask first, and open nothing when refused.
    void guardedPlacesAskBeforeOpeningAnything()
    {
        for (int refusals = 0; refusals < 3; ++refusals)
            m_install->messages.chosen.enqueue(-1);
        bool opened = false;
        onNextModal([&](QDialog*) { opened = true; });
        QVERIFY(!ExportMenu::exportCustomers(m_install->services));
        CompanyDialog::display(m_install->services, nullptr);
        RatesDialog::display(m_install->services, nullptr);
        QVERIFY(!opened);
        QVERIFY(m_install->files.calls.isEmpty());
        QCOMPARE(said(), u"Zem Harbour: Only a manager or an administrator may export personal data.\n"_s
                         u"Zem Harbour: Only an administrator may change the company's details.\n"_s
                         u"Zem Harbour: Only a manager or an administrator may change rates and taxes."_s);
    }

    // A new booking is "Booked by" the one signed in, as a start that can be typed over; nobody signed in, nobody.
    void aNewBookingStartsAsBookedByTheSignedInUser()
    {
        BookingDatesPage page(m_install->messages, nullptr);
        page.start(m_now.date(), RegionalSettings::load());
        QCOMPARE(page.txtBookedBy->text(), u"cleo Name"_s);
        Actor::signOut();
        BookingDatesPage nobody(m_install->messages, nullptr);
        nobody.start(m_now.date(), RegionalSettings::load());
        QCOMPARE(nobody.txtBookedBy->text(), QString());
    }

    void theLockKeepsTheWindowUntilTheSameUsersSecretOrAnotherUser()
    {
        QWidget window;
        auto* typed = new QLineEdit(&window);
        typed->setText(u"half a booking"_s);
        QVERIFY(showActive(window));
        IdleLock lock(m_install->services, &window);
        QString refused;
        onNextModal([&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"frmLocked"_s);
            dialog->reject(); // Escape leaves it locked
            QVERIFY(dialog->isVisible());
            type(*dialog, "txtSecret", u"2222"_s); // another user's PIN does not unlock
            click(*dialog, "cmdUnlock");
            refused = control<QLabel>(*dialog, "lblError")->text();
            type(*dialog, "txtSecret", u"harbour-pass"_s);
            click(*dialog, "cmdUnlock");
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected); // failed above; no hang
        });
        // A time changed in the settings counts at once, without a new start.
        Registry::setRegistryValue(Settings::IdleLockMinutes, u"0"_s);
        IdleLock::idleTimeChanged();
        QVERIFY(!lock.counting());
        Registry::setRegistryValue(Settings::IdleLockMinutes, u"5"_s);
        IdleLock::idleTimeChanged();
        QVERIFY(lock.counting());
        lock.lockNow();
        QCOMPARE(refused, u"The sign-in name, or the PIN or password, is wrong."_s);
        QVERIFY(!lock.locked());
        QCOMPARE(typed->text(), u"half a booking"_s);
        QCOMPARE(Actor::current().userId, m_clerk);

        // Removed meanwhile at another desk: the clerk is told, and another user takes over through a switch.
        QVERIFY(StaffStore::remove(m_install->db(), m_clerk));
        onNextModal([&](QDialog* dialog) {
            type(*dialog, "txtSecret", u"1111"_s);
            click(*dialog, "cmdUnlock");
            refused = control<QLabel>(*dialog, "lblError")->text();
            onNextModal([](QDialog* signIn) { answer(signIn, u"Mona"_s, switchSecret(u"2222"_s)); });
            click(*dialog, "cmdSwitchUser");
            if (dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
        lock.lockNow();
        QCOMPARE(refused, u"This user has been removed by an administrator."_s);
        QCOMPARE(Actor::current().userId, m_manager);
        QCOMPARE(Actor::label(), u"mona Name@"_s + Actor::current().machine);
    }

    void switchingUserTakesItsSecretAndFiveWrongOnesLock()
    {
        QStringList said;
        onNextModal([&](QDialog* dialog) {
            for (int tries = 0; tries < StaffStore::TriesBeforeLock; ++tries) {
                answer(dialog, u"mona"_s, u"0000"_s);
                said << control<QLabel>(*dialog, "lblError")->text();
            }
            m_install->clock.current = m_now.addSecs(StaffStore::LockSeconds);
            answer(dialog, u"mona"_s, switchSecret(u"2222"_s));
        });
        const auto user = SignInDialog::signIn(m_install->services, nullptr, SignInDialog::Purpose::Switch);
        QCOMPARE(said.constLast(), u"mona is locked after 5 wrong tries in a row; try again after 10:01:00."_s);
        QCOMPARE(said.first(), onServer() ? u"The sign-in name or the password is wrong."_s
                                          : u"The sign-in name or the PIN is wrong."_s);
        QVERIFY(user);
        QCOMPARE(Actor::current().userId, m_manager);
        // On a server the desk now works as mona's own login.
        if (onServer())
            QCOMPARE(m_install->text(u"SELECT current_user"_s), u"mona"_s);
        VERIFY_HAS(logText(), entry(*m_install, EventLog::UserSignedIn, u"mona Name"_s));
        QCOMPARE(logText().count(u"[User locked after wrong tries]"_s), 1);
    }

    void usersWindowAddsUsersAndChangesPermissions()
    {
        Actor::signIn(3, u"ada Name"_s, u"administrator"_s);
        UsersWindow window(m_install->services, nullptr);
        QVERIFY(showActive(window));
        auto* users = control<QTableWidget>(window, "grdUsers");
        QCOMPARE(users->rowCount(), 3);

        QString differ;
        onNextModal([&](QDialog* dialog) {
            type(*dialog, "txtName", u"Pete Porter"_s);
            type(*dialog, "txtSignInName", u"pete"_s);
            choose(*dialog, "cboRole", u"Manager"_s);
            type(*dialog, "txtPassword", u"porter-pass"_s);
            type(*dialog, "txtPasswordAgain", u"porter-pasz"_s);
            type(*dialog, "txtPin", u"5555"_s);
            click(*dialog, "cmdOK");
            differ = control<QLabel>(*dialog, "lblError")->text();
            QCOMPARE(control(*dialog, "txtName")->text(), u"Pete Porter"_s); // nothing typed is lost
            type(*dialog, "txtPasswordAgain", u"porter-pass"_s);
            click(*dialog, "cmdOK");
        });
        click(window, "cmdAdd");
        QCOMPARE(differ, u"The two passwords differ: please type the same password twice."_s);
        QCOMPARE(users->rowCount(), 4);
        QCOMPARE(m_install->text(u"SELECT Role FROM StaffUser WHERE SignInKey = 'pete'"_s), u"manager"_s);

        // The administrator is the last one: the removal is refused with the reason.
        users->selectRow(0);
        QCOMPARE(users->item(0, 0)->text(), u"ada Name"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(window, "cmdRemove");
        VERIFY_HAS(said(), u"ada Name is the last active administrator"_s);
        QCOMPARE(users->rowCount(), 4);

        // A tick in the table lets clerks give refunds; the administrator's users and permissions cannot be unticked.
        auto* permissions = control<QTableWidget>(window, "grdPermissions");
        const int refund = int(Roles::actions().indexOf(Action::Refund));
        permissions->item(refund, 0)->setCheckState(Qt::Checked);
        QCOMPARE(
            m_install->scalarInt(u"SELECT Allowed FROM RolePermission WHERE Role = 'clerk' AND Action = 'refund'"_s),
            1);
        const int usersRow = int(Roles::actions().indexOf(Action::UsersAndPermissions));
        QVERIFY(!(permissions->item(usersRow, 2)->flags() & Qt::ItemIsUserCheckable));
        Actor::signIn(m_clerk, u"cleo Name"_s, u"clerk"_s);
        QVERIFY(Permission::askOrApprove(m_install->services, nullptr, Action::Refund));
    }

    // On a server the administrator sets the sign-in role's password in Users; a file has no such role, and only an
    // administrator may set it.
    void usersWindowSetsTheSignInRolesPasswordOnAServer()
    {
        {
            UsersWindow window(m_install->services, nullptr);
            QVERIFY(showActive(window));
            QCOMPARE(control<QPushButton>(window, "cmdSignInRole")->isVisible(), onServer());
            QVERIFY(!control<QPushButton>(window, "cmdSignInRole")->isEnabled());
        }
        if (!onServer())
            return;
        Actor::signIn(3, u"ada Name"_s, u"administrator"_s);
        UsersWindow window(m_install->services, nullptr);
        QVERIFY(showActive(window));
        const QString canLogIn = u"SELECT rolcanlogin::int FROM pg_roles WHERE rolname = 'zem_signin'"_s;
        QStringList said;
        onNextModal([&](QDialog* dialog) {
            QVERIFY(!dialog->findChild<QLineEdit*>(u"txtPin"_s));
            for (const auto& [first, again] :
                 {std::pair(u"desk-start-1"_s, u"desk-start-2"_s), std::pair(u"short"_s, u"short"_s)}) {
                type(*dialog, "txtPassword", first);
                type(*dialog, "txtPasswordAgain", again);
                click(*dialog, "cmdOK");
                said << control<QLabel>(*dialog, "lblError")->text();
                QCOMPARE(m_install->scalarInt(canLogIn), 0);
            }
            type(*dialog, "txtPassword", u"desk-start-1"_s);
            type(*dialog, "txtPasswordAgain", u"desk-start-1"_s);
            click(*dialog, "cmdOK");
        });
        click(window, "cmdSignInRole");
        QCOMPARE(said, (QStringList{u"The two passwords differ: please type the same password twice."_s,
                                    u"A password needs at least 8 characters."_s}));
        QCOMPARE(m_install->scalarInt(canLogIn), 1);
        VERIFY_HAS(logText(), u"zem_signin: new password"_s);
        // Both boxes left empty: desks may no longer start with it.
        onNextModal([&](QDialog* dialog) { click(*dialog, "cmdOK"); });
        click(window, "cmdSignInRole");
        QCOMPARE(m_install->scalarInt(canLogIn), 0);
    }
};

ZEM_TEST(tst_StaffWindows)
#include "tst_StaffWindows.moc"
