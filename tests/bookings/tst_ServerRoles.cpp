#include "bookings/BookingStore.h"
#include "common/InstallFixture.h"
#include "core/ClosedPeriods.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"

using ServerRoles::Role;
Q_DECLARE_METATYPE(ServerRoles::Role)

// On a server the database itself holds each login to its role: what a clerk's login may not do is refused by the
// server, whatever program or psql it connects with, while the program's own saves still go through.
class tst_ServerRoles : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (1, 1, '2026-07-01 12:00:00', "
                     u"'2026-07-03 12:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO Payment (BookingID, PaidAt, Kind, Amount) VALUES (1, '2026-07-01 12:00:00', 2, "
                     u"1000)"_s));
    }
    void tearDown() override
    {
        for (const QString& login : {u"clerk_ann"_s, u"manager_ben"_s})
            (void)ServerRoles::dropLogin(m_install->db(), login);
    }
    // A connection of the login's own, as a desk signed in as it opens one.
    Result<QSqlDatabase> connectAs(const QString& login, const QString& password, const QString& name)
    {
        ServerLogin::useFor(name, {login, password});
        auto db = Database::open(m_install->databasePath(), name);
        ServerLogin::forget(name);
        return db;
    }

private slots:
    void clerkIsRefusedByTheServer_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("rates") << u"UPDATE Rate SET Amount = 1"_s;
        QTest::newRow("taxes") << u"DELETE FROM Tax"_s;
        QTest::newRow("company") << u"UPDATE Company SET \"Company Name\" = 'x'"_s;
        QTest::newRow("ledger deleted") << u"DELETE FROM Payment"_s;
        QTest::newRow("history deleted") << u"DELETE FROM BookingHistory"_s;
        QTest::newRow("history written") << u"INSERT INTO BookingHistory (BookingID, TableName, Action, ChangedAt) "
                                            u"VALUES (1, 'booking', 'update', 'now')"_s;
        QTest::newRow("month closed") << u"INSERT INTO ClosedPeriod (Month, Closed, ChangedAt) VALUES ('2026-07', 1, "
                                         u"'now')"_s;
        QTest::newRow("own role raised") << u"ALTER ROLE clerk_ann CREATEROLE"_s;
        QTest::newRow("group changed") << u"ALTER ROLE zem_clerk LOGIN"_s;
        QTest::newRow("administrator's role taken") << u"SET ROLE zem_administrator"_s;
        QTest::newRow("manager's role taken") << u"SET ROLE zem_manager"_s;
        QTest::newRow("trigger dropped") << u"DROP TRIGGER Booking_History ON Booking"_s;
        QTest::newRow("history stood in for") << u"CREATE TEMP TABLE BookingHistory (ID INTEGER)"_s;
    }
    void clerkIsRefusedByTheServer()
    {
        QFETCH(QString, sql);
        const Status made =
            ServerRoles::createLogin(m_install->db(), u"clerk_ann"_s, u"s3cret pass'word"_s, Role::Clerk);
        QVERIFY2(made, qPrintable(made.error()));
        // The server keeps a SCRAM verifier, never the password.
        VERIFY_HAS(m_install->text(u"SELECT rolpassword FROM pg_authid WHERE rolname = 'clerk_ann'"_s),
                   u"SCRAM-SHA-256$"_s);
        {
            auto clerk = connectAs(u"clerk_ann"_s, u"s3cret pass'word"_s, u"clerk"_s);
            QVERIFY2(clerk, qPrintable(clerk.error()));
            QString error;
            QVERIFY2(!Sql::exec(*clerk, sql, {}, &error), qPrintable(sql));
            // The clerk's own work goes through: a booking saved by the program's store, written into the history
            // under the clerk's login.
            auto booking = BookingStore::loadBooking(*clerk, 1);
            QVERIFY(booking);
            booking->notes = u"by the clerk"_s;
            booking->berthIds = {1};
            const auto saved = BookingStore::saveBooking(*clerk, *booking);
            QVERIFY2(saved, qPrintable(saved.error()));
        }
        Database::close(u"clerk"_s);
        QCOMPARE(m_install->joined(u"SELECT Field || ' ' || Login FROM BookingHistory WHERE Field IN ('notes', "
                                   u"'berthid') ORDER BY ID"_s),
                 u"notes clerk_ann,berthid clerk_ann"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Payment"_s), 1);
    }

    // A manager closes a month; only an administrator reopens one.
    void closingFollowsTheRole()
    {
        QVERIFY(ServerRoles::createLogin(m_install->db(), u"manager_ben"_s, u"pw"_s, Role::Manager));
        {
            auto manager = connectAs(u"manager_ben"_s, u"pw"_s, u"manager"_s);
            QVERIFY2(manager, qPrintable(manager.error()));
            QVERIFY(ClosedPeriods::close(*manager, QDate(2026, 7, 1), QDate(2026, 9, 1)));
            QCOMPARE(ClosedPeriods::reopen(*manager, QDate(2026, 7, 1)).kind(), FailureKind::Refused);
            QVERIFY(ServerRoles::setRole(m_install->db(), u"manager_ben"_s, Role::Administrator));
            QVERIFY(ClosedPeriods::reopen(*manager, QDate(2026, 7, 1)));
        }
        Database::close(u"manager"_s);
        QCOMPARE(m_install->joined(u"SELECT Closed FROM ClosedPeriod ORDER BY ID"_s), u"1,0"_s);
    }

    void loginsAreChecked_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("made");
        QTest::newRow("plain") << u"clerk_ann"_s << u"pw"_s << true;
        QTest::newRow("quote in the name") << u"ann\"; DROP TABLE Booking; --"_s << u"pw"_s << false;
        QTest::newRow("capitals") << u"Ann"_s << u"pw"_s << false;
        QTest::newRow("a group's name") << u"zem_administrator"_s << u"pw"_s << false;
        QTest::newRow("the server's own") << u"postgres"_s << u"pw"_s << false;
        QTest::newRow("64 characters") << QString(64, u'a') << u"pw"_s << false;
        QTest::newRow("empty") << QString() << u"pw"_s << false;
        QTest::newRow("no password") << u"clerk_ann"_s << QString() << false;
        QTest::newRow("password of 10,000") << u"clerk_ann"_s << QString(10000, u'x') << false;
    }
    void loginsAreChecked()
    {
        QFETCH(QString, login);
        QFETCH(QString, password);
        QFETCH(bool, made);
        QCOMPARE(bool(ServerRoles::createLogin(m_install->db(), login, password, Role::Clerk)), made);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM pg_roles WHERE rolname LIKE 'clerk%' OR rolname = "
                                      u"'ann' OR rolname LIKE 'Ann%'"_s),
                 made ? 1 : 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 1);
        // Only our logins are moved or removed: never the server's own.
        QCOMPARE(ServerRoles::dropLogin(m_install->db(), u"postgres"_s).kind(), FailureKind::Refused);
    }
};

ZEM_TEST_POSTGRESQL_ONLY(tst_ServerRoles)
#include "tst_ServerRoles.moc"
