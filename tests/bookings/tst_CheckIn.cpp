#include "bookings/BookingFigures.h"
#include "bookings/CheckIn.h"
#include "bookings/CheckInMenu.h"
#include "common/TestSupport.h"
#include "core/Registry.h"

using CheckIn::Stay;
using CheckIn::Timing;

Q_DECLARE_METATYPE(CheckIn::Stay)
Q_DECLARE_METATYPE(CheckIn::Timing)

namespace {
enum class Action
{
    Arrive,
    Depart,
    NoShow,
    PutBack
};
} // namespace
Q_DECLARE_METATYPE(Action)

// Check-in and check-out: the rules of a guest's stay, two desks at once, who is in the harbour after, and the
// day's no-shows confirmed from a list.
class tst_CheckIn : public InstallTest
{
    Q_OBJECT

    // Today is 4 December 2026, 09:15.
    QDate today() const { return m_install->clock.current.date(); }

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Lee'), (2, 'Bob Hale')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
    }

    void addBooking(int id, const QString& from, const QString& to, int status = 0, int cancelled = 0, int customer = 1)
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, Cancelled, "
                     u"Status) VALUES (?, ?, ?, ?, 0, 0, ?, ?)"_s,
                     {id, customer, from, to, cancelled, status}));
    }
    int statusOf(int id) const { return m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = ?"_s, {id}); }

    // status, cancelled, arrival's day from today, action, what the person agreed to, the failure (None: done), the
    // status after, a part of the refusal
    using Row = std::tuple<Stay, bool, int, Action, Timing, FailureKind, Stay, QString>;

private slots:
    void stayRules_data()
    {
        const DataRows<Row> row;
        const auto none = FailureKind::None;
        const auto no = FailureKind::Refused;
        row("expected arrives", {Stay::Expected, false, 0, Action::Arrive, Timing::OnTheDay, none, Stay::Arrived, {}});
        row("arrived departs", {Stay::Arrived, false, 0, Action::Depart, Timing::OnTheDay, none, Stay::Departed, {}});
        row("departed cannot arrive again",
            {Stay::Departed, false, 0, Action::Arrive, Timing::OnTheDay, no, Stay::Departed, u"already left"_s});
        row("cancelled cannot arrive",
            {Stay::Expected, true, 0, Action::Arrive, Timing::OnTheDay, no, Stay::Expected, u"cancelled"_s});
        row("cancelled cannot be a no-show",
            {Stay::Expected, true, 0, Action::NoShow, Timing::OnTheDay, no, Stay::Expected, u"cancelled"_s});
        row("check-out before check-in",
            {Stay::Expected, false, 0, Action::Depart, Timing::OnTheDay, no, Stay::Expected, u"not been checked in"_s});
        row("early arrival not agreed",
            {Stay::Expected, false, 1, Action::Arrive, Timing::OnTheDay, no, Stay::Expected, u"later than today"_s});
        row("early arrival agreed", {Stay::Expected, false, 1, Action::Arrive, Timing::Early, none, Stay::Arrived, {}});
        row("late arrival not agreed",
            {Stay::Expected, false, -1, Action::Arrive, Timing::Early, no, Stay::Expected, u"earlier than today"_s});
        row("late arrival agreed", {Stay::Expected, false, -1, Action::Arrive, Timing::Late, none, Stay::Arrived, {}});
        row("stay already ended",
            {Stay::Expected, false, -3, Action::Arrive, Timing::Late, no, Stay::Expected, u"stay ended"_s});
        row("no-show of the expected",
            {Stay::Expected, false, 0, Action::NoShow, Timing::OnTheDay, none, Stay::NoShow, {}});
        row("no-show only for the expected",
            {Stay::Arrived, false, 0, Action::NoShow, Timing::OnTheDay, no, Stay::Arrived, u"still expected"_s});
        row("no-show turns up after all",
            {Stay::NoShow, false, 0, Action::Arrive, Timing::OnTheDay, none, Stay::Arrived, {}});
        row("arrival undone", {Stay::Arrived, false, 0, Action::PutBack, Timing::OnTheDay, none, Stay::Expected, {}});
        row("departure undone", {Stay::Departed, false, 0, Action::PutBack, Timing::OnTheDay, none, Stay::Arrived, {}});
        row("no-show undone", {Stay::NoShow, false, 0, Action::PutBack, Timing::OnTheDay, none, Stay::Expected, {}});
    }
    void stayRules()
    {
        const auto& [before, cancelled, fromDay, action, agreed, failure, after, why] = fetchRow<Row>();
        // A stay of two nights from 14:00 on its arrival's day.
        addBooking(1, dbText(today().addDays(fromDay), 14), dbText(today().addDays(fromDay + 2), 10), int(before),
                   cancelled ? 1 : 0);
        if (before == Stay::Arrived || before == Stay::Departed)
            QVERIFY(
                exec(u"UPDATE Booking SET ArrivedAt = ?, ArrivedDesk = 'front' WHERE ID = 1"_s, {dbText(today(), 8)}));
        if (before == Stay::Departed)
            QVERIFY(exec(u"UPDATE Booking SET DepartedAt = ?, DepartedDesk = 'front' WHERE ID = 1"_s,
                         {dbText(today(), 9)}));
        const QDateTime now = m_install->clock.current;
        const QSqlDatabase db = m_install->db();
        Result<CheckIn::State> done = conflict({});
        switch (action) {
        case Action::Arrive:
            done = CheckIn::arrive(db, 1, now, u"desk-a"_s, agreed);
            break;
        case Action::Depart:
            done = CheckIn::depart(db, 1, now, u"desk-a"_s);
            break;
        case Action::NoShow:
            done = CheckIn::markNoShow(db, 1);
            break;
        case Action::PutBack:
            done = CheckIn::putBack(db, 1, before);
            break;
        }
        QCOMPARE(done.kind(), failure);
        VERIFY_HAS(done.error(), why);
        QCOMPARE(statusOf(1), int(after));
        if (done)
            QCOMPARE(done->stay, after);
        // The times and desks follow the stay: set on the step made, cleared by the step undone, kept on a refusal.
        const QString arrived = m_install->text(u"SELECT ArrivedDesk FROM Booking WHERE ID = 1"_s);
        const QString departed = m_install->text(u"SELECT DepartedDesk FROM Booking WHERE ID = 1"_s);
        QCOMPARE(arrived.isEmpty(), after == Stay::Expected || after == Stay::NoShow);
        QCOMPARE(departed.isEmpty(), after != Stay::Departed);
        if (done && action == Action::Arrive) {
            QCOMPARE(arrived, u"desk-a"_s);
            QCOMPARE(DateTimes::readDateTime(m_install->value(u"SELECT ArrivedAt FROM Booking WHERE ID = 1"_s)), now);
        }
    }

    void twoDesksCheckInTheSameGuest()
    {
        addBooking(1, dbText(today(), 8), dbText(today().addDays(1), 10));
        OtherDesk desk(*m_install);
        QVERIFY2(desk, qPrintable(desk.error()));
        const QDateTime first = m_install->clock.current;
        // Both desks see the guest expected; the first checks in, the second is told who did and when.
        QCOMPARE(CheckIn::load(*desk, 1)->stay, Stay::Expected);
        QVERIFY(CheckIn::arrive(m_install->db(), 1, first, u"front"_s));
        const auto second = CheckIn::arrive(*desk, 1, first.addSecs(60), u"pontoon"_s);
        QCOMPARE(second.kind(), FailureKind::Conflict);
        VERIFY_HAS(second.error(), u"front"_s);
        VERIFY_HAS(second.error(), first.toString(DateTimes::dateTimeFormat()));
        QCOMPARE(m_install->text(u"SELECT ArrivedDesk FROM Booking WHERE ID = 1"_s), u"front"_s);
        // The same for a check-out, and an undo of what the other desk has moved on from.
        QVERIFY(CheckIn::depart(*desk, 1, first.addSecs(120), u"pontoon"_s));
        QCOMPARE(CheckIn::depart(m_install->db(), 1, first.addSecs(180), u"front"_s).kind(), FailureKind::Conflict);
        QCOMPARE(CheckIn::putBack(m_install->db(), 1, Stay::Arrived).kind(), FailureKind::Conflict);
        QCOMPARE(statusOf(1), int(Stay::Departed));
    }

    // At 11:00: who is in goes by the check-in where there is one, by the dates where the guest is still expected.
    void inTheHarbourFollowsTheStay()
    {
        m_install->clock.current = DateTimes::wallTime(today(), QTime(11, 0));
        addBooking(1, dbText(today().addDays(-2), 14), dbText(today().addDays(2), 10)); // expected, in
        addBooking(2, dbText(today().addDays(-2), 14), dbText(today().addDays(1), 10)); // left at 10:30
        addBooking(3, dbText(today().addDays(1), 14), dbText(today().addDays(3), 10), int(Stay::Arrived)); // came early
        addBooking(4, dbText(today().addDays(-3), 14), dbText(today().addDays(-1), 10), int(Stay::Arrived)); // stays on
        addBooking(5, dbText(today(), 9), dbText(today().addDays(2), 10), int(Stay::NoShow));
        addBooking(6, dbText(today(), 10), dbText(today(), 16), 0, 0, 2); // expected today, in by the dates
        QVERIFY(exec(u"UPDATE Booking SET Status = 1 WHERE ID = 2"_s));
        QVERIFY(CheckIn::depart(m_install->db(), 2, DateTimes::wallTime(today(), QTime(10, 30)), u"front"_s));
        const auto lists = BookingFigures::today(m_install->db(), m_install->clock.current);
        QVERIFY2(lists, qPrintable(lists.error()));
        QCOMPARE(idsOf(lists->inHarbour), QList<int>({4, 6, 1, 3}));
        QCOMPARE(idsOf(lists->arrivals), QList<int>({5, 6}));
        QCOMPARE(lists->arrivals.first().stay, Stay::NoShow);
        QCOMPARE(lists->inHarbour.first().stay, Stay::Arrived);
    }

    void noShowsConfirmedFromTheList()
    {
        m_install->clock.current = DateTimes::wallTime(today(), QTime(18, 30));
        addBooking(1, dbText(today(), 9), dbText(today().addDays(1), 10));
        addBooking(2, dbText(today(), 12), dbText(today().addDays(1), 10), 0, 0, 2);
        addBooking(3, dbText(today(), 19), dbText(today().addDays(1), 10));                    // due later tonight
        addBooking(4, dbText(today(), 9), dbText(today().addDays(1), 10), int(Stay::Arrived)); // in
        addBooking(5, dbText(today(), 9), dbText(today().addDays(1), 10), 0, 1);               // cancelled
        addBooking(6, dbText(today().addDays(1), 9), dbText(today().addDays(2), 10));          // tomorrow
        QVERIFY(CheckIn::pastClosingTime(m_install->clock.current));
        // An office that closes later is not asked yet.
        Registry::setRegistryValue(Settings::OfficeClosingTime, u"19:00:00"_s);
        QVERIFY(!CheckIn::pastClosingTime(m_install->clock.current));
        const auto candidates = CheckIn::noShowCandidates(m_install->db(), m_install->clock.current);
        QVERIFY2(candidates, qPrintable(candidates.error()));
        QStringList proposed;
        for (const auto& c : *candidates)
            proposed << QString::number(c.state.bookingId) + (c.pastDue ? u"!"_s : u""_s);
        QCOMPARE(proposed, QStringList({u"1!"_s, u"2!"_s, u"3"_s}));

        // The clerk unticks Bob, who phoned; nothing is marked but what stays ticked, and only on confirming.
        onNextModal([](QDialog* dialog) { dialog->reject(); });
        QVERIFY(!CheckInMenu::confirmNoShows(m_install->services, nullptr));
        QCOMPARE(m_install->joined(u"SELECT Status FROM Booking ORDER BY ID"_s), u"0,0,0,1,0,0"_s);
        onNextModal([](QDialog* dialog) {
            auto* list = control<QListWidget>(*dialog, "lstNoShows");
            QCOMPARE(list->count(), 3);
            list->item(1)->setCheckState(Qt::Unchecked);
            click(*dialog, "cmdOK");
        });
        QVERIFY(CheckInMenu::confirmNoShows(m_install->services, nullptr));
        QCOMPARE(m_install->joined(u"SELECT Status FROM Booking ORDER BY ID"_s), u"3,0,0,1,0,0"_s);
        VERIFY_HAS(logText(), u"[Guest did not arrive]\r\nBooking 1, Ann Lee, "_s);
        QCOMPARE(logText().count(u"[Guest did not arrive]"_s), 1);
    }
};

ZEM_TEST(tst_CheckIn)
#include "tst_CheckIn.moc"
