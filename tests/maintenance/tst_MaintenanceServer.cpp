#include "MaintenanceTest.h"
#include "core/modLog.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/ServerArchive.h"
#include "maintenance/modSpas.h"

#include <QSqlQuery>

// Backup, restore and compaction of a database on a server: pg_dump archives, a restore in one transaction that a
// cancel or a refusal leaves undone, the other desks, VACUUM.
class tst_MaintenanceServer : public MaintenanceTest
{
    Q_OBJECT

    QString Archive() const { return m_install->Root() + u"/a.SPA"_s; }

    /// Cancels a restore while pg_restore is inside its transaction: from the restore's first report it holds a lock
    /// on SchemaVersion (a table without references, dropped after every constraint, trigger, index and several
    /// tables) from a connection of its own, waits until pg_restore queues behind it, then cancels.
    class CancelInsideTheTransaction final : public IProgress
    {
    public:
        explicit CancelInsideTheTransaction(const QString& uri) : m_uri(uri) {}
        ~CancelInsideTheTransaction() override
        {
            m_locker.reset();
            Database::Close(u"locker"_s);
        }
        void StartProgress() override {}
        void StopProgress() override {}
        bool Progress(qint64 total, qint64 done) override
        {
            if (done < total / 2)
                return false; // the safety copy
            if (!m_locker) {
                m_locker = Database::Open(m_uri, u"locker"_s, 0);
                QSqlQuery(*m_locker).exec(u"BEGIN"_s);
                return !QSqlQuery(*m_locker).exec(u"LOCK TABLE SchemaVersion IN ACCESS SHARE MODE"_s);
            }
            // The server keeps one view of the session list per transaction: a fresh one on every look.
            Sql::Scalar(*m_locker, u"SELECT pg_stat_clear_snapshot()"_s);
            const auto waiting =
                Sql::Scalar(*m_locker, u"SELECT COUNT(*) FROM pg_stat_activity WHERE application_name = "
                                       u"'zemharbour-restore' AND wait_event_type = 'Lock'"_s);
            sawWaiting = waiting && waiting->toInt() == 1;
            return sawWaiting || ++m_calls > 100;
        }
        bool sawWaiting = false;

    private:
        QString m_uri;
        std::optional<QSqlDatabase> m_locker;
        int m_calls = 0;
    };

    /// Records what the bar was shown.
    class Recorded final : public IProgress
    {
    public:
        void StartProgress() override {}
        void StopProgress() override {}
        bool Progress(qint64 total, qint64 done) override
        {
            shown << std::pair(total, done);
            return false;
        }
        QList<std::pair<qint64, qint64>> shown;
    };

private slots:
    void backupChangeRestoreBringsTheRowsBack()
    {
        AddCustomer(u"Before"_s);
        Backup(Archive());
        QCOMPARE(Said(), u"Information: Database backuped"_s);
        QVERIFY(Bytes(Archive()).startsWith("PGDMP")); // pg_dump's custom format
        QVERIFY(!QFile::exists(Archive() + u".part"_s));
        AddCustomer(u"After"_s);
        m_install->messages.calls.clear();
        Restore(Archive());
        QCOMPARE(Said(), u"Information: Database restored"_s);
        QCOMPARE(Names(), u"Before"_s);
        // The counters, triggers and the overlap constraint came back with the tables.
        AddCustomer(u"New"_s);
        QCOMPARE(Names(), u"Before,New"_s);
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM pg_constraint WHERE conname = 'bookingperiod_nooverlap'"_s), 1);
        // The safety copy is the database as it was before the restore, and restores like any archive.
        QCOMPARE(modSpas::ServerSafetyCopyPath(), File(u"DB.bak"_s));
        Restore(File(u"DB.bak"_s));
        QCOMPARE(Names(), u"Before,After"_s);
        QCOMPARE(Events(), QStringList({u"[Database backup performed]"_s, u"[Database restore performed]"_s,
                                        u"[Database restore performed]"_s}));
    }

    void backupBarRunsFromNothingToFull()
    {
        Recorded progress;
        QString error;
        QCOMPARE(ServerArchive::Dump(m_install->DatabasePath(), Archive(), progress, &error), int(ttsgz::NoError));
        QVERIFY(progress.shown.size() >= 2);
        QCOMPARE(progress.shown.first().second, 0);
        QCOMPARE(progress.shown.last().second, progress.shown.last().first);
        QVERIFY(std::is_sorted(progress.shown.cbegin(), progress.shown.cend(),
                               [](const auto& a, const auto& b) { return a.second < b.second; }));
    }

