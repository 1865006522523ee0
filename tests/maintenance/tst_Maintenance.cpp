#include "MaintenanceTest.h"
#include "common/TestMain.h"
#include "core/MessageLog.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/CompactWindow.h"
#include "maintenance/ProgressBar.h"
#include "shell/MainWindow.h"

// Backup, restore and compaction as the File menu runs them, on either engine (a pg_dump archive on a server): the
// dialogs, the messages, the event log, the shared connection around the work and the open windows.
class tst_Maintenance : public MaintenanceTest
{
    Q_OBJECT

    using RestoreRow = std::tuple<QByteArray, QString, QString>;

private slots:
    void cancelledOrBadDialogsAndCancelledBackups()
    {
        // A temporary table lives only as long as its connection: it shows the connection was never closed.
        QVERIFY(m_install->exec(u"CREATE TEMP TABLE Marker (x INTEGER)"_s));
        MaintenanceMenu::backUp(m_install->services, m_host);
        MaintenanceMenu::restore(m_install->services, m_host);
        QCOMPARE(m_install->files.calls.size(), 2);
        const FileRequest save = m_install->files.calls[0], open = m_install->files.calls[1];
        QVERIFY(save.save && !open.save);
        // The dialog adds the suffix before it asks about replacing a file, so "archive" asks about archive.SPA.
        QCOMPARE(QStringList({save.title, open.title, save.proposedName, save.filter, save.defaultSuffix}),
                 QStringList({u"Select your database backup file ..."_s, u"Select your backuped database ..."_s,
                              u"SPA_04122026.SPA"_s, u"Backup archives (*.SPA)"_s, u"SPA"_s}));

        backup(m_install->root() + u"/no-such-folder/a.SPA"_s);
        QCOMPARE(messagesSaid(), u"Bad file name: The folder "_s +
                                     QDir::toNativeSeparators(m_install->root() + u"/no-such-folder"_s) +
                                     u" does not exist."_s);
        QVERIFY(readAll(MessageLog::logPath()).contains("(ERR): MDIMain.FileSelect: The folder"));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Marker"_s), 0);
        QCOMPARE(events(), QStringList());
        QCOMPARE(m_host.releases, 0);

        // Cancel on the progress window asks: No goes on, Yes stops and leaves no file.
        m_install->messages.calls.clear();
        cancelWhenShown(MsgResult::No);
        backup(archive());
        QCOMPARE(messagesSaid(),
                 u"Confirm: Do you really want to cancel current operation\nInformation: Database backuped"_s);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
        QVERIFY(QFile::remove(archive()));

        m_install->messages.calls.clear();
        cancelWhenShown(MsgResult::Yes);
        backup(archive());
        QCOMPARE(messagesSaid(), u"Confirm: Do you really want to cancel current operation"_s);
        QVERIFY(!QFile::exists(archive()) && !QFile::exists(archive() + u".part"_s));
        QCOMPARE(events().size(), 2);
    }

