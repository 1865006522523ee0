#pragma once

#include <QSqlDatabase>
#include <QString>

class IMessageBox;

/// The small shared operations every window's database work rests on.
namespace modFunctions {

// ---- The cascade deletes: the only way customers, owners and berths are deleted ----
// Each comes in three pieces: the question (which counts the dependent rows), the statements (which run inside
// a transaction the caller owns), and the whole operation in one transaction of its own. None writes the event
// log; the caller logs the "deleted" event when the result is true. A database error returns false with the
// driver's message in *error and leaves the database as it was.

// The questions give (when asked for) the number of dependent rows they were about; the whole operations count
// again inside their transaction and delete nothing when another desk added rows meanwhile.
bool confirmDeleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                           int* bookingsAsked = nullptr);
bool deleteCustomerRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

bool confirmDeleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                        int* berthsAsked = nullptr);
bool deleteOwnerRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

/// *bookingRows (when given) receives the number of booking rows the question was about.
bool confirmDeleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                        int* bookingRows = nullptr);
bool deleteBerthRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

} // namespace modFunctions
