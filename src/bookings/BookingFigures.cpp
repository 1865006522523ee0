#include "bookings/BookingFigures.h"

#include "bookings/HeldBerths.h"
#include "bookings/Ledger.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <algorithm>

namespace BookingFigures {

namespace {

constexpr qint64 MinutesPerDay = 1440;
// Added before dividing so that minutes before 2000 (negative) also round down to their day; a whole number of
// days, so it drops out of every difference of two days.
constexpr qint64 DayShift = MinutesPerDay * 1000000;

qint64 minuteOf(const QDate& day)
{
    return PeriodIndex::floorMinute(DateTimes::wallTime(day));
}

QVariant dayStart(const QDate& day)
{
    return DateTimes::dbDateTime(DateTimes::wallTime(day));
}

/// Reads the lines of the bookings that `where` picks from Booking B (with binds), in `order`, with their berths.
Result<QList<Line>> readLines(const QSqlDatabase& db, const QString& from, const QString& where,
                              const QVariantList& binds, const QString& order, const PaymentTerms& terms,
                              const QDate& today)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT B.ID, B.FromDate, B.ToDate, C.Name, BO.Name, BE.ID, BE.Name, "
                                       "B.Status, B.ArrivedAt, B.DepartedAt, ") +
                        Ledger::accountColumns(QStringLiteral("B")) +
                        QStringLiteral(" FROM %1 "
                                       "LEFT JOIN Customer C ON C.ID = B.CustomerID "
                                       "LEFT JOIN Boat BO ON BO.ID = B.BoatID "
                                       "LEFT JOIN BookingBerth BB ON BB.BookingID = B.ID "
                                       "LEFT JOIN Berth BE ON BE.ID = BB.BerthID "
                                       "WHERE B.Cancelled = 0 AND %2 ORDER BY %3, B.ID, %4")
                            .arg(from, where, order, Dialect::of(db).insertOrder(QStringLiteral("BB")));
    QString error;
    if (!Sql::exec(q, sql, binds, &error))
        return databaseFailure(error);
    QList<Line> lines;
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (lines.isEmpty() || lines.last().bookingId != id) {
            Line line;
            line.bookingId = id;
            line.fromDate = DateTimes::readDateTime(q.value(1));
            line.toDate = DateTimes::readDateTime(q.value(2));
            line.customer = q.value(3).toString();
            line.boat = q.value(4).toString();
            line.stay = CheckIn::stayOf(q.value(7).toInt());
            line.arrivedAt = DateTimes::readDateTime(q.value(8));
            line.departedAt = DateTimes::readDateTime(q.value(9));
            const Ledger::Account held = Ledger::accountFrom(q, 10);
            line.balance = held.balance();
            line.due = held.due(terms, today);
            lines.append(line);
        }
        if (!q.value(5).isNull())
            lines.last().berths << q.value(6).toString();
    }
    return lines;
}

/// Booking B restricted to the bookings the period index holds over [afterMinute, beforeMinute).
QString indexedBookings(const PeriodIndex::Condition& condition)
{
    return QStringLiteral("(SELECT DISTINCT %1 AS BookingID FROM %3 WHERE %2) D "
                          "JOIN Booking B ON B.ID = D.BookingID")
        .arg(PeriodIndex::bookingIdSql(), condition.sql, condition.from);
}

/// The first day of each month from first's to last's.
QList<QDate> monthsOf(const QDate& first, const QDate& last)
{
    QList<QDate> months;
    for (QDate m(first.year(), first.month(), 1); m <= last; m = m.addMonths(1))
        months << m;
    return months;
}

/// Where a month's key ('yyyy-MM') falls in the months from firstMonth: -1 (or past the end) for another.
int monthIndex(const QList<QDate>& months, const QString& key)
{
    const QDate month = QDate::fromString(key + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    if (!month.isValid() || months.isEmpty())
        return -1;
    return (month.year() - months.first().year()) * 12 + month.month() - months.first().month();
}

} // namespace

