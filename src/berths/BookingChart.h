#pragma once

#include "bookings/BookingReads.h"
#include "bookings/CheckIn.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

/// The booking chart without a widget: berths down the side, grouped by berth type (a heading row before each
/// type), days across. Each booked berth is a bar from arrival to departure at half-day precision, so a morning
/// departure and an afternoon arrival share the day as two half bars. Each day counts the berths taken over the
/// night that ends it, of the berths active. Only the window of days is read: the index for all bars and the
/// counts, the booking rows only for the rows asked for, once each until the next read.
class BookingChart
{
public:
    struct Row
    {
        int berthId = 0; // 0 on a heading row
        QString name;    // the berth's name, or the heading's type
        std::optional<double> length;
        bool active = true;
        bool heading = false;
    };
    enum class Paid
    {
        Unpaid,
        Part,
        Paid
    };
    struct Bar
    {
        int bookingId = 0;
        int row = 0;
        double start = 0; // days from the window's first, in halves
        double end = 0;
        QString label; // the customer, and the boat when known
        QString tip;   // the full details
        Paid paid = Paid::Unpaid;
        int berthId = 0;
        QDateTime from; // the booking's period as read, which a move checks again
        QDateTime to;
        bool toMove = false; // a booking a block was confirmed over
        CheckIn::Stay stay = CheckIn::Stay::Expected;
        bool held = false; // a block that is a contract's: the berth let for a term, labelled with its holder
        /// A berth block's bar: its bookingId is the block's ID negated.
        bool blocked() const { return bookingId < 0; }
    };

    /// The most days the window spans (a quarter year and a bit), and the fewest.
    static constexpr int MostDays = 100;
    static constexpr int FewestDays = 7;

    /// Reads the berths, of one berth type or (typeId 0) of all, heading rows between the types.
    Status loadBerths(const QSqlDatabase& db, int typeId = 0);
    /// Reads who holds which berth over days days from first (clamped to FewestDays..MostDays); forgets the bars.
    /// A window moved by fewer days than it spans, with the same berths and length, reads only the days that
    /// came into view and keeps what it knows of the bookings still in it.
    Status read(const QSqlDatabase& db, const QDate& first, int days);
    /// The bars of rows firstRow..lastRow; their bookings' rows are read once after each read().
    Result<std::vector<Bar>> bars(const QSqlDatabase& db, int firstRow, int lastRow);

    const std::vector<Row>& rows() const { return m_rows; }
    QDate first() const { return m_first; }
    int days() const { return m_days; }
    int activeBerths() const { return m_activeBerths; }
    /// Berths taken over the night that ends day (0 = the first), of the active berths shown.
    int takenOn(int day) const;
    /// The same as a whole per cent of the active berths, rounded half up; 0 without any.
    int percentTakenOn(int day) const
    {
        return m_activeBerths > 0 ? (takenOn(day) * 100 + m_activeBerths / 2) / m_activeBerths : 0;
    }
    /// The berth of a row; 0 for a heading.
    int berthAt(int row) const { return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].berthId : 0; }
    /// The row of a berth, or -1.
    int rowOf(int berthId) const { return m_rowOfBerth.value(berthId, -1); }
    /// The berth row steps berth rows away from row (negative: up), heading rows not counted; -1 past either end.
    int stepRow(int row, int steps) const;

    /// What the bookings read tell of a bar moved to toRow with its arrival and departure moved by whole days
    /// (every berth of its booking follows the days): empty when it fits, else one line naming what is in the way.
    /// Only the window's days are known; the save checks again.
    QString clashOfMove(const Bar& bar, int toRow, int arrivalDays, int departureDays) const;
    /// The first berth row past the bar's in direction (-1 up, 1 down) where the bar's booking fits for its own
    /// days, berths it does not fit skipped; -1 when there is none.
    int freeRowFor(const Bar& bar, int direction) const;
    /// The same for a new stay on row from the window's day fromDay to day toDay (its departure).
    QString clashOfStay(int row, int fromDay, int toDay) const;

    /// Where a stay of index minutes [fromMinute, toMinute) stands, in days from windowStartMinute: an arrival from
    /// noon on starts at the day's half, a departure up to noon ends there; never less than half a day.
    static std::pair<double, double> span(qint64 fromMinute, qint64 toMinute, qint64 windowStartMinute);
    static Paid paidState(const Money& total, const Money& paid);

private:
    struct Entry
    {
        int bookingId;
        int row;
        qint64 fromMinute;
        qint64 toMinute;
    };
    /// Adds the index entries of [fromMinute, toMinute) that keep says are not known yet.
    template <typename Keep>
    Status readEntries(const QSqlDatabase& db, qint64 fromMinute, qint64 toMinute, Keep keep,
                       BookingReads::Inside inside = BookingReads::Inside::Any);
    void countNights();
    /// Why row cannot hold [fromMinute, toMinute) apart from booking except: not a berth in use, or the booking
    /// or block in the way (not one except already lies over or under there); empty when nothing known is.
    QString clashOn(int row, qint64 fromMinute, qint64 toMinute, int except) const;
    /// Whether holder's own entry on e's row overlaps e (a block and a booking it was confirmed over).
    bool overlapsOwn(const Entry& e, int holder) const;
    struct Details
    {
        QDateTime from;
        QDateTime to;
        QString label;
        QString tip;
        Paid paid = Paid::Unpaid;
        CheckIn::Stay stay = CheckIn::Stay::Expected;
        bool held = false;
    };

    std::vector<Row> m_rows;
    bool m_berthsChanged = true; // the next read starts afresh
    QHash<int, int> m_rowOfBerth;
    QDate m_first;
    int m_days = 0;
    qint64 m_startMinute = 0;
    int m_activeBerths = 0;
    std::vector<Entry> m_entries;
    std::vector<int> m_taken;
    QHash<int, Details> m_details;
};
