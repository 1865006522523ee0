#include "bookings/CheckIn.h"

#include "bookings/BookingRules.h"
#include "bookings/ClosedBookings.h"
#include "core/DateTimes.h"
#include "core/RegionalSettings.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace CheckIn {
namespace {

QString shown(const QDateTime& when)
{
    return when.toString(DateTimes::dateTimeFormat());
}

const QString StateSql = QStringLiteral(
    "SELECT B.ID, B.Status, B.Cancelled, B.FromDate, B.ToDate, B.ArrivedAt, B.ArrivedDesk, B.DepartedAt, "
    "B.DepartedDesk, C.Name, B.TotalPayable, B.AmountPayed FROM Booking B LEFT JOIN Customer C ON C.ID = "
    "B.CustomerID");

State stateFrom(const QSqlQuery& q)
{
    State s;
    s.bookingId = q.value(0).toInt();
    s.stay = stayOf(q.value(1).toInt());
    s.cancelled = q.value(2).toInt() != 0;
    s.from = DateTimes::readDateTime(q.value(3));
    s.to = DateTimes::readDateTime(q.value(4));
    s.arrivedAt = DateTimes::readDateTime(q.value(5));
    s.arrivedDesk = q.value(6).toString();
    s.departedAt = DateTimes::readDateTime(q.value(7));
    s.departedDesk = q.value(8).toString();
    s.customer = q.value(9).toString();
    s.balance = Money::fromDb(q.value(10)) - Money::fromDb(q.value(11));
    return s;
}

Failure cancelledRefusal()
{
    return refused(QCoreApplication::translate(
        "CheckIn", "The booking has been cancelled: its guest cannot be checked in or out."));
}

/// Why an arrival of the guest as stored cannot be made; nothing when it can.
std::optional<Failure> arrivalFault(const State& s)
{
    if (s.cancelled)
        return cancelledRefusal();
    switch (s.stay) {
    case Stay::Arrived:
        return conflict(QCoreApplication::translate("CheckIn", "The guest was already checked in at %1 on %2.")
                            .arg(s.arrivedDesk, shown(s.arrivedAt)));
    case Stay::Departed:
        return refused(QCoreApplication::translate("CheckIn", "The guest has already left (checked out at %1 on %2).")
                           .arg(s.departedDesk, shown(s.departedAt)));
    case Stay::Expected:
    case Stay::NoShow: // a guest marked as a no-show who turns up after all
        break;
    }
    return std::nullopt;
}

/// Runs one status change: inside an immediate transaction, the row is read, fault says whether the change may be
/// made, and update (its binds ending with the ID) writes it only while the status is still the one read.
template <typename Fault>
Result<State> change(const QSqlDatabase& db, int bookingId, Fault fault, const QString& update, QVariantList binds)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto before = load(db, bookingId);
    if (!before)
        return before.failure();
    if (const std::optional<Failure> why = fault(*before))
        return *why;
    if (const Status open = ClosedBookings::check(db, bookingId); !open)
        return open.failure();
    QSqlQuery q(db);
    QString error;
    binds << bookingId << static_cast<int>(before->stay);
    if (!Sql::exec(q, update + QStringLiteral(" WHERE ID = ? AND Status = ? AND Cancelled = 0"), binds, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1) {
        // Another desk got there between the read and the write (a server reads without the write lock).
        const auto now = load(db, bookingId);
        if (!now)
            return now.failure();
        return fault(*now).value_or(
            conflict(QCoreApplication::translate("CheckIn", "Another desk changed the guest's stay meanwhile.")));
    }
    const auto after = load(db, bookingId);
    if (!after)
        return after.failure();
    if (!tx.commit(&error))
        return databaseFailure(error);
    return *after;
}

} // namespace

QString stayText(Stay stay)
{
    switch (stay) {
    case Stay::Expected:
        return QCoreApplication::translate("CheckIn", "Expected");
    case Stay::Arrived:
        return QCoreApplication::translate("CheckIn", "Arrived");
    case Stay::Departed:
        return QCoreApplication::translate("CheckIn", "Departed");
    case Stay::NoShow:
        return QCoreApplication::translate("CheckIn", "No-show");
    }
    return {};
}

Stay stayOf(int stored)
{
    return stored >= 0 && stored <= static_cast<int>(Stay::NoShow) ? static_cast<Stay>(stored) : Stay::Expected;
}

Result<State> load(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, StateSql + QStringLiteral(" WHERE B.ID = ?"), {bookingId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("CheckIn", "The booking no longer exists."));
    return stateFrom(q);
}

Result<Timing> arrivalTiming(const State& state, const QDateTime& now)
{
    if (const auto fault = arrivalFault(state))
        return *fault;
    if (state.to.isValid() && now >= state.to)
        return refused(QCoreApplication::translate(
                           "CheckIn", "The stay ended on %1: change the booking's dates before checking the guest in.")
                           .arg(shown(state.to)));
    if (now.date() < state.from.date())
        return Timing::Early;
    if (now.date() > state.from.date())
        return Timing::Late;
    return Timing::OnTheDay;
}

QString timingQuestion(const State& state, Timing timing)
{
    const QString day = state.from.date().toString(DateTimes::dateFormat());
    switch (timing) {
    case Timing::Early:
        return QCoreApplication::translate(
                   "CheckIn",
                   "%1 is booked to arrive on %2, later than today.\nCheck the guest in early? The booking's dates "
                   "stay as they are.")
            .arg(state.customer, day);
    case Timing::Late:
        return QCoreApplication::translate(
                   "CheckIn",
                   "%1 was booked to arrive on %2, earlier than today.\nCheck the guest in late? The booking's dates "
                   "stay as they are.")
            .arg(state.customer, day);
    case Timing::OnTheDay:
        break;
    }
    return {};
}

