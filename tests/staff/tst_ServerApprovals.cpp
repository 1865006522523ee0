#include "common/InstallFixture.h"
#include "core/Actor.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"
#include "staff/Passwords.h"
#include "staff/Permissions.h"
#include "staff/StaffLogins.h"
#include "staff/StaffStore.h"

Q_DECLARE_METATYPE(Action)

// A manager's approval on the spot lets a clerk's own login do, on this desk's connection, what the server refuses
// the clerk otherwise; nothing a clerk types into psql stands in for one. A desk starts with the sign-in role alone.
class tst_ServerApprovals : public InstallTest
{
    Q_OBJECT

    const QDateTime m_now = DateTimes::wallTime(QDate(2026, 12, 4), QTime(10, 0));
    int m_clerk = 0;

    void seed() override
    {
        Passwords::useCheapestCostForTests();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bo'), (3, 'Cy')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Rate (ID, SeasonID, BerthTypeID, Nightly) VALUES (1, 1, 1, 100)"_s));
        m_clerk = addUser(u"cora"_s, Role::Clerk);
        addUser(u"max"_s, Role::Manager);
        addUser(u"ada"_s, Role::Administrator);
    }
    void tearDown() override
    {
        Actor::signOut();
        ServerLogin::forgetLogin();
        (void)exec(u"ALTER ROLE zem_signin NOLOGIN"_s);
        for (const char* name : {"desk", "psql"})
            Database::close(QLatin1String(name));
        for (const char* login : {"cora", "max", "ada", "nina"})
            (void)ServerRoles::dropLogin(m_install->db(), QLatin1String(login));
    }
    // Every user's password is "harbour-pass" and PIN "4321".
    int addUser(const QString& signInName, Role role) const
    {
        const auto id = StaffStore::add(m_install->db(), {0, signInName + u" Name"_s, signInName, role, true, 0},
                                        u"harbour-pass"_s, u"4321"_s);
        if (!id)
            qFatal("%s", qPrintable(id.error()));
        return *id;
    }
    // A connection of the clerk's own login, as a desk (or psql) signed in as the clerk opens one.
    QSqlDatabase clerkConnection(const QString& name)
    {
        ServerLogin::useFor(name, {u"cora"_s, u"harbour-pass"_s});
        auto db = Database::open(m_install->databasePath(), name);
        ServerLogin::forget(name);
        if (!db)
            qFatal("%s", qPrintable(db.error()));
        return *db;
    }
    static QString failureOf(const QSqlDatabase& db, const QString& sql)
    {
        QString error;
        // Unprepared, as psql sends it: a statement about roles cannot be prepared.
        return Sql::execScript(db, sql, &error) ? QString() : error;
    }

private slots:
    void anApprovedActionGoesThroughOnThisDeskOnly_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("approver");
        QTest::addColumn<QString>("sql");
        QTest::newRow("customer deleted")
            << Action::DeleteRecords << u"max"_s << u"DELETE FROM Customer WHERE ID = 2"_s;
        QTest::newRow("berth deleted") << Action::DeleteRecords << u"max"_s << u"DELETE FROM Berth WHERE ID = 1"_s;
        QTest::newRow("rate changed") << Action::RatesAndTaxes << u"max"_s << u"UPDATE Rate SET Nightly = 1"_s;
        QTest::newRow("tax added")
            << Action::RatesAndTaxes << u"max"_s
            << u"INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (9, 'VAT', 2000, '2026-01-01') "
               u"ON CONFLICT (ID) DO NOTHING"_s;
        QTest::newRow("company renamed") << Action::CompanyDetails << u"ada"_s
                                         << u"UPDATE Company SET \"Company Name\" = md5(random()::text)"_s;
    }
    void anApprovedActionGoesThroughOnThisDeskOnly()
    {
        QFETCH(Action, action);
        QFETCH(QString, approver);
        QFETCH(QString, sql);
        const QSqlDatabase desk = clerkConnection(u"desk"_s);
        const QSqlDatabase psql = clerkConnection(u"psql"_s);
        Actor::signIn(m_clerk, u"cora Name"_s, u"clerk"_s);
        VERIFY_HAS(failureOf(desk, sql), u"permission denied"_s);
        // The counters are the desk's daily work, and need no approval.
        QCOMPARE(failureOf(desk, u"UPDATE Company SET LastInvoiceNumber = LastInvoiceNumber + 1"_s), QString());

        const auto approved = Permissions::approve(desk, m_now, action, approver, u"4321"_s);
        QVERIFY2(approved, qPrintable(approved.error()));
        QCOMPARE(failureOf(desk, sql), QString());
        QCOMPARE(m_install->joined(u"SELECT Action || '|' || Approver || '|' || ForUserID || '|' || ForUser || '|' || "
                                   u"ApprovedAt FROM Approval"_s),
                 u"%1|%2 Name|%3|cora Name|2026-12-04 10:00:00"_s.arg(Roles::key(action), approver).arg(m_clerk));
        // The same login on another connection holds no approval.
        VERIFY_HAS(failureOf(psql, sql), u"permission denied"_s);
    }

    // Approving a delete allows one: the next needs a new approval.
    void anApprovedDeleteIsSpentByItsTransaction()
    {
        int deskProcess = 0;
        {
            const QSqlDatabase desk = clerkConnection(u"desk"_s);
            deskProcess = Sql::scalar(desk, u"SELECT pg_backend_pid()"_s)->toInt();
            Actor::signIn(m_clerk, u"cora Name"_s, u"clerk"_s);
            QVERIFY(Permissions::approve(desk, m_now, Action::DeleteRecords, u"max"_s, u"4321"_s));
            {
                Sql::Transaction tx(desk);
                QVERIFY(tx.started());
                QCOMPARE(failureOf(desk, u"DELETE FROM Customer WHERE ID = 1"_s), QString());
                QCOMPARE(failureOf(desk, u"DELETE FROM Customer WHERE ID = 2"_s), QString());
                QVERIFY(tx.commit());
            }
            VERIFY_HAS(failureOf(desk, u"DELETE FROM Customer WHERE ID = 3"_s), u"permission denied"_s);
            QCOMPARE(m_install->joined(u"SELECT Name FROM Customer"_s), u"Cy"_s);
        }
        // A connection that has ended leaves no hold behind once the next approval is made.
        Database::close(u"desk"_s);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_install->scalarInt(u"SELECT COUNT(*) FROM pg_stat_activity WHERE pid = ?"_s, {deskProcess}), 0, 5000);
        QVERIFY(Permissions::approve(clerkConnection(u"psql"_s), m_now, Action::RatesAndTaxes, u"max"_s, u"4321"_s));
        QCOMPARE(m_install->joined(u"SELECT Action FROM ApprovalHold"_s), u"rates"_s);
    }

    void aForgedApprovalLetsNothingThrough_data()
    {
        QTest::addColumn<QString>("forgery");
        QTest::newRow("approval written") << u"INSERT INTO Approval (Action, ApproverID, Approver, ForUserID, ForUser, "
                                             u"ApprovedAt) VALUES ('delete', 2, 'max Name', 1, 'cora', 'now')"_s;
        QTest::newRow("hold written") << u"INSERT INTO ApprovalHold (ApprovalID, Backend, Started, Login, Action) "
                                         u"VALUES (1, pg_backend_pid(), zem_session_start(), 'cora', 'delete')"_s;
        QTest::newRow("hash guessed") << u"SELECT 1 / zem_approve(2, 'delete', 'x', 'y', 'desk', 'now', "
                                         u"zem_session_start(), 1, 'cora')"_s;
        QTest::newRow("clerk approves") << u"SELECT 1 / (zem_approve(1, 'delete', NULL, NULL, 'desk', 'now', "
                                           u"zem_session_start(), 1, 'cora') + 1)"_s;
        QTest::newRow("hold spent elsewhere") << u"SELECT 1 / zem_use_approval('delete', now())::int"_s;
        QTest::newRow("setting") << u"SELECT set_config('zem.approved', 'delete', false)"_s;
        QTest::newRow("role taken") << u"SET ROLE zem_manager"_s;
    }
    void aForgedApprovalLetsNothingThrough()
    {
        QFETCH(QString, forgery);
        const QSqlDatabase psql = clerkConnection(u"psql"_s);
        (void)failureOf(psql, forgery);
        VERIFY_HAS(failureOf(psql, u"DELETE FROM Customer WHERE ID = 1"_s), u"permission denied"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 3);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Approval"_s), 0);
    }

    // Users and permissions approved on the spot by an administrator: the clerk's desk makes, moves and drops a
    // login and changes a permission, all through the server's own function; without the approval nothing of it.
    void usersApprovedOnTheSpotAreMadeOnThisDeskOnly()
    {
        const QSqlDatabase desk = clerkConnection(u"desk"_s);
        const QSqlDatabase psql = clerkConnection(u"psql"_s);
        Actor::signIn(m_clerk, u"cora Name"_s, u"clerk"_s);
        const StaffUser nina{0, u"Nina"_s, u"nina"_s, Role::Clerk, true, 0};
        const auto before = StaffStore::add(desk, nina, u"harbour-pass"_s, u"4321"_s);
        VERIFY_HAS(before.error(), u"The server did not let your user do this"_s);
        // A manager may not manage users by default, so cannot approve it either.
        VERIFY_HAS(Permissions::approve(desk, m_now, Action::UsersAndPermissions, u"max"_s, u"4321"_s).error(),
                   u"may not approve"_s);

        QVERIFY(Permissions::approve(desk, m_now, Action::UsersAndPermissions, u"ada"_s, u"4321"_s));
        const auto id = StaffStore::add(desk, nina, u"harbour-pass"_s, u"4321"_s);
        QVERIFY2(id, qPrintable(id.error()));
        const QString groups = u"SELECT string_agg(g.rolname, ',' ORDER BY g.rolname) FROM pg_auth_members m JOIN "
                               u"pg_roles g ON g.oid = m.roleid JOIN pg_roles u ON u.oid = m.member WHERE u.rolname = "
                               u"'nina'"_s;
        QCOMPARE(m_install->text(groups), u"zem_clerk"_s);
        const auto loaded = StaffStore::byId(desk, *id);
        QVERIFY(loaded);
        StaffUser promoted = *loaded;
        promoted.role = Role::Manager;
        const auto saved = StaffStore::save(desk, *loaded, promoted);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(m_install->text(groups), u"zem_manager"_s);
        QVERIFY(Permissions::setAllowed(desk, Role::Clerk, Action::Refund, true));
        // The same login on another connection holds no approval.
        VERIFY_HAS(StaffStore::remove(psql, *id).error(), u"permission denied"_s);
        VERIFY_HAS(Permissions::setAllowed(psql, Role::Clerk, Action::Refund, false).error(), u"permission denied"_s);
        const Status removed = StaffStore::remove(desk, *id);
        QVERIFY2(removed, qPrintable(removed.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM pg_roles WHERE rolname = 'nina'"_s), 0);
        // Given up as the Users window closes: the desk may not use it again.
        QVERIFY(Permissions::endApproval(desk, Action::UsersAndPermissions));
        VERIFY_HAS(Permissions::setAllowed(desk, Role::Clerk, Action::Refund, false).error(), u"permission denied"_s);
        QCOMPARE(m_install->joined(u"SELECT Role || ' ' || Action || ' ' || Allowed FROM RolePermission"_s),
                 u"clerk refund 1"_s);
        QCOMPARE(m_install->joined(u"SELECT Action || ' ' || Approver FROM Approval"_s), u"users ada Name"_s);
    }

    // What a clerk's own login tries through psql about logins and users: refused by the server, nothing changed;
    // an approval on the spot does not give the sign-in role's password, nor reach a role that is not a user's.
    void loginsAreManagedOnlyAsAllowed_data()
    {
        QTest::addColumn<bool>("approved");
        QTest::addColumn<QString>("sql");
        QTest::newRow("administrator's login made")
            << false << u"SELECT zem_manage_login('create', 'evil', 'pw-pw-pw', 'zem_administrator')"_s;
        QTest::newRow("own login raised")
            << false << u"SELECT zem_manage_login('role', 'cora', NULL, 'zem_administrator')"_s;
        QTest::newRow("administrator's password")
            << false << u"SELECT zem_manage_login('password', 'ada', 'pw-pw-pw', NULL)"_s;
        QTest::newRow("user made an administrator") << false << u"UPDATE StaffUser SET Role = 'administrator'"_s;
        QTest::newRow("user added") << false
                                    << u"INSERT INTO StaffUser (Name, SignInName, SignInKey, PasswordHash, PinHash, "
                                       u"Role) VALUES ('e', 'e', 'e', 'x', 'y', 'administrator')"_s;
        QTest::newRow("permission given")
            << false << u"INSERT INTO RolePermission (Role, Action, Allowed) VALUES ('clerk', 'users', 1)"_s;
        QTest::newRow("login made directly") << true << u"CREATE ROLE evil LOGIN"_s;
        QTest::newRow("sign-in role's password")
            << true << u"SELECT zem_manage_login('signin', NULL, 'pw-pw-pw', NULL)"_s;
        QTest::newRow("office's password")
            << true
            << u"SELECT zem_manage_login('password', (SELECT r.rolname FROM pg_database d JOIN pg_roles r ON r.oid = "
               u"d.datdba WHERE d.datname = current_database()), 'pw-pw-pw', NULL)"_s;
        QTest::newRow("server's own role") << true << u"SELECT zem_manage_login('drop', 'postgres', NULL, NULL)"_s;
        QTest::newRow("a group") << true << u"SELECT zem_manage_login('nologin', 'zem_signin', NULL, NULL)"_s;
    }
    void loginsAreManagedOnlyAsAllowed()
    {
        QFETCH(bool, approved);
        QFETCH(QString, sql);
        const QSqlDatabase desk = clerkConnection(u"desk"_s);
        Actor::signIn(m_clerk, u"cora Name"_s, u"clerk"_s);
        if (approved)
            QVERIFY(Permissions::approve(desk, m_now, Action::UsersAndPermissions, u"ada"_s, u"4321"_s));
        const QString roles = u"SELECT string_agg(r.rolname || r.rolcanlogin::text || coalesce(r.rolpassword, ''), "
                              u"',' ORDER BY r.rolname) FROM pg_authid r"_s;
        const QString users = u"SELECT string_agg(Name || Role || PasswordHash, ',' ORDER BY ID) FROM StaffUser"_s;
        const QString rolesBefore = m_install->text(roles);
        const QString usersBefore = m_install->text(users);
        VERIFY_HAS(failureOf(desk, sql), u"permission denied"_s);
        QCOMPARE(m_install->text(roles), rolesBefore);
        QCOMPARE(m_install->text(users), usersBefore);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM RolePermission"_s), 0);
    }

    // The sign-in role's password is set by an administrator's login (Configure, Users); none stops desks from
    // starting with it.
    void anAdministratorSetsTheSignInRolesPassword()
    {
        ServerLogin::useFor(u"desk"_s, {u"ada"_s, u"harbour-pass"_s});
        const auto admin = Database::open(m_install->databasePath(), u"desk"_s);
        ServerLogin::forget(u"desk"_s);
        QVERIFY2(admin, qPrintable(admin.error()));
        VERIFY_HAS(StaffLogins::setSignInRolePassword(*admin, u"short"_s).error(), u"at least"_s);
        const Status set = StaffLogins::setSignInRolePassword(*admin, u"desk-start-pass"_s);
        QVERIFY2(set, qPrintable(set.error()));
        ServerLogin::useFor(u"psql"_s, {u"zem_signin"_s, u"desk-start-pass"_s});
        const auto started = Database::open(m_install->databasePath(), u"psql"_s);
        QVERIFY2(started, qPrintable(started.error()));
        QCOMPARE(StaffStore::count(*started).valueOr(0), 3);
        Database::close(u"psql"_s);
        QVERIFY(StaffLogins::setSignInRolePassword(*admin, QString()));
        QVERIFY(!Database::open(m_install->databasePath(), u"psql"_s));
        ServerLogin::forget(u"psql"_s);
    }

    // A user removed at another desk while signed in here: the next unguarded save says so in the office's words.
    void aRemovedUsersSaveSaysWhatHappened()
    {
        const QSqlDatabase desk = clerkConnection(u"desk"_s);
        QCOMPARE(failureOf(desk, u"UPDATE Customer SET Name = 'Anna' WHERE ID = 1"_s), QString());
        QVERIFY(StaffStore::remove(m_install->db(), m_clerk));
        const QString failed = failureOf(desk, u"UPDATE Customer SET Name = 'Ann' WHERE ID = 1"_s);
        VERIFY_HAS(failed, u"an administrator has changed or removed your user at another desk"_s);
        VERIFY_HAS(failed, u"The server said: "_s);
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer WHERE ID = 1"_s), u"Anna"_s);
    }

    // A wrong PIN through the program is refused and recorded nowhere; through psql it counts as a wrong try.
    void aWrongSecretHoldsNothingAndCounts()
    {
        const QSqlDatabase desk = clerkConnection(u"desk"_s);
        Actor::signIn(m_clerk, u"cora Name"_s, u"clerk"_s);
        QCOMPARE(Permissions::approve(desk, m_now, Action::DeleteRecords, u"max"_s, u"4322"_s).kind(),
                 FailureKind::Refused);
        VERIFY_HAS(failureOf(desk, u"DELETE FROM Customer WHERE ID = 1"_s), u"permission denied"_s);
        for (int i = 0; i < 5; ++i)
            QVERIFY(Sql::exec(desk, u"SELECT zem_approve(2, 'delete', 'x', 'y', 'desk', 'now', zem_session_start(), "
                                    u"1, 'cora')"_s));
        QVERIFY(m_install->text(u"SELECT coalesce(LockedUntil, '') FROM StaffUser WHERE ID = 2"_s) != QString());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Approval"_s), 0);
    }

    // The sign-in role opens the database and signs a user in (counting a wrong try), then the desk reopens as the
    // user's own login; by itself it reads no customer, no hash and no approval, and changes nothing.
    void aDeskStartsWithTheSignInRoleAlone()
    {
        QVERIFY(exec(u"ALTER ROLE zem_signin LOGIN PASSWORD 'desk-start'"_s));
        ServerLogin::useFor(u"desk"_s, {u"zem_signin"_s, u"desk-start"_s});
        const auto desk = Database::open(m_install->databasePath(), u"desk"_s);
        ServerLogin::forget(u"desk"_s);
        QVERIFY2(desk, qPrintable(desk.error()));
        QCOMPARE(StaffStore::count(*desk).valueOr(0), 3);
        QCOMPARE(StaffStore::signIn(*desk, m_now, u"max"_s, u"harbour-pasS"_s, Secret::Password).kind(),
                 FailureKind::Refused);
        QCOMPARE(m_install->scalarInt(u"SELECT FailedTries FROM StaffUser WHERE SignInKey = 'max'"_s), 1);
        const auto cora = StaffStore::signIn(*desk, m_now, u"cora"_s, u"harbour-pass"_s, Secret::Password);
        QVERIFY2(cora, qPrintable(cora.error()));
        for (const QString& sql : {u"SELECT COUNT(*) FROM Customer"_s, u"SELECT PasswordHash FROM StaffUser"_s,
                                   u"UPDATE StaffUser SET Role = 'administrator'"_s, u"DELETE FROM Customer"_s,
                                   u"SELECT COUNT(*) FROM Approval"_s,
                                   u"SELECT zem_approve(2, 'delete', 'x', 'y', 'desk', 'now', "
                                   u"zem_session_start(), 1, 'cora')"_s})
            VERIFY_HAS(failureOf(*desk, sql), u"permission denied"_s);
        const Status in = StaffLogins::signInAs(u"desk"_s, *cora, u"harbour-pass"_s);
        QVERIFY2(in, qPrintable(in.error()));
        QCOMPARE(Sql::scalar(QSqlDatabase::database(u"desk"_s), u"SELECT current_user"_s)->toString(), u"cora"_s);
        QCOMPARE(Sql::scalar(QSqlDatabase::database(u"desk"_s), u"SELECT COUNT(*) FROM Customer"_s)->toInt(), 3);
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_ServerApprovals)
#include "tst_ServerApprovals.moc"
