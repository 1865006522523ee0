#include "berths/BerthRemoval.h"
#include "bookings/DependentBookings.h"
#include "common/InstallFixture.h"
#include "core/SqlHelpers.h"
#include "people/PeopleRecords.h"

// The deletes that take dependent rows with them (customer, owner, berth) against a real database.
class tst_Removals : public InstallTest
{
    Q_OBJECT
    // Customers 1 and 2; owner 1 owns berths 1 and 2, owner 2 none; berths 3 and 4 have no owner, 4 no bookings.
    // Booking 10 is on berth 1 only, 11 on berths 1 and 3 (the week after), 12 on berth 3 only.
    const QString m_seeded = u"1,2 | 1,2 | 1,2,3,4 | 10,11,12 | 10-1,11-1,11-3,12-3"_s;

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Smith'), (2, 'Jones')"_s));
        QVERIFY(exec(u"INSERT INTO Owner (ID, Name) VALUES (1, 'Owner'), (2, 'Nobody')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1), (2, 'A2', 1), "
                     u"(3, 'B1', NULL), (4, 'C1', NULL)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(10, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                     u"(11, 1, '2026-12-05 09:00:00', '2026-12-07 14:00:00'), "
                     u"(12, 2, '2026-12-01 09:00:00', '2026-12-03 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 3), (12, 3)"_s));
    }

    /// Every row left: the IDs of customers, owners, berths and bookings, then the booking-berth pairs.
    QString tableState() const
    {
        QStringList tables;
        for (const char* table : {"Customer", "Owner", "Berth", "Booking"})
            tables << m_install->joined(u"SELECT ID FROM %1 ORDER BY ID"_s.arg(QLatin1String(table)));
        tables << m_install->joined(
            u"SELECT BookingID || '-' || BerthID FROM BookingBerth ORDER BY BookingID, BerthID"_s);
        return tables.join(u" | "_s);
    }

    Result<Removal::Question> ask(const QString& kind, int id) const
    {
        if (kind == u"customer")
            return CustomerStore::askRemove(m_install->db(), id, DependentBookings::ofCustomer());
        if (kind == u"owner")
            return OwnerStore::askRemove(m_install->db(), id, BerthRemoval::ofOwner());
        return BerthRemoval::askRemove(m_install->db(), id);
    }
    Status remove(const QString& kind, int id, int asked) const
    {
        if (kind == u"customer")
            return CustomerStore::remove(m_install->db(), id, asked, DependentBookings::ofCustomer());
        if (kind == u"owner")
            return OwnerStore::remove(m_install->db(), id, asked, BerthRemoval::ofOwner());
        // A berth goes inside the berth changes' own transaction, which counts again itself.
        Sql::Transaction tx(m_install->db(), true);
        const Status removed = BerthRemoval::removeRows(m_install->db(), id);
        if (removed && !tx.commit())
            return databaseFailure(u"commit"_s);
        return removed;
    }

    using AskRow = std::tuple<QString, int, int, QString, QString, QString>;
    using AddedRow = std::tuple<QString, int, QStringList>;

