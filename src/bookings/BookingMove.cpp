#include "bookings/BookingMove.h"

#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace BookingMove {

namespace {
// The boat's length, for rates by length; nothing without a boat or a recorded length.
std::optional<int> boatLength(const QSqlDatabase& db, const std::optional<int>& boatId, QString* error)
{
    if (!boatId)
        return std::nullopt;
    const auto length = Sql::scalar(db, QStringLiteral("SELECT LengthCm FROM Boat WHERE ID = ?"), {*boatId}, error);
    if (!length || length->isNull())
        return std::nullopt;
    return length->toInt();
}
} // namespace

Result<Plan> plan(const QSqlDatabase& db, const Request& request)
{
    if (request.arrivalDays == 0 && request.departureDays == 0 && request.toBerthId == request.berthId)
        return refused(QCoreApplication::translate("BookingMove", "The booking stays where it was."));
    auto stored = BookingStore::loadBooking(db, request.bookingId);
    if (!stored)
        return stored.failure();
    const BookingRecord& before = *stored;
    if (before.cancelled)
        return conflict(QCoreApplication::translate(
            "BookingMove", "The booking was cancelled at another desk meanwhile. Nothing was moved."));
    if (!before.berthIds.contains(request.berthId) || before.fromDate != request.seenFrom ||
        before.toDate != request.seenTo)
        return conflict(QCoreApplication::translate(
            "BookingMove", "The booking was changed at another desk meanwhile. Nothing was moved; the chart shows "
                           "it as it is now."));
    Plan plan;
    plan.before = before;
    plan.after = before;
    BookingRecord& after = plan.after;
    after.fromDate = before.fromDate.addDays(request.arrivalDays);
    after.toDate = before.toDate.addDays(request.departureDays);
    if (after.toDate <= after.fromDate)
        return refused(QCoreApplication::translate("BookingMove", "The departure must come after the arrival."));
    if (after.fromDate.date() < BookingRules::earliestDate() || after.toDate.date() > BookingRules::latestDate())
        return refused(QCoreApplication::translate("BookingMove", "Bookings can only be made from %1 to %2.")
                           .arg(BookingRules::earliestDate().year())
                           .arg(BookingRules::latestDate().year()));
    if (request.toBerthId != request.berthId) {
        if (before.berthIds.contains(request.toBerthId))
            return refused(QCoreApplication::translate("BookingMove", "The booking already holds that berth."));
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(q, QStringLiteral("SELECT Name, Active FROM Berth WHERE ID = ?"), {request.toBerthId}, &error))
            return databaseFailure(error);
        if (!q.next() || q.value(1).toInt() == 0)
            return refused(QCoreApplication::translate("BookingMove",
                                                       "That berth is not in use: a booking cannot be moved onto it."));
        const qsizetype at = after.berthIds.indexOf(request.berthId);
        after.berthIds[at] = request.toBerthId;
        if (at < after.berthNames.size())
            after.berthNames[at] = q.value(0).toString();
    }
    plan.agreedTotal = before.totalPayable;
    QString error;
    const auto length = boatLength(db, before.boatId, &error);
    if (!error.isEmpty())
        return databaseFailure(error);
    const auto quote = BookingPricing::quote(db, after.berthIds, after.fromDate, after.toDate, length);
    if (!quote)
        return quote.failure();
    plan.repricedHire = quote->price.total;
    plan.repricedLines = quote->price.lines;
    plan.repricedTaxRate = quote->tax.hundredthsOfPercent;
    plan.repricedTotal = Pricing::charges(plan.repricedHire, before.otherCharges, plan.repricedTaxRate).total;
    return plan;
}

BookingRecord moved(const Plan& plan, bool reprice)
{
    BookingRecord booking = plan.after;
    if (reprice) {
        const Pricing::Charges charges =
            Pricing::charges(plan.repricedHire, booking.otherCharges, plan.repricedTaxRate);
        booking.costOfHire = plan.repricedHire;
        booking.charges = plan.repricedLines;
        booking.taxRate = plan.repricedTaxRate;
        booking.vat = charges.tax;
        booking.totalPayable = charges.total;
    }
    return booking;
}

Result<Plan> planUndo(const QSqlDatabase& db, const BookingRecord& before, const BookingRecord& saved)
{
    Request back;
    back.bookingId = saved.id;
    back.berthId = back.toBerthId = saved.berthIds.value(0);
    for (qsizetype i = 0; i < saved.berthIds.size() && i < before.berthIds.size(); ++i) {
        if (saved.berthIds[i] != before.berthIds[i]) {
            back.berthId = saved.berthIds[i];
            back.toBerthId = before.berthIds[i];
        }
    }
    back.seenFrom = saved.fromDate;
    back.seenTo = saved.toDate;
    back.arrivalDays = int(saved.fromDate.date().daysTo(before.fromDate.date()));
    back.departureDays = int(saved.toDate.date().daysTo(before.toDate.date()));
    auto undo = plan(db, back);
    if (!undo)
        return undo;
    const BookingRecord& now = undo->before;
    if (now.totalPayable != saved.totalPayable || now.customerId != saved.customerId ||
        now.otherCharges != saved.otherCharges)
        return conflict(QCoreApplication::translate(
            "BookingMove", "The booking was changed at another desk since it was moved. Nothing was undone."));
    BookingRecord& after = undo->after;
    after.costOfHire = before.costOfHire;
    after.charges = before.charges;
    after.taxRate = before.taxRate;
    after.vat = before.vat;
    after.totalPayable = before.totalPayable;
    undo->agreedTotal = before.totalPayable;
    return undo;
}

Result<BookingStore::SavedBooking> save(const QSqlDatabase& db, const Plan& plan, bool reprice,
                                        BookingStore::Overtaken* overtaken)
{
    return BookingStore::saveBooking(db, moved(plan, reprice), overtaken);
}

} // namespace BookingMove
