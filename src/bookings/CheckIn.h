#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// Check-in and check-out: where a booking's guest stands (Booking.Status), with the time and the desk of the
/// arrival and the departure. Each change is one transaction that reads the row again and writes only when the
/// status is still the one it was read in, so two desks never both check in the same guest. An office that never
/// uses it keeps every booking Expected, and the lists go by the booking's dates as before.
namespace CheckIn {

/// Numbered as Booking.Status stores them.
enum class Stay
{
    Expected = 0,
    Arrived = 1,
    Departed = 2,
    NoShow = 3
};
QString stayText(Stay stay);
/// A stored Status as a stay: one this program does not know reads as Expected, so the booking goes by its dates.
Stay stayOf(int stored);

/// A booking's stay as stored.
struct State
{
    int bookingId = 0;
    Stay stay = Stay::Expected;
    bool cancelled = false;
    QDateTime from;
    QDateTime to;
    QDateTime arrivedAt;
    QString arrivedDesk;
    QDateTime departedAt;
    QString departedDesk;
    QString customer; // the customer's name
    Money balance;    // still owed; negative: in credit
};
/// A Conflict when the booking no longer exists.
Result<State> load(const QSqlDatabase& db, int bookingId);

/// When a guest turns up against the booking's arrival day.
enum class Timing
{
    OnTheDay,
    Early, // before the arrival's day
    Late   // after the arrival's day, before the departure
};
/// Whether the guest of state may be checked in at now, and when against the booking: Refused for a cancelled
/// booking, a guest already in or gone, and a stay that has ended. The window asks about Early and Late first.
Result<Timing> arrivalTiming(const State& state, const QDateTime& now);
/// The question for an early or late arrival, naming the booking's day; empty on the day.
QString timingQuestion(const State& state, Timing timing);

/// Checks the guest in at now from desk. agreed is what the person accepted (OnTheDay unless they were asked):
/// an early or late arrival not agreed is Refused. A guest another desk checked in meanwhile is a Conflict
/// naming that desk and time.
Result<State> arrive(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                     Timing agreed = Timing::OnTheDay);
/// Checks the guest out at now from desk: only a guest checked in; one checked out meanwhile is a Conflict.
Result<State> depart(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk);
/// Marks an expected guest who never came (the event log keeps when and where).
Result<State> markNoShow(const QSqlDatabase& db, int bookingId);
/// Puts a mistaken step back: an arrival or a no-show to Expected, a departure to Arrived. seen is the stay the
/// person saw: another desk's change since is a Conflict.
Result<State> putBack(const QSqlDatabase& db, int bookingId, Stay seen);
/// The stay putBack returns to; the same stay for Expected (nothing to put back).
Stay previous(Stay stay);

/// The event log's words for a change just made: "Booking 12, Ann O'Neill, 05.06.2026 14:30 to 07.06.2026
/// 10:00, arrived 05.06.2026 13:10 at user@desk".
QString describe(const State& state);

/// The bookings due to arrive on now's day that are still Expected, by arrival: the day's no-shows to propose.
/// pastDue is set on those whose arrival time has passed at now.
struct Candidate
{
    State state;
    bool pastDue = false;
};
Result<QList<Candidate>> noShowCandidates(const QSqlDatabase& db, const QDateTime& now);
/// Whether the day's no-shows are proposed on their own: from the office's closing time (a setting) on.
bool pastClosingTime(const QDateTime& now);

} // namespace CheckIn
