#include "common/TestSupport.h"
#include "shell/MDIMain.h"
#include "shell/modMain.h"

#include <QUrl>

// Start-up against a server that has no database of the name the data setting gives.
class tst_StartUpServer : public InstallTest
{
    Q_OBJECT

private slots:
    void missingServerDatabaseEndsWithAMessage()
    {
        QUrl address(m_install->DatabasePath());
        address.setPath(u"/zem_no_such_database"_s);
        Registry::SetRegistryValue(Settings::Data.name, address.toString());
        QVERIFY(!modMain::Main(m_install->services, 0, modMain::TipMode::Open));
        QCOMPARE(m_install->messages.Said(), MDIMain::Caption() + u": DB Connection Error"_s);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QFile log(m_install->Root() + u"/bin/message.log"_s);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("zem_no_such_database"));
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_StartUpServer)
#include "tst_StartUpServer.moc"
