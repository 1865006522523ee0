#include "bookings/CheckInMenu.h"

#include "bookings/CheckIn.h"
#include "bookings/Ledger.h"
#include "bookings/NoShowDialog.h"
#include "bookings/PaymentDialog.h"
#include "bookings/StayReadingsDialog.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"

#include <QCoreApplication>

namespace CheckInMenu {
namespace {

QString title()
{
    return QCoreApplication::translate("CheckInMenu", "Check-in and check-out");
}

bool tell(Services& services, const Failure& failure)
{
    if (failure.kind == FailureKind::Database)
        MessageLog::logError(QStringLiteral("CheckIn: %1").arg(failure.text));
    services.messages.show(
        failure.kind == FailureKind::Database
            ? QCoreApplication::translate("CheckInMenu", "The guest's stay could not be changed: %1").arg(failure.text)
            : failure.text,
        title(), failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation, MsgButtons::Ok);
    return false;
}

/// The readings of the booking's meters, asked for when it has any: nothing when there are none, Cancelled when the
/// person went back.
Result<std::optional<QList<StayMeters::Taken>>> askReadings(Services& services, QWidget* parent, int bookingId,
                                                            const QString& heading)
{
    const auto due = StayMeters::toRead(services.db(), bookingId, services.clock.now().date());
    if (!due)
        return due.failure();
    if (due->isEmpty())
        return std::optional<QList<StayMeters::Taken>>();
    StayReadingsDialog dialog(services, *due, heading, parent);
    if (dialog.exec() != QDialog::Accepted)
        return cancelled();
    return std::optional<QList<StayMeters::Taken>>(dialog.taken());
}

/// Logs a change that was saved.
bool logged(Services& services, int code, const CheckIn::State& state)
{
    services.events.log(code, CheckIn::describe(state));
    return true;
}

} // namespace

bool arrive(Services& services, QWidget* parent, int bookingId)
{
    const QSqlDatabase db = services.db();
    const auto state = CheckIn::load(db, bookingId);
    if (!state)
        return tell(services, state.failure());
    const QDateTime now = services.clock.now();
    const auto timing = CheckIn::arrivalTiming(*state, now);
    if (!timing)
        return tell(services, timing.failure());
    if (*timing != CheckIn::Timing::OnTheDay &&
        services.messages.show(CheckIn::timingQuestion(*state, *timing), title(), MsgIcon::Question,
                               MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    const auto readings = askReadings(services, parent, bookingId,
                                      QCoreApplication::translate("CheckInMenu", "Read the meters of %1's berths "
                                                                                 "before checking the guest in:")
                                          .arg(state->customer));
    if (!readings)
        return readings.kind() == FailureKind::Cancelled ? false : tell(services, readings.failure());
    const auto done = *readings ? StayMeters::arrive(db, bookingId, now, Ledger::deskName(), *timing, **readings)
                                : CheckIn::arrive(db, bookingId, now, Ledger::deskName(), *timing);
    if (!done)
        return tell(services, done.failure());
    if (*readings)
        services.events.log(
            EventLog::MeterReadingAdded,
            QStringLiteral("Booking %1, %2 reading(s) at check-in").arg(bookingId).arg((*readings)->size()));
    return logged(services, EventLog::GuestArrived, *done);
}

bool depart(Services& services, QWidget* parent, int bookingId)
{
    const QSqlDatabase db = services.db();
    const auto state = CheckIn::load(db, bookingId);
    if (!state)
        return tell(services, state.failure());
    // The readings come first, so the question about money owed names the balance with the meters' charge in it.
    const auto readings = askReadings(services, parent, bookingId,
                                      QCoreApplication::translate("CheckInMenu", "Read the meters of %1's berths "
                                                                                 "before checking the guest out:")
                                          .arg(state->customer));
    if (!readings)
        return readings.kind() == FailureKind::Cancelled ? false : tell(services, readings.failure());
    // Only a departure that can be made asks about money; the others are refused below with their reason.
    if (state->stay == CheckIn::Stay::Arrived && !state->cancelled) {
        for (;;) {
            const auto account = *readings ? StayMeters::accountAfter(db, bookingId, services.clock.now(),
                                                                      Ledger::deskName(), **readings)
                                           : Ledger::account(db, bookingId);
            if (!account)
                return tell(services, account.failure());
            if (account->balance() <= Money())
                break;
            const MsgResult answer = services.messages.show(
                QCoreApplication::translate(
                    "CheckInMenu",
                    "%1 still owes %2 (paid %3 of %4).\n\nYes takes the payment now, No checks the guest out with "
                    "the balance owing, Cancel goes back without checking out.")
                    .arg(state->customer, account->balance().format(), account->paid.format(), account->total.format()),
                title(), MsgIcon::Question, MsgButtons::YesNoCancel);
            if (answer == MsgResult::No)
                break;
            if (answer != MsgResult::Yes)
                return false;
            // A payment not recorded leaves the guest in: the person goes back to decide again.
            if (!PaymentDialog::record(services, bookingId, PaymentDialog::Mode::Payment, parent))
                return false;
        }
    }
    if (!*readings) {
        const auto done = CheckIn::depart(db, bookingId, services.clock.now(), Ledger::deskName());
        if (!done)
            return tell(services, done.failure());
        return logged(services, EventLog::GuestDeparted, *done);
    }
    const auto done = StayMeters::depart(db, bookingId, services.clock.now(), Ledger::deskName(), **readings);
    if (!done)
        return tell(services, done.failure());
    QStringList billed;
    for (const StayMeters::Billed& b : done->billed)
        billed << QStringLiteral("%1 %2 %3").arg(b.berth, Meters::kindText(b.kind), b.bill.total.plainText());
    if (done->charged > Money())
        services.events.log(EventLog::MeterChargePosted,
                            QStringLiteral("Booking %1: %2").arg(bookingId).arg(billed.join(QStringLiteral(", "))));
    logged(services, EventLog::GuestDeparted, done->state);
    if (done->charged > Money())
        services.messages.show(QCoreApplication::translate("CheckInMenu",
                                                           "The meters' use, %1 before tax, was added to the booking's "
                                                           "other charges. The balance is now %2.")
                                   .arg(done->charged.format(), done->state.balance.format()),
                               title(), MsgIcon::Information, MsgButtons::Ok);
    return true;
}

bool putBack(Services& services, QWidget* /*parent*/, int bookingId)
{
    const QSqlDatabase db = services.db();
    const auto state = CheckIn::load(db, bookingId);
    if (!state)
        return tell(services, state.failure());
    if (state->stay == CheckIn::Stay::Expected)
        return tell(services,
                    refused(QCoreApplication::translate(
                                "CheckInMenu", "%1 is expected: there is no arrival, departure or no-show to undo.")
                                .arg(state->customer)));
    if (services.messages.show(QCoreApplication::translate("CheckInMenu", "%1 is %2. Put the stay back to %3?")
                                   .arg(state->customer, CheckIn::stayText(state->stay).toLower(),
                                        CheckIn::stayText(CheckIn::previous(state->stay)).toLower()),
                               title(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    const auto done = CheckIn::putBack(db, bookingId, state->stay);
    if (!done)
        return tell(services, done.failure());
    return logged(services, EventLog::StayPutBack, *done);
}

bool confirmNoShows(Services& services, QWidget* parent, bool askedFor)
{
    const QSqlDatabase db = services.db();
    const auto candidates = CheckIn::noShowCandidates(db, services.clock.now());
    if (!candidates)
        return tell(services, candidates.failure());
    if (candidates->isEmpty()) {
        if (askedFor)
            services.messages.show(
                QCoreApplication::translate("CheckInMenu", "Every guest due today has been checked in or marked."),
                title(), MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    NoShowDialog dialog(*candidates, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QStringList refusals;
    bool marked = false;
    for (const int id : dialog.chosen()) {
        const auto done = CheckIn::markNoShow(db, id);
        if (done)
            marked = logged(services, EventLog::GuestNoShow, *done);
        else
            refusals << done.error();
    }
    if (!refusals.isEmpty())
        tell(
            services,
            refused(QCoreApplication::translate("CheckInMenu", "Some were not marked:\n%1").arg(refusals.join(u'\n'))));
    return marked;
}

} // namespace CheckInMenu
