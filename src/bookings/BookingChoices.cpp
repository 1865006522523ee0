// The lists a booking is made from: its customers and payment methods, and the customer's line on its documents.
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "people/PeopleRecords.h"

namespace BookingStore {
namespace {
Result<QList<Choice>> choices(const QSqlDatabase& db, const QString& sql)
{
    QString error;
    auto items = Sql::readLookup(db, sql, &error);
    if (!items)
        return databaseFailure(error);
    return std::move(*items);
}
} // namespace

Result<QList<Choice>> customerChoices(const QSqlDatabase& db)
{
    return choices(db, QStringLiteral("SELECT ID, Name FROM Customer ORDER BY %1, ID")
                           .arg(Dialect::of(db).noCase(QStringLiteral("Name"))));
}

Result<QList<Choice>> paymentMethodChoices(const QSqlDatabase& db)
{
    return choices(db, QStringLiteral("SELECT ID, Name FROM PaymentMethod ORDER BY ID"));
}

Result<QString> customerLine(const QSqlDatabase& db, int customerId)
{
    const auto customer = CustomerStore::load(db, customerId);
    if (customer)
        return BookingRules::customerLine(*customer);
    // A booking without a customer (or one deleted since) names nobody; a failed read is a failure.
    if (customer.kind() == FailureKind::Conflict)
        return QString();
    return customer.failure();
}

} // namespace BookingStore
