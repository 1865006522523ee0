#include "berths/BookingChart.h"

#include "bookings/BookingReads.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>

namespace {
constexpr qint64 MinutesPerDay = 24 * 60;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}
} // namespace

Status BookingChart::loadBerths(const QSqlDatabase& db, int typeId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT B.ID, B.Name, B.Length, B.Active, T.Type FROM Berth B LEFT JOIN BerthType T "
                                  "ON T.ID = B.TypeID") +
                       (typeId > 0 ? QStringLiteral(" WHERE B.TypeID = ?") : QString()),
                   typeId > 0 ? QVariantList{typeId} : QVariantList{}, &error))
        return databaseFailure(error);
    struct Read
    {
        Row row;
        QString type;
    };
    std::vector<Read> read;
    while (q.next()) {
        Row row;
        row.berthId = q.value(0).toInt();
        row.name = q.value(1).toString();
        if (!q.value(2).isNull())
            row.length = q.value(2).toDouble();
        row.active = q.value(3).toInt() != 0;
        read.push_back({row, q.value(4).toString()});
    }
    const QCollator order = Texts::naturalOrder();
    std::stable_sort(read.begin(), read.end(), [&](const Read& a, const Read& b) {
        // Berths without a type come last.
        if (a.type.isEmpty() != b.type.isEmpty())
            return b.type.isEmpty();
        if (const int byType = order.compare(a.type, b.type); byType != 0)
            return byType < 0;
        return order.compare(a.row.name, b.row.name) < 0;
    });
    m_rows.clear();
    m_rowOfBerth.clear();
    m_details.clear();
    std::optional<QString> type;
    for (const Read& berth : read) {
        if (!type || *type != berth.type) {
            type = berth.type;
            Row heading;
            heading.heading = true;
            heading.name =
                berth.type.isEmpty() ? QCoreApplication::translate("BookingChart", "No berth type") : berth.type;
            m_rows.push_back(heading);
        }
        m_rowOfBerth.insert(berth.row.berthId, static_cast<int>(m_rows.size()));
        m_rows.push_back(berth.row);
    }
    return Done{};
}

Status BookingChart::read(const QSqlDatabase& db, const QDate& first, int days)
{
    m_first = first;
    m_days = std::clamp(days, FewestDays, MostDays);
    m_startMinute = PeriodIndex::floorMinute(DateTimes::wallTime(first));
    m_entries.clear();
    m_details.clear();
    m_taken.assign(static_cast<size_t>(m_days), 0);
    m_activeBerths = static_cast<int>(
        std::count_if(m_rows.cbegin(), m_rows.cend(), [](const Row& row) { return !row.heading && row.active; }));
    const auto held = BookingReads::occupancy(db, m_startMinute, m_startMinute + m_days * MinutesPerDay);
    if (!held)
        return held.failure();
    // Counted per night with a running sum: each entry adds one from the first night it holds to the last.
    std::vector<int> change(static_cast<size_t>(m_days) + 1, 0);
    for (const BookingReads::Occupation& o : *held) {
        const int row = rowOf(o.berthId);
        if (row < 0)
            continue; // a berth of another type, or a booking without berths
        m_entries.push_back({o.bookingId, o.berthId, o.fromMinute, o.toMinute});
        if (!m_rows[static_cast<size_t>(row)].active)
            continue;
        // Night d ends at the window's start + (d + 1) days; the stay holds it when it starts before and ends after.
        const qint64 firstNight = std::max<qint64>(0, floorDiv(o.fromMinute - m_startMinute, MinutesPerDay));
        const qint64 lastNight =
            std::min<qint64>(m_days - 1, floorDiv(o.toMinute - m_startMinute - 1, MinutesPerDay) - 1);
        if (firstNight > lastNight)
            continue;
        ++change[static_cast<size_t>(firstNight)];
        --change[static_cast<size_t>(lastNight) + 1];
    }
    int running = 0;
    for (int d = 0; d < m_days; ++d) {
        running += change[static_cast<size_t>(d)];
        m_taken[static_cast<size_t>(d)] = running;
    }
    std::sort(m_entries.begin(), m_entries.end(), [this](const Entry& a, const Entry& b) {
        return std::pair(rowOf(a.berthId), a.fromMinute) < std::pair(rowOf(b.berthId), b.fromMinute);
    });
    return Done{};
}

int BookingChart::takenOn(int day) const
{
    return day >= 0 && day < m_days ? m_taken[static_cast<size_t>(day)] : 0;
}

std::pair<double, double> BookingChart::span(qint64 fromMinute, qint64 toMinute, qint64 windowStartMinute)
{
    constexpr qint64 Noon = MinutesPerDay / 2;
    const qint64 from = fromMinute - windowStartMinute;
    const qint64 to = toMinute - windowStartMinute;
    const qint64 fromDay = floorDiv(from, MinutesPerDay);
    const qint64 toDay = floorDiv(to, MinutesPerDay);
    const qint64 fromTime = from - fromDay * MinutesPerDay;
    const qint64 toTime = to - toDay * MinutesPerDay;
    const double start = double(fromDay) + (fromTime >= Noon ? 0.5 : 0.0);
    const double end = double(toDay) + (toTime == 0 ? 0.0 : toTime <= Noon ? 0.5 : 1.0);
    return {start, std::max(end, start + 0.5)};
}

BookingChart::Paid BookingChart::paidState(const Money& total, const Money& paid)
{
    if (paid >= total)
        return Paid::Paid;
    return paid > Money() ? Paid::Part : Paid::Unpaid;
}

Result<std::vector<BookingChart::Bar>> BookingChart::bars(const QSqlDatabase& db, int firstRow, int lastRow)
{
    const auto inRows = [&](const Entry& e) {
        const int row = rowOf(e.berthId);
        return row >= firstRow && row <= lastRow;
    };
    std::vector<int> unread;
    for (const Entry& e : m_entries) {
        if (inRows(e) && !m_details.contains(e.bookingId) &&
            std::find(unread.cbegin(), unread.cend(), e.bookingId) == unread.cend())
            unread.push_back(e.bookingId);
    }
    if (!unread.empty()) {
        const auto read = BookingReads::chartBookings(db, unread);
        if (!read)
            return read.failure();
        for (const BookingReads::ChartBooking& b : *read) {
            Details d;
            d.label = b.boat.isEmpty() ? b.customer : QStringLiteral("%1 · %2").arg(b.customer, b.boat);
            d.tip =
                QCoreApplication::translate("BookingChart", "Booking %1: %2\n%3 to %4\nTotal %5, paid %6")
                    .arg(b.id)
                    .arg(d.label, b.from.toString(DateTimes::dateTimeFormat()),
                         b.to.toString(DateTimes::dateTimeFormat()), b.total.formatGrouped(), b.paid.formatGrouped());
            d.paid = paidState(b.total, b.paid);
            m_details.insert(b.id, d);
        }
    }
    std::vector<Bar> bars;
    for (const Entry& e : m_entries) {
        if (!inRows(e))
            continue;
        Bar bar;
        bar.bookingId = e.bookingId;
        bar.row = rowOf(e.berthId);
        std::tie(bar.start, bar.end) = span(e.fromMinute, e.toMinute, m_startMinute);
        const Details d = m_details.value(e.bookingId);
        bar.label = d.label;
        bar.tip = d.tip;
        bar.paid = d.paid;
        bars.push_back(bar);
    }
    return bars;
}
