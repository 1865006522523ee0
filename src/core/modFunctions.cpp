#include "core/modFunctions.h"

#include "core/Database.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"

#include <functional>

namespace modFunctions {

namespace {
const QString ConfirmTitle = QStringLiteral("Confirm deletion");
const QString PlainQuestion = QStringLiteral("Are you sure to delete this item?");

std::optional<int> count(const QSqlDatabase& db, const QString& sql, int id, QString* error)
{
    const auto value = Sql::scalar(db, sql, {id}, error);
    if (!value)
        return std::nullopt;
    return value->toInt();
}

// What each question counts; counted again inside the delete's transaction.
const QString CustomerBookingsSql = QStringLiteral("SELECT COUNT(ID) AS c FROM Booking WHERE CustomerID = ?");
const QString OwnerBerthsSql = QStringLiteral("SELECT COUNT(ID) AS c FROM Berth WHERE OwnerID = ?");
const QString BerthBookingsSql = QStringLiteral("SELECT COUNT(*) AS c FROM BookingBerth WHERE BerthID = ?");

// Whether a delete still takes only what the user was asked about: another desk may have added rows meanwhile.
bool asAsked(const QSqlDatabase& db, const QString& countSql, int id, int asked, const QString& what, QString* error)
{
    const auto now = count(db, countSql, id, error);
    if (!now)
        return false;
    if (*now <= asked)
        return true;
    if (error)
        *error = QStringLiteral("%1 %2%3 made at another desk since you were asked. Nothing was deleted.")
                     .arg(*now - asked)
                     .arg(what, *now - asked == 1 ? QStringLiteral(" was") : QStringLiteral("s were"));
    return false;
}

// The deletes take the write lock before they count again, as a booking's save does: a booking saved at another
// desk meanwhile is either counted or waits until the delete is done, never deleted unasked.
bool inWriteTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work)
{
    return Sql::inTransaction(db, error, work, true);
}

bool runAll(const QSqlDatabase& db, std::initializer_list<QString> statements, int id, QString* error)
{
    for (const QString& sql : statements) {
        if (!Sql::exec(db, sql, {id}, error))
            return false;
    }
    return true;
}

} // namespace

// ---- Customers ----

bool confirmDeleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* bookingsAsked)
{
    if (id <= 0)
        return false;
    const auto bookings = count(db, CustomerBookingsSql, id, error);
    if (!bookings)
        return false;
    if (bookingsAsked)
        *bookingsAsked = *bookings;
    const QString question =
        *bookings == 0 ? PlainQuestion
                       : QStringLiteral("Deleting this customer will also remove all past reservations. This would "
                                        "affect historic reports. Are you sure you want to delete this customer?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteCustomerRows(const QSqlDatabase& db, int id, QString* error)
{
    return runAll(db,
                  {QStringLiteral("DELETE FROM BookingBerth WHERE BookingID IN "
                                  "(SELECT ID FROM Booking WHERE CustomerID = ?)"),
                   QStringLiteral("DELETE FROM Booking WHERE CustomerID = ?"),
                   QStringLiteral("DELETE FROM Customer WHERE ID = ?")},
                  id, error);
}

bool deleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteCustomer(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, CustomerBookingsSql, id, asked, QStringLiteral("booking"), error) &&
                      deleteCustomerRows(db, id, error);
           });
}

// ---- Owners ----

bool confirmDeleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* berthsAsked)
{
    if (id <= 0)
        return false;
    const auto berths = count(db, OwnerBerthsSql, id, error);
    if (!berths)
        return false;
    if (berthsAsked)
        *berthsAsked = *berths;
    const QString question =
        *berths == 0 ? PlainQuestion
                     : QStringLiteral("Deleting this owner will also remove all owners berth. This would affect "
                                      "historic reports. Are you sure you want to delete this owner?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteOwnerRows(const QSqlDatabase& db, int id, QString* error)
{
    // The owner's berths go; the bookings made on them stay, with their money (the question names the berths
    // only, so no reservation disappears unasked).
    return runAll(
        db, {QStringLiteral("DELETE FROM Berth WHERE OwnerID = ?"), QStringLiteral("DELETE FROM Owner WHERE ID = ?")},
        id, error);
}

bool deleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteOwner(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, OwnerBerthsSql, id, asked, QStringLiteral("berth"), error) &&
                      deleteOwnerRows(db, id, error);
           });
}

// ---- Berths ----

bool confirmDeleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, int* bookingRows)
{
    const auto rows = count(db, BerthBookingsSql, id, error);
    if (!rows)
        return false;
    if (bookingRows)
        *bookingRows = static_cast<int>(*rows);
    const QString question =
        *rows == 0 ? PlainQuestion
                   : QStringLiteral("Deleting this customer will also remove any reservations that have been made "
                                    "with it. Are you sure you want to delete the berth?");
    return messages.show(question, ConfirmTitle, MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes;
}

bool deleteBerthRows(const QSqlDatabase& db, int id, QString* error)
{
    // Only the bookings that had this berth alone go with it; a booking left without berths by some other change
    // is not this removal's to delete.
    return Sql::exec(
               db,
               QStringLiteral("DELETE FROM Booking WHERE ID IN (SELECT BookingID FROM BookingBerth WHERE BerthID = ?) "
                              "AND NOT EXISTS (SELECT 1 FROM BookingBerth BB WHERE BB.BookingID = Booking.ID AND "
                              "BB.BerthID <> ?)"),
               {id, id}, error) &&
           runAll(db,
                  {QStringLiteral("DELETE FROM BookingBerth WHERE BerthID = ?"),
                   QStringLiteral("DELETE FROM Berth WHERE ID = ?")},
                  id, error);
}

bool deleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error)
{
    int asked = 0;
    return confirmDeleteBerth(db, id, messages, error, &asked) && inWriteTransaction(db, error, [&] {
               return asAsked(db, BerthBookingsSql, id, asked, QStringLiteral("booking"), error) &&
                      deleteBerthRows(db, id, error);
           });
}

} // namespace modFunctions
