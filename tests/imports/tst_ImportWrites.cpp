// Rows written many to a statement, as an import writes them: every row of a multi-row insert, and the database's
// rules for rows added together (history, index, figures, counter, closed months) as for rows added one at a time.
#include "common/TestSupport.h"
#include "core/BulkInsert.h"

#include <QSet>

using namespace Qt::StringLiterals;

class tst_ImportWrites : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (Name) VALUES ('Old Ann')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (Name, Length, Width, Active) VALUES ('A1', 10, 4, 1), ('A2', 8, 3, 1)"_s));
    }

private slots:
    // Rows a few hundred a statement: every row written whatever the count against the statement's size, IDs above
    // any the table has had (a deleted row's too), and the rows that name them written after them.
    void bulkInsertWritesEveryRow_data()
    {
        QTest::addColumn<int>("count");
        for (const int count : {1, 199, 200, 201, 450})
            QTest::addRow("%d rows", count) << count;
    }
    void bulkInsertWritesEveryRow()
    {
        QFETCH(int, count);
        const auto gone = Sql::insertReturningId(m_install->db(), u"INSERT INTO Customer (Name) VALUES ('Gone')"_s, {});
        QVERIFY(gone);
        QVERIFY(exec(u"DELETE FROM Customer WHERE Name = 'Gone'"_s));
        Sql::Transaction tx(m_install->db(), true);
        QVERIFY(tx.started());
        BulkInsert customers(m_install->db(), u"Customer"_s, {u"ID"_s, u"Name"_s});
        BulkInsert boats(m_install->db(), u"Boat"_s, {u"CustomerID"_s, u"Name"_s}, &customers);
        QSet<qint64> ids;
        for (int i = 0; i < count; ++i) {
            const auto id = customers.reserveId();
            QVERIFY2(id, qPrintable(id.error()));
            QVERIFY(*id > *gone);
            ids.insert(*id);
            QVERIFY(customers.add({*id, u"Bulk %1"_s.arg(i)}));
            QVERIFY(boats.add({*id, u"Boat %1"_s.arg(i)}));
        }
        QCOMPARE(ids.size(), count);
        QVERIFY(boats.flush()); // its customers first
        QVERIFY(customers.flush());
        QVERIFY(tx.commit());
        const QString written = m_install->joined(
            u"SELECT COUNT(*) || '|' || COUNT(DISTINCT C.ID) || '|' || CASE WHEN MIN(C.ID) > %1 THEN 1 ELSE 0 "
            u"END FROM Customer C JOIN Boat B ON B.CustomerID = C.ID AND B.Name = 'Boat ' || "
            u"substr(C.Name, 6) WHERE C.Name LIKE 'Bulk %'"_s.arg(*gone));
        QCOMPARE(written, u"%1|%1|1"_s.arg(count));
    }

    // Rows added many to a statement, as an import writes them, keep the rules of rows added one at a time: each
    // its history line in the order written, the counter above the IDs given, the index and figures written, and a
    // row departing in a closed month refusing the statement whole.
    void rowsAddedTogether_data()
    {
        QTest::addColumn<QString>("closedMonth");
        QTest::newRow("open months") << QString();
        QTest::newRow("one departs in a closed month") << u"2026-08"_s;
    }
    void rowsAddedTogether()
    {
        QFETCH(QString, closedMonth);
        if (!closedMonth.isEmpty())
            QVERIFY(exec(u"INSERT INTO ClosedPeriod (Month, Closed, ChangedAt) VALUES ('%1', 1, '2026-09-01 "
                         u"09:00:00')"_s.arg(closedMonth)));
        Sql::Transaction tx(m_install->db(), true);
        QVERIFY(tx.started());
        QString error;
        const bool saved =
            Sql::exec(m_install->db(),
                      u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire) VALUES (701, 1, "
                      u"'2026-07-01 14:00:00', '2026-07-04 11:00:00', 100), (702, 1, '2026-07-20 14:00:00', "
                      u"'2026-08-02 11:00:00', 200)"_s,
                      {}, &error) &&
            Sql::exec(m_install->db(), u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (702, 2), (701, 1)"_s, {},
                      &error);
        QCOMPARE(saved, closedMonth.isEmpty());
        if (!saved) {
            QVERIFY2(error.contains(u"closed month"_s), qPrintable(error));
            return; // the transaction rolls back: nothing of either row stays
        }
        QVERIFY(tx.commit());
        QCOMPARE(m_install->joined(u"SELECT BookingID || '|' || TableName || '|' || Action || '|' || NewValue FROM "
                                   u"BookingHistory WHERE BookingID > 700 ORDER BY ID"_s),
                 u"701|booking|insert|2026-07-01 14:00:00|2026-07-04 11:00:00,"
                 u"702|booking|insert|2026-07-20 14:00:00|2026-08-02 11:00:00,"
                 u"702|bookingberth|insert|A2,701|bookingberth|insert|A1"_s);
        QCOMPARE(
            m_install->joined(u"SELECT (ID / 2147483648) || '|' || (ID % 2147483648) FROM BookingPeriod ORDER BY ID"_s),
            u"701|1,702|2"_s);
        // July: 3 nights on A1 and 12 on A2; August: one on A2.
        QCOMPARE(
            m_install->joined(
                u"SELECT Month || '|' || BerthID || '|' || Nights FROM BerthMonth WHERE Nights <> 0 ORDER BY Month, BerthID"_s),
            u"24318|1|3,24318|2|12,24319|2|1"_s);
        QCOMPARE(
            m_install->joined(
                u"SELECT Month || '|' || Bookings || '|' || Hire || '|' || Nights FROM BookingMonth ORDER BY Month"_s),
            u"2026-07|2|300|16"_s);
        // A change of a column the history does not record (an import's stamp) writes no history line; a change of
        // one it records does.
        QVERIFY(exec(u"UPDATE Booking SET ImportStamp = 'x' WHERE ID = 701"_s));
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'n', ImportStamp = 'y' WHERE ID = 702"_s));
        QCOMPARE(m_install->joined(u"SELECT BookingID || '|' || Field FROM BookingHistory WHERE Action = 'update'"_s),
                 u"702|notes"_s);
        const auto next = Sql::insertReturningId(
            m_install->db(),
            u"INSERT INTO Booking (CustomerID, FromDate, ToDate) VALUES (1, '2026-10-01 12:00:00', "
            u"'2026-10-02 12:00:00')"_s,
            {});
        QVERIFY(next);
        QCOMPARE(*next, 703);
    }
};

ZEM_TEST(tst_ImportWrites)
#include "tst_ImportWrites.moc"
