#include "berths/BerthImport.h"

#include "bookings/BoatFitting.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

namespace BerthImport {
namespace {
QVariant orNull(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}
std::optional<double> realOf(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<double>(value.toDouble());
}
QVariantList values(const Berth& berth, const QVariant& typeId)
{
    return {berth.name,
            orNull(berth.length),
            orNull(berth.width),
            typeId,
            berth.hasPower ? 1 : 0,
            berth.dailyHireCharge ? berth.dailyHireCharge->toDb() : Sql::nullInt(),
            orNull(berth.maxDraft)};
}
Result<QVariant> typeOf(const QSqlDatabase& db, const Berth& berth)
{
    if (berth.type.trimmed().isEmpty())
        return Sql::nullInt();
    const auto id = typeId(db, berth.type);
    if (!id)
        return id.failure();
    return QVariant(*id);
}
} // namespace

QString nameKey(const QString& name)
{
    return name.trimmed().toUpper();
}

Result<Known> known(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Name, Length, Width, MaxDraft, TakesMultihulls, OldRef FROM Berth "
                                  "ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    Known found;
    while (q.next()) {
        AvailableBerth berth;
        berth.id = q.value(0).toInt();
        berth.name = q.value(1).toString();
        berth.length = realOf(q.value(2));
        berth.width = realOf(q.value(3));
        berth.maxDraft = realOf(q.value(4));
        berth.takesMultihulls = q.value(5).toInt() != 0;
        const KnownBerth known{berth.id, berth.name, BoatFitting::sizeOf(berth)};
        found.byName.insert(nameKey(berth.name), known);
        if (const QString ref = q.value(6).toString(); !ref.isEmpty())
            found.byRef.insert(ref, known);
    }
    return found;
}

Result<int> typeId(const QSqlDatabase& db, const QString& type)
{
    QString error;
    const auto id = Sql::scalar(db, QStringLiteral("SELECT MIN(ID) FROM BerthType WHERE upper(Type) = upper(?)"),
                                {type.trimmed()}, &error);
    if (!id)
        return databaseFailure(error);
    if (!id->isNull())
        return id->toInt();
    // Berth types are numbered by the program, not the database.
    const auto next = Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(ID), 0) + 1 FROM BerthType"), {}, &error);
    if (!next)
        return databaseFailure(error);
    if (!Sql::exec(db, QStringLiteral("INSERT INTO BerthType (ID, Type) VALUES (?, ?)"),
                   {next->toInt(), type.trimmed()}, &error))
        return databaseFailure(error);
    return next->toInt();
}

Result<int> add(const QSqlDatabase& db, const Berth& berth)
{
    const auto type = typeOf(db, berth);
    if (!type)
        return type.failure();
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO Berth (Name, Length, Width, TypeID, HasPower, DailyHireCharge, MaxDraft) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?)"),
        values(berth, *type), &error);
    if (!id)
        return databaseFailure(error);
    return static_cast<int>(*id);
}

Status update(const QSqlDatabase& db, int id, const Berth& berth)
{
    const auto type = typeOf(db, berth);
    if (!type)
        return type.failure();
    QVariantList binds = values(berth, *type);
    binds.append(id);
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Berth SET Name = ?, Length = ?, Width = ?, TypeID = ?, HasPower = ?, "
                                  "DailyHireCharge = ?, MaxDraft = ? WHERE ID = ?"),
                   binds, &error))
        return databaseFailure(error);
    return Done{};
}

Status removeBatch(const QSqlDatabase& db, int batchId)
{
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Berth WHERE ImportBatchID = ?"), {batchId}, &error))
        return databaseFailure(error);
    return Done{};
}

} // namespace BerthImport
