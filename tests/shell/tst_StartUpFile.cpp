#include "common/TestSupport.h"
#include "core/Database.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QUrl>

// Start-up on a database file that is not there or may not be written, and on a server database that is not there.
class tst_StartUpFile : public InstallTest
{
    Q_OBJECT

public:
    tst_StartUpFile() : InstallTest(false) {}

private slots:
    void missingDatabaseEndsWithAMessage()
    {
        QVERIFY(!Startup::main(m_install->services, 0, Startup::TipMode::Open));
        QCOMPARE(said(), MainWindow::caption() + u": DB Connection Error"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        // No event log was started, so no day folder exists.
        QVERIFY(QDir(m_install->tracesFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
        // The reason is kept for the support desk.
        QVERIFY(QFile::exists(m_install->root() + u"/bin/message.log"_s));
    }

    void readOnlyDatabaseIsSaidOnceAtStart()
    {
        const Status made = Database::createDatabase(m_install->databasePath());
        QVERIFY2(made, qPrintable(made.error()));
        // A connection that cannot write is told apart from one that can.
        QVERIFY(Database::canWrite(*Database::open(m_install->databasePath(), u"rw"_s, 500)));
        Database::close(u"rw"_s);
        {
            QSqlDatabase ro = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"ro"_s);
            ro.setDatabaseName(m_install->databasePath());
            ro.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
            QVERIFY(ro.open());
            const Status writable = Database::canWrite(ro);
            QVERIFY2(!writable && writable.error().contains(u"readonly"_s), qPrintable(writable.error()));
        }
        Database::close(u"ro"_s);
        // The whole start-up, on a file and folder the user may not write.
        const auto restore = qScopeGuard([this] {
            QFile::setPermissions(m_install->root() + u"/data"_s,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QFile::setPermissions(m_install->databasePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        });
        QFile::setPermissions(m_install->databasePath(), QFileDevice::ReadOwner);
        QFile::setPermissions(m_install->root() + u"/data"_s, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFileInfo(m_install->databasePath()).isWritable())
            QSKIP("the administrator may write any file: the read-only start cannot be tried here");
        auto window = Startup::main(m_install->services, 0, Startup::TipMode::Open);
        QVERIFY(window);
        VERIFY_HAS(said(), u"Database opened read-only: changes cannot be saved."_s);
        QCOMPARE(m_install->messages.calls.size(), 1);
        window.reset();
    }
};

ZEM_TEST_SQLITE_ONLY(tst_StartUpFile)

// Start-up against a server that has no database of the name the data setting gives.
class tst_StartUpServer : public InstallTest
{
    Q_OBJECT

private slots:
    void missingServerDatabaseEndsWithAMessage()
    {
        QUrl address(m_install->databasePath());
        address.setPath(u"/zem_no_such_database"_s);
        Registry::setRegistryValue(Settings::Data.name, address.toString());
        QVERIFY(!Startup::main(m_install->services, 0, Startup::TipMode::Open));
        QCOMPARE(said(), MainWindow::caption() + u": DB Connection Error"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QVERIFY(readAll(m_install->root() + u"/bin/message.log"_s).contains("zem_no_such_database"));
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_StartUpServer)
#include "tst_StartUpFile.moc"
