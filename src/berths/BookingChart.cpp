#include "berths/BookingChart.h"

#include "bookings/BerthBlocks.h"
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
    m_berthsChanged = true;
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

template <typename Keep>
Status BookingChart::readEntries(const QSqlDatabase& db, qint64 fromMinute, qint64 toMinute, Keep keep,
                                 BookingReads::Inside inside)
{
    const auto held = BookingReads::occupancy(db, fromMinute, toMinute, inside);
    if (!held)
        return held.failure();
    for (const BookingReads::Occupation& o : *held) {
        const int row = rowOf(o.berthId);
        // A berth of another type, or a booking without berths, has no row.
        if (row >= 0 && keep(o))
            m_entries.push_back({o.bookingId, row, o.fromMinute, o.toMinute});
    }
    return Done{};
}

Status BookingChart::read(const QSqlDatabase& db, const QDate& first, int days)
{
    const int span = std::clamp(days, FewestDays, MostDays);
    const qint64 start = PeriodIndex::floorMinute(DateTimes::wallTime(first));
    const qint64 oldStart = m_startMinute;
    const qint64 oldEnd = m_startMinute + m_days * MinutesPerDay;
    const qint64 end = start + span * MinutesPerDay;
    const qint64 moved = start - oldStart;
    const bool step = !m_berthsChanged && span == m_days && m_first.isValid() &&
                      std::abs(moved) < qint64(span) * MinutesPerDay && moved != 0;
    m_first = first;
    m_days = span;
    m_startMinute = start;
    m_activeBerths = static_cast<int>(
        std::count_if(m_rows.cbegin(), m_rows.cend(), [](const Row& row) { return !row.heading && row.active; }));
    Status read = Done{};
    if (step && moved > 0) {
        // Later: what ended before the new start goes; the new days' entries that began before them are known.
        std::erase_if(m_entries, [start](const Entry& e) { return e.toMinute <= start; });
        read = readEntries(
            db, oldEnd, end, [oldEnd](const auto& o) { return o.fromMinute >= oldEnd; }, BookingReads::Inside::Starts);
    } else if (step) {
        std::erase_if(m_entries, [end](const Entry& e) { return e.fromMinute >= end; });
        read = readEntries(
            db, start, oldStart, [oldStart](const auto& o) { return o.toMinute <= oldStart; },
            BookingReads::Inside::Ends);
    } else if (!(!m_berthsChanged && moved == 0 && span == m_days)) {
        m_entries.clear();
        m_details.clear();
        read = readEntries(db, start, end, [](const auto&) { return true; });
    }
    m_berthsChanged = !read.ok();
    if (!read) {
        m_entries.clear();
        m_details.clear();
        return read;
    }
    countNights();
    return Done{};
}

void BookingChart::countNights()
{
    // Counted per night with a running sum: each entry adds one from the first night it holds to the last.
    std::vector<int> change(static_cast<size_t>(m_days) + 1, 0);
    for (const Entry& e : m_entries) {
        // A block takes a berth out of use for a while; it sells no night.
        if (!m_rows[static_cast<size_t>(e.row)].active || e.bookingId < 0)
            continue;
        // Night d ends at the window's start + (d + 1) days; the stay holds it when it starts before and ends after.
        const qint64 firstNight = std::max<qint64>(0, floorDiv(e.fromMinute - m_startMinute, MinutesPerDay));
        const qint64 lastNight =
            std::min<qint64>(m_days - 1, floorDiv(e.toMinute - m_startMinute - 1, MinutesPerDay) - 1);
        if (firstNight > lastNight)
            continue;
        ++change[static_cast<size_t>(firstNight)];
        --change[static_cast<size_t>(lastNight) + 1];
    }
    m_taken.assign(static_cast<size_t>(m_days), 0);
    int running = 0;
    for (int d = 0; d < m_days; ++d) {
        running += change[static_cast<size_t>(d)];
        m_taken[static_cast<size_t>(d)] = running;
    }
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
    if (!(total - paid).owes())
        return Paid::Paid;
    return paid > Money() ? Paid::Part : Paid::Unpaid;
}

