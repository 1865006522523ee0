#include "berths/BookingChart.h"
#include "berths/BookingChartAway.h"
#include "berths/BookingChartPrint.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BookingFigures.h"
#include "bookings/BookingStore.h"
#include "bookings/HeldBerths.h"
#include "bookings/HolderCredits.h"
#include "bookings/Ledger.h"
#include "common/TestSupport.h"
#include "contracts/AwayPeriods.h"
#include "contracts/ContractStore.h"

namespace {
QDate day(int month, int d)
{
    return QDate(month >= 4 ? 2026 : 2027, month, d);
}
QDateTime at(const QDate& d, int h)
{
    return DateTimes::wallTime(d, QTime(h, 0));
}
Money pence(qint64 p)
{
    return Money::fromPence(p);
}
} // namespace

using AwayRow = std::tuple<QDate, QDate, QString>;
using MarkRow = std::tuple<QDate, int, std::optional<std::pair<double, double>>>;
using SpanRow = std::tuple<QList<HeldBerths::Away>, QList<std::pair<QDate, QDate>>>;

// A holder away: the contract's berth let to visitors for those nights, the hold back on the day of return, and the
// holder credited a share of what each visitor pays, taken back in proportion by a refund.
class tst_AwayPeriods : public InstallTest
{
    Q_OBJECT

    int m_contract = 0;

    // Ann holds P1 from 1 June 2026 to 31 March 2027; P2 is free. No tax, so the visitor's hire is what is paid.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (70, 'Pontoon')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, Active) VALUES (1, 'P1', 70, 10, 1), "
                     u"(2, 'P2', 70, 10, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Holder'), (2, 'Bob Visitor')"_s));
        QVERIFY(exec(u"DELETE FROM Tax"_s));
        ContractRecord c;
        c.customerId = 1;
        c.firstDay = day(6, 1);
        c.lastDay = day(3, 31);
        c.berthIds = {1};
        c.hire = Money::fromPence(100000);
        c.plan = ContractPlan::split(c.hire, 1, c.firstDay, c.lastDay);
        const auto id = ContractStore::add(m_install->db(), c, m_install->clock.current);
        QVERIFY2(id, qPrintable(id.error()));
        m_contract = *id;
    }

    Result<int> away(const QDate& first, const QDate& back, int id = 0) const
    {
        return AwayPeriods::save(m_install->db(), {id, m_contract, first, back, {}}, m_install->clock.current);
    }
    Result<BookingStore::SavedBooking> visit(QList<int> berths, const QDate& arrival, const QDate& departure,
                                             Money hire) const
    {
        BookingRecord b;
        b.customerId = 2;
        b.fromDate = at(arrival, 14);
        b.toDate = at(departure, 10);
        b.costOfHire = hire;
        b.totalPayable = hire;
        b.berthIds = berths;
        for (const int berth : berths)
            b.berthNames << u"P%1"_s.arg(berth);
        b.savedAt = m_install->clock.current;
        return BookingStore::saveBooking(m_install->db(), b);
    }
    Money paid(Ledger::Kind kind, int booking, Money amount) const
    {
        const auto done = Ledger::record(m_install->db(), booking, {kind, {}, amount, {}, {}}, m_install->clock.current,
                                         Ledger::deskName());
        if (!done)
            qWarning() << done.error();
        return done ? done->paid : Money();
    }
    Money credited() const
    {
        return Money::fromDb(*Sql::scalar(
            m_install->db(), u"SELECT COALESCE(SUM(Amount), 0) FROM Payment WHERE ContractID = ? AND Kind = 5"_s,
            {m_contract}));
    }
    bool freeOn(int berth, const QDate& arrival, const QDate& departure) const
    {
        return !BerthAvailability::busyBerths(m_install->db(), at(arrival, 14), at(departure, 10), 0)->contains(berth);
    }

