#include "common/InstallFixture.h"
#include "common/TestSupport.h"
#include "people/Boats.h"
#include "waiting/WaitingEntryDialog.h"
#include "waiting/WaitingList.h"
#include "waiting/WaitingListRows.h"

// The waiting list: what an entry may hold, its place by time added, and who is offered a berth that came free.
class tst_WaitingList : public InstallTest
{
    Q_OBJECT
    const QDateTime m_now = DateTimes::wallTime(QDate(2026, 6, 1), QTime(9, 0));

    void seed() override
    {
        // A1 and B2 are pontoon berths (type 2), A1 12 m long and closed to multihulls, B2 8 m; C3 is a slip.
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob'), (3, 'Cy')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, TypeID, TakesMultihulls, Active) VALUES "
                     u"(1, 'A1', 12, 2, 0, 1), (2, 'B2', 8, 2, 1, 1), (3, 'C3', 20, 1, 1, 1)"_s));
        // A1 is taken from 9 to 13 July by a booking that stays.
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(1, 3, '2026-07-09 14:00:00', '2026-07-13 10:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s));
    }

    int boat(int customer, const QString& name, int lengthCm, BoatKind kind = BoatKind::SailMonohull)
    {
        const BoatRecord b{0, customer, name, kind, lengthCm, {}, {}, {}, {}, {}, {}, {}, {}};
        return Boats::add(m_install->db(), b).valueOr(0);
    }
    int add(int customer, QDate from, QDate to, std::optional<int> boatId = {}, std::optional<int> type = 2,
            std::optional<int> minLength = {}, int minutesLater = 0)
    {
        const WaitingEntry e{0, customer, boatId, from, to, type, minLength, {}, {}, WaitingStatus::Waiting, {}};
        return WaitingList::add(m_install->db(), e, m_now.addSecs(60 * minutesLater)).valueOr(0);
    }

    using RefusedRow = std::tuple<QDate, QDate, int, int>;