Result<std::vector<BookingChart::Bar>> BookingChart::bars(const QSqlDatabase& db, int firstRow, int lastRow)
{
    const auto inRows = [&](const Entry& e) { return e.row >= firstRow && e.row <= lastRow; };
    std::vector<int> unread;
    std::vector<int> unreadBlocks;
    for (const Entry& e : m_entries) {
        if (!inRows(e) || m_details.contains(e.bookingId))
            continue;
        std::vector<int>& ids = e.bookingId < 0 ? unreadBlocks : unread;
        const int id = std::abs(e.bookingId);
        if (std::find(ids.cbegin(), ids.cend(), id) == ids.cend())
            ids.push_back(id);
    }
    if (!unreadBlocks.empty()) {
        const auto read = BerthBlocks::read(db, unreadBlocks);
        if (!read)
            return read.failure();
        for (const BerthBlocks::Block& b : *read) {
            Details d;
            d.from = b.from;
            d.to = b.to;
            d.label = b.reason;
            d.held = b.contractId != 0;
            d.tip = d.held ? QCoreApplication::translate("BookingChart", "Contract %1: %2 holds %3 from %4 to %5")
                                 .arg(b.contractId)
                                 .arg(b.reason, b.berthName, DateTimes::dateText(b.from.date()),
                                      DateTimes::dateText(b.to.date()))
                           : BerthBlocks::describe(b);
            m_details.insert(-b.id, d);
        }
    }
    if (!unread.empty()) {
        const auto read = BookingReads::chartBookings(db, unread);
        if (!read)
            return read.failure();
        for (const BookingReads::ChartBooking& b : *read) {
            Details d;
            d.from = b.from;
            d.to = b.to;
            d.label = b.boat.isEmpty() ? b.customer : QStringLiteral("%1 · %2").arg(b.customer, b.boat);
            d.tip =
                QCoreApplication::translate("BookingChart", "Booking %1: %2\n%3 to %4\nTotal %5, paid %6")
                    .arg(b.id)
                    .arg(d.label, b.from.toString(DateTimes::dateTimeFormat()),
                         b.to.toString(DateTimes::dateTimeFormat()), b.total.formatGrouped(), b.paid.formatGrouped());
            d.paid = paidState(b.total, b.paid);
            d.stay = CheckIn::stayOf(b.stay);
            if (d.stay != CheckIn::Stay::Expected)
                d.tip += u'\n' + CheckIn::stayText(d.stay);
            m_details.insert(b.id, d);
        }
    }
    // Blocks are few: each bar is looked for under them.
    std::vector<const Entry*> blocks;
    for (const Entry& e : m_entries)
        if (e.bookingId < 0 && inRows(e))
            blocks.push_back(&e);
    std::vector<Bar> bars;
    for (const Entry& e : m_entries) {
        if (!inRows(e))
            continue;
        Bar bar;
        bar.bookingId = e.bookingId;
        bar.row = e.row;
        std::tie(bar.start, bar.end) = span(e.fromMinute, e.toMinute, m_startMinute);
        const Details d = m_details.value(e.bookingId);
        bar.label = d.label;
        bar.tip = d.tip;
        bar.paid = d.paid;
        bar.stay = d.stay;
        bar.held = d.held;
        bar.berthId = berthAt(e.row);
        bar.from = d.from;
        bar.to = d.to;
        bar.toMove = e.bookingId > 0 && std::any_of(blocks.cbegin(), blocks.cend(), [&](const Entry* k) {
                         return k->row == e.row && k->fromMinute < e.toMinute && k->toMinute > e.fromMinute;
                     });
        if (bar.toMove)
            bar.tip += QCoreApplication::translate("BookingChart", "\nTo be moved: the berth is blocked.");
        bars.push_back(bar);
    }
    std::sort(bars.begin(), bars.end(),
              [](const Bar& a, const Bar& b) { return std::pair(a.row, a.start) < std::pair(b.row, b.start); });
    return bars;
}

