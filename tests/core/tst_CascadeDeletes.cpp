#include "common/InstallFixture.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

// The three cascade deletes against a real database file, with the user's Yes and No.
class tst_CascadeDeletes : public InstallTest
{
    Q_OBJECT
    // Customers 1 and 2; owner 1 owns berths 1 and 2, owner 2 none; berths 3 and 4 have no owner, 4 no bookings.
    // Booking 10 is on berth 1 only, 11 on berths 1 and 3 (the week after), 12 on berth 3 only.
    const QString m_seeded = u"1,2 | 1,2 | 1,2,3,4 | 10,11,12 | 10-1,11-1,11-3,12-3"_s;

    void seed() override
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Smith'), (2, 'Jones')"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Owner (ID, Name) VALUES (1, 'Owner'), (2, 'Nobody')"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1), (2, 'A2', 1), "
                                u"(3, 'B1', NULL), (4, 'C1', NULL)"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(10, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                                u"(11, 1, '2026-12-05 09:00:00', '2026-12-07 14:00:00'), "
                                u"(12, 2, '2026-12-01 09:00:00', '2026-12-03 14:00:00')"_s));
        QVERIFY(m_install->exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 3), "
                                u"(12, 3)"_s));
    }

    /// Every row left: the IDs of customers, owners, berths and bookings, then the booking-berth pairs.
    QString tableState() const
    {
        const auto rows = [&](const QString& sql) {
            QStringList values;
            QSqlQuery q(m_install->db());
            if (!q.exec(sql))
                return u"failed: "_s + q.lastError().text();
            while (q.next())
                values << (q.record().count() == 1 ? q.value(0).toString()
                                                   : q.value(0).toString() + u'-' + q.value(1).toString());
            return values.join(u',');
        };
        QStringList tables;
        for (const char* table : {"Customer", "Owner", "Berth", "Booking"})
            tables << rows(u"SELECT ID FROM %1 ORDER BY ID"_s.arg(QLatin1String(table)));
        tables << rows(u"SELECT BookingID, BerthID FROM BookingBerth ORDER BY BookingID, BerthID"_s);
        return tables.join(u" | "_s);
    }

    bool deleteSelection(const QString& kind, int id, QString* error = nullptr, IMessageBox* asked = nullptr)
    {
        IMessageBox& messages = asked ? *asked : m_install->messages;
        if (kind == u"customer")
            return modFunctions::deleteCustomer(m_install->db(), id, messages, error);
        if (kind == u"owner")
            return modFunctions::deleteOwner(m_install->db(), id, messages, error);
        return modFunctions::deleteBerth(m_install->db(), id, messages, error);
    }