    void restoreReplacesTheDatabaseAndKeepsTheOldOne()
    {
        addCustomer(u"Before"_s);
        backup(archive());
        addCustomer(u"After"_s);
        // An open list lets go of its rows while the file is replaced and then shows the restored ones.
        MainWindow window(m_install->services);
        window.menuItem(u"mnuCustomersView"_s)->trigger();
        ChildWindow* list = window.findWindow(u"frmViewCustomers"_s);
        QVERIFY(list);
        auto* grid = list->findChild<QTableView*>(u"grdCustomer"_s);
        QCOMPARE(grid->model()->rowCount(), 2);

        m_install->messages.calls.clear();
        m_install->files.answers.enqueue(archive());
        m_install->messages.answers.enqueue(MsgResult::Yes);
        window.menuItem(u"mnuFileRestoreDB"_s)->trigger();
        QCOMPARE(m_install->messages.calls.takeFirst().buttons, MsgButtons::YesNo); // the question naming the archive
        QCOMPARE(messagesSaid(), u"Information: Database restored"_s);
        QCOMPARE(names(), u"Before"_s);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), u"Before"_s);
        QVERIFY(QFile::exists(file(u"DB.bak"_s)) && !QFile::exists(file(u"temp.sqlite"_s)));
        QVERIFY(!QFile::exists(archive() + u".part"_s));
        QCOMPARE(events(), QStringList({u"[Database backup performed]"_s, u"[Database restore performed]"_s}));
        if (TestMain::currentEngine() == TestMain::Engine::SQLite) {
            QCOMPARE(names(file(u"DB.bak"_s)), u"Before,After"_s);
            return;
        }
        QVERIFY(readAll(archive()).startsWith("PGDMP")); // pg_dump's custom format
        // The counters, triggers and the overlap constraint came back with the tables.
        addCustomer(u"New"_s);
        QCOMPARE(names(), u"Before,New"_s);
        QCOMPARE(
            m_install->scalarInt(u"SELECT COUNT(*) FROM pg_constraint WHERE conname = 'bookingperiod_nooverlap'"_s), 1);
        // The safety copy is the database as it was before the restore, and restores like any archive.
        restore(file(u"DB.bak"_s), &window); // the open list lets go of its rows again
        QCOMPARE(names(), u"Before,After"_s);
    }

    void failedRestoreKeepsTheDatabase_data()
    {
        // content: the archive's bytes; "packed ..." = that text packed
        // said: at a file desk; ends with "..." when only its start is known
        // saidOnServer: empty: as at a file desk
        const DataRows<RestoreRow> row;
        const QString cant = u"Error!: Can't add a.SPA: "_s;
        const QString onServer = cant + u"it is the backup of a database file, and this desk works on a server; it "
                                        u"restores at a desk that works on a file."_s;
        row("cancelled", {QByteArray(), u"Confirm: Do you really want to cancel current operation"_s, {}});
        row("not an archive",
            {QByteArray("a letter, not an archive"), cant + u"it is not a backup archive of Zem Harbour."_s, {}});
        row("damaged",
            {QByteArray("\x28\xb5\x2f\xfd\x24\x10 not an archive"), cant + u"it is damaged at byte 6."_s, onServer});
        row("cut off", {QByteArray("cut"), cant + u"it is damaged at byte %1."_s, onServer});
        // A frame header that declares more than any disk holds (2^60 bytes): refused before a byte is written.
        row("too large to unpack",
            {QByteArray("\x28\xb5\x2f\xfd\xc4\x50\x00\x00\x00\x00\x00\x00\x00\x10 and then nothing", 30),
             cant + u"there is not enough free disk space to unpack it: it needs 1..."_s, onServer});
        row("not a database of ours",
            {QByteArray("packed text file"), cant + u"the database in it is not a Zem Harbour database."_s, onServer});
        // "schema ...": this database with the statements run on a copy (the stored schema text writable), packed.
        const auto notExactly = [&](const QString& what) {
            return cant + u"the database in it is not exactly Zem Harbour's: it "_s + what;
        };
        row("a trigger of its own",
            {QByteArray("schema CREATE TRIGGER Wipe AFTER INSERT ON Booking BEGIN DELETE FROM Customer; END"),
             notExactly(u"has trigger wipe, which this program does not make."_s), QString()});
        // CREATE refuses the names SQLite keeps for itself, but a file written directly runs such a trigger all the
        // same.
        row("a trigger under a name SQLite keeps",
            {QByteArray("schema INSERT INTO sqlite_master (type, name, tbl_name, rootpage, sql) VALUES ('trigger', "
                        "'sqlite_wipe', 'Booking', 0, 'CREATE TRIGGER sqlite_wipe AFTER INSERT ON Booking BEGIN "
                        "DELETE FROM Customer; END')"),
             notExactly(u"has trigger sqlite_wipe, which this program does not make."_s), QString()});
        row("a default of its own",
            {QByteArray("schema UPDATE sqlite_master SET sql = replace(sql, 'ClubMember INTEGER NOT NULL DEFAULT 0', "
                        "'ClubMember INTEGER NOT NULL DEFAULT 1') WHERE name = 'Booking'"),
             notExactly(u"has table booking, which this program does not make."_s), QString()});
        row("a check of its own",
            {QByteArray("schema UPDATE sqlite_master SET sql = replace(sql, 'Notes TEXT', 'Notes TEXT CHECK (Notes "
                        "<> ''x'')') WHERE name = 'Customer'"),
             notExactly(u"has table customer, which this program does not make."_s), QString()});
        // Without it the period index misses every moved booking, and two bookings can take one berth.
        row("a trigger of ours missing",
            {QByteArray("schema DROP TRIGGER Booking_Period_Update"),
             notExactly(u"lacks trigger booking_period_update, which this program makes."_s), QString()});
        // A version number set back: the upgrade meets tables the file already has.
        row("a version number not its schema's",
            {QByteArray("schema PRAGMA user_version = 8"),
             cant + u"the database in it could not be upgraded from version 8: ..."_s, QString()});
    }
    void failedRestoreKeepsTheDatabase()
    {
        auto [content, said, saidOnServer] = fetchRow<RestoreRow>();
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL && !saidOnServer.isEmpty())
            said = saidOnServer;
        addCustomer(u"Kept"_s);
        if (content.isEmpty()) {
            backup(archive());
            addCustomer(u"Also kept"_s);
            cancelWhenShown(MsgResult::Yes);
        } else if (content.startsWith("schema ")) {
            if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL)
                QSKIP("a server's archive is checked statement by statement: tst_MaintenanceServer");
            // An archive of this very database, its schema changed as a tool writing the file could leave it.
            const QString copy = file(u"changed.sqlite"_s);
            QVERIFY(QFile::copy(file(u"DB.sqlite"_s), copy));
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"changed"_s);
                db.setDatabaseName(copy);
                QVERIFY(db.open());
                QVERIFY(Sql::exec(db, u"PRAGMA writable_schema = ON"_s));
                QVERIFY(Sql::exec(db, QString::fromUtf8(content.mid(7))));
            }
            QSqlDatabase::removeDatabase(u"changed"_s);
            QCOMPARE(ttsgz::zcompress(copy, archive(), u"0"_s, -1), 0);
        } else if (content == "cut") {
            // A whole backup of a file desk cut off before its end.
            QVERIFY(writeAll(file(u"text.txt"_s), QByteArray(50000, 'x')));
            QCOMPARE(ttsgz::zcompress(file(u"text.txt"_s), archive(), u"0"_s, -1), 0);
            const QByteArray whole = readAll(archive());
            QVERIFY(writeAll(archive(), whole.left(whole.size() - 3)));
            said = said.arg(whole.size() - 3);
        } else if (content.startsWith("packed")) {
            QVERIFY(writeAll(file(u"text.txt"_s), content));
            QCOMPARE(ttsgz::zcompress(file(u"text.txt"_s), archive(), u"0"_s, -1), 0);
        } else {
            QVERIFY(writeAll(archive(), content));
        }
        const QString before = names();
        restore(archive());
        if (said.endsWith(u"..."_s))
            QVERIFY2(messagesSaid().startsWith(said.chopped(3)), qPrintable(messagesSaid()));
        else
            QCOMPARE(messagesSaid(), said);
        QCOMPARE(names(), before);
        QVERIFY(!QFile::exists(file(u"temp.sqlite"_s)) && !QFile::exists(file(u"temp.sqlite.part"_s)));
        QVERIFY(events().endsWith(u"[Database restore performed]"_s));
    }

    // Both progress windows stand centred over the window standing for the main one, away from the screen's corner.
    void progressWindows()
    {
        QWidget owner;
        owner.setGeometry(350, 250, 400, 300);
        owner.show();
        BackupWindow window(m_install->messages, &owner);
        window.startProgress();
        QCOMPARE(window.windowTitle(), u"Database backup..."_s);
        QVERIFY((window.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 2);
        auto* bar = control<ProgressBar>(window, "ctlProgressBar1");
        QCOMPARE(bar->value(), 0.0);
        // done of total, and the share shown: a total of 0 is complete, and more than the total shows a full bar.
        const QList<std::tuple<qint64, qint64, double>> cases = {
            {200, 50, 25.0}, {0, 0, 100.0}, {10, 20, 100.0}, {3, 1, 100 / 3.0}};
        for (const auto& [total, done, shown] : cases) {
            QVERIFY(!window.progress(total, done));
            QCOMPARE(bar->value(), shown);
        }
        window.stopProgress();
        QVERIFY(!window.isVisible());

        // The compaction's window cycles its dots.
        CompactWindow compact(&owner);
        compact.execute();
        QVERIFY((compact.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <= 2);
        auto* label = control<QLabel>(compact, "lblInfo");
        QCOMPARE(label->text() + u'|' + compact.windowTitle(),
                 u"Operation in progress|Compacting & repairing database ..."_s);
        QStringList seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen << label->text(), seen.contains(u"Operation in progress..."_s)), 3000);
        QVERIFY(seen.contains(u"Operation in progress."_s) && seen.contains(u"Operation in progress.."_s));
        QVERIFY(!seen.contains(u"Operation in progress...."_s));
        compact.closeWindow();
        QVERIFY(!compact.isVisible() && !QApplication::overrideCursor());
    }
};

ZEM_TEST(tst_Maintenance)
#include "tst_Maintenance.moc"
