#include "bookings/BookingStore.h"

#include "bookings/BerthAvailability.h"
#include "bookings/BookingRules.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QCollator>
#include <QSqlQuery>

namespace BookingStore {
namespace {
const QString Columns = QStringLiteral(
    "FromDate, ToDate, BookedBy, CustomerID, Notes, NoAdults, NoKids, OtherCharges, VAT, TotalPayable, AmountPayed, "
    "PaymentMethodID, CreditCardNo, CreditCardExpiry, CreditCardType, CreditCardCV2No, CostOfHire, "
    "BerthConfirmationNumber, GuestConfirmationNumber, PowerRequirements, ClubMember");

QVariantList Values(const BookingRecord& b)
{
    return {modFunctions::DbDateTime(b.fromDate),
            modFunctions::DbDateTime(b.toDate),
            b.bookedBy,
            b.customerId,
            b.notes,
            b.noAdults,
            b.noKids,
            b.otherCharges.ToDb(),
            b.vat.ToDb(),
            b.totalPayable.ToDb(),
            b.amountPayed.ToDb(),
            b.paymentMethodId ? QVariant(*b.paymentMethodId) : Sql::NullInt(),
            b.creditCardNo,
            b.creditCardExpiry,
            b.creditCardType,
            b.creditCardCV2No,
            b.costOfHire.ToDb(),
            b.berthConfirmationNumber ? QVariant::fromValue<qlonglong>(*b.berthConfirmationNumber) : Sql::NullInt(),
            b.guestConfirmationNumber,
            b.powerRequirements,
            b.clubMember ? 1 : 0};
}

QString Text(const QVariant& v)
{
    return v.isNull() ? QString() : v.toString();
}
} // namespace

std::optional<BookingRecord> LoadBooking(const QSqlDatabase& db, int id, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::Exec(q, QStringLiteral("SELECT ID, ") + Columns + QStringLiteral(" FROM Booking WHERE ID = ?"), {id},
                   error) ||
        !q.next())
        return std::nullopt;
    BookingRecord b;
    b.id = q.value(0).toInt();
    b.fromDate = modFunctions::ReadDateTime(q.value(1));
    b.toDate = modFunctions::ReadDateTime(q.value(2));
    b.bookedBy = Text(q.value(3));
    b.customerId = q.value(4).toInt();
    b.notes = Text(q.value(5));
    b.noAdults = q.value(6).toInt();
    b.noKids = q.value(7).toInt();
    b.otherCharges = Money::FromDb(q.value(8));
    b.vat = Money::FromDb(q.value(9));
    b.totalPayable = Money::FromDb(q.value(10));
    b.amountPayed = Money::FromDb(q.value(11));
    if (!q.value(12).isNull())
        b.paymentMethodId = q.value(12).toInt();
    b.creditCardNo = Text(q.value(13));
    b.creditCardExpiry = Text(q.value(14));
    b.creditCardType = Text(q.value(15));
    b.creditCardCV2No = Text(q.value(16));
    b.costOfHire = Money::FromDb(q.value(17));
    if (!q.value(18).isNull())
        b.berthConfirmationNumber = q.value(18).toLongLong();
    b.guestConfirmationNumber = Text(q.value(19));
    b.powerRequirements = Text(q.value(20));
    b.clubMember = q.value(21).toInt() != 0;

    QSqlQuery berths(db);
    berths.setForwardOnly(true);
    if (!Sql::Exec(berths,
                   QStringLiteral("SELECT Berth.ID, Berth.Name FROM BookingBerth JOIN Berth ON Berth.ID = "
                                  "BookingBerth.BerthID WHERE BookingBerth.BookingID = ?"),
                   {id}, error))
        return std::nullopt;
    QList<std::pair<int, QString>> rows;
    while (berths.next())
        rows.append({berths.value(0).toInt(), Text(berths.value(1))});
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a.second, b.second) < 0; });
    for (const auto& [berthId, name] : rows) {
        b.berthIds.append(berthId);
        b.berthNames.append(name);
    }
    return b;
}