private slots:
    void noKeepsEverything_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("question");
        const QString plain = u"Are you sure to delete this item?"_s;
        QTest::newRow("customer with bookings")
            << u"customer"_s << 1
            << u"Deleting this customer will also remove all past reservations. This would affect historic reports. "
               u"Are you sure you want to delete this customer?"_s;
        QTest::newRow("owner with berths") << u"owner"_s << 1
                                           << u"Deleting this owner will also remove all owners berth. This would "
                                              u"affect historic reports. Are you sure you want to delete this owner?"_s;
        QTest::newRow("owner without berths") << u"owner"_s << 2 << plain;
        QTest::newRow("booked berth") << u"berth"_s << 3
                                      << u"Deleting this customer will also remove any reservations that have been "
                                         u"made with it. Are you sure you want to delete the berth?"_s;
        QTest::newRow("unbooked berth") << u"berth"_s << 4 << plain;
    }
    void noKeepsEverything()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        QFETCH(QString, question);
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(!deleteSelection(kind, id));
        QCOMPARE(m_install->messages.said(), u"Confirm deletion: "_s + question);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
        QCOMPARE(tableState(), m_seeded);
    }

    void yesDeletesTheRowsThatDependOnIt_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("state");
        QTest::newRow("customer: its bookings and their berth rows")
            << u"customer"_s << 1 << u"2 | 1,2 | 1,2,3,4 | 12 | 12-3"_s;
        QTest::newRow("berth: keeps bookings that have another berth")
            << u"berth"_s << 1 << u"1,2 | 1,2 | 2,3,4 | 11,12 | 11-3,12-3"_s;
        QTest::newRow("unbooked berth") << u"berth"_s << 4 << u"1,2 | 1,2 | 1,2,3 | 10,11,12 | 10-1,11-1,11-3,12-3"_s;
        // Only the berth rows go: every booking, with its money, stays.
        QTest::newRow("owner: its berths, not their bookings")
            << u"owner"_s << 1 << u"1,2 | 2 | 3,4 | 10,11,12 | 10-1,11-1,11-3,12-3"_s;
    }
    void yesDeletesTheRowsThatDependOnIt()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        QFETCH(QString, state);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(deleteSelection(kind, id));
        QCOMPARE(tableState(), state);
    }

    void berthTakesOnlyItsOwnBookings()
    {
        // Booking 13 has no berth row at all (left so by another change): removing berth 3 is not its end.
        QVERIFY(m_install->exec(u"INSERT INTO Booking (ID, CustomerID) VALUES (13, 2)"_s));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(deleteSelection(u"berth"_s, 3));
        QCOMPARE(tableState(), u"1,2 | 1,2 | 1,2,4 | 10,11,13 | 10-1,11-1"_s);
    }

    void rowsAddedAtAnotherDeskWhileAskingStopTheDelete_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("deskB"); // what desk B does while desk A's question is open
        QTest::newRow("customer booked meanwhile")
            << u"customer"_s << 2
            << QStringList{u"INSERT INTO Booking (ID, CustomerID) VALUES (20, 2)"_s,
                           u"INSERT INTO BookingBerth VALUES (20, 4)"_s};
        QTest::newRow("owner given a berth meanwhile")
            << u"owner"_s << 2 << QStringList{u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (5, 'D1', 2)"_s};
        QTest::newRow("berth booked meanwhile") << u"berth"_s << 4
                                                << QStringList{u"INSERT INTO Booking (ID, CustomerID) VALUES (20, 2)"_s,
                                                               u"INSERT INTO BookingBerth VALUES (20, 4)"_s};
    }
    void rowsAddedAtAnotherDeskWhileAskingStopTheDelete()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        QFETCH(QStringList, deskB);
        const auto desk = Database::open(m_install->databasePath(), u"desk-b"_s, 2000);
        QVERIFY(desk);
        // Desk A's question stays open while desk B works; then A answers Yes.
        class AskWhileDeskBWorks final : public IMessageBox
        {
        public:
            std::function<void()> meanwhile;
            MsgResult show(const QString&, const QString&, MsgIcon, MsgButtons) override
            {
                meanwhile();
                return MsgResult::Yes;
            }
        } question;
        question.meanwhile = [&] {
            for (const QString& sql : deskB)
                QVERIFY(Sql::exec(*desk, sql));
        };
        const QString before = tableState();
        QString error;
        QVERIFY(!deleteSelection(kind, id, &error, &question));
        QVERIFY2(error.contains(u"at another desk since you were asked. Nothing was deleted."_s), qPrintable(error));
        QVERIFY(tableState() != before); // desk B's rows are there, and nothing of A's delete
        const QString table = kind == u"customer" ? u"Customer"_s : kind == u"owner" ? u"Owner"_s : u"Berth"_s;
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM %1 WHERE ID = ?"_s.arg(table), {id}), 1);
        Database::close(u"desk-b"_s);
    }

    void waitsForADeskThatIsSaving()
    {
        // Desk B is saving a booking for customer 2 when desk A's user says Yes: A must not delete around it.
        auto desk = Database::open(m_install->databasePath(), u"desk-b"_s, 2000);
        QVERIFY(desk);
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL)
            QVERIFY(m_install->exec(u"SET lock_timeout = '300ms'"_s)); // rather than the usual ten seconds
        {
            Sql::Transaction saving(*desk, true);
            QVERIFY(saving.started());
            QVERIFY(Sql::exec(*desk, u"INSERT INTO Booking (ID, CustomerID) VALUES (20, 2)"_s));
            m_install->messages.answers.enqueue(MsgResult::Yes);
            QString error;
            QVERIFY(!deleteSelection(u"customer"_s, 2, &error));
            QVERIFY(!error.isEmpty());
            QVERIFY(saving.commit());
        }
        Database::close(u"desk-b"_s);
        QCOMPARE(tableState(), u"1,2 | 1,2 | 1,2,3,4 | 10,11,12,20 | 10-1,11-1,11-3,12-3"_s);
    }

    void customerWithoutIdAsksNothing()
    {
        QVERIFY(!deleteSelection(u"customer"_s, 0));
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void failureRollsBackEverything()
    {
        // A statement that fails half-way (the customer table is gone) must leave the bookings in place.
        QVERIFY(m_install->exec(u"ALTER TABLE Customer RENAME TO CustomerGone"_s));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QString error;
        QVERIFY(!deleteSelection(u"customer"_s, 1, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(m_install->exec(u"ALTER TABLE CustomerGone RENAME TO Customer"_s));
        QCOMPARE(tableState(), m_seeded);
    }
};

ZEM_TEST(tst_CascadeDeletes)
#include "tst_CascadeDeletes.moc"