    void cancelledRestoreLeavesTheDatabaseAsItWas()
    {
        AddCustomer(u"Before"_s);
        Backup(Archive());
        AddCustomer(u"After"_s);
        const QString objects = u"SELECT (SELECT COUNT(*) FROM pg_constraint) + (SELECT COUNT(*) FROM pg_trigger) + "
                                u"(SELECT COUNT(*) FROM pg_class WHERE relnamespace = 'public'::regnamespace)"_s;
        const int before = m_install->Int(objects);
        Database::Close(Database::SharedConnectionName());
        CancelInsideTheTransaction progress(m_install->DatabasePath());
        m_install->messages.calls.clear();
        QCOMPARE(
            modSpas::RestoreExecute(Archive(), m_install->DatabasePath(), QString(), m_install->messages, progress),
            int(ttsgz::UserAbort));
        QVERIFY(progress.sawWaiting);
        QCOMPARE(Said(), QString());
        QVERIFY(modFunctions::OpenConnection(m_install->DatabasePath(), Database::SharedConnectionName()));
        QCOMPARE(Names(), u"Before,After"_s);
        QCOMPARE(m_install->Int(objects), before);
    }

    void refusedRestoresChangeNothing()
    {
        AddCustomer(u"Kept"_s);
        Backup(Archive());
        // A file desk's archive: a packed SQLite database.
        QString error;
        QVERIFY(Database::CreateDatabase(File(u"file.sqlite"_s), &error));
        const QString fileArchive = m_install->Root() + u"/file.SPA"_s;
        QCOMPARE(ttsgz::Zcompress(File(u"file.sqlite"_s), fileArchive, u"0"_s, -1), 0);
        m_install->messages.calls.clear();
        Restore(fileArchive);
        QCOMPARE(Said(), u"Error!: Can't add "_s);
        QVERIFY(Bytes(modLog::LogPath()).contains("modSpas.RestoreExecute:"));
        QVERIFY(!QFile::exists(File(u"DB.bak"_s)));

        // An archive of a newer program's database.
        Recorded progress;
        QVERIFY(m_install->Exec(u"UPDATE SchemaVersion SET Version = 99"_s));
        QCOMPARE(ServerArchive::Dump(m_install->DatabasePath(), fileArchive, progress, &error), int(ttsgz::NoError));
        QVERIFY(m_install->Exec(u"UPDATE SchemaVersion SET Version = 3"_s));
        m_install->messages.calls.clear();
        Restore(fileArchive);
        QCOMPARE(Said(), u"Error!: Can't add "_s);
        QVERIFY(Bytes(modLog::LogPath()).contains("holds schema version 99"));

        // Another desk keeps its connection: the tables cannot be replaced under it.
        QVERIFY(Database::Open(m_install->DatabasePath(), u"desk-b"_s, 2000));
        m_install->messages.calls.clear();
        Restore(Archive());
        Database::Close(u"desk-b"_s);
        QCOMPARE(Said(), u"Error!: "_s + modSpas::OtherDesksConnected);
        QCOMPARE(Names(), u"Kept"_s);
        QCOMPARE(Events().size(), 4);
    }

    void compactionVacuumsAndWritesTheEvent()
    {
        AddCustomer(u"Kept"_s);
        MaintenanceMenu::mnuFileCompactDB_Click(m_install->services, m_host);
        QCOMPARE(Said(), QString());
        QCOMPARE(Events(), QStringList(1, u"[Database compacted]"_s));
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM pg_stat_user_tables WHERE relname = 'customer' AND "
                                u"last_vacuum IS NOT NULL AND last_analyze IS NOT NULL"_s),
                 1);
        QCOMPARE(Names(), u"Kept"_s);
        QVERIFY(!QFile::exists(File(u"DB.bak"_s)));
    }

    void connectionStringCarriesNoPassword()
    {
        QCOMPARE(
            ServerArchive::ConnectionString(u"postgresql://o%27brien@db.harbour:5433/zem?sslmode=require"_s, u"app"_s),
            u"dbname='zem' host='db.harbour' port='5433' user='o\\'brien' application_name='app' "
            u"connect_timeout='10' sslmode='require'"_s);
        QString error;
        QVERIFY(ServerArchive::ConnectionString(u"postgresql://u:secret@db/zem"_s, u"app"_s, &error).isEmpty());
        QVERIFY(error.contains(u".pgpass"_s));
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_MaintenanceServer)
#include "tst_MaintenanceServer.moc"