Result<Today> today(const QSqlDatabase& db, const QDateTime& now)
{
    const QDate day = now.date();
    const QVariant start = dayStart(day);
    const QVariant end = dayStart(day.addDays(1));
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    const auto read = [&](const QString& from, const QString& where, const QVariantList& binds, const QString& order) {
        return readLines(db, from, where, binds, order, *terms, day);
    };
    Today result;

    auto arrivals = read(QStringLiteral("Booking B"), QStringLiteral("B.FromDate >= ? AND B.FromDate < ?"),
                         {start, end}, QStringLiteral("B.FromDate"));
    if (!arrivals)
        return arrivals.failure();
    result.arrivals = *arrivals;

    // Departures and who is in are found through the period index, which the dates' index cannot do by ToDate.
    const auto ofToday =
        PeriodIndex::touching(db, DateTimes::wallTime(day), true, DateTimes::wallTime(day.addDays(1)), false);
    auto departures = read(indexedBookings(ofToday), QStringLiteral("B.ToDate >= ? AND B.ToDate < ?"),
                           ofToday.binds + QVariantList{start, end}, QStringLiteral("B.ToDate"));
    if (!departures)
        return departures.failure();
    result.departures = *departures;

    const QVariant at = DateTimes::dbDateTime(now);
    const auto ofNow = PeriodIndex::touching(db, now, false, now, true);
    // Who is in goes by the dates while a guest is expected, and by the check-in once there is one: a guest checked
    // out at 10:30 is gone, one checked in early or staying on is here. The checked-in are few (a partial index).
    auto inHarbour = read(indexedBookings(ofNow), QStringLiteral("B.Status = 0 AND B.FromDate <= ? AND B.ToDate > ?"),
                          ofNow.binds + QVariantList{at, at}, QStringLiteral("B.ToDate"));
    auto checkedIn = read(QStringLiteral("Booking B"), QStringLiteral("B.Status = 1"), {}, QStringLiteral("B.ToDate"));
    if (!inHarbour || !checkedIn)
        return inHarbour ? checkedIn.failure() : inHarbour.failure();
    result.inHarbour = *inHarbour + *checkedIn;
    std::stable_sort(result.inHarbour.begin(), result.inHarbour.end(), [](const Line& a, const Line& b) {
        return std::pair(a.toDate, a.bookingId) < std::pair(b.toDate, b.bookingId);
    });

    auto owing = read(QStringLiteral("Booking B"),
                      QStringLiteral("B.FromDate >= ? AND B.FromDate < ? AND ") + Ledger::owesSql(QStringLiteral("B")),
                      {start, dayStart(day.addDays(8))}, QStringLiteral("B.FromDate"));
    if (!owing)
        return owing.failure();
    result.owingSoon = *owing;
    return result;
}

QList<Span> steps(const QDate& first, const QDate& last, Step step)
{
    QList<Span> spans;
    if (!first.isValid() || !last.isValid())
        return spans;
    for (QDate start = first; start <= last;) {
        QDate next;
        switch (step) {
        case Step::Day:
            next = start.addDays(1);
            break;
        case Step::Week:
            next = start.addDays(8 - start.dayOfWeek());
            break;
        case Step::Month:
            next = QDate(start.year(), start.month(), 1).addMonths(1);
            break;
        }
        spans.append({start, std::min(next.addDays(-1), last)});
        start = next;
    }
    return spans;
}

Result<QHash<int, QString>> berthTypes(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, Type FROM BerthType"), {}, &error))
        return databaseFailure(error);
    QHash<int, QString> types;
    while (q.next())
        types.insert(q.value(0).toInt(), q.value(1).toString());
    return types;
}

Result<QHash<int, int>> activeBerths(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT coalesce(TypeID, 0), COUNT(*) FROM Berth WHERE Active <> 0 "
                                  "GROUP BY coalesce(TypeID, 0)"),
                   {}, &error))
        return databaseFailure(error);
    QHash<int, int> counts;
    while (q.next())
        counts.insert(q.value(0).toInt(), q.value(1).toInt());
    return counts;
}

namespace {
/// The nights an index entry sells in [P0, P1): the midnights after max(from, P0) up to min(to, P1). The two
/// bounds bind twice each, first P1 then P0.
QString nightsInSpanSql()
{
    return QStringLiteral("(CASE WHEN P.ToMinute < CAST(? AS BIGINT) THEN P.ToMinute ELSE CAST(? AS BIGINT) END "
                          "+ %1) / %2 - (CASE WHEN P.FromMinute > CAST(? AS BIGINT) THEN P.FromMinute "
                          "ELSE CAST(? AS BIGINT) END + %1) / %2")
        .arg(DayShift)
        .arg(MinutesPerDay);
}
} // namespace

namespace {
bool wholeMonth(const Span& span)
{
    return span.first.day() == 1 && span.last == span.first.addMonths(1).addDays(-1);
}
QString monthKey(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM"));
}
/// A month as BerthMonth numbers it.
int monthNumber(const QDate& day)
{
    return day.year() * 12 + day.month() - 1;
}
} // namespace

