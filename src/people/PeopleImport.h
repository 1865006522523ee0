#pragma once

#include "core/Result.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>

/// What an import needs of the Customer and Boat tables beyond the dialogs' one-row writes: every customer and boat
/// found by the keys a file matches them on, read once, and the removal of exactly what one import added.
namespace PeopleImport {

/// A boat found by its registration or old reference.
struct KnownBoat
{
    int id = 0;
    int customerId = 0;
};

/// The customers by old reference and by e-mail address (folded to lower case), the boats by registration (letters
/// and digits only, upper case) and by old reference.
struct Known
{
    QHash<QString, int> customerByRef;
    QHash<QString, int> customerByEmail;
    QHash<QString, KnownBoat> boatByRegistration;
    QHash<QString, KnownBoat> boatByRef;
};
Result<Known> known(const QSqlDatabase& db);

/// The key a registration is matched on: "GB-1234 a" and "gb1234A" are the same boat.
QString registrationKey(const QString& registration);

/// Names of the boats added since to customers the batch brought in (an undo would take them too).
Result<QStringList> boatsAddedSince(const QSqlDatabase& db, int batchId);
/// Deletes the boats and customers the batch added, inside the caller's transaction.
Status removeBatch(const QSqlDatabase& db, int batchId);

} // namespace PeopleImport
