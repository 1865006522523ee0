#include "common/TestSupport.h"
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "core/modLog.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/MaintenanceMenu.h"
#include "maintenance/ctlProgressBar.h"
#include "maintenance/frmBackup.h"
#include "maintenance/frmCompact.h"
#include "maintenance/modSpas.h"
#include "shell/MDIMain.h"

// Backup, restore and compaction as the File menu runs them: the dialogs, the messages, the event log, the
// safety copy, the shared connection around the work and the open windows.
class tst_Maintenance : public InstallTest
{
    Q_OBJECT

    TestHost m_host;

    QString File(const QString& name) const { return m_install->Root() + u"/data/"_s + name; }
    QString Said() const { return m_install->messages.Said(); }
    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    /// The customers' names in a database file, read through a connection of its own.
    static QString Names(const QString& path)
    {
        QString names = u"<not a database>"_s;
        if (auto db = Database::Open(path, u"names"_s, 0))
            names = Sql::Scalar(*db, u"SELECT group_concat(Name) FROM Customer"_s)->toString();
        Database::Close(u"names"_s);
        return names;
    }
    QString Names() const { return m_install->Text(u"SELECT group_concat(Name) FROM Customer"_s); }
    /// The event log entries written, by event text.
    QStringList Events() const
    {
        QStringList texts;
        for (const QString& line : m_install->EventLogText().split(u"\r\n"_s))
            if (line.startsWith(u"[Database"_s))
                texts << line;
        return texts;
    }
    /// Presses "&Cancel" on the progress window as soon as it shows.
    static void CancelWhenShown()
    {
        QTimer::singleShot(0, [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == u"frmBackup"_s && window->isVisible())
                    Control<QPushButton>(*window, "btnPrekid")->click();
        });
    }
    void Backup(const QString& archive)
    {
        m_install->files.answers.enqueue(archive);
        MaintenanceMenu::mnuFileBackupDB_Click(m_install->services, m_host);
    }
    void Restore(const QString& archive)
    {
        m_install->files.answers.enqueue(archive);
        MaintenanceMenu::mnuFileRestoreDB_Click(m_install->services, m_host);
    }
    void AddCustomer(const QString& name)
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (Name) VALUES (?)"_s, {name}));
    }