private slots:
    void refused_data()
    {
        const DataRows<RefusedRow> row;
        const QDate july(2026, 7, 1);
        row("a period in the past", {QDate(2026, 5, 31), QDate(2026, 6, 5), 0, 1});
        row("ending before it starts", {july, july, 0, 1});
        row("a minimum length of 0", {july, QDate(), -1, 1});
        row("over 200 m", {july, QDate(), 20001, 1});
        row("no customer", {july, QDate(), 0, 0});
    }
    void refused()
    {
        const auto& [from, to, minLength, customer] = fetchRow<RefusedRow>();
        WaitingEntry e;
        e.customerId = customer;
        e.from = from;
        e.to = to;
        if (minLength)
            e.minLengthCm = std::max(minLength, 0); // -1 stands for a length of 0
        QCOMPARE(WaitingList::add(m_install->db(), e, m_now).kind(), FailureKind::Refused);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM WaitingEntry"_s), 0);
        QVERIFY(add(1, m_now.date(), QDate(), {}, {}) > 0); // today itself is not the past
    }

    void keptInTheOrderAdded()
    {
        const QDate july(2026, 7, 1);
        add(1, july, july.addDays(7), {}, 2, {}, 5);
        const int first = add(2, july, july.addDays(7), {}, 1, {}, 0);
        const int third = add(3, july, QDate(), {}, 2, {}, 9);
        auto all = WaitingList::lines(m_install->db());
        QVERIFY(all);
        QCOMPARE(all->size(), 3);
        QCOMPARE(all->at(0).entry.id, first);
        QCOMPARE(all->at(0).entry.added, m_now);
        QCOMPARE(all->at(1).customer + u' ' + QString::number(all->at(1).position), u"Ann 2"_s);

        // Withdrawing the first moves the others up; an offer records the day it was made.
        WaitingEntry withdrawn = all->at(0).entry;
        withdrawn.status = WaitingStatus::Withdrawn;
        QVERIFY(WaitingList::modify(m_install->db(), all->at(0).entry, withdrawn, m_now.date()));
        WaitingEntry offered = all->at(1).entry;
        offered.status = WaitingStatus::Offered;
        QVERIFY(WaitingList::modify(m_install->db(), all->at(1).entry, offered, QDate(2026, 6, 3)));
        // A desk still holding the old entry: withdrawing it too is asked about; its notes alone are saved beside
        // the offer.
        WaitingEntry stale = all->at(1).entry;
        stale.notes = u"rang back"_s;
        stale.status = WaitingStatus::Withdrawn;
        std::optional<FieldChanges::Merge<WaitingEntry>> merge;
        QCOMPARE(WaitingList::modify(m_install->db(), all->at(1).entry, stale, m_now.date(), &merge).kind(),
                 FailureKind::Conflict);
        QCOMPARE(merge->conflicts(), (QList<FieldChange>{{u"Status:"_s, u"Offered"_s, u"Withdrawn"_s}}));
        stale.status = WaitingStatus::Waiting;
        QVERIFY(WaitingList::modify(m_install->db(), all->at(1).entry, stale, m_now.date()));
        all = WaitingList::lines(m_install->db());
        QCOMPARE(all->at(0).position, 0);
        QCOMPARE(all->at(1).position, 1);
        QCOMPARE(all->at(1).entry.offeredOn, QDate(2026, 6, 3));
        QCOMPARE(all->at(1).entry.notes, u"rang back"_s);
        QCOMPARE(all->at(2).position, 2);
        const auto waitingPontoons = WaitingList::lines(m_install->db(), WaitingStatus::Waiting, 2);
        QCOMPARE(waitingPontoons->size(), 1);
        QCOMPARE(waitingPontoons->at(0).entry.id, third);
        QCOMPARE(WaitingList::statusNames().value(int(all->at(0).entry.status)), u"Withdrawn"_s);
    }

    // The entry window, when another desk offered the entry and changed its notes meanwhile: the offer is kept
    // unasked; the notes, typed here too, are asked about alone. Yes keeps theirs, No saves the typed ones.
    void windowAfterAnotherDesk_data()
    {
        const DataRows<bool> row;
        row("keep theirs", false);
        row("keep mine", true);
    }
    void windowAfterAnotherDesk()
    {
        const bool keepMine = fetchRow<bool>();
        const int id = add(1, QDate(2026, 7, 1), QDate(2026, 7, 8));
        const WaitingEntry loaded = WaitingList::lines(m_install->db())->at(0).entry;
        WaitingEntryDialog dialog(m_install->services, loaded);
        QVERIFY(dialog.load());
        control<QPlainTextEdit>(dialog, "txtNotes")->setPlainText(u"rang back"_s);
        QVERIFY(exec(u"UPDATE WaitingEntry SET Status = ?, Notes = 'called' WHERE ID = ?"_s,
                     {int(WaitingStatus::Offered), id}));
        m_install->messages.answers.enqueue(keepMine ? MsgResult::No : MsgResult::Yes);
        click(dialog, "cmdOK");
        VERIFY_HAS(said(),
                   u"waiting entry while you were editing it:\n\nNotes: theirs “called”, yours “rang back”\n\n"_s);
        QCOMPARE(m_install->text(u"SELECT COALESCE(Notes, '') || ' ' || Status FROM WaitingEntry WHERE ID = ?"_s, {id}),
                 (keepMine ? u"rang back %1"_s : u"called %1"_s).arg(int(WaitingStatus::Offered)));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // A booking of July on A1 and B2 was cancelled: who on the list can take them now.
    void offeredWhatNowFits()
    {
        const QDate july(2026, 7, 1);
        const int fitsA1 = add(1, july.addDays(4), july.addDays(7), boat(1, u"Swallow"_s, 1000));
        const int needsB2 = add(2, july.addDays(9), july.addDays(11), {}, {}, 700, 1);            // A1 is busy then
        add(3, QDate(2026, 8, 1), QDate(2026, 8, 5), {}, 2, {}, 2);                               // another month
        add(3, july, july.addDays(3), {}, 1, {}, 3);                                              // a slip
        add(2, july, july.addDays(3), boat(2, u"Cat"_s, 900, BoatKind::SailMultihull), 2, {}, 4); // B2 too short
        add(1, july, july.addDays(3), {}, 2, 1300, 5);                                            // longer than both
        const int anyLength = add(3, july.addDays(19), QDate(), {}, 2, {}, 6);
        const int withdrawn = add(3, july.addDays(2), july.addDays(4), {}, 2, {}, 7);
        const int atLeast11m = add(2, july.addDays(14), july.addDays(16), boat(2, u"Dinghy"_s, 700), 2, 1100, 8);
        add(1, QDate(2026, 6, 20), QDate(2026, 6, 25), {}, 2, {}, 9); // before the freed period
        QVERIFY(exec(u"UPDATE WaitingEntry SET Status = ? WHERE ID = ?"_s, {int(WaitingStatus::Withdrawn), withdrawn}));

        const auto offers = WaitingList::afterRelease(m_install->db(), {1, 2}, DateTimes::wallTime(july, QTime(14, 0)),
                                                      DateTimes::wallTime(july.addDays(30), QTime(10, 0)));
        QVERIFY2(offers, qPrintable(offers.error()));
        QStringList got;
        for (const WaitingOffer& offer : *offers)
            got << QString::number(offer.line.entry.id) + u':' + offer.berthNames.join(u',');
        QCOMPARE(got, (QStringList{u"%1:A1"_s.arg(fitsA1), u"%1:B2"_s.arg(needsB2), u"%1:A1,B2"_s.arg(anyLength),
                                   u"%1:A1"_s.arg(atLeast11m)}));
    }
};

ZEM_TEST(tst_WaitingList)
#include "tst_WaitingList.moc"
