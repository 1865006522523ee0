#include "MaintenanceTest.h"
#include "core/MessageLog.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/BackupRestore.h"
#include "maintenance/ServerArchive.h"

// Backup, restore and compaction of a database on a server: pg_dump archives, a restore in one transaction that a
// cancel or a refusal leaves undone, the other desks, VACUUM.
class tst_MaintenanceServer : public MaintenanceTest
{
    Q_OBJECT

    /// A progress window that shows nothing.
    struct Unseen : IProgress
    {
        void startProgress() override {}
        void stopProgress() override {}
    };
    /// Cancels a restore while pg_restore is inside its transaction: from the restore's first report it holds a lock
    /// on SchemaVersion (a table without references, dropped after every constraint, trigger, index and several
    /// tables) from a connection of its own, waits until pg_restore queues behind it, then cancels.
    struct CancelInsideTheTransaction final : Unseen
    {
        explicit CancelInsideTheTransaction(const QString& uri) : m_uri(uri) {}
        ~CancelInsideTheTransaction() override
        {
            m_locker.reset();
            Database::close(u"locker"_s);
        }
        bool progress(qint64 total, qint64 done) override
        {
            if (done < total / 2)
                return false; // the safety copy
            if (!m_locker) {
                if (auto db = Database::open(m_uri, u"locker"_s, 0))
                    m_locker = *db;
                QSqlQuery(*m_locker).exec(u"BEGIN"_s);
                return !QSqlQuery(*m_locker).exec(u"LOCK TABLE SchemaVersion IN ACCESS SHARE MODE"_s);
            }
            // The server keeps one view of the session list per transaction: a fresh one on every look.
            Sql::scalar(*m_locker, u"SELECT pg_stat_clear_snapshot()"_s);
            const auto waiting =
                Sql::scalar(*m_locker, u"SELECT COUNT(*) FROM pg_stat_activity WHERE application_name = "
                                       u"'zemharbour-restore' AND wait_event_type = 'Lock'"_s);
            sawWaiting = waiting && waiting->toInt() == 1;
            return sawWaiting || ++m_calls > 100;
        }
        bool sawWaiting = false;
        QString m_uri;
        std::optional<QSqlDatabase> m_locker;
        int m_calls = 0;
    };
    /// Records what the bar was shown.
    struct Recorded final : Unseen
    {
        bool progress(qint64 total, qint64 done) override
        {
            shown << std::pair(total, done);
            return false;
        }
        QList<std::pair<qint64, qint64>> shown;
    };

    using RestoreRow = std::tuple<QString, QString, QString>;

private slots:
    // A dump's bar runs from nothing to full, and the address handed to pg_dump carries no password.
    void dumpBarAndConnectionString()
    {
        Recorded progress;
        QVERIFY(ServerArchive::dump(m_install->databasePath(), archive(), progress).ok());
        QVERIFY(progress.shown.size() >= 2);
        QCOMPARE(progress.shown.first().second, 0);
        QCOMPARE(progress.shown.last().second, progress.shown.last().first);
        QVERIFY(std::is_sorted(progress.shown.cbegin(), progress.shown.cend(),
                               [](const auto& a, const auto& b) { return a.second < b.second; }));
        QCOMPARE(
            ServerArchive::connectionString(u"postgresql://o%27brien@db.harbour:5433/zem?sslmode=require"_s, u"app"_s)
                .valueOr(QString()),
            u"dbname='zem' host='db.harbour' port='5433' user='o\\'brien' application_name='app' "
            u"connect_timeout='10' sslmode='require'"_s);
        const auto refused = ServerArchive::connectionString(u"postgresql://u:secret@db/zem"_s, u"app"_s);
        QVERIFY(!refused && refused.error().contains(u".pgpass"_s));
    }

    void cancelledRestoreLeavesTheDatabaseAsItWas()
    {
        addCustomer(u"Before"_s);
        backup(archive());
        addCustomer(u"After"_s);
        const QString objects = u"SELECT (SELECT COUNT(*) FROM pg_constraint) + (SELECT COUNT(*) FROM pg_trigger) + "
                                u"(SELECT COUNT(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace)"_s;
        const int before = m_install->scalarInt(objects);
        Database::close(Database::sharedConnectionName());
        CancelInsideTheTransaction progress(m_install->databasePath());
        m_install->messages.calls.clear();
        const Status restored =
            BackupRestore::restoreDatabase(archive(), m_install->databasePath(), QString(), progress);
        QCOMPARE(restored.kind(), FailureKind::Cancelled);
        QVERIFY(progress.sawWaiting);
        QCOMPARE(messagesSaid(), QString());
        QVERIFY(Database::open(m_install->databasePath(), Database::sharedConnectionName()));
        QCOMPARE(names(), u"Before,After"_s);
        QCOMPARE(m_install->scalarInt(objects), before);
    }

