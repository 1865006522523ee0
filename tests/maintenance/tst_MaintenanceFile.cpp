#include "MaintenanceTest.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/modSpas.h"
#include "shell/MDIMain.h"

// What backup, restore and compaction do to the database file itself: the archive's bytes, a read-only target, the
// safety copy beside the file, the compacted file and a file that has gone.
class tst_MaintenanceFile : public MaintenanceTest
{
    Q_OBJECT

private slots:
    void restoreKeepsThePreviousFileAsDbBak()
    {
        AddCustomer(u"Before"_s);
        const QString archive = m_install->Root() + u"/a.SPA"_s;
        Backup(archive);
        AddCustomer(u"After"_s);
        Restore(archive);
        QCOMPARE(Names(), u"Before"_s);
        QCOMPARE(File(u"DB.bak"_s), modSpas::SafetyCopyPath(m_install->DatabasePath()));
        QCOMPARE(Names(File(u"DB.bak"_s)), u"Before,After"_s);
    }

    void backupReplacesAPlainFileAndRefusesAReadOnlyOne()
    {
        AddCustomer(u"Smith"_s);
        const QString archive = m_install->Root() + u"/SPA_04122026"_s; // the default extension is added
        QVERIFY(QFile(archive + u".SPA"_s).open(QIODevice::WriteOnly));
        const int releases = m_host.releases;
        const int reloads = m_host.reloads;
        Backup(archive);
        QCOMPARE(Said(), u"Information: Database backuped"_s);
        QCOMPARE(ttsgz::Zuncompress(archive + u".SPA"_s, File(u"copy.sqlite"_s), u"0"_s), 0);
        QCOMPARE(Bytes(File(u"copy.sqlite"_s)), Bytes(m_install->DatabasePath()));
        QCOMPARE(Names(), u"Smith"_s); // the connection is open again
        QCOMPARE(m_host.releases, releases + 1);
        QCOMPARE(m_host.reloads, reloads + 1);

        const QString readOnly = m_install->Root() + u"/old.SPA"_s;
        QFile file(readOnly);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
        file.close();
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadUser));
        m_install->messages.calls.clear();
        Backup(readOnly);
        QCOMPARE(Said(), u"Error!: Can't continue if file exist!"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QCOMPARE(Bytes(readOnly), QByteArray("kept"));
        // The database itself is never deleted to make room for its archive.
        Backup(m_install->DatabasePath());
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(m_install->messages.calls[1].text, u"Can't continue if file exist!"_s);
        QCOMPARE(Names(), u"Smith"_s);
        QCOMPARE(Events(), QStringList(3, u"[Database backup performed]"_s));
    }

    void compactTwiceKeepsTheFirstResult()
    {
        QVERIFY(m_install->Exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                                u"INSERT INTO Customer (Name, Notes) SELECT 'C' || i, hex(randomblob(300)) FROM n"_s));
        QVERIFY(m_install->Exec(u"DELETE FROM Customer WHERE ID > 3"_s));
        Database::Close(Database::SharedConnectionName());
        const QByteArray original = Bytes(m_install->DatabasePath());
        QVERIFY(modFunctions::OpenConnection(m_install->DatabasePath(), Database::SharedConnectionName()));
        // A file left by a run that failed is removed first (SQLite would refuse to write over it).
        QFile leftover(File(u"temp.sqlite"_s));
        QVERIFY(leftover.open(QIODevice::WriteOnly) && leftover.write("left over") == 9);
        leftover.close();

        MaintenanceMenu::mnuFileCompactDB_Click(m_install->services, m_host);
        QCOMPARE(Bytes(File(u"DB.bak"_s)), original);
        const QByteArray first = Bytes(m_install->DatabasePath());
        QVERIFY(first.size() < original.size() / 4);
        QCOMPARE(Names(), u"C1,C2,C3"_s);
        MaintenanceMenu::mnuFileCompactDB_Click(m_install->services, m_host);
        QCOMPARE(Bytes(File(u"DB.bak"_s)), first);
        QCOMPARE(Names(), u"C1,C2,C3"_s);
        QVERIFY(!QFile::exists(File(u"temp.sqlite"_s)));
        QCOMPARE(Said(), QString());
        QCOMPARE(Events(), QStringList(2, u"[Database compacted]"_s));
    }

    void missingDatabaseSaysSoOnce()
    {
        MDIMain window(m_install->services);
        Database::Close(Database::SharedConnectionName());
        QVERIFY(QFile::remove(m_install->DatabasePath()));
        window.Item(u"mnuFileCompactDB"_s)->trigger();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].title, u"Error!"_s);
        QVERIFY(!QFile::exists(m_install->DatabasePath()) && !QFile::exists(File(u"DB.bak"_s)));
        QCOMPARE(Events(), QStringList(1, u"[Database compacted]"_s));
        // The next clicks find the database still missing and say so again, once each; nothing crashes.
        window.Item(u"mnuCustomersView"_s)->trigger();
        window.Item(u"mnuFileCompactDB"_s)->trigger();
        m_install->files.answers.enqueue(m_install->Root() + u"/a.SPA"_s);
        window.Item(u"mnuFileBackupDB"_s)->trigger();
        QCOMPARE(m_install->messages.calls.size(), 4);
        QCOMPARE(m_install->messages.calls[2].text, u"Can't create SPA file\r\nError:Bad file name"_s);
        QCOMPARE(m_install->messages.calls[3].title, u"Error detected when make database backup!"_s);
        QCOMPARE(Events().size(), 3);
    }
};

ZEM_TEST_SQLITE_ONLY(tst_MaintenanceFile)
#include "tst_MaintenanceFile.moc"