private slots:
    // Away from 1 to 15 November: the chart shows a band of its own on P1 from noon of the 1st to noon of the 15th
    // wherever the window meets it, naming the holder and the day back, and nothing on P2 or outside it.
    void awayBandOnTheChart_data()
    {
        const DataRows<MarkRow> row;
        row("whole absence in view", {day(10, 30), 21, std::pair(2.5, 16.5)});
        row("begun before the window", {day(11, 5), 7, std::pair(-3.5, 10.5)});
        row("the morning of the return in view", {day(11, 15), 7, std::pair(-13.5, 0.5)});
        row("the week before", {day(10, 20), 7, std::nullopt});
        row("from the day after the return", {day(11, 16), 7, std::nullopt});
    }
    void awayBandOnTheChart()
    {
        const auto& [first, days, band] = fetchRow<MarkRow>();
        QVERIFY(away(day(11, 1), day(11, 15)));
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()));
        QVERIFY(chart.read(m_install->db(), first, days));
        const auto marks = BookingChartAway::read(m_install->db(), chart, 0, int(chart.rows().size()) - 1);
        QVERIFY2(marks, qPrintable(marks.error()));
        QCOMPARE(marks->size(), band ? size_t(1) : size_t(0));
        if (!band)
            return;
        const BookingChartAway::Mark& mark = marks->front();
        QCOMPARE(mark.row, chart.rowOf(1));
        QCOMPARE(std::pair(mark.start, mark.end), *band);
        VERIFY_HAS(mark.label, u"Ann Holder"_s);
        VERIFY_HAS(mark.label, DateTimes::dateText(day(11, 15)));
        VERIFY_HAS(mark.tip, DateTimes::dateText(day(11, 1)));
        // Rows asked for that do not hold P1 get nothing.
        QVERIFY(BookingChartAway::read(m_install->db(), chart, chart.rowOf(2), chart.rowOf(2))->empty());
    }

    // On paper as on the screen: the band from noon of the 1st to noon of the 15th on P1's line wherever no visitor's
    // bar stands, the visitor's stay between its two parts, and the line as wide as the days.
    void awayBandPrinted()
    {
        QVERIFY(away(day(11, 1), day(11, 15)));
        const auto stay = visit({1}, day(11, 5), day(11, 8), pence(9000));
        QVERIFY2(stay, qPrintable(stay.error()));
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()) && chart.read(m_install->db(), day(10, 30), 21));
        const int rows = int(chart.rows().size()) - 1;
        const auto bars = chart.bars(m_install->db(), 0, rows);
        const auto marks = BookingChartAway::read(m_install->db(), chart, 0, rows);
        QVERIFY(bars && marks);
        const Doc::Document doc = BookingChartPrint::document(chart, *bars, u"Chart"_s, *marks);
        QList<Doc::Cell> line;
        for (const Doc::Record& record : doc.body)
            for (const Doc::Block& block : record)
                if (!block.cells.isEmpty() && block.cells.first().text == u"P1"_s)
                    line = block.cells;
        QVERIFY(!line.isEmpty());
        QStringList kinds;
        QList<std::pair<double, double>> bands;
        double at = -line.first().share; // the berth's name, before the chart's first day
        for (const Doc::Cell& cell : std::as_const(line)) {
            if (cell.text.contains(u"away, back "_s + DateTimes::dateText(day(11, 15))))
                bands.append({at, at + cell.share});
            kinds << (cell.text.contains(u"away"_s) ? u"away"_s : cell.text.contains(u"Bob"_s) ? u"visitor"_s : u""_s);
            at += cell.share;
        }
        QCOMPARE(at, 21.0);
        QCOMPARE(bands.size(), 2);
        QCOMPARE(bands.first().first, 2.5);
        QCOMPARE(bands.last().second, 16.5);
        const qsizetype visitor = kinds.indexOf(u"visitor"_s);
        QVERIFY(visitor > 0 && kinds.value(visitor - 1) == u"away"_s && kinds.value(visitor + 1) == u"away"_s);
        // Without the marks the line is as before: no band.
        const Doc::Document plain = BookingChartPrint::document(chart, *bars, u"Chart"_s);
        for (const Doc::Record& record : plain.body)
            for (const Doc::Block& block : record)
                for (const Doc::Cell& cell : block.cells)
                    QVERIFY(!cell.text.contains(u"away"_s));
    }

    // The wizard's berth list names a holder's berth free while they are away, with the day back; a plain free
    // berth, and the berth once the holder is back, read as before.
    void awayBerthNamedInTheWizard()
    {
        QVERIFY(away(day(11, 1), day(11, 15)));
        BerthGridModel grid;
        const auto list = [&](const QDate& arrival, const QDate& departure) {
            grid.setBerths(*BerthAvailability::freeBerths(m_install->db(), at(arrival, 14), at(departure, 10), 0));
            grid.setAway(*HeldBerths::awayOver(m_install->db(), at(arrival, 14), at(departure, 10)));
            QStringList names;
            for (int r = 0; r < grid.rowCount(); ++r)
                names << grid.index(r, BerthGridModel::ColName).data().toString();
            return names;
        };
        QCOMPARE(list(day(11, 3), day(11, 6)),
                 QStringList({u"P1 (holder's, back %1)"_s.arg(DateTimes::dateText(day(11, 15))), u"P2"_s}));
        VERIFY_HAS(grid.index(0, BerthGridModel::ColName).data(Qt::ToolTipRole).toString(), u"Ann Holder"_s);
        QVERIFY(!grid.index(1, BerthGridModel::ColName).data(Qt::ToolTipRole).isValid());
        QCOMPARE(list(day(11, 16), day(11, 18)), QStringList{u"P2"_s});
        QCOMPARE(list(day(11, 14), day(11, 16)), QStringList{u"P2"_s});
    }

    // The end to end: away in November, P1 let to a visitor, paid in two parts, refunded in part; the credit
    // at each step against the share worked out here, and the contract's balance owing that much less.
    void letWhileAwayAndHolderCredited()
    {
        QSqlDatabase db = m_install->db();
        QVERIFY(!freeOn(1, day(11, 3), day(11, 6)));
        const auto id = away(day(11, 1), day(11, 15));
        QVERIFY2(id, qPrintable(id.error()));
        QVERIFY(freeOn(1, day(11, 1), day(11, 15)));
        // The return day is the holder's: a stay into it, or past it, finds the berth held again.
        QVERIFY(!freeOn(1, day(11, 14), day(11, 16)));
        QVERIFY(!visit({1}, day(11, 13), day(11, 16), pence(9000)));
        QVERIFY(!visit({1}, day(10, 30), day(11, 3), pence(9000)));
        const auto free = BerthAvailability::freeBerths(db, at(day(11, 3), 14), at(day(11, 6), 10), 0);
        QVERIFY(free && free->size() == 2);

        // A stay of three nights on P1 (away) and P2: half its berth-nights are the holder's, 50 % of those.
        const auto stay = visit({1, 2}, day(11, 12), day(11, 15), pence(10001));
        QVERIFY2(stay, qPrintable(stay.error()));
        const qint64 share = (10001 * 3 * 50 * 2 + 6 * 100) / (2 * 6 * 100); // 2500.25 → 2500
        QCOMPARE(credited(), Money());
        QCOMPARE(paid(Ledger::Kind::Deposit, stay->id, pence(4000)), pence(4000));
        QCOMPARE(credited(), pence((share * 4000 * 2 + 10001) / (2 * 10001))); // 999.9 → 1000
        QCOMPARE(paid(Ledger::Kind::Payment, stay->id, pence(6001)), pence(10001));
        QCOMPARE(credited(), pence(share));
        // Paid beyond the total earns nothing more; a refund takes back its part.
        QCOMPARE(paid(Ledger::Kind::Payment, stay->id, pence(500)), pence(10501));
        QCOMPARE(credited(), pence(share));
        QCOMPARE(paid(Ledger::Kind::Refund, stay->id, pence(3000)), pence(7501));
        QCOMPARE(credited(), pence((share * 7501 * 2 + 10001) / (2 * 10001))); // 1875.44 → 1875

        // One credit line per visitor's line that moved it, each tied to it, on the contract's own ledger.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM AwayCredit"_s), 3);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(DISTINCT PaymentID) FROM AwayCredit"_s), 3);
        const auto contract = ContractStore::load(db, m_contract);
        QVERIFY(contract);
        QCOMPARE(contract->paid, pence(1875));
        QCOMPARE(contract->balance(), pence(100000 - 1875));
        const auto list = HolderCredits::list(db, day(6, 1), day(3, 31));
        QVERIFY(list && list->size() == 3);
        QCOMPARE(list->first().holder, u"Ann Holder"_s);
        QCOMPARE(list->first().visitor, u"Bob Visitor"_s);
        QCOMPARE(list->last().amount, pence(1875 - share));

        // A stay on a berth no holder is away from credits nobody; the company's share is its own to set.
        const auto other = visit({2}, day(12, 1), day(12, 3), pence(5000));
        QVERIFY(other);
        paid(Ledger::Kind::Payment, other->id, pence(5000));
        QCOMPARE(credited(), pence(1875));
        QVERIFY(HolderCredits::setShare(db, 40));
        QCOMPARE(*HolderCredits::share(db), 40);
        QVERIFY(!HolderCredits::setShare(db, 101));
    }

    void refusals_data()
    {
        const DataRows<AwayRow> row;
        row("before the term", {day(5, 30), day(6, 10), u"within the contract's term"_s});
        row("back after the term", {day(3, 20), QDate(2027, 4, 2), u"within the contract's term"_s});
        row("back before away", {day(11, 10), day(11, 10), u"must come after"_s});
        row("over another absence", {day(11, 14), day(11, 20), u"already away"_s});
        row("no day", {QDate(), day(11, 20), u"Enter the first day"_s});
    }
    // Refused with what is wrong, and nothing of the hold changed.
    void refusals()
    {
        const auto& [first, back, message] = fetchRow<AwayRow>();
        QVERIFY(away(day(11, 1), day(11, 15)));
        const int blocks = m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s);
        const auto saved = away(first, back);
        QVERIFY(!saved);
        QVERIFY2(saved.error().contains(message), qPrintable(saved.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ContractAway"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), blocks);
    }

    // Nights a visitor has taken stay theirs: the absence is not removed or cut back over them; cut back elsewhere,
    // lengthened, or removed once the berth is empty, the hold follows.
    void visitorsKeepTheirNights()
    {
        QSqlDatabase db = m_install->db();
        const auto id = away(day(11, 1), day(11, 15));
        QVERIFY(id);
        QVERIFY(visit({1}, day(11, 5), day(11, 8), pence(3000)));
        const Status removed = AwayPeriods::remove(db, *id);
        QVERIFY(!removed);
        QVERIFY2(removed.error().contains(u"cannot be removed"_s), qPrintable(removed.error()));
        QVERIFY(!away(day(11, 6), day(11, 15), *id));
        QVERIFY(!away(day(11, 1), day(11, 7), *id));
        QVERIFY(freeOn(1, day(11, 10), day(11, 12)));
        // Back on the morning the visitor leaves: the visitor is gone by noon.
        QVERIFY(away(day(11, 1), day(11, 8), *id));
        QVERIFY(!freeOn(1, day(11, 10), day(11, 12)));
        QVERIFY(away(day(10, 20), day(11, 30), *id));
        QVERIFY(freeOn(1, day(11, 20), day(11, 30)));
        QCOMPARE(AwayPeriods::list(db, m_contract)->size(), 1);
        // A cancelled contract holds nothing, so there is no absence to report.
        QVERIFY(ContractStore::cancel(db, m_contract));
        const auto late = away(day(1, 5), day(1, 9));
        QVERIFY(!late && late.error().contains(u"cancelled"_s));
    }

    // The figures sell a held berth's nights, the away nights once (the visitor's, where let), and nothing of a
    // contract cancelled: with no contract, the visitors' nights alone.
    void figuresCountHeldNights()
    {
        QSqlDatabase db = m_install->db();
        QVERIFY(away(day(11, 1), day(11, 15)));
        QVERIFY(visit({1}, day(11, 5), day(11, 8), pence(3000)));
        QVERIFY(visit({2}, day(11, 14), day(11, 16), pence(2000)));
        const auto sold = [&](BookingFigures::Step step, const QDate& first, const QDate& last) {
            const auto read = BookingFigures::nightsSold(db, BookingFigures::steps(first, last, step));
            QList<qint64> nights;
            if (read)
                for (const QHash<int, qint64>& span : *read)
                    nights << span.value(70);
            return nights;
        };
        // November: P1 held 16 nights and let 3, P2 let 2; October all held.
        QCOMPARE(sold(BookingFigures::Step::Month, day(10, 1), day(11, 30)), (QList<qint64>{31, 16 + 3 + 2}));
        QCOMPARE(sold(BookingFigures::Step::Day, day(10, 31), day(11, 1)), (QList<qint64>{1, 0}));
        QCOMPARE(sold(BookingFigures::Step::Day, day(11, 13), day(11, 16)), (QList<qint64>{0, 1, 2, 1}));
        QCOMPARE(sold(BookingFigures::Step::Week, day(11, 2), day(11, 8)), (QList<qint64>{3}));
        QVERIFY(ContractStore::cancel(db, m_contract));
        QCOMPARE(sold(BookingFigures::Step::Month, day(10, 1), day(11, 30)), (QList<qint64>{0, 5}));
    }

    void spans_data()
    {
        const DataRows<SpanRow> row;
        const QDate f(2026, 6, 1);
        const QDate l(2026, 6, 30);
        row("none", {{}, {{f, l.addDays(1)}}});
        row("middle", {{{QDate(2026, 6, 10), QDate(2026, 6, 12)}},
                       {{f, QDate(2026, 6, 10)}, {QDate(2026, 6, 12), l.addDays(1)}}});
        row("from the start", {{{f, QDate(2026, 6, 5)}}, {{QDate(2026, 6, 5), l.addDays(1)}}});
        row("to the end", {{{QDate(2026, 6, 25), l.addDays(1)}}, {{f, QDate(2026, 6, 25)}}});
        row("two, given out of order",
            {{{QDate(2026, 6, 20), QDate(2026, 6, 22)}, {QDate(2026, 6, 3), QDate(2026, 6, 4)}},
             {{f, QDate(2026, 6, 3)}, {QDate(2026, 6, 4), QDate(2026, 6, 20)}, {QDate(2026, 6, 22), l.addDays(1)}}});
        row("the whole term", {{{f, l.addDays(1)}}, {}});
    }
    // The term less each absence, noon to noon.
    void spans()
    {
        const auto& [away, expected] = fetchRow<SpanRow>();
        QList<HeldBerths::Span> want;
        for (const auto& [from, to] : expected)
            want.append({at(from, 12), at(to, 12)});
        QCOMPARE(HeldBerths::heldSpans(QDate(2026, 6, 1), QDate(2026, 6, 30), away), want);
    }

    // A server refuses at commit a visitor's stay written past the return day, whoever wrote it.
    void serverKeepsTheReturnDay()
    {
        if (TestMain::currentEngine() != TestMain::Engine::PostgreSQL)
            QSKIP("a file has no check at commit: every desk saves through the store");
        QSqlDatabase db = m_install->db();
        QVERIFY(away(day(11, 1), day(11, 15)));
        for (const auto& [to, kept] : {std::pair{u"2026-11-15 10:00:00"_s, true}, {u"2026-11-16 10:00:00"_s, false}}) {
            QVERIFY(db.transaction());
            QVERIFY(
                exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (90, 2, '2026-11-12 14:00:00', "
                     u"?)"_s,
                     {to}));
            QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (90, 1)"_s));
            QCOMPARE(db.commit(), kept);
            if (!kept)
                db.rollback();
            QVERIFY(exec(u"DELETE FROM BookingBerth WHERE BookingID = 90"_s));
            QVERIFY(exec(u"DELETE FROM Booking WHERE ID = 90"_s));
        }
    }
};

ZEM_TEST(tst_AwayPeriods)
#include "tst_AwayPeriods.moc"