    void refusedRestoresChangeNothing()
    {
        addCustomer(u"Kept"_s);
        backup(archive());
        // A file desk's archive: a packed SQLite database.
        QVERIFY(Database::createDatabase(file(u"file.sqlite"_s)));
        const QString fileArchive = m_install->root() + u"/file.SPA"_s;
        QCOMPARE(ttsgz::zcompress(file(u"file.sqlite"_s), fileArchive, u"0"_s, -1), 0);
        restore(fileArchive);
        QCOMPARE(messagesSaid(), u"Error!: Can't add file.SPA: it is the backup of a database file, and this desk "
                                 u"works on a server; it restores at a desk that works on a file."_s);
        QVERIFY(readAll(MessageLog::logPath()).contains("modSpas.RestoreExecute:"));
        QVERIFY(!QFile::exists(file(u"DB.bak"_s)));

        // An archive of a newer program's database.
        Recorded progress;
        QVERIFY(m_install->exec(u"UPDATE SchemaVersion SET Version = 99"_s));
        QVERIFY(ServerArchive::dump(m_install->databasePath(), fileArchive, progress).ok());
        QVERIFY(m_install->exec(u"UPDATE SchemaVersion SET Version = %1"_s.arg(Database::CurrentSchemaVersion)));
        restore(fileArchive);
        QCOMPARE(messagesSaid(),
                 u"Error!: Can't add file.SPA: it holds schema version 99; this program understands 1 to %1."_s.arg(
                     Database::CurrentSchemaVersion));

        // Another desk keeps its connection: the tables cannot be replaced under it.
        QVERIFY(Database::open(m_install->databasePath(), u"desk-b"_s, 2000));
        restore(archive());
        Database::close(u"desk-b"_s);
        QCOMPARE(messagesSaid(), u"Error!: "_s + BackupRestore::otherDesksConnected());
        QCOMPARE(names(), u"Kept"_s);
        QCOMPARE(events().size(), 4);
    }

