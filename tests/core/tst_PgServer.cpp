#include "common/PgServer.h"
#include "common/TestMain.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

// The private server of a PostgreSQL run: every database it hands out is a separate copy of the template.
class tst_PgServer : public QObject
{
    Q_OBJECT

    // Opens the database a URI names the way a desk would: the socket folder and port from its query.
    static QSqlDatabase Open(const QString& uri, const QString& connection)
    {
        const QUrl url(uri);
        const QUrlQuery query(url);
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, connection);
        db.setHostName(query.queryItemValue(u"host"_s, QUrl::FullyDecoded));
        db.setPort(query.queryItemValue(u"port"_s).toInt());
        db.setUserName(url.userName());
        db.setDatabaseName(url.path().mid(1));
        db.open();
        return db;
    }
    static QVariant Scalar(const QSqlDatabase& db, const QString& sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }

private slots:
    void databasesAreSeparateCopiesOfTheTemplate()
    {
        QString error;
        const QString first = PgServer::NewDatabase(&error);
        QVERIFY2(!first.isEmpty(), qPrintable(error));
        const QString second = PgServer::NewDatabase(&error);
        QVERIFY2(!second.isEmpty(), qPrintable(error));
        QVERIFY(first != second);
        QVERIFY(first.startsWith(u"postgresql://postgres@/zem_case_"_s));
        {
            QSqlDatabase a = Open(first, u"a"_s);
            QSqlDatabase b = Open(second, u"b"_s);
            QVERIFY2(a.isOpen(), qPrintable(a.lastError().text()));
            QVERIFY2(b.isOpen(), qPrintable(b.lastError().text()));
            for (const QSqlDatabase& db : {a, b})
                QCOMPARE(Scalar(db, u"SELECT count(*) FROM pg_extension WHERE extname = 'btree_gist'"_s).toInt(), 1);
            QVERIFY(QSqlQuery(a).exec(u"CREATE TABLE only_in_a (id integer)"_s));
            QCOMPARE(Scalar(b, u"SELECT count(*) FROM pg_tables WHERE tablename = 'only_in_a'"_s).toInt(), 0);
            // Reached through the socket folder only.
            QCOMPARE(Scalar(a, u"SHOW listen_addresses"_s).toString(), QString());
        }
        // Dropping closes the connections still open on it.
        PgServer::DropDatabase(first);
        {
            QSqlDatabase a = QSqlDatabase::database(u"a"_s, false);
            a.close();
            QVERIFY(!a.open());
            QSqlDatabase b = QSqlDatabase::database(u"b"_s, false);
            QCOMPARE(Scalar(b, u"SELECT 1"_s).toInt(), 1);
        }
        QSqlDatabase::removeDatabase(u"a"_s);
        QSqlDatabase::removeDatabase(u"b"_s);
        PgServer::DropDatabase(second);
    }
};
ZEM_TEST_POSTGRESQL_ONLY(tst_PgServer)

#include "tst_PgServer.moc"
