#include "common/TestSupport.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QUrl>

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
        QCOMPARE(m_install->messages.said(), MainWindow::caption() + u": DB Connection Error"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QVERIFY(readAll(m_install->root() + u"/bin/message.log"_s).contains("zem_no_such_database"));
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_StartUpServer)
#include "tst_StartUpServer.moc"