    void restoreTakesOnlyRows_data()
    {
        // Planted on the server before the backup and taken away after it, so only the archive holds it.
        // said: after the archive's name; empty: restored
        const DataRows<RestoreRow> row;
        const QString wipe =
            u" RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN DELETE FROM Customer; RETURN NULL; END $$"_s;
        const auto foreign = [](const QString& what) {
            return u"holds "_s + what +
                   u" that %1 not part of a harbour database."_s.arg(what.contains(u" and "_s) ? u"are"_s : u"is"_s);
        };
        row("a trigger and its function",
            {u"CREATE FUNCTION customer_wipe()"_s + wipe +
                 u"; CREATE TRIGGER customer_wipe AFTER INSERT ON Booking FOR EACH ROW EXECUTE FUNCTION customer_wipe()"_s,
             u"DROP TRIGGER customer_wipe ON Booking; DROP FUNCTION customer_wipe()"_s,
             foreign(u"a function customer_wipe() and a trigger customer_wipe on booking"_s)});
        row("a function of ours changed",
            {u"CREATE OR REPLACE FUNCTION zem_booking_charges_gone()"_s + wipe,
             u"CREATE OR REPLACE FUNCTION zem_booking_charges_gone() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
             u"DELETE FROM BookingCharge WHERE BookingID = OLD.ID; RETURN NULL; END $$"_s,
             u"holds a function zem_booking_charges_gone() with a definition that is not ours."_s});
        row("a view", {u"CREATE VIEW Everyone AS SELECT Name FROM Customer"_s, u"DROP VIEW Everyone"_s,
                       foreign(u"a view everyone"_s)});
        row("a rule", {u"CREATE RULE Gone AS ON INSERT TO Owner DO ALSO DELETE FROM Customer"_s,
                       u"DROP RULE Gone ON Owner"_s, foreign(u"a rule gone on owner"_s)});
        row("a policy", {u"CREATE POLICY Hidden ON Customer USING (false)"_s, u"DROP POLICY Hidden ON Customer"_s,
                         foreign(u"a policy hidden on customer"_s)});
        row("an index",
            {u"CREATE INDEX IX_Spare ON Customer (Town)"_s, u"DROP INDEX IX_Spare"_s, foreign(u"an index ix_spare"_s)});
        row("a table", {u"CREATE TABLE Spare (X INTEGER)"_s, u"DROP TABLE Spare"_s,
                        foreign(u"a table spare and the rows of a table spare"_s)});
        // An older archive's function that the upgrade writes again never runs as the archive has it.
        row("an older version's writer",
            {u"UPDATE SchemaVersion SET Version = 6; CREATE OR REPLACE FUNCTION zem_write_period(booking BIGINT) "
             u"RETURNS void LANGUAGE plpgsql AS $$ BEGIN DELETE FROM Customer; END $$"_s,
             u"UPDATE SchemaVersion SET Version = %1"_s.arg(Database::CurrentSchemaVersion), QString()});
    }
    void restoreTakesOnlyRows()
    {
        const auto& [plant, undo, said] = fetchRow<RestoreRow>();
        addCustomer(u"Kept"_s);
        QVERIFY(Sql::execScript(m_install->db(), plant));
        backup(archive());
        QString error;
        QVERIFY2(Sql::execScript(m_install->db(), undo, &error), qPrintable(error));
        addCustomer(u"After"_s);
        const QString objects = u"SELECT (SELECT COUNT(*) FROM pg_trigger) + (SELECT COUNT(*) FROM pg_proc) + "
                                u"(SELECT COUNT(*) FROM pg_rewrite) + (SELECT COUNT(*) FROM pg_policy) + "
                                u"(SELECT COUNT(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace)"_s;
        const int before = m_install->scalarInt(objects);
        restore(archive());
        // The desk's own copy of the archive, checked and restored, does not stay behind.
        QVERIFY(!QFile::exists(BackupRestore::serverSafetyCopyPath() + u".restore"_s));
        if (said.isEmpty()) {
            QCOMPARE(messagesSaid(), u"Information: Database restored"_s);
            QCOMPARE(names(), u"Kept"_s);
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM pg_proc WHERE proname = 'zem_write_period' AND "
                                          u"prosrc LIKE '%zem_berth_months%'"_s),
                     1);
            // The archive brings no grants: they are given again, so a clerk's login reads and is refused the rates.
            QVERIFY(ServerRoles::createLogin(m_install->db(), u"clerk_after"_s, u"pw"_s, ServerRoles::Role::Clerk));
            ServerLogin::useFor(u"clerk"_s, {u"clerk_after"_s, u"pw"_s});
            {
                const auto clerk = Database::open(m_install->databasePath(), u"clerk"_s);
                QVERIFY2(clerk, qPrintable(clerk.error()));
                QVERIFY(Sql::exec(*clerk, u"INSERT INTO Customer (Name) VALUES ('By the clerk')"_s));
                QVERIFY(!Sql::exec(*clerk, u"UPDATE Rate SET Amount = 1"_s));
                QVERIFY(!Sql::exec(*clerk, u"SELECT PasswordHash FROM StaffUser"_s));
            }
            Database::close(u"clerk"_s);
            ServerLogin::forget(u"clerk"_s);
            return;
        }
        QCOMPARE(messagesSaid(), u"Error!: Can't add a.SPA: it "_s + said);
        QCOMPARE(names(), u"Kept,After"_s);
        QCOMPARE(m_install->scalarInt(objects), before);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM pg_namespace WHERE nspname = 'zem_restore_reference'"_s),
                 0);
    }

    // Compaction runs as the tables' owner, the address's role, also while a user's own login is signed in (whose
    // VACUUM would skip every table with a warning alone).
    void compactionVacuumsAndWritesTheEvent_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::newRow("office's role") << false;
        QTest::newRow("a clerk's login signed in") << true;
    }
    void compactionVacuumsAndWritesTheEvent()
    {
        QFETCH(bool, signedIn);
        addCustomer(u"Kept"_s);
        if (signedIn) {
            QVERIFY(ServerRoles::createLogin(m_install->db(), u"clerk_compact"_s, u"pw"_s, ServerRoles::Role::Clerk));
            const Status in = ServerLogin::reconnect(m_install->services.connectionName, {u"clerk_compact"_s, u"pw"_s});
            QVERIFY2(in, qPrintable(in.error()));
        }
        MaintenanceMenu::compact(m_install->services, m_host);
        const QString user = Sql::scalar(m_install->services.db(), u"SELECT current_user"_s)->toString();
        ServerLogin::forgetLogin();
        QCOMPARE(messagesSaid(), u"Information: Database compacted"_s);
        QCOMPARE(events(), QStringList(1, u"[Database compacted]"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM pg_stat_user_tables WHERE relname = 'customer' AND "
                                      u"last_vacuum IS NOT NULL AND last_analyze IS NOT NULL"_s),
                 1);
        QCOMPARE(names(), u"Kept"_s);
        QVERIFY(!QFile::exists(file(u"DB.bak"_s)));
        // What the checks above read went through the clerk's login; it goes last.
        if (signedIn) {
            QCOMPARE(user, u"clerk_compact"_s);
            // The desk's connection is the clerk's: the login goes through one of the office's role.
            ServerLogin::keepOfficeRole(u"office"_s);
            bool dropped = false;
            if (const auto office = Database::open(m_install->databasePath(), u"office"_s))
                dropped = ServerRoles::dropLogin(*office, u"clerk_compact"_s).ok();
            Database::close(u"office"_s);
            ServerLogin::keepOfficeRole(u"office"_s, false);
            QVERIFY(dropped);
        }
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_MaintenanceServer)
#include "tst_MaintenanceServer.moc"
