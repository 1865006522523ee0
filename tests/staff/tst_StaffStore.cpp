#include "common/InstallFixture.h"
#include "core/Actor.h"
#include "core/Database.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"
#include "staff/Passwords.h"
#include "staff/Permissions.h"
#include "staff/StaffLogins.h"
#include "staff/StaffStore.h"

Q_DECLARE_METATYPE(Action)

// The users, their sign-in and its lock, what each role may do and a manager's approval on the spot.
class tst_StaffStore : public InstallTest
{
    Q_OBJECT

    const QDateTime m_now = DateTimes::wallTime(QDate(2026, 12, 4), QTime(10, 0));

    // Users for the permission cases, without the cost of hashing: nobody signs in as them.
    void seed() override
    {
        Passwords::useCheapestCostForTests();
        QVERIFY(exec(u"INSERT INTO StaffUser (ID, Name, SignInName, SignInKey, PasswordHash, PinHash, Role) VALUES "
                     u"(1, 'Cora Clerk', 'cora', 'cora', 'x', 'x', 'clerk'), "
                     u"(2, 'Max Manager', 'max', 'max', 'x', 'x', 'manager'), "
                     u"(3, 'Ada Admin', 'ada', 'ada', 'x', 'x', 'administrator')"_s));
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL)
            QVERIFY(exec(u"SELECT setval(pg_get_serial_sequence('staffuser', 'id'), 3)"_s));
    }
    void tearDown() override { Actor::signOut(); }

    static void actAs(int id)
    {
        const char* const roles[] = {"", "clerk", "manager", "administrator"};
        Actor::signIn(id, u"user %1"_s.arg(id), QString::fromLatin1(roles[id]));
    }
    // A user with a real password ("harbour-pass") and PIN ("4321").
    int addUser(const QString& signInName, Role role) const
    {
        const auto id = StaffStore::add(m_install->db(), {0, signInName + u" Name"_s, signInName, role, true, 0},
                                        u"harbour-pass"_s, u"4321"_s);
        if (!id)
            qFatal("%s", qPrintable(id.error()));
        return *id;
    }
    Result<StaffUser> signIn(const QString& name, const QString& secret, Secret kind = Secret::Password,
                             int afterSeconds = 0) const
    {
        return StaffStore::signIn(m_install->db(), m_now.addSecs(afterSeconds), name, secret, kind);
    }
    int approvals() const { return m_install->scalarInt(u"SELECT COUNT(*) FROM Approval"_s); }

    // action, then whether a clerk, a manager, an administrator may by default, and the refusal
    using PermissionRow = std::tuple<Action, bool, bool, bool, QString>;

