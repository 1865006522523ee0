#pragma once

#include "core/Result.h"
#include "requests/RequestMessage.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// The BookingRequest table: the requests read from the office's mailbox, and the holds that keep a berth for one
/// (a BerthBlock carrying the request and when it runs out). A request is taken by one desk at a time: accepting
/// or declining it is a conditional change, so of two desks one wins and the other is told who did.
namespace RequestStore {

enum class State
{
    New = 0,
    Accepted = 1, // taken by a desk; a booking linked once the wizard saved it
    Declined = 2,
    Expired = 3 // its hold ran out before a booking was made
};

struct Row
{
    int id = 0;
    RequestMessage::Request request;
    State state = State::New;
    int bookingId = 0;
    QString decidedBy;
    QDateTime decidedAt;
    int holdBlockId = 0; // 0: no hold
    int holdBerthId = 0;
    QString holdBerth;
    QDateTime holdUntil;
};

/// "New", "To check", "Accepted", "Booked", "Declined", "Expired" as the queue shows a row.
QString stateText(const Row& row);

struct Added
{
    int id = 0;
    bool duplicate = false; // a message read before: nothing added
};
/// Keeps a request read from the mailbox; a message whose Message-ID is known already is the same request.
Result<Added> add(const QSqlDatabase& db, const RequestMessage::Request& request);

/// The requests, newest first: those still open (new, accepted without a booking, expired), or every one.
Result<QList<Row>> list(const QSqlDatabase& db, bool openOnly);
/// One request; a Conflict when it is gone.
Result<Row> read(const QSqlDatabase& db, int id);
/// What Today shows of the queue.
struct Waiting
{
    int unanswered = 0;       // new, or their hold ran out: no booking made and no reply sent
    int holdsEndingToday = 0; // holds of requests not booked yet that run out before the day ends
};
/// The queue as it stands at now.
Result<Waiting> waiting(const QSqlDatabase& db, const QDateTime& now);

/// Takes the request for booking by who: a Conflict naming the desk when another desk took or declined it
/// meanwhile. The same person may take a request they took before and did not book.
Status take(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now);
/// Links the booking the wizard saved from the request and lifts its hold, in one transaction.
Status booked(const QSqlDatabase& db, int id, int bookingId, const QString& who, const QDateTime& now);
/// Declines the request and lifts its hold; a Conflict as for take. Nothing is changed when it fails.
Status decline(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now);

/// Holds berthId for the request's nights until `until`, as a block the request carries; the request is taken by
/// who as by take. Refused without dates or with a hold already; a Conflict when the berth is taken meanwhile.
Result<int> hold(const QSqlDatabase& db, int id, int berthId, const QDateTime& until, const QString& who,
                 const QDateTime& now);
/// Lifts the request's hold, if any: inside the transaction that saves the booking made from it.
Status lift(const QSqlDatabase& db, int id);

/// Releases every hold that ran out by now whose request has no booking; those requests become Expired. The
/// requests released, for the event log.
Result<QList<Row>> expireHolds(const QSqlDatabase& db, const QDateTime& now);

/// The customer whose e-mail address is address (the lowest ID when several share it); 0 when none.
Result<int> customerByEmail(const QSqlDatabase& db, const QString& address);

/// A request's arrival and departure as the wizard and the blocks take them: noon of each day.
QDateTime arrival(const RequestMessage::Request& request);
QDateTime departure(const RequestMessage::Request& request);

/// One line for the event log: "Request from Ann Smith (ann@example.org), 3 Mar 2027 to 10 Mar 2027".
QString describe(const RequestMessage::Request& request);

} // namespace RequestStore