Result<State> arrive(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk, Timing agreed)
{
    const auto fault = [&](const State& s) -> std::optional<Failure> {
        const auto timing = arrivalTiming(s, now);
        if (!timing)
            return timing.failure();
        if (*timing != Timing::OnTheDay && *timing != agreed)
            return refused(
                timingQuestion(s, *timing).section(u'\n', 0, 0) +
                QCoreApplication::translate("CheckIn", "\nThe guest was not checked in: confirm the other day first."));
        return std::nullopt;
    };
    return change(db, bookingId, fault,
                  QStringLiteral("UPDATE Booking SET Status = 1, ArrivedAt = ?, ArrivedDesk = ?, DepartedAt = NULL, "
                                 "DepartedDesk = NULL"),
                  {DateTimes::dbDateTime(now), desk});
}

Result<State> depart(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk)
{
    const auto fault = [](const State& s) -> std::optional<Failure> {
        if (s.cancelled)
            return cancelledRefusal();
        switch (s.stay) {
        case Stay::Arrived:
            return std::nullopt;
        case Stay::Departed:
            return conflict(QCoreApplication::translate("CheckIn", "The guest was already checked out at %1 on %2.")
                                .arg(s.departedDesk, shown(s.departedAt)));
        case Stay::Expected:
        case Stay::NoShow:
            break;
        }
        return refused(QCoreApplication::translate(
            "CheckIn", "The guest has not been checked in: check the guest in before checking out."));
    };
    return change(db, bookingId, fault,
                  QStringLiteral("UPDATE Booking SET Status = 2, DepartedAt = ?, DepartedDesk = ?"),
                  {DateTimes::dbDateTime(now), desk});
}

Result<State> markNoShow(const QSqlDatabase& db, int bookingId)
{
    const auto fault = [](const State& s) -> std::optional<Failure> {
        if (s.cancelled)
            return cancelledRefusal();
        if (s.stay != Stay::Expected)
            return refused(QCoreApplication::translate(
                               "CheckIn", "Only a guest still expected can be marked as a no-show; this one is %1.")
                               .arg(stayText(s.stay).toLower()));
        return std::nullopt;
    };
    return change(db, bookingId, fault, QStringLiteral("UPDATE Booking SET Status = 3"), {});
}

Stay previous(Stay stay)
{
    return stay == Stay::Departed ? Stay::Arrived : Stay::Expected;
}

Result<State> putBack(const QSqlDatabase& db, int bookingId, Stay seen)
{
    const auto fault = [seen](const State& s) -> std::optional<Failure> {
        if (s.cancelled)
            return cancelledRefusal();
        if (s.stay != seen)
            return conflict(
                QCoreApplication::translate("CheckIn", "Another desk changed the guest's stay meanwhile: it is now %1.")
                    .arg(stayText(s.stay).toLower()));
        if (s.stay == Stay::Expected)
            return refused(
                QCoreApplication::translate("CheckIn", "The guest is expected: there is nothing to put back."));
        return std::nullopt;
    };
    const QString update = seen == Stay::Departed
                               ? QStringLiteral("UPDATE Booking SET Status = 1, DepartedAt = NULL, DepartedDesk = NULL")
                               : QStringLiteral("UPDATE Booking SET Status = 0, ArrivedAt = NULL, ArrivedDesk = NULL, "
                                                "DepartedAt = NULL, DepartedDesk = NULL");
    return change(db, bookingId, fault, update, {});
}

QString describe(const State& state)
{
    // The event log's own words, never translated, as every other entry.
    const QString at = QStringLiteral("dd.MM.yyyy HH:mm");
    QString text = QStringLiteral("Booking %1, %2, %3")
                       .arg(state.bookingId)
                       .arg(state.customer, BookingRules::loggedPeriodText(state.from, state.to));
    switch (state.stay) {
    case Stay::Expected:
        return text + QStringLiteral(", expected");
    case Stay::Arrived:
        return text + QStringLiteral(", arrived %1 at %2").arg(state.arrivedAt.toString(at), state.arrivedDesk);
    case Stay::Departed:
        return text + QStringLiteral(", departed %1 at %2").arg(state.departedAt.toString(at), state.departedDesk);
    case Stay::NoShow:
        return text + QStringLiteral(", no-show");
    }
    return text;
}

Result<QList<Candidate>> noShowCandidates(const QSqlDatabase& db, const QDateTime& now)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    const QDate day = now.date();
    if (!Sql::exec(q,
                   StateSql + QStringLiteral(" WHERE B.FromDate >= ? AND B.FromDate < ? AND B.Status = 0 AND "
                                             "B.Cancelled = 0 ORDER BY B.FromDate, B.ID"),
                   {DateTimes::dbDateTime(DateTimes::wallTime(day)),
                    DateTimes::dbDateTime(DateTimes::wallTime(day.addDays(1)))},
                   &error))
        return databaseFailure(error);
    QList<Candidate> found;
    while (q.next()) {
        Candidate c{stateFrom(q), false};
        c.pastDue = c.state.from <= now;
        found.append(c);
    }
    return found;
}

bool pastClosingTime(const QDateTime& now)
{
    return now.time() >= RegionalSettings::load().officeClosingTime;
}

} // namespace CheckIn
