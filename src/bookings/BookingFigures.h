#pragma once

#include "bookings/CheckIn.h"
#include "bookings/PaymentTerms.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

/// What the Today window and the figures of the report manager read: today's arrivals and departures, who is in
/// now, and the harbour's nights, money, stays and berths over a period. Each answer is a set query per step of
/// the period, over the period index or the booking dates' index; no history is read row by row.
///
/// A night is sold on a berth when a stay holds it over the midnight that ends the day: a stay sells as many
/// nights as there are days from its arrival's date to its departure's (a day visit sells none).
namespace BookingFigures {

// ---- Today ----

/// One booking as the Today window lists it.
struct Line
{
    int bookingId = 0;
    QDateTime fromDate;
    QDateTime toDate;
    QString customer;
    QStringList berths;    // in the order they were saved
    QString boat;          // empty when none was named
    Money balance;         // still owed; negative: in credit
    PaymentTerms::Due due; // what falls due and when, as the payments-due list has it
    CheckIn::Stay stay = CheckIn::Stay::Expected;
    QDateTime arrivedAt; // when checked in and out; invalid before
    QDateTime departedAt;
};

struct Today
{
    QList<Line> arrivals;   // arriving today, by time
    QList<Line> departures; // leaving today (earlier today included), by time
    QList<Line> inHarbour;  // checked in and not out, or still expected and within their dates at now; by departure
    QList<Line> owingSoon;  // money owing, arriving today or within the next 7 days, by arrival
};

/// Today as of now (the calendar day of now), each line's dues by the company's terms and what was agreed for the
/// booking. Cancelled bookings are left out.
Result<Today> today(const QSqlDatabase& db, const QDateTime& now);

// ---- The steps of a period ----

enum class Step
{
    Day,
    Week, // Monday to Sunday
    Month
};

/// Part of a period, both days included.
struct Span
{
    QDate first;
    QDate last;
    qint64 days() const { return first.daysTo(last) + 1; }
};

/// The period from first to last cut at each day, week or month; the first and last steps are cut short at the
/// period's ends. Empty when last is before first.
QList<Span> steps(const QDate& first, const QDate& last, Step step);

/// The berth types' names by ID (a berth without a type is type 0).
Result<QHash<int, QString>> berthTypes(const QSqlDatabase& db);
/// How many berths of each type are active now.
Result<QHash<int, int>> activeBerths(const QSqlDatabase& db);

/// The nights sold on active berths in each span, by berth type: one set query on the period index per span.
Result<QList<QHash<int, qint64>>> nightsSold(const QSqlDatabase& db, const QList<Span>& spans);

/// The agreed prices of the bookings arriving in a month.
struct MonthRevenue
{
    QDate month; // its first day
    int bookings = 0;
    Money hire;
    Money otherCharges;
    Money tax;
};
/// Each month from first's to last's (months without bookings included, at nothing), from the bookings arriving in
/// the period; cancelled bookings are left out.
Result<QList<MonthRevenue>> revenueByMonth(const QSqlDatabase& db, const QDate& first, const QDate& last);

/// The stays of the bookings arriving in a month: their nights and their lead times (days from booking to
/// arrival; a booking whose creation is unknown has none).
struct MonthStays
{
    QDate month;
    int bookings = 0;
    qint64 nights = 0;
    int withLead = 0;
    qint64 leadDays = 0;
    double averageStay() const { return bookings ? double(nights) / bookings : 0; }
    double averageLead() const { return withLead ? double(leadDays) / withLead : 0; }
};
Result<QList<MonthStays>> staysByMonth(const QSqlDatabase& db, const QDate& first, const QDate& last);

/// A berth and the nights sold on it in a period.
struct BerthNights
{
    int berthId = 0;
    QString name;
    QString type;
    qint64 nights = 0;
};
/// The `count` berths (active or not) with the most nights sold in the period, most first, then by name.
Result<QList<BerthNights>> busiestBerths(const QSqlDatabase& db, const QDate& first, const QDate& last, int count);

} // namespace BookingFigures
