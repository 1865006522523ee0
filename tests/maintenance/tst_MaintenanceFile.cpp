#include "MaintenanceTest.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/ArchiveSeal.h"
#include "maintenance/BackupRestore.h"
#include "shell/MainWindow.h"

// What backup and compaction do to the database file itself: the archive's bytes, a read-only target, the safety
// copy beside the file, the compacted file and a file that has gone.
class tst_MaintenanceFile : public MaintenanceTest
{
    Q_OBJECT

    using DamageRow = std::tuple<QString, QString>;
    using SealedRow = std::tuple<QString, bool, QString>;

    struct NoProgress final : IProgress
    {
        void startProgress() override {}
        void stopProgress() override {}
        bool progress(qint64, qint64) override { return false; }
    };

    /// Overwrites the start of the tree whose root is the index or table name in the database file at path.
    bool damageTree(const QString& path, const QString& name)
    {
        const QString connection = u"damage"_s;
        qint64 at = 0;
        if (auto db = Database::open(path, connection, 0))
            at = Sql::scalar(*db,
                             u"SELECT (rootpage - 1) * (SELECT page_size FROM pragma_page_size) FROM "
                             u"sqlite_schema WHERE name = ?"_s,
                             {name})
                     .value_or(QVariant())
                     .toLongLong();
        Database::close(connection);
        QFile f(path);
        return at > 0 && f.open(QIODevice::ReadWrite) && f.seek(at) && f.write(QByteArray(16, '\x7f')) == 16;
    }

private slots:
    void backupReplacesAPlainFileAndRefusesAReadOnlyOne()
    {
        addCustomer(u"Smith"_s);
        const QString archive = m_install->root() + u"/SPA_04122026"_s; // the default extension is added
        QVERIFY(writeAll(archive + u".SPA"_s, {}));
        const int releases = m_host.releases, reloads = m_host.reloads;
        backup(archive);
        QCOMPARE(messagesSaid(), u"Information: Database backuped"_s);
        QCOMPARE(ttsgz::zuncompress(archive + u".SPA"_s, file(u"copy.sqlite"_s), u"0"_s), 0);
        QCOMPARE(readAll(file(u"copy.sqlite"_s)), readAll(m_install->databasePath()));
        QCOMPARE(names(), u"Smith"_s); // the connection is open again
        QCOMPARE(std::pair(m_host.releases - releases, m_host.reloads - reloads), std::pair(1, 1));

        const QString readOnly = m_install->root() + u"/old.SPA"_s;
        QVERIFY(writeAll(readOnly, "kept") && QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadUser));
        m_install->messages.calls.clear();
        backup(readOnly);
        QCOMPARE(messagesSaid(), u"Error!: Can't continue if file exist!"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QCOMPARE(readAll(readOnly), QByteArray("kept"));
        // The database itself is never deleted to make room for its archive.
        backup(m_install->databasePath());
        QCOMPARE(messagesSaid(), u"Error!: Can't continue if file exist!\nError!: Can't continue if file exist!"_s);
        QCOMPARE(names(), u"Smith"_s);
        QCOMPARE(events(), QStringList(3, u"[Database backup performed]"_s));
    }

    void restoreShowsItsBarFromTheStartToFull()
    {
        backup(archive());
        addCustomer(u"After"_s);
        Database::close(Database::sharedConnectionName());
        const QByteArray before = readAll(m_install->databasePath());
        // What the window shows (-1 once it is down), and where the unpacking stood when it came up and moved.
        struct Watched final : IProgress
        {
            QString part;
            bool upBeforeTheUnpack = false, movedDuringTheUnpack = false, down = false;
            QList<double> shown;
            void startProgress() override { upBeforeTheUnpack = !QFile::exists(part); }
            void stopProgress() override { down = true; }
            bool progress(qint64 total, qint64 done) override
            {
                movedDuringTheUnpack |= QFile::exists(part);
                shown << (down ? -1.0 : total <= 0 ? 1.0 : double(done) / double(total));
                return false;
            }
        } progress;
        progress.part = file(u"temp.sqlite.part"_s);
        QVERIFY(BackupRestore::restoreDatabase(archive(), m_install->databasePath(), QString(), progress));
        QVERIFY(progress.upBeforeTheUnpack && progress.movedDuringTheUnpack && progress.down);
        // The database as it was is DB.bak, byte for byte, and nothing of the steps is left.
        QCOMPARE(readAll(file(u"DB.bak"_s)), before);
        QVERIFY(!QFile::exists(file(u"DB.bak.part"_s)) && !QFile::exists(file(u"temp.sqlite"_s)));
        QVERIFY(Database::open(m_install->databasePath(), Database::sharedConnectionName()));
        // The bar only moves on, and is full when the window goes.
        QVERIFY(std::is_sorted(progress.shown.cbegin(), progress.shown.cend()));
        QCOMPARE(progress.shown.last(), 1.0);
    }