private slots:
    void cancelledOrBadDialogsDoNothing()
    {
        // A temporary table lives only as long as its connection: it shows the connection was never closed.
        QVERIFY(m_install->Exec(u"CREATE TEMP TABLE Marker (x)"_s));
        MaintenanceMenu::mnuFileBackupDB_Click(m_install->services, m_host);
        MaintenanceMenu::mnuFileRestoreDB_Click(m_install->services, m_host);
        QCOMPARE(m_install->files.calls.size(), 2);
        const FileRequest save = m_install->files.calls[0];
        QVERIFY(save.save && !m_install->files.calls[1].save);
        QCOMPARE(save.title, u"Select your database backup file ..."_s);
        QCOMPARE(m_install->files.calls[1].title, u"Select your backuped database ..."_s);
        QCOMPARE(save.proposedName, u"SPA_04122026.SPA"_s);
        QCOMPARE(save.filter, u"SPA Datoteke (*.SPA)"_s);

        Backup(m_install->Root() + u"/no-such-folder/a.SPA"_s);
        QCOMPARE(Said(), u"Bad file name: The folder "_s +
                             QDir::toNativeSeparators(m_install->Root() + u"/no-such-folder"_s) +
                             u" does not exist."_s);
        QVERIFY(Bytes(modLog::LogPath()).contains("(ERR): MDIMain.FileSelect: The folder"));
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM temp.Marker"_s), 0);
        QCOMPARE(Events(), QStringList());
        QCOMPARE(m_host.releases, 0);
    }

    void backupReplacesAPlainFileAndRefusesAReadOnlyOne()
    {
        AddCustomer(u"Smith"_s);
        const QString archive = m_install->Root() + u"/SPA_04122026"_s; // the default extension is added
        QVERIFY(QFile(archive + u".SPA"_s).open(QIODevice::WriteOnly));
        Backup(archive);
        QCOMPARE(Said(), u"Information: Database backuped"_s);
        QCOMPARE(ttsgz::Zuncompress(archive + u".SPA"_s, File(u"copy.sqlite"_s), u"0"_s), 0);
        QCOMPARE(Bytes(File(u"copy.sqlite"_s)), Bytes(m_install->DatabasePath()));
        QCOMPARE(Names(), u"Smith"_s); // the connection is open again
        QCOMPARE(m_host.releases, 1);
        QCOMPARE(m_host.reloads, 1);

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

    void cancelAsksAndGoesOnOrStops()
    {
        const QString archive = m_install->Root() + u"/a.SPA"_s;
        CancelWhenShown();
        m_install->messages.answers.enqueue(MsgResult::No);
        Backup(archive);
        QCOMPARE(Said(), u"Confirm: Do you really want to cancel current operation\nInformation: Database backuped"_s);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
        QVERIFY(QFile::exists(archive));

        m_install->messages.calls.clear();
        QVERIFY(QFile::remove(archive));
        CancelWhenShown();
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Backup(archive);
        QCOMPARE(Said(), u"Confirm: Do you really want to cancel current operation"_s);
        QVERIFY(!QFile::exists(archive) && !QFile::exists(archive + u".part"_s));
        QCOMPARE(Events().size(), 2);
    }

    void restoreReplacesTheDatabaseAndKeepsTheOldOne()
    {
        AddCustomer(u"Before"_s);
        const QString archive = m_install->Root() + u"/a.SPA"_s;
        Backup(archive);
        AddCustomer(u"After"_s);
        // An open list lets go of its rows while the file is replaced and then shows the restored ones.
        MDIMain window(m_install->services);
        window.Item(u"mnuCustomersView"_s)->trigger();
        ChildWindow* list = window.FindChild(u"frmViewCustomers"_s);
        QVERIFY(list);
        auto* grid = list->findChild<QTableView*>(u"grdCustomer"_s);
        QCOMPARE(grid->model()->rowCount(), 2);

        m_install->messages.calls.clear();
        m_install->files.answers.enqueue(archive);
        window.Item(u"mnuFileRestoreDB"_s)->trigger();
        QCOMPARE(Said(), u"Information: Database restored"_s);
        QCOMPARE(Names(), u"Before"_s);
        QCOMPARE(Names(modSpas::SafetyCopyPath(m_install->DatabasePath())), u"Before,After"_s);
        QCOMPARE(File(u"DB.bak"_s), modSpas::SafetyCopyPath(m_install->DatabasePath()));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), u"Before"_s);
        QVERIFY(!QFile::exists(File(u"temp.sqlite"_s)));
        QCOMPARE(Events(), QStringList({u"[Database backup performed]"_s, u"[Database restore performed]"_s}));
    }

    void failedRestoreKeepsTheDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        QTest::newRow("cancelled") << QByteArray() << u"Confirm: Do you really want to cancel current operation"_s;
        QTest::newRow("damaged") << QByteArray("\x28\xb5\x2f\xfd\x24\x10 not an archive") << u"Error!: Can't add "_s;
        QTest::newRow("not a database of ours") << QByteArray("a packed text file") << u"Error!: Can't add "_s;
    }
    void failedRestoreKeepsTheDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        AddCustomer(u"Kept"_s);
        const QString archive = m_install->Root() + u"/a.SPA"_s;
        if (said.startsWith(u"Confirm"_s)) {
            Backup(archive);
            AddCustomer(u"Also kept"_s);
            CancelWhenShown();
            m_install->messages.answers.enqueue(MsgResult::Yes);
        } else if (content.startsWith("a packed")) {
            QFile text(File(u"text.txt"_s));
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write(content) == content.size());
            text.close();
            QCOMPARE(ttsgz::Zcompress(File(u"text.txt"_s), archive, u"0"_s, -1), 0);
        } else {
            QFile file(archive);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        const QString before = Names();
        m_install->messages.calls.clear();
        Restore(archive);
        QCOMPARE(Said(), said);
        QCOMPARE(Names(), before);
        QVERIFY(QFile::exists(File(u"DB.bak"_s)));
        QVERIFY(!QFile::exists(File(u"temp.sqlite"_s)) && !QFile::exists(File(u"temp.sqlite.part"_s)));
        QVERIFY(Events().endsWith(u"[Database restore performed]"_s));
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

    void progressWindowShowsTheShareDone()
    {
        frmBackup window(m_install->messages);
        window.StartProgress();
        QCOMPARE(window.windowTitle(), u"Database backup..."_s);
        auto* bar = Control<ctlProgressBar>(window, "ctlProgressBar1");
        QCOMPARE(bar->Value(), 0.0);
        // done of total, and the share shown: a total of 0 is complete, and more than the total shows a full bar.
        const QList<std::tuple<qint64, qint64, double>> cases = {
            {200, 50, 25.0}, {0, 0, 100.0}, {10, 20, 100.0}, {3, 1, 100 / 3.0}};
        for (const auto& [total, done, shown] : cases) {
            QVERIFY(!window.Progress(total, done));
            QCOMPARE(bar->Value(), shown);
        }
        window.StopProgress();
        QVERIFY(!window.isVisible());
    }

    void compactWindowCyclesItsDots()
    {
        frmCompact window;
        window.Execute();
        auto* label = Control<QLabel>(window, "lblInfo");
        QCOMPARE(label->text(), u"Operation in progress"_s);
        QCOMPARE(window.windowTitle(), u"Compacting & repairing database ..."_s);
        QStringList seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen << label->text(), seen.contains(u"Operation in progress..."_s)), 3000);
        QVERIFY(seen.contains(u"Operation in progress."_s) && seen.contains(u"Operation in progress.."_s));
        QVERIFY(!seen.contains(u"Operation in progress...."_s));
        window.Destroy();
        QVERIFY(!window.isVisible() && !QApplication::overrideCursor());
    }
};

ZEM_TEST(tst_Maintenance)
#include "tst_Maintenance.moc"
