#include "MaintenanceTest.h"
#include "core/modLog.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/ctlProgressBar.h"
#include "maintenance/frmBackup.h"
#include "maintenance/frmCompact.h"
#include "maintenance/modSpas.h"
#include "shell/MDIMain.h"

// Backup, restore and compaction as the File menu runs them, on either engine (a pg_dump archive on a server): the
// dialogs, the messages, the event log, the shared connection around the work and the open windows.
class tst_Maintenance : public MaintenanceTest
{
    Q_OBJECT

private slots:
    void cancelledOrBadDialogsDoNothing()
    {
        // A temporary table lives only as long as its connection: it shows the connection was never closed.
        QVERIFY(m_install->Exec(u"CREATE TEMP TABLE Marker (x INTEGER)"_s));
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
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Marker"_s), 0);
        QCOMPARE(Events(), QStringList());
        QCOMPARE(m_host.releases, 0);
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
        QVERIFY(QFile::exists(File(u"DB.bak"_s)));
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
        QVERIFY(!QFile::exists(File(u"temp.sqlite"_s)) && !QFile::exists(File(u"temp.sqlite.part"_s)));
        QVERIFY(Events().endsWith(u"[Database restore performed]"_s));
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