qint64 NextConfirmationNumber(const QSqlDatabase& db)
{
    const auto max = Sql::Scalar(db, QStringLiteral("SELECT Max(BerthConfirmationNumber) AS M FROM Booking"));
    if (!max || max->isNull())
        return 1;
    return max->toLongLong() + 1;
}

SaveResult SaveBooking(const QSqlDatabase& db, const BookingRecord& booking)
{
    SaveResult result;
    Sql::Transaction tx(db, true);
    if (!tx.Started()) {
        result.error = tx.Error();
        return result;
    }
    // Another booking may have taken a berth since the list was shown.
    const auto busy = BerthAvailability::BusyBerths(db, booking.fromDate, booking.toDate, booking.id, &result.error);
    if (!busy)
        return result;
    for (qsizetype i = 0; i < booking.berthIds.size(); ++i) {
        if (busy->contains(booking.berthIds.at(i)))
            result.takenBerths.append(booking.berthNames.value(i));
    }
    if (!result.takenBerths.isEmpty())
        return result;

    QSqlQuery q(db);
    if (booking.id == 0) {
        const QString sql = QStringLiteral("INSERT INTO Booking (") + Columns +
                            QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        if (!Sql::Exec(q, sql, Values(booking), &result.error))
            return result;
        result.id = q.lastInsertId().toInt();
    } else {
        QString sets = Columns;
        sets.replace(QStringLiteral(", "), QStringLiteral(" = ?, "));
        sets += QStringLiteral(" = ?");
        // A booking saved without a payment method keeps the method it had.
        if (!booking.paymentMethodId)
            sets.replace(QStringLiteral("PaymentMethodID = ?"),
                         QStringLiteral("PaymentMethodID = coalesce(?, PaymentMethodID)"));
        QVariantList values = Values(booking);
        values.append(booking.id);
        if (!Sql::Exec(q, QStringLiteral("UPDATE Booking SET ") + sets + QStringLiteral(" WHERE ID = ?"), values,
                       &result.error))
            return result;
        if (q.numRowsAffected() != 1) {
            result.error = QStringLiteral("The booking no longer exists.");
            return result;
        }
        result.id = booking.id;
        if (!Sql::Exec(db, QStringLiteral("DELETE FROM BookingBerth WHERE BookingID = ?"), {booking.id}, &result.error))
            return result;
    }
    for (int berthId : booking.berthIds) {
        if (!Sql::Exec(db, QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"),
                       {result.id, berthId}, &result.error))
            return result;
    }
    result.ok = tx.Commit(&result.error);
    if (!result.ok)
        result.id = 0;
    return result;
}

bool DeleteBooking(const QSqlDatabase& db, int id, QString* error)
{
    return Sql::Exec(db, QStringLiteral("DELETE FROM Booking WHERE ID = ?"), {id}, error);
}

bool CancelBooking(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error, const QString& title)
{
    if (messages.Show(QStringLiteral("Do you want to delete existing reservation?"), title, MsgIcon::None,
                      MsgButtons::YesNo) != MsgResult::Yes)
        return false;
    return DeleteBooking(db, id, error);
}

namespace {
QList<Choice> Choices(const QSqlDatabase& db, const QString& sql)
{
    return Sql::ReadLookup(db, sql).value_or(QList<Choice>());
}
} // namespace

QList<Choice> CustomerChoices(const QSqlDatabase& db)
{
    return Choices(db, QStringLiteral("SELECT ID, Name FROM Customer ORDER BY Name COLLATE NOCASE, ID"));
}

QList<Choice> PaymentMethodChoices(const QSqlDatabase& db)
{
    return Choices(db, QStringLiteral("SELECT ID, Name FROM PaymentMethod ORDER BY ID"));
}

QString CustomerLine(const QSqlDatabase& db, int customerId)
{
    const auto customer = CustomerStore::Load(db, customerId);
    return customer ? BookingRules::CustomerLine(*customer) : QString();
}

} // namespace BookingStore
