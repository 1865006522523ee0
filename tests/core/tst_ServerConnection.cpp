#include "common/InstallFixture.h"
#include "core/Database.h"
#include "core/SqlHelpers.h"

// A desk whose server connection is cut (the server restarted, the network went): one clear message, nothing
// half-saved, and the next action works again.
class tst_ServerConnection : public InstallTest
{
    Q_OBJECT

    /// Cuts the shared connection from the server's side, as a restart would.
    bool cutSharedConnection()
    {
        const int pid = m_install->scalarInt(u"SELECT pg_backend_pid()"_s);
        bool cut = false;
        {
            const auto admin = Database::open(m_install->databasePath(), u"admin"_s, 2000);
            cut = admin && Sql::scalar(*admin, u"SELECT pg_terminate_backend(?)"_s, {pid}).value_or(false).toBool();
        }
        Database::close(u"admin"_s);
        return cut;
    }

private slots:
    void lostConnectionSaysSoOnceAndTheNextActionReconnects()
    {
        QVERIFY(cutSharedConnection());
        QString error;
        QVERIFY(!Sql::exec(m_install->db(), u"INSERT INTO Customer (Name) VALUES (?)"_s, {u"Lost"_s}, &error));
        QCOMPARE(error, Sql::lostConnectionMessage());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 0);
        QVERIFY2(Sql::exec(m_install->db(), u"INSERT INTO Customer (Name) VALUES (?)"_s, {u"Back"_s}, &error),
                 qPrintable(error));
        QCOMPARE(m_install->text(u"SELECT Name FROM Customer"_s), u"Back"_s);
    }

    void cutInsideATransactionSavesNothingOfIt()
    {
        QString error;
        {
            Sql::Transaction tx(m_install->db(), true);
            QVERIFY(tx.started());
            QVERIFY(Sql::exec(m_install->db(), u"INSERT INTO Customer (Name) VALUES (?)"_s, {u"First half"_s}));
            QVERIFY(cutSharedConnection());
            QVERIFY(!Sql::exec(m_install->db(), u"INSERT INTO Customer (Name) VALUES (?)"_s, {u"Second"_s}, &error));
            QCOMPARE(error, Sql::lostConnectionMessage());
            // Still inside the transaction: no statement may run on a new connection on its own.
            QVERIFY(!Sql::exec(m_install->db(), u"INSERT INTO Customer (Name) VALUES (?)"_s, {u"Third"_s}, &error));
            QVERIFY(!tx.commit(&error));
        }
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 0);
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_ServerConnection)
#include "tst_ServerConnection.moc"
