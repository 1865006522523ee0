#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/modFunctions.h"

#include <QTest>

// The three cascade deletes against a real database file, with the user's Yes and No.
class tst_CascadeDeletes : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    int Count(const QString& sql) const { return m_install->Value(sql).toInt(); }

    void Booking(int id, int customer, std::initializer_list<int> berths)
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                               "(?, ?, '2026-12-01 09:00:00', '2026-12-03 14:00:00')"),
                                {id, customer}));
        for (int berth : berths)
            QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"),
                                    {id, berth}));
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        // Customers 1 and 2; owner 1 owns berths 1 and 2; berth 3 has no owner.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (1, 'Smith'), (2, 'Jones')")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Owner (ID, Name) VALUES (1, 'Owner'), (2, 'Nobody')")));
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1), (2, 'A2', 1), (3, 'B1', NULL)")));
        Booking(10, 1, {1});    // only on berth 1
        Booking(11, 1, {1, 3}); // berth 1 and 3
        Booking(12, 2, {3});    // only on berth 3
    }
    void cleanup() { m_install.reset(); }

    void questions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("question");
        const QString plain = QStringLiteral("Are you sure to delete this item?");
        QTest::newRow("customer with bookings")
            << "customer" << 1
            << "Deleting this customer will also remove all past reservations. This would affect historic reports. "
               "Are you sure you want to delete this customer?";
        QTest::newRow("owner with berths") << "owner" << 1
                                           << "Deleting this owner will also remove all owners berth. This would "
                                              "affect historic reports. Are you sure you want to delete this owner?";
        QTest::newRow("owner without berths") << "owner" << 2 << plain;
        QTest::newRow("booked berth") << "berth" << 3
                                      << "Deleting this customer will also remove any reservations that have been "
                                         "made with it. Are you sure you want to delete the berth?";
    }
    void questions()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        QFETCH(QString, question);
        auto& msg = m_install->messages;
        msg.answers.enqueue(MsgResult::No);
        const QSqlDatabase db = m_install->Db();
        bool deleted = true;
        if (kind == QLatin1String("customer"))
            deleted = modFunctions::DeleteCustomer(db, id, msg);
        else if (kind == QLatin1String("owner"))
            deleted = modFunctions::DeleteOwner(db, id, msg);
        else
            deleted = modFunctions::DeleteBerth(db, id, msg);
        QVERIFY(!deleted);
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.calls[0].text, question);
        QCOMPARE(msg.calls[0].title, QStringLiteral("Confirm deletion"));
        QCOMPARE(msg.calls[0].buttons, MsgButtons::YesNo);
        // No changes nothing.
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 3);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 3);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Customer")), 2);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Owner")), 2);
    }

    void customerYesTakesItsBookingsAndTheirBerthRows()
    {
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(modFunctions::DeleteCustomer(m_install->Db(), 1, m_install->messages));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = 1")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT BookingID FROM BookingBerth")), 12);
    }

    void customerWithoutIdAsksNothing()
    {
        QVERIFY(!modFunctions::DeleteCustomer(m_install->Db(), 0, m_install->messages));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void berthYesKeepsBookingsThatHaveOtherBerths()
    {
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(modFunctions::DeleteBerth(m_install->Db(), 1, m_install->messages));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth WHERE ID = 1")), 0);
        // Booking 10 had only berth 1 and goes; 11 keeps berth 3; 12 is untouched.
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID = 10")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID IN (11, 12)")), 2);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BerthID = 1")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 2);
    }

    void unbookedBerthAsksThePlainQuestion()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name) VALUES (4, 'C1')")));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(modFunctions::DeleteBerth(m_install->Db(), 4, m_install->messages));
        QCOMPARE(m_install->messages.calls[0].text, QStringLiteral("Are you sure to delete this item?"));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 3);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 3);
    }

    void ownerYesTakesBerthsAndBookingsLeftWithout()
    {
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(modFunctions::DeleteOwner(m_install->Db(), 1, m_install->messages));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Owner")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID = 10")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID IN (11, 12)")), 2);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BerthID IN (1, 2)")), 0);
    }

    void failureRollsBackEverything()
    {
        // A statement that fails half-way (the customer table is gone) must leave the bookings in place.
        QVERIFY(m_install->Exec(QStringLiteral("ALTER TABLE Customer RENAME TO CustomerGone")));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QString error;
        QVERIFY(!modFunctions::DeleteCustomer(m_install->Db(), 1, m_install->messages, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 3);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 4);
    }
};

ZEM_TEST(tst_CascadeDeletes)
#include "tst_CascadeDeletes.moc"