private slots:
    // A hash is made again from its settings alone, which is all a server tells a sign-in.
    void hashesAreMadeAgainFromTheirSettings()
    {
        const QString stored = *Passwords::hash(u"harbour-pass"_s);
        const QString settings = Passwords::settingsOf(stored);
        QVERIFY(settings.startsWith(u"$argon2id$v=19$m="_s) && !stored.endsWith(settings));
        QCOMPARE(Passwords::hashWith(settings, u"harbour-pass"_s), stored);
        QVERIFY(Passwords::hashWith(settings, u"harbour-pasS"_s) != stored);
        for (const QString& bad :
             {QString(), u"x"_s, settings + u"$"_s, QString(settings).replace(u"argon2id"_s, u"argon2i"_s)})
            QVERIFY2(Passwords::hashWith(bad, u"harbour-pass"_s).isEmpty(), qPrintable(bad));
        QVERIFY(Passwords::hashWith(settings, QString(10000, u'x')).isEmpty());
    }

    // On a server each user is a login of their own, made, moved and dropped with the user; a desk signs in as it,
    // and a clerk's login reads no hash yet signs in.
    void eachUserSignsInToTheServerAsTheirOwnLogin()
    {
        if (TestMain::currentEngine() != TestMain::Engine::PostgreSQL)
            QSKIP("a file has no logins");
        QSqlDatabase db = m_install->db();
        const int anna = addUser(u"Anna.B"_s, Role::Manager);
        QCOMPARE(StaffLogins::loginOf(db, anna).valueOr({}), u"anna_b"_s);
        const auto memberOf = [&](const QString& group) {
            return m_install->scalarInt(u"SELECT COUNT(*) FROM pg_auth_members m JOIN pg_roles g ON g.oid = m.roleid "
                                        u"JOIN pg_roles u ON u.oid = m.member WHERE u.rolname = 'anna_b' AND "
                                        u"g.rolname = ?"_s,
                                        {group});
        };
        QCOMPARE(memberOf(u"zem_manager"_s), 1);
        const StaffUser before = *StaffStore::byId(db, anna);
        StaffUser clerk = before;
        clerk.role = Role::Clerk;
        QVERIFY(StaffStore::save(db, before, clerk));
        QCOMPARE(memberOf(u"zem_manager"_s) * 10 + memberOf(u"zem_clerk"_s), 1);
        // Deactivated, the login may not connect; active again, it may.
        StaffUser away = clerk;
        away.active = false;
        QVERIFY(StaffStore::save(db, *StaffStore::byId(db, anna), away));
        QCOMPARE(m_install->text(u"SELECT rolcanlogin::text FROM pg_roles WHERE rolname = 'anna_b'"_s), u"false"_s);
        QVERIFY(StaffStore::save(db, *StaffStore::byId(db, anna), clerk));
        QCOMPARE(m_install->text(u"SELECT rolcanlogin::text FROM pg_roles WHERE rolname = 'anna_b'"_s), u"true"_s);

        // A wrong password: the server refuses, and the desk stays as it was.
        const Status wrong = StaffLogins::signInAs(Database::sharedConnectionName(), clerk, u"harbour-pasS"_s);
        VERIFY_HAS(wrong.error(), u"The server did not let anna_b in"_s);
        QCOMPARE(m_install->text(u"SELECT current_user"_s), u"postgres"_s);
        QCOMPARE(Actor::current().userId, 0);
        const Status in = StaffLogins::signInAs(Database::sharedConnectionName(), clerk, u"harbour-pass"_s);
        QVERIFY2(in, qPrintable(in.error()));
        QCOMPARE(Actor::current().userId, anna);
        db = m_install->db();
        QCOMPARE(m_install->text(u"SELECT current_user"_s), u"anna_b"_s);
        QVERIFY(!Sql::exec(db, u"SELECT PasswordHash FROM StaffUser"_s));
        QVERIFY(!Sql::exec(db, u"SELECT * FROM zem_staff_settings(1), StaffUser WHERE PinHash <> ''"_s));
        QVERIFY(!Sql::exec(db, u"UPDATE StaffUser SET Role = 'administrator'"_s));
        QVERIFY(signIn(u"anna.b"_s, u"harbour-pass"_s));
        QVERIFY(signIn(u"anna.b"_s, u"4321"_s, Secret::Pin));
        QCOMPARE(signIn(u"anna.b"_s, u"4322"_s, Secret::Pin).error(), u"The sign-in name or the PIN is wrong."_s);
        // A connection opened later (the outbox sender's) follows the login.
        {
            const auto later = Database::open(m_install->databasePath(), u"later"_s);
            QVERIFY2(later, qPrintable(later.error()));
            QCOMPARE(Sql::scalar(*later, u"SELECT current_user"_s)->toString(), u"anna_b"_s);
        }
        Database::close(u"later"_s);

        // Removed at another desk: the login goes with the user, and the server refuses this desk's next statement.
        ServerLogin::keepOfficeRole(u"office"_s);
        {
            const auto office = Database::open(m_install->databasePath(), u"office"_s);
            QVERIFY2(office, qPrintable(office.error()));
            QVERIFY(StaffStore::remove(*office, anna));
            QCOMPARE(Sql::scalar(*office, u"SELECT COUNT(*) FROM pg_roles WHERE rolname = 'anna_b'"_s)->toInt(), 0);
        }
        Database::close(u"office"_s);
        ServerLogin::keepOfficeRole(u"office"_s, false);
        QVERIFY(!Sql::exec(m_install->db(), u"SELECT COUNT(*) FROM Booking"_s));
        // The row can no longer be read, yet the next guarded action says why, not that the server is lost.
        VERIFY_HAS(Permissions::mayActNow(m_install->db(), Action::Refund).error(),
                   u"The server no longer lets your user in"_s);
        QVERIFY(!Database::open(m_install->databasePath(), u"again"_s));
        Database::close(u"again"_s);
        VERIFY_HAS(ServerLogin::reconnect(Database::sharedConnectionName(), {u"anna_b"_s, u"harbour-pass"_s}).error(),
                   u"removed or deactivated"_s);
    }

    // What the server or libpq says of a refusal tells a login gone from a server out of reach, whatever words
    // libpq puts in front.
    void aRefusalTellsALoginGoneFromAServerLost_data()
    {
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("trouble");
        const auto gone = int(ServerLogin::Trouble::LoginGone);
        const auto lost = int(ServerLogin::Trouble::Unreachable);
        const QString prefix = u"connection to server on socket \"/tmp/s/.s.PGSQL.5432\" failed: "_s;
        QTest::newRow("password") << prefix + u"FATAL:  password authentication failed for user \"ann\""_s << gone;
        QTest::newRow("deactivated") << prefix + u"FATAL:  role \"ann\" is not permitted to log in"_s << gone;
        QTest::newRow("no such role") << prefix + u"FATAL:  role \"ann\" does not exist"_s << gone;
        QTest::newRow("dropped while connected") << u"ERROR:  invalid role OID: 18998"_s << gone;
        QTest::newRow("groups taken away") << u"ERROR:  permission denied for table staffuser"_s << gone;
        QTest::newRow("server stopped") << prefix + u"No such file or directory\n\tIs the server running locally?"_s
                                        << lost;
        QTest::newRow("network") << u"could not connect to server: Connection refused"_s << lost;
        QTest::newRow("cut off") << u"server closed the connection unexpectedly"_s << lost;
        QTest::newRow("no such database")
            << prefix + u"FATAL:  database \"harbour\" does not exist"_s << int(ServerLogin::Trouble::None);
        QTest::newRow("a constraint") << u"ERROR:  duplicate key value violates unique constraint"_s
                                      << int(ServerLogin::Trouble::None);
    }
    void aRefusalTellsALoginGoneFromAServerLost()
    {
        QFETCH(QString, said);
        QFETCH(int, trouble);
        QCOMPARE(int(ServerLogin::troubleOf(said)), trouble);
    }

    // A login the server refuses (its name taken on the server) leaves no user behind, nor a changed password.
    void aLoginRefusedLeavesNothingHalfSaved()
    {
        if (TestMain::currentEngine() != TestMain::Engine::PostgreSQL)
            QSKIP("a file has no logins");
        QVERIFY(ServerRoles::createLogin(m_install->db(), u"bob"_s, u"other-pass"_s, ServerRoles::Role::Clerk));
        const auto bob = StaffStore::add(m_install->db(), {0, u"Bob"_s, u"Bob"_s, Role::Clerk, true, 0},
                                         u"harbour-pass"_s, u"4321"_s);
        QCOMPARE(bob.error(), u"The login bob exists already."_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM StaffUser WHERE SignInKey = 'bob'"_s), 0);
        // Cora was made without a login: a new password makes one, in the same transaction as the hash.
        QVERIFY(exec(u"UPDATE StaffUser SET SignInName = 'bob', SignInKey = 'bob' WHERE ID = 1"_s));
        const QString hash = m_install->text(u"SELECT PasswordHash FROM StaffUser WHERE ID = 1"_s);
        QVERIFY(!StaffStore::setPassword(m_install->db(), 1, u"harbour-pass"_s));
        QCOMPARE(m_install->text(u"SELECT PasswordHash FROM StaffUser WHERE ID = 1"_s), hash);
        QVERIFY(exec(u"UPDATE StaffUser SET SignInName = 'cora', SignInKey = 'cora' WHERE ID = 1"_s));
        QVERIFY(StaffStore::setPassword(m_install->db(), 1, u"harbour-pass"_s));
        QCOMPARE(StaffLogins::loginOf(m_install->db(), 1).valueOr({}), u"cora"_s);
    }
    void eachRoleMayWhatItsDefaultAllows_data()
    {
        const QString managers = u"Only a manager or an administrator may "_s;
        const QString admins = u"Only an administrator may "_s;
        const DataRows<PermissionRow> row;
        row("refund", {Action::Refund, false, true, true, managers + u"give refunds or corrections."_s});
        row("price", {Action::PriceOverride, false, true, true,
                      managers + u"type a price over the rates or keep it after a change."_s});
        row("cancel paid", {Action::CancelPaid, false, true, true, managers + u"cancel a paid booking."_s});
        row("delete", {Action::DeleteRecords, false, true, true, managers + u"delete customers, berths or owners."_s});
        row("rates", {Action::RatesAndTaxes, false, true, true, managers + u"change rates and taxes."_s});
        row("company", {Action::CompanyDetails, false, false, true, admins + u"change the company's details."_s});
        row("restore", {Action::RestoreAndCompact, false, false, true, admins + u"restore or compact the database."_s});
        row("exports", {Action::PersonalExports, false, true, true, managers + u"export personal data."_s});
        row("users", {Action::UsersAndPermissions, false, false, true, admins + u"manage users and permissions."_s});
    }
    void eachRoleMayWhatItsDefaultAllows()
    {
        const auto& [action, clerk, manager, administrator, refusal] = fetchRow<PermissionRow>();
        const bool expected[] = {clerk, manager, administrator};
        for (int id = 1; id <= 3; ++id) {
            actAs(id);
            const Status may = Permissions::mayActNow(m_install->db(), action);
            QCOMPARE(may.ok(), expected[id - 1]);
            if (!may.ok()) {
                QCOMPARE(may.kind(), FailureKind::Refused);
                QCOMPARE(may.error(), refusal);
            }
        }
        // The administrator's table overrides the default, both ways, and the refusal names who may now.
        QVERIFY(Permissions::setAllowed(m_install->db(), Role::Clerk, action, true));
        actAs(1);
        QVERIFY(Permissions::mayActNow(m_install->db(), action));
        if (action == Action::UsersAndPermissions) {
            QCOMPARE(Permissions::setAllowed(m_install->db(), Role::Administrator, action, false).kind(),
                     FailureKind::Refused);
        } else {
            QVERIFY(Permissions::setAllowed(m_install->db(), Role::Manager, action, false));
            QVERIFY(Permissions::setAllowed(m_install->db(), Role::Administrator, action, false));
            actAs(3);
            QCOMPARE(Permissions::mayActNow(m_install->db(), action).error(),
                     u"Only a clerk may "_s + Roles::doing(action) + u'.');
        }
        actAs(3);
        QVERIFY(Permissions::mayActNow(m_install->db(), Action::UsersAndPermissions));
    }

    void withoutUsersAllIsAllowedWithUsersNobodySignedInMayNothing()
    {
        QVERIFY(Permissions::mayActNow(m_install->db(), Action::Refund).kind() == FailureKind::Refused);
        QCOMPARE(Permissions::mayActNow(m_install->db(), Action::Refund).error(),
                 u"Nobody has signed in at this desk."_s);
        QVERIFY(exec(u"DELETE FROM StaffUser"_s));
        for (const Action action : Roles::actions())
            QVERIFY(Permissions::mayActNow(m_install->db(), action));
    }

    // A database that cannot be read leaves the role signed in at the start to decide, by its default, so an
    // administrator can still mend it and a clerk still cannot.
    void anUnreadableDatabaseLeavesTheSignedInRoleToDecide()
    {
        QVERIFY(exec(u"DROP TABLE StaffUser"_s));
        actAs(1);
        QCOMPARE(Permissions::mayActNow(m_install->db(), Action::RestoreAndCompact).error(),
                 u"Only an administrator may restore or compact the database."_s);
        actAs(3);
        QVERIFY(Permissions::mayActNow(m_install->db(), Action::RestoreAndCompact));
        Actor::signOut();
        QVERIFY(Permissions::mayActNow(m_install->db(), Action::RestoreAndCompact));
    }

    void aUserChangedElsewhereWhileSignedInActsAsStoredNow()
    {
        actAs(2);
        QVERIFY(exec(u"UPDATE StaffUser SET Name = 'Max Moore', Role = 'clerk' WHERE ID = 2"_s));
        VERIFY_HAS(Permissions::mayActNow(m_install->db(), Action::Refund).error(), u"Only a manager"_s);
        QCOMPARE(Actor::current().user, u"Max Moore"_s);
        QCOMPARE(Actor::current().role, u"clerk"_s);

        QVERIFY(exec(u"UPDATE StaffUser SET Active = 0 WHERE ID = 2"_s));
        VERIFY_HAS(Permissions::mayActNow(m_install->db(), Action::Refund).error(), u"deactivated"_s);
        QVERIFY(exec(u"DELETE FROM StaffUser WHERE ID = 2"_s));
        VERIFY_HAS(Permissions::mayActNow(m_install->db(), Action::Refund).error(), u"removed"_s);
        // Nor may the removed user unlock the desk.
        VERIFY_HAS(StaffStore::confirm(m_install->db(), m_now, 2, u"4321"_s).error(), u"removed"_s);
    }

    void approvalIsRecordedOnlyForARightSecretOfARoleThatMay()
    {
        const int manager = addUser(u"Mia"_s, Role::Manager);
        actAs(1);
        QCOMPARE(Permissions::approve(m_install->db(), m_now, Action::Refund, u"mia"_s, u"9999"_s).error(),
                 u"The sign-in name, or the PIN or password, is wrong."_s);
        QCOMPARE(approvals(), 0);
        // A manager may not approve what only an administrator may do.
        VERIFY_HAS(Permissions::approve(m_install->db(), m_now, Action::CompanyDetails, u"mia"_s, u"4321"_s).error(),
                   u"may not approve"_s);
        QCOMPARE(approvals(), 0);

        const auto approved = Permissions::approve(m_install->db(), m_now, Action::Refund, u"MIA"_s, u"4321"_s);
        QVERIFY2(approved, qPrintable(approved.error()));
        QCOMPARE(approved->id, manager);
        QCOMPARE(m_install->joined(u"SELECT Action || '|' || Approver || '|' || ForUserID || '|' || ForUser || '|' || "
                                   u"ApprovedAt || '|' || Desk FROM Approval"_s),
                 u"refund|Mia Name|1|user 1|2026-12-04 10:00:00|"_s + Actor::current().machine);
        // The wrong try above was counted and the right one cleared it.
        QCOMPARE(m_install->scalarInt(u"SELECT FailedTries FROM StaffUser WHERE ID = ?"_s, {manager}), 0);
    }

    void fiveWrongTriesLockTheUserForAMinuteAtEveryDesk()
    {
        addUser(u"lena"_s, Role::Clerk);
        for (int tries = 1; tries < StaffStore::TriesBeforeLock; ++tries)
            QCOMPARE(signIn(u"lena"_s, u"wrong-pass"_s).error(), u"The sign-in name or the password is wrong."_s);
        QCOMPARE(signIn(u"lena"_s, u"wrong-pass"_s).error(),
                 u"lena is locked after 5 wrong tries in a row; try again after 10:01:00."_s);
        // Even the right password waits, read from the database as another desk would.
        QCOMPARE(signIn(u"Lena"_s, u"harbour-pass"_s, Secret::Password, 59).error(),
                 u"lena is locked after 5 wrong tries in a row; try again after 10:01:00."_s);
        QCOMPARE(m_install->text(u"SELECT LockedUntil FROM StaffUser WHERE SignInKey = 'lena'"_s),
                 u"2026-12-04 10:01:00"_s);
        const auto after = signIn(u"lena"_s, u"harbour-pass"_s, Secret::Password, 60);
        QVERIFY2(after, qPrintable(after.error()));
        QCOMPARE(after->name, u"lena Name"_s);
        QCOMPARE(m_install->joined(u"SELECT FailedTries || '|' || COALESCE(LockedUntil, '-') FROM StaffUser "
                                   u"WHERE SignInKey = 'lena'"_s),
                 u"0|-"_s);
    }

    void badSecretsAreRefusedWithTheirReason_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("refusal");
        const QString wrong = u"The sign-in name or the password is wrong."_s;
        QTest::newRow("empty") << QString() << int(Secret::Password) << wrong;
        QTest::newRow("wrong") << u"harbour-pasS"_s << int(Secret::Password) << wrong;
        QTest::newRow("10,000 characters")
            << QString(10000, u'p') << int(Secret::Password) << u"That is longer than any password may be."_s;
        QTest::newRow("the PIN for a password") << u"4321"_s << int(Secret::Password) << wrong;
        QTest::newRow("the password for a PIN")
            << u"harbour-pass"_s << int(Secret::Pin) << u"The sign-in name or the PIN is wrong."_s;
    }
    void badSecretsAreRefusedWithTheirReason()
    {
        QFETCH(QString, secret);
        QFETCH(int, kind);
        QFETCH(QString, refusal);
        addUser(u"olaf"_s, Role::Clerk);
        QCOMPARE(signIn(u"olaf"_s, secret, Secret(kind)).error(), refusal);
        QCOMPARE(signIn(u"nobody"_s, u"harbour-pass"_s).error(), u"The sign-in name or the password is wrong."_s);
        QVERIFY(signIn(u"olaf"_s, u"4321"_s, Secret::Pin));
        QVERIFY(signIn(u"olaf"_s, u"harbour-pass"_s, Secret::Either));
    }

    void newSecretsMustBeKeepable_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("7 characters") << u"abcdefg"_s << u"1234"_s << u"A password needs at least 8 characters."_s;
        QTest::newRow("1,025 characters")
            << QString(1025, u'a') << u"1234"_s << u"A password may have at most 1024 characters."_s;
        QTest::newRow("10,000 characters")
            << QString(10000, u'a') << u"1234"_s << u"A password may have at most 1024 characters."_s;
        QTest::newRow("3 digits") << u"abcdefgh"_s << u"123"_s << u"A PIN is 4 to 8 digits."_s;
        QTest::newRow("9 digits") << u"abcdefgh"_s << u"123456789"_s << u"A PIN is 4 to 8 digits."_s;
        QTest::newRow("a letter") << u"abcdefgh"_s << u"12a4"_s << u"A PIN is 4 to 8 digits."_s;
    }
    void newSecretsMustBeKeepable()
    {
        QFETCH(QString, password);
        QFETCH(QString, pin);
        QFETCH(QString, refusal);
        const auto added =
            StaffStore::add(m_install->db(), {0, u"Pat"_s, u"pat"_s, Role::Clerk, true, 0}, password, pin);
        QCOMPARE(added.error(), refusal);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM StaffUser WHERE SignInKey = 'pat'"_s), 0);
        const Status reset = refusal.contains(u"PIN"_s) ? StaffStore::setPin(m_install->db(), 1, pin)
                                                        : StaffStore::setPassword(m_install->db(), 1, password);
        QCOMPARE(reset.error(), refusal);
        QCOMPARE(m_install->text(u"SELECT PasswordHash || PinHash FROM StaffUser WHERE ID = 1"_s), u"xx"_s);
    }

    void storedSecretsAreHashesAndSignInNamesUniqueWhateverTheirCase()
    {
        const int id = addUser(u"Anna"_s, Role::Clerk);
        const QString hashes = m_install->joined(u"SELECT PasswordHash || ' ' || PinHash FROM StaffUser WHERE ID = "_s +
                                                 QString::number(id));
        QVERIFY(hashes.startsWith(u"$argon2id$"_s));
        QVERIFY(!hashes.contains(u"harbour-pass"_s) && !hashes.contains(u"4321"_s));
        const auto twice = StaffStore::add(m_install->db(), {0, u"Other"_s, u" ANNA "_s, Role::Clerk, true, 0},
                                           u"harbour-pass"_s, u"4321"_s);
        QCOMPARE(twice.error(), u"The sign-in name \"ANNA\" is already in use."_s);
        const auto renamed = StaffStore::save(m_install->db(), {1, u"Cora Clerk"_s, u"cora"_s, Role::Clerk, true, 0},
                                              {1, u"Cora Clerk"_s, u"anna"_s, Role::Clerk, true, 0});
        QCOMPARE(renamed.error(), u"The sign-in name \"anna\" is already in use."_s);
        // A new password ends a lock and takes the place of the old one.
        QVERIFY(exec(u"UPDATE StaffUser SET LockedUntil = '2030-01-01 00:00:00' WHERE ID = ?"_s, {id}));
        QVERIFY(StaffStore::setPassword(m_install->db(), id, u"new-harbour-pass"_s));
        QVERIFY(signIn(u"anna"_s, u"new-harbour-pass"_s));
        QVERIFY(!signIn(u"anna"_s, u"harbour-pass"_s));
    }

    void theLastActiveAdministratorStays()
    {
        const StaffUser ada{3, u"Ada Admin"_s, u"ada"_s, Role::Administrator, true, 0};
        const QString last = u"Ada Admin is the last active administrator"_s;
        StaffUser demoted = ada;
        demoted.role = Role::Manager;
        VERIFY_HAS(StaffStore::save(m_install->db(), ada, demoted).error(), last);
        StaffUser inactive = ada;
        inactive.active = false;
        VERIFY_HAS(StaffStore::save(m_install->db(), ada, inactive).error(), last);
        VERIFY_HAS(StaffStore::remove(m_install->db(), 3).error(), last);
        // An inactive administrator does not count.
        QVERIFY(exec(u"UPDATE StaffUser SET Role = 'administrator', Active = 0 WHERE ID = 2"_s));
        VERIFY_HAS(StaffStore::remove(m_install->db(), 3).error(), last);
        QVERIFY(exec(u"UPDATE StaffUser SET Active = 1 WHERE ID = 2"_s));
        const auto saved = StaffStore::save(m_install->db(), ada, demoted);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(saved->changeNumber, 1);
        VERIFY_HAS(StaffStore::remove(m_install->db(), 2).error(), u"Max Manager is the last"_s);
    }

    void twoDesksEditingOneUserKeepBothChanges()
    {
        const StaffUser base{1, u"Cora Clerk"_s, u"cora"_s, Role::Clerk, true, 0};
        StaffUser theirs = base;
        theirs.role = Role::Manager;
        QVERIFY(StaffStore::save(m_install->db(), base, theirs));
        StaffUser mine = base;
        mine.name = u"Cora Berg"_s;
        const auto saved = StaffStore::save(m_install->db(), base, mine);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(m_install->joined(u"SELECT Name || '|' || Role || '|' || ChangeNumber FROM StaffUser WHERE ID = 1"_s),
                 u"Cora Berg|manager|2"_s);

        StaffUser again = base;
        again.name = u"Cora Lund"_s;
        std::optional<FieldChanges::Merge<StaffUser>> merge;
        QCOMPARE(StaffStore::save(m_install->db(), base, again, &merge).kind(), FailureKind::Conflict);
        QCOMPARE(merge->conflicts().size(), 1);
        QCOMPARE(merge->conflicts().first(), (FieldChange{u"Name"_s, u"Cora Berg"_s, u"Cora Lund"_s}));
        QVERIFY(exec(u"DELETE FROM StaffUser WHERE ID = 1"_s));
        QCOMPARE(StaffStore::save(m_install->db(), base, again).kind(), FailureKind::Conflict);
    }
};

ZEM_TEST(tst_StaffStore)
#include "tst_StaffStore.moc"
