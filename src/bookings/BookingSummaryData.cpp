#include "bookings/BookingSummaryData.h"

#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace BookingSummaryData {

Result<Shown> load(const QSqlDatabase& db, int bookingId)
{
    auto booking = BookingStore::loadBooking(db, bookingId);
    if (!booking)
        return booking.failure();
    auto customer = CustomerStore::load(db, booking->customerId);
    if (!customer)
        return customer.failure();
    Shown shown{std::move(*booking), std::move(*customer), std::nullopt};
    if (shown.booking.boatId) {
        const auto boat = Boats::load(db, *shown.booking.boatId);
        if (!boat && boat.kind() != FailureKind::Conflict)
            return boat.failure();
        if (boat)
            shown.boat = *boat;
    }
    return shown;
}

QString addressLine(const CustomerRecord& customer)
{
    return QStringList{customer.street, customer.area, customer.town, customer.postCode}.join(QStringLiteral(", "));
}

QString cancelledDetails(const QDateTime& from, const QDateTime& to, const QString& nameLine)
{
    return QStringLiteral("From: ") + BookingRules::loggedPeriodText(from, to) + QStringLiteral(", Customer:") +
           nameLine;
}

Status prepareInvoiceRows(const QSqlDatabase& db, int bookingId)
{
    QString error;
    bool gone = false;
    const bool ok = Sql::inTransaction(db, &error, [&] {
        if (!Sql::exec(db, QStringLiteral("DELETE FROM InvTemp"), {}, &error))
            return false;
        QSqlQuery q(db);
        // Copied inside the transaction from the row itself, so the documents print what is stored now.
        const QString copy = QStringLiteral(
            "INSERT INTO InvTemp (ID, CompanyID, CustomerID, FromDate, ToDate, BookedBy, PaymentMethodID, "
            "BerthConfirmationNumber, GuestConfirmationNumber, ClubMember, CostOfHire, OtherCharges, VAT, "
            "TotalPayable, AmountPayed, Notes) "
            "SELECT ID, (SELECT CompanyID FROM Company ORDER BY CompanyID LIMIT 1), CustomerID, FromDate, ToDate, "
            "BookedBy, PaymentMethodID, BerthConfirmationNumber, GuestConfirmationNumber, COALESCE(ClubMember, 0), "
            "CostOfHire, OtherCharges, VAT, TotalPayable, AmountPayed, Notes FROM Booking WHERE ID = ?");
        if (!Sql::exec(q, copy, {bookingId}, &error))
            return false;
        if (q.numRowsAffected() != 1) {
            gone = true;
            error = QCoreApplication::translate("BookingSummaryData", "The booking no longer exists.");
            return false;
        }
        return true;
    });
    if (ok)
        return Done{};
    return gone ? conflict(error) : databaseFailure(error);
}

} // namespace BookingSummaryData
