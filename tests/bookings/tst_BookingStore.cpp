#include "bookings/BookingStore.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/modFunctions.h"

#include <QTest>

class tst_BookingStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    BookingRecord NewBooking(QList<int> berths, QStringList names) const
    {
        BookingRecord b;
        b.customerId = 1;
        b.fromDate = modFunctions::WallTime(QDate(2026, 7, 1), QTime(9, 0));
        b.toDate = modFunctions::WallTime(QDate(2026, 7, 3), QTime(14, 0));
        b.bookedBy = QStringLiteral("Sue");
        b.notes = QStringLiteral("Quiet berth please");
        b.costOfHire = Money::FromPence(5000);
        b.berthConfirmationNumber = 7;
        b.berthIds = berths;
        b.berthNames = names;
        return b;
    }
    int Count(const QString& sql) const { return m_install->Value(sql).toInt(); }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann O''Neill', '4')")));
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'B2', 1), (3, 'C3', 1)")));
    }
    void cleanup() { m_install.reset(); }

    void saveNewThenChangeBerths()
    {
        const auto added = BookingStore::SaveBooking(m_install->Db(), NewBooking({1, 2}, {QStringLiteral("A1"), QStringLiteral("B2")}));
        QVERIFY2(added.ok, qPrintable(added.error));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BookingID = %1").arg(added.id)), 2);
        QVERIFY(m_install->Value(QStringLiteral("SELECT PaymentMethodID FROM Booking")).isNull());
        QCOMPARE(Count(QStringLiteral("SELECT AmountPayed FROM Booking")), 0);

        auto loaded = BookingStore::LoadBooking(m_install->Db(), added.id);
        QVERIFY(loaded);
        QCOMPARE(loaded->notes, QStringLiteral("Quiet berth please"));
        QCOMPARE(loaded->fromDate, modFunctions::WallTime(QDate(2026, 7, 1), QTime(9, 0)));
        QCOMPARE(loaded->costOfHire, Money::FromPence(5000));
        QCOMPARE(loaded->berthNames, (QStringList{QStringLiteral("A1"), QStringLiteral("B2")}));

        loaded->berthIds = {2, 3};
        loaded->berthNames = {QStringLiteral("B2"), QStringLiteral("C3")};
        loaded->paymentMethodId = 2;
        const auto changed = BookingStore::SaveBooking(m_install->Db(), *loaded);
        QVERIFY2(changed.ok, qPrintable(changed.error));
        QCOMPARE(changed.id, added.id);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 1);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT group_concat(BerthID) FROM (SELECT BerthID FROM BookingBerth ORDER BY BerthID)")).toString(),
                 QStringLiteral("2,3"));
        // Saving again without a method keeps the one stored.
        loaded->paymentMethodId.reset();
        QVERIFY(BookingStore::SaveBooking(m_install->Db(), *loaded).ok);
        QCOMPARE(Count(QStringLiteral("SELECT PaymentMethodID FROM Booking")), 2);
    }

    void takenBerthSavesNothing()
    {
        QVERIFY(BookingStore::SaveBooking(m_install->Db(), NewBooking({2}, {QStringLiteral("B2")})).ok);
        const auto second = BookingStore::SaveBooking(m_install->Db(), NewBooking({1, 2}, {QStringLiteral("A1"), QStringLiteral("B2")}));
        QVERIFY(!second.ok);
        QCOMPARE(second.takenBerths, QStringList{QStringLiteral("B2")});
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 1);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 1);
    }

    void failedStatementRollsBack()
    {
        QVERIFY(m_install->Exec(QStringLiteral("CREATE TRIGGER NoBerths BEFORE INSERT ON BookingBerth "
                                               "BEGIN SELECT RAISE(ABORT, 'disk trouble'); END")));
        const auto result = BookingStore::SaveBooking(m_install->Db(), NewBooking({1}, {QStringLiteral("A1")}));
        QVERIFY(!result.ok);
        QVERIFY(result.error.contains(QStringLiteral("disk trouble")));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 0);
    }

    void confirmationNumbers()
    {
        QCOMPARE(BookingStore::NextConfirmationNumber(m_install->Db()), 1);
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (BerthConfirmationNumber) VALUES (41), (NULL)")));
        QCOMPARE(BookingStore::NextConfirmationNumber(m_install->Db()), 42);
    }

    void cancel()
    {
        const auto saved = BookingStore::SaveBooking(m_install->Db(), NewBooking({1}, {QStringLiteral("A1")}));
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(!BookingStore::CancelBooking(m_install->Db(), saved.id, m_install->messages));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(BookingStore::CancelBooking(m_install->Db(), saved.id, m_install->messages));
        QCOMPARE(m_install->messages.calls.last().text, QStringLiteral("Do you want to delete existing reservation?"));
        QCOMPARE(m_install->messages.calls.last().title, QStringLiteral("Cancel booking"));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 0);
        QCOMPARE(BookingStore::CustomerLine(m_install->Db(), 1), QStringLiteral("Ann O'Neill, 4"));
    }
};

ZEM_TEST(tst_BookingStore)
#include "tst_BookingStore.moc"