private slots:
    // The question counts what would go and deletes nothing; the delete then takes the rows that depend on it.
    void askThenRemove_data()
    {
        // before: a statement run first, "" for none
        QTest::addColumn<AskRow>("row");
        const QString plain = u"Are you sure to delete this item?"_s;
        const QString bookedBerth = u"Deleting this customer will also remove any reservations that have been made "
                                    u"with it. Are you sure you want to delete the berth?"_s;
        QTest::newRow("customer: its bookings and their berth rows") << AskRow(
            u"customer"_s, 1, 2,
            u"Deleting this customer will also remove all past reservations. This would affect historic reports. "
            u"Are you sure you want to delete this customer?"_s,
            u"2 | 1,2 | 1,2,3,4 | 12 | 12-3"_s, QString());
        // Only the berth rows go: every booking, with its money, stays.
        QTest::newRow("owner: its berths, not their bookings") << AskRow(
            u"owner"_s, 1, 2,
            u"Deleting this owner will also remove all owners berth. This would affect historic reports. Are you "
            u"sure you want to delete this owner?"_s,
            u"1,2 | 2 | 3,4 | 10,11,12 | 10-1,11-1,11-3,12-3"_s, QString());
        QTest::newRow("owner without berths")
            << AskRow(u"owner"_s, 2, 0, plain, u"1,2 | 1 | 1,2,3,4 | 10,11,12 | 10-1,11-1,11-3,12-3"_s, QString());
        QTest::newRow("berth: keeps bookings that have another berth")
            << AskRow(u"berth"_s, 1, 2, bookedBerth, u"1,2 | 1,2 | 2,3,4 | 11,12 | 11-3,12-3"_s, QString());
        QTest::newRow("berth: takes a booking it alone holds")
            << AskRow(u"berth"_s, 3, 2, bookedBerth, u"1,2 | 1,2 | 1,2,4 | 10,11 | 10-1,11-1"_s, QString());
        // Booking 13 has no berth row at all (left so by another change): removing berth 3 is not its end.
        QTest::newRow("berth: not a booking without berths")
            << AskRow(u"berth"_s, 3, 2, bookedBerth, u"1,2 | 1,2 | 1,2,4 | 10,11,13 | 10-1,11-1"_s,
                      u"INSERT INTO Booking (ID, CustomerID) VALUES (13, 2)"_s);
        QTest::newRow("unbooked berth") << AskRow(u"berth"_s, 4, 0, plain,
                                                  u"1,2 | 1,2 | 1,2,3 | 10,11,12 | 10-1,11-1,11-3,12-3"_s, QString());
    }
    void askThenRemove()
    {
        const auto& [kind, id, dependents, question, state, before] = fetchRow<AskRow>();
        QVERIFY(before.isEmpty() || exec(before));
        const QString seeded = tableState();
        const auto asked = ask(kind, id);
        QVERIFY2(asked, qPrintable(asked.error()));
        QCOMPARE(asked->text, question);
        QCOMPARE(asked->dependents, dependents);
        QCOMPARE(tableState(), seeded); // asking deletes nothing
        const Status removed = remove(kind, id, asked->dependents);
        QVERIFY2(removed, qPrintable(removed.error()));
        QCOMPARE(tableState(), state);
    }

    void rowsAddedAtAnotherDeskSinceTheQuestionStopTheDelete_data()
    {
        // deskB: what desk B does while desk A's question is open
        const DataRows<AddedRow> row;
        row("customer booked meanwhile",
            {u"customer"_s,
             2,
             {u"INSERT INTO Booking (ID, CustomerID) VALUES (20, 2)"_s, u"INSERT INTO BookingBerth VALUES (20, 4)"_s}});
        row("owner given a berth meanwhile",
            {u"owner"_s, 2, {u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (5, 'D1', 2)"_s}});
    }
    void rowsAddedAtAnotherDeskSinceTheQuestionStopTheDelete()
    {
        const auto& [kind, id, deskB] = fetchRow<AddedRow>();
        const auto question = ask(kind, id);
        QVERIFY(question);
        QVERIFY(atAnotherDesk(*m_install, deskB));
        const QString before = tableState();
        const Status removed = remove(kind, id, question->dependents);
        QCOMPARE(removed.kind(), FailureKind::Conflict);
        QVERIFY2(
            removed.error().startsWith(u"1 "_s) &&
                removed.error().endsWith(u" was made at another desk since you were asked. Nothing was deleted."_s),
            qPrintable(removed.error()));
        QCOMPARE(tableState(), before); // desk B's rows are there, and nothing of A's delete
    }

    void failuresDeleteNothing()
    {
        // A customer without an ID is not asked about.
        const auto question = ask(u"customer"_s, 0);
        QVERIFY(question.kind() == FailureKind::Refused && question.error().isEmpty());
        // A statement that fails half-way (the customer table is gone) must leave the bookings in place.
        QVERIFY(exec(u"ALTER TABLE Customer RENAME TO CustomerGone"_s));
        QCOMPARE(remove(u"customer"_s, 1, 2).kind(), FailureKind::Database);
        QVERIFY(exec(u"ALTER TABLE CustomerGone RENAME TO Customer"_s));
        QCOMPARE(tableState(), m_seeded);
        // Desk B is saving a booking for customer 2 when desk A's user says Yes: A must not delete around it.
        OtherDesk desk(*m_install);
        QVERIFY(desk);
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL)
            QVERIFY(exec(u"SET lock_timeout = '300ms'"_s)); // rather than the usual ten seconds
        {
            Sql::Transaction saving(*desk, true);
            QVERIFY(saving.started());
            QVERIFY(Sql::exec(*desk, u"INSERT INTO Booking (ID, CustomerID) VALUES (20, 2)"_s));
            const Status removed = remove(u"customer"_s, 2, 1);
            QVERIFY(!removed && !removed.error().isEmpty());
            QVERIFY(saving.commit());
        }
        QCOMPARE(tableState(), u"1,2 | 1,2 | 1,2,3,4 | 10,11,12,20 | 10-1,11-1,11-3,12-3"_s);
    }
};

ZEM_TEST(tst_Removals)
#include "tst_Removals.moc"