Result<QList<QHash<int, qint64>>> nightsSold(const QSqlDatabase& db, const QList<Span>& spans)
{
    QList<QHash<int, qint64>> result(spans.size());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // Whole calendar months are read from the nights kept per berth and month, all in one query.
    QHash<int, int> months;
    for (int i = 0; i < spans.size(); ++i)
        if (wholeMonth(spans[i]))
            months.insert(monthNumber(spans[i].first), i);
    if (!months.isEmpty()) {
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT M.Month, coalesce(BE.TypeID, 0), SUM(M.Nights) FROM BerthMonth M "
                                      "JOIN Berth BE ON BE.ID = M.BerthID WHERE M.Month >= ? AND M.Month <= ? "
                                      "AND BE.Active <> 0 GROUP BY M.Month, coalesce(BE.TypeID, 0)"),
                       {monthNumber(spans.first().first), monthNumber(spans.last().last)}, &error))
            return databaseFailure(error);
        while (q.next()) {
            const auto at = months.constFind(q.value(0).toInt());
            if (at != months.constEnd() && q.value(2).toLongLong() != 0)
                result[*at].insert(q.value(1).toInt(), q.value(2).toLongLong());
        }
    }
    // Days, weeks and the cut months at a period's ends: from the period index, one query for each batch of
    // spans read together (up to a month of days, or one longer span), each span a column of the answer.
    constexpr int DaysPerQuery = 31;
    for (int i = 0; i < spans.size();) {
        if (wholeMonth(spans[i])) {
            ++i;
            continue;
        }
        QList<int> batch{i++};
        if (spans[batch.first()].days() == 1)
            while (i < spans.size() && batch.size() < DaysPerQuery && spans[i].days() == 1 && !wholeMonth(spans[i]))
                batch << i++;
        QStringList columns;
        QVariantList binds;
        for (int at : batch) {
            const qint64 p0 = minuteOf(spans[at].first);
            const qint64 p1 = minuteOf(spans[at].last.addDays(1));
            if (batch.size() == 1) {
                columns << QStringLiteral("SUM(%1)").arg(nightsInSpanSql());
                binds << p1 << p1 << p0 << p0;
            } else {
                // One day of several: its night is sold when the entry holds the midnight that ends it.
                columns << QStringLiteral("SUM(CASE WHEN P.FromMinute < CAST(? AS BIGINT) AND "
                                          "P.ToMinute >= CAST(? AS BIGINT) THEN 1 ELSE 0 END)");
                binds << p1 << p1;
            }
        }
        const auto overlapping = PeriodIndex::overlapping(db, minuteOf(spans[batch.first()].first),
                                                          minuteOf(spans[batch.last()].last.addDays(1)));
        const QString sql =
            QStringLiteral(
                "SELECT coalesce(BE.TypeID, 0), %1 FROM %4 JOIN Berth BE ON BE.ID = %2 WHERE %3 AND P.ID >= 0 "
                "AND BE.Active <> 0 GROUP BY coalesce(BE.TypeID, 0)")
                .arg(columns.join(QStringLiteral(", ")), PeriodIndex::berthIdSql(), overlapping.sql, overlapping.from);
        QString error;
        if (!Sql::exec(q, sql, binds + overlapping.binds, &error))
            return databaseFailure(error);
        while (q.next())
            for (int c = 0; c < batch.size(); ++c)
                if (const qint64 nights = q.value(c + 1).toLongLong(); nights > 0)
                    result[batch[c]].insert(q.value(0).toInt(), nights);
    }
    // A contract's nights are sold too: its hold sells each midnight it spans, and nights a visitor takes while the
    // holder is away are cut from the hold, so they count once, as the visitor's.
    if (spans.isEmpty())
        return result;
    const auto held = HeldBerths::heldOn(db, DateTimes::wallTime(spans.first().first),
                                         DateTimes::wallTime(spans.last().last.addDays(1)));
    if (!held)
        return held.failure();
    for (const HeldBerths::HeldStretch& h : *held)
        for (int i = 0; i < spans.size(); ++i) {
            const QDate first = std::max(spans[i].first, h.from.date());
            const QDate last = std::min(spans[i].last, h.to.date().addDays(-1));
            if (first <= last)
                result[i][h.typeId] += first.daysTo(last) + 1;
        }
    return result;
}