    void compactTwiceKeepsTheFirstResult()
    {
        QVERIFY(m_install->exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 6000) "
                                u"INSERT INTO Customer (Name, Notes) SELECT 'C' || i, hex(randomblob(300)) FROM n"_s));
        QVERIFY(m_install->exec(u"DELETE FROM Customer WHERE ID > 3"_s));
        Database::close(Database::sharedConnectionName());
        const QByteArray original = readAll(m_install->databasePath());
        QVERIFY(Database::open(m_install->databasePath(), Database::sharedConnectionName()));
        // A file left by a run that failed is removed first (SQLite would refuse to write over it).
        QVERIFY(writeAll(file(u"temp.sqlite"_s), "left over"));

        MaintenanceMenu::compact(m_install->services, m_host);
        QCOMPARE(readAll(file(u"DB.bak"_s)), original);
        const QByteArray first = readAll(m_install->databasePath());
        QVERIFY(first.size() < original.size() / 4);
        QCOMPARE(names(), u"C1,C2,C3"_s);
        MaintenanceMenu::compact(m_install->services, m_host);
        QCOMPARE(readAll(file(u"DB.bak"_s)), first);
        QCOMPARE(names(), u"C1,C2,C3"_s);
        QVERIFY(!QFile::exists(file(u"DB.bak.part"_s)) && !QFile::exists(file(u"temp.sqlite"_s)));
        QCOMPARE(messagesSaid(), u"Information: Database compacted\nInformation: Database compacted"_s);
        QCOMPARE(events(), QStringList(2, u"[Database compacted]"_s));
    }

    // The compaction checks its copy one table at a time on two connections: damage is found in whichever tree it
    // is and whichever connection reaches it, and so are free pages, which a copy just written never has.
    void eachTableCheckFindsDamage_data()
    {
        // damaged: the tree whose first page is overwritten; "free": a page freed
        const DataRows<DamageRow> row;
        const QString page = u"copy.sqlite is damaged: Page "_s;
        row("sound", {QString(), QString()});
        row("the first table", {u"Customer"_s, page});
        row("the last table", {u"last"_s, page});
        row("an index", {u"IX_Booking_Customer"_s, page});
        row("free pages", {u"free"_s, u"copy.sqlite has 1 free pages as soon as it is written."_s});
    }
    void eachTableCheckFindsDamage()
    {
        const auto& [damaged, said] = fetchRow<DamageRow>();
        const QString copy = file(u"copy.sqlite"_s);
        QVERIFY(exec(u"VACUUM INTO ?"_s, {copy}) && exec(u"ATTACH ? AS c"_s, {copy}));
        if (damaged == u"free"_s)
            QVERIFY(exec(u"INSERT INTO c.Customer (ID, Notes) VALUES (99, hex(randomblob(3000)))"_s) &&
                    exec(u"DELETE FROM c.Customer WHERE ID = 99"_s));
        const qint64 at =
            qint64(m_install->scalarInt(u"SELECT rootpage - 1 FROM c.sqlite_schema WHERE name = ? OR "
                                        u"(? = 'last' AND rowid = (SELECT MAX(rowid) FROM c.sqlite_schema "
                                        u"WHERE type = 'table' AND rootpage > 0))"_s,
                                        {damaged, damaged})) *
            m_install->scalarInt(u"PRAGMA c.page_size"_s);
        QVERIFY(exec(u"DETACH c"_s));
        QFile f(copy);
        if (at > 0)
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(at) && f.write(QByteArray(16, '\x7f')) == 16);
        f.close();
        const Status sound = BackupRestore::isSoundDatabase(copy, BackupRestore::Check::EachTable, u"copy.sqlite"_s);
        QVERIFY2(said.isEmpty() ? bool(sound) : sound.error().startsWith(said), qPrintable(sound.error()));
    }

    // A restore leaves SQLite's page check out only for a file this desk's backup checked and sealed; a file damaged
    // before its backup, a seal from elsewhere claiming a check, or no seal at all: the restore checks every page.
    void sealedArchivesRestoreOnlySoundFiles_data()
    {
        // archive: made by "backup" (the menu's) or "sealed elsewhere" (another key, the note claiming a check) or
        // "plain" (an older version); damaged: the file's index broken before it is packed; said: the refusal
        const DataRows<SealedRow> row;
        const QString damaged = u"the database in it is damaged: "_s;
        row("sound, this desk's backup", {u"backup"_s, false, QString()});
        row("sound, sealed elsewhere", {u"sealed elsewhere"_s, false, QString()});
        row("damaged, this desk's backup", {u"backup"_s, true, damaged});
        row("damaged, sealed elsewhere as checked", {u"sealed elsewhere"_s, true, damaged});
        row("damaged, no seal", {u"plain"_s, true, damaged});
    }
    void sealedArchivesRestoreOnlySoundFiles()
    {
        const auto& [how, damaged, said] = fetchRow<SealedRow>();
        addCustomer(u"Packed"_s);
        Database::close(Database::sharedConnectionName());
        const QString source = file(u"source.sqlite"_s);
        QVERIFY(QFile::copy(m_install->databasePath(), source));
        if (damaged)
            QVERIFY(damageTree(source, u"IX_Booking_Customer"_s));
        NoProgress progress;
        if (how == u"backup"_s)
            QVERIFY(BackupRestore::backUpDatabase(source, archive(), -1, QString(), progress));
        else
            QCOMPARE(ttsgz::zcompress(source, archive(), u"0"_s,
                                      how == u"plain"_s ? QByteArray() : QByteArray(ttsgz::Seal::KeyBytes, 'o'),
                                      [&] { return ArchiveSeal::note(source, true); }),
                     0);
        const QByteArray before = readAll(m_install->databasePath());
        const Status restored =
            BackupRestore::restoreDatabase(archive(), m_install->databasePath(), QString(), progress);
        if (said.isEmpty()) {
            QVERIFY2(restored, qPrintable(restored.error()));
            QCOMPARE(readAll(m_install->databasePath()), readAll(source));
        } else {
            QVERIFY(restored.error().startsWith(u"Can't add a.SPA: "_s + said));
            QCOMPARE(readAll(m_install->databasePath()), before);
        }
        QVERIFY(Database::open(m_install->databasePath(), Database::sharedConnectionName()));
    }

    // What a seal's note vouches for: the file it was taken of, found sound, and nothing else.
    void sealNoteVouchesOnlyForItsCheckedFile()
    {
        Database::close(Database::sharedConnectionName());
        const QString db = m_install->databasePath(), longer = file(u"longer.sqlite"_s);
        QVERIFY(ArchiveSeal::vouchesFor(ArchiveSeal::note(db, true), db));
        QVERIFY(!ArchiveSeal::vouchesFor(ArchiveSeal::note(db, false), db));
        QVERIFY(!ArchiveSeal::vouchesFor(ArchiveSeal::note(file(u"missing.sqlite"_s), true), db));
        // A page more than the header counts.
        QVERIFY(writeAll(longer, readAll(db) + QByteArray(4096, '\0')));
        QVERIFY(!ArchiveSeal::vouchesFor(ArchiveSeal::note(db, true), longer));
        QVERIFY(Database::open(db, Database::sharedConnectionName()));
    }

    void missingDatabaseSaysSoOnce()
    {
        MainWindow window(m_install->services);
        Database::close(Database::sharedConnectionName());
        QVERIFY(QFile::remove(m_install->databasePath()));
        window.menuItem(u"mnuFileCompactDB"_s)->trigger();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].title, u"Error!"_s);
        QVERIFY(!QFile::exists(m_install->databasePath()) && !QFile::exists(file(u"DB.bak"_s)));
        QCOMPARE(events(), QStringList(1, u"[Database compacted]"_s));
        // The next clicks find the database still missing and say so again, once each; nothing crashes.
        window.menuItem(u"mnuCustomersView"_s)->trigger();
        window.menuItem(u"mnuFileCompactDB"_s)->trigger();
        m_install->files.answers.enqueue(archive());
        window.menuItem(u"mnuFileBackupDB"_s)->trigger();
        QCOMPARE(m_install->messages.calls.size(), 4);
        QCOMPARE(m_install->messages.calls[2].text, u"Can't create SPA file\r\nError:Bad file name"_s);
        QCOMPARE(m_install->messages.calls[3].title, u"Error detected when make database backup!"_s);
        QCOMPARE(events().size(), 3);
    }
};

ZEM_TEST_SQLITE_ONLY(tst_MaintenanceFile)
#include "tst_MaintenanceFile.moc"