int BookingChart::stepRow(int row, int steps) const
{
    for (int left = std::abs(steps); left > 0;) {
        row += steps > 0 ? 1 : -1;
        if (row < 0 || row >= int(m_rows.size()))
            return -1;
        if (!m_rows[size_t(row)].heading)
            --left;
    }
    return row;
}

QString BookingChart::clashOn(int row, qint64 fromMinute, qint64 toMinute, int except) const
{
    if (row < 0 || row >= int(m_rows.size()) || m_rows[size_t(row)].heading)
        return QCoreApplication::translate("BookingChart", "Not a berth.");
    const Row& berth = m_rows[size_t(row)];
    if (!berth.active)
        return QCoreApplication::translate("BookingChart", "%1 is not in use.").arg(berth.name);
    for (const Entry& e : m_entries) {
        if (e.row != row || e.bookingId == except || e.fromMinute >= toMinute || e.toMinute <= fromMinute ||
            overlapsOwn(e, except))
            continue;
        const QString label = m_details.value(e.bookingId).label;
        if (e.bookingId < 0)
            return label.isEmpty()
                       ? QCoreApplication::translate("BookingChart", "%1 is blocked.").arg(berth.name)
                       : QCoreApplication::translate("BookingChart", "%1 is blocked: %2.").arg(berth.name, label);
        return label.isEmpty()
                   ? QCoreApplication::translate("BookingChart", "%1 is taken by booking %2.")
                         .arg(berth.name)
                         .arg(e.bookingId)
                   : QCoreApplication::translate("BookingChart", "%1 is taken by %2.").arg(berth.name, label);
    }
    return {};
}

bool BookingChart::overlapsOwn(const Entry& e, int holder) const
{
    // Only a block and a booking may lie over each other, and only where the block was confirmed over it.
    if (holder == 0 || (holder < 0) == (e.bookingId < 0))
        return false;
    return std::any_of(m_entries.cbegin(), m_entries.cend(), [&](const Entry& own) {
        return own.bookingId == holder && own.row == e.row && own.fromMinute < e.toMinute &&
               own.toMinute > e.fromMinute;
    });
}

QString BookingChart::clashOfMove(const Bar& bar, int toRow, int arrivalDays, int departureDays) const
{
    const auto own = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                  [&](const Entry& e) { return e.bookingId == bar.bookingId; });
    if (own == m_entries.cend())
        return {};
    const qint64 from = own->fromMinute + arrivalDays * MinutesPerDay;
    const qint64 to = own->toMinute + departureDays * MinutesPerDay;
    if (to <= from)
        return QCoreApplication::translate("BookingChart", "The departure must come after the arrival.");
    for (const Entry& e : m_entries) {
        if (e.bookingId != bar.bookingId)
            continue;
        if (e.row == toRow && toRow != bar.row)
            return QCoreApplication::translate("BookingChart", "The booking already holds %1.")
                .arg(m_rows[size_t(toRow)].name);
        if (QString clash = clashOn(e.row == bar.row ? toRow : e.row, from, to, bar.bookingId); !clash.isEmpty())
            return clash;
    }
    return {};
}

int BookingChart::freeRowFor(const Bar& bar, int direction) const
{
    for (int row = stepRow(bar.row, direction); row >= 0; row = stepRow(row, direction))
        if (clashOfMove(bar, row, 0, 0).isEmpty())
            return row;
    return -1;
}

QString BookingChart::clashOfStay(int row, int fromDay, int toDay) const
{
    // A new stay is offered from the afternoon of its first day to the morning of its last.
    constexpr qint64 Noon = MinutesPerDay / 2;
    return clashOn(row, m_startMinute + fromDay * MinutesPerDay + Noon, m_startMinute + toDay * MinutesPerDay + Noon,
                   0);
}