namespace {
/// The bookings arriving in each month from first's to last's, cancelled ones left out: the months wholly inside
/// the period from the totals kept per month, the cut months at its ends from the bookings themselves.
Result<QList<MonthStays>> arrivals(const QSqlDatabase& db, const QDate& first, const QDate& last,
                                   QList<MonthRevenue>* money)
{
    const QList<QDate> months = monthsOf(first, last);
    QList<MonthStays> stays;
    for (const QDate& m : months) {
        MonthStays month;
        month.month = m;
        stays.append(month);
        if (money)
            money->append({m, 0, {}, {}, {}});
    }
    if (months.isEmpty())
        return stays;
    const auto take = [&](QSqlQuery& q) {
        while (q.next()) {
            const int i = monthIndex(months, q.value(0).toString());
            if (i < 0 || i >= stays.size())
                continue;
            stays[i].bookings += q.value(1).toInt();
            stays[i].nights += q.value(5).toLongLong();
            stays[i].withLead += q.value(6).toInt();
            stays[i].leadDays += q.value(7).toLongLong();
            if (money) {
                MonthRevenue& m = (*money)[i];
                m.bookings += q.value(1).toInt();
                m.hire = m.hire + Money::fromDb(q.value(2));
                m.otherCharges = m.otherCharges + Money::fromDb(q.value(3));
                m.tax = m.tax + Money::fromDb(q.value(4));
            }
        }
    };
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // The whole months: the first of them is first's month when first is its 1st, and so on.
    const QDate wholeFrom = first.day() == 1 ? first : QDate(first.year(), first.month(), 1).addMonths(1);
    const QDate lastMonth(last.year(), last.month(), 1);
    const QDate wholeTo = last == lastMonth.addMonths(1).addDays(-1) ? lastMonth : lastMonth.addMonths(-1);
    if (wholeFrom <= wholeTo) {
        if (!Sql::exec(q,
                       QStringLiteral("SELECT Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays "
                                      "FROM BookingMonth WHERE Month >= ? AND Month <= ?"),
                       {monthKey(wholeFrom), monthKey(wholeTo)}, &error))
            return databaseFailure(error);
        take(q);
    }
    const Dialect& dialect = Dialect::of(db);
    const QString from = dialect.dayNumber(QStringLiteral("FromDate"));
    const QString to = dialect.dayNumber(QStringLiteral("ToDate"));
    const QString created = dialect.dayNumber(QStringLiteral("Created"));
    // A departure before its arrival (never saved so, but possible in an old file) counts no nights.
    const QString cut =
        QStringLiteral("SELECT substr(FromDate, 1, 7), COUNT(*), SUM(CostOfHire), SUM(OtherCharges), SUM(VAT), "
                       "SUM(CASE WHEN %2 > %1 THEN %2 - %1 ELSE 0 END), COUNT(Created), "
                       "SUM(CASE WHEN %1 > %3 THEN %1 - %3 ELSE 0 END) FROM Booking "
                       "WHERE FromDate >= ? AND FromDate < ? AND Cancelled = 0 GROUP BY substr(FromDate, 1, 7)")
            .arg(from, to, created);
    QList<std::pair<QDate, QDate>> cuts; // [from, to) of the cut months
    if (wholeFrom > wholeTo) {
        cuts.append({first, last.addDays(1)});
    } else {
        if (first < wholeFrom)
            cuts.append({first, wholeFrom});
        if (wholeTo.addMonths(1) <= last)
            cuts.append({wholeTo.addMonths(1), last.addDays(1)});
    }
    for (const auto& [start, end] : cuts) {
        if (!Sql::exec(q, cut, {dayStart(start), dayStart(end)}, &error))
            return databaseFailure(error);
        take(q);
    }
    return stays;
}
} // namespace

Result<QList<MonthRevenue>> revenueByMonth(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    QList<MonthRevenue> money;
    const auto read = arrivals(db, first, last, &money);
    if (!read)
        return read.failure();
    return money;
}

Result<QList<MonthStays>> staysByMonth(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    return arrivals(db, first, last, nullptr);
}

Result<QList<BerthNights>> busiestBerths(const QSqlDatabase& db, const QDate& first, const QDate& last, int count)
{
    const qint64 p0 = minuteOf(first);
    const qint64 p1 = minuteOf(last.addDays(1));
    const auto overlapping = PeriodIndex::overlapping(db, p0, p1);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT N.BerthID, BE.Name, T.Type, N.Nights FROM "
                                  "(SELECT %2 AS BerthID, SUM(%1) AS Nights FROM %4 WHERE %3 AND P.ID >= 0 "
                                  "GROUP BY %2) N JOIN Berth BE ON BE.ID = N.BerthID "
                                  "LEFT JOIN BerthType T ON T.ID = BE.TypeID "
                                  "WHERE N.Nights > 0 ORDER BY N.Nights DESC, BE.Name, N.BerthID LIMIT ?")
                       .arg(nightsInSpanSql(), PeriodIndex::berthIdSql(), overlapping.sql, overlapping.from),
                   QVariantList{p1, p1, p0, p0} + overlapping.binds + QVariantList{count}, &error))
        return databaseFailure(error);
    QList<BerthNights> berths;
    while (q.next())
        berths.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toLongLong()});
    return berths;
}

} // namespace BookingFigures
