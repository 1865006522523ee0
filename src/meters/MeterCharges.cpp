#include "meters/MeterStore.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

// The MeterCharge table's part of MeterStore: what a stay or a contract was billed between two readings.
namespace MeterStore {
namespace {

// The breakdown is kept as JSON, in no language: each invoice words it in its customer's.
QString dayText(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

QJsonObject lineObject(const Meters::Line& l)
{
    return {{QStringLiteral("standing"), l.standing},      {QStringLiteral("firstDay"), dayText(l.firstDay)},
            {QStringLiteral("endDay"), dayText(l.endDay)}, {QStringLiteral("units"), l.units},
            {QStringLiteral("price"), l.price.units()},    {QStringLiteral("amount"), l.amount.units()}};
}

QJsonObject readObject(const Meters::Read& r)
{
    return {{QStringLiteral("serial"), r.serial},
            {QStringLiteral("fromAt"), DateTimes::dbDateTime(r.fromAt).toString()},
            {QStringLiteral("fromValue"), r.fromValue},
            {QStringLiteral("toAt"), DateTimes::dbDateTime(r.toAt).toString()},
            {QStringLiteral("toValue"), r.toValue},
            {QStringLiteral("use"), r.use}};
}

QString encoded(const Meters::Breakdown& b)
{
    QJsonArray reads;
    for (const Meters::Read& r : b.reads)
        reads.append(readObject(r));
    QJsonArray lines;
    for (const Meters::Line& l : b.lines)
        lines.append(lineObject(l));
    const QJsonObject o{{QStringLiteral("kind"), static_cast<int>(b.kind)},
                        {QStringLiteral("unit"), b.unit},
                        {QStringLiteral("berth"), b.berth},
                        {QStringLiteral("reads"), reads},
                        {QStringLiteral("lines"), lines}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

/// The breakdown a stored text holds; nothing for the words an older charge was kept with, or for a text that is
/// not whole.
std::optional<Meters::Breakdown> decoded(const QString& text)
{
    if (!text.startsWith(u'{'))
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8());
    const QJsonObject o = doc.object();
    const auto kind = Meters::kindOf(o.value(QStringLiteral("kind")).toInt());
    if (!doc.isObject() || !kind || !o.value(QStringLiteral("reads")).isArray() ||
        !o.value(QStringLiteral("lines")).isArray())
        return std::nullopt;
    Meters::Breakdown b{
        *kind, o.value(QStringLiteral("unit")).toString(), o.value(QStringLiteral("berth")).toString(), {}, {}};
    for (const QJsonValue& v : o.value(QStringLiteral("reads")).toArray()) {
        const QJsonObject r = v.toObject();
        b.reads << Meters::Read{r.value(QStringLiteral("serial")).toString(),
                                DateTimes::readDateTime(r.value(QStringLiteral("fromAt")).toString()),
                                r.value(QStringLiteral("fromValue")).toInteger(),
                                DateTimes::readDateTime(r.value(QStringLiteral("toAt")).toString()),
                                r.value(QStringLiteral("toValue")).toInteger(),
                                r.value(QStringLiteral("use")).toInteger()};
    }
    for (const QJsonValue& v : o.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject l = v.toObject();
        const Meters::Line line{l.value(QStringLiteral("standing")).toBool(),
                                QDate::fromString(l.value(QStringLiteral("firstDay")).toString(), Qt::ISODate),
                                QDate::fromString(l.value(QStringLiteral("endDay")).toString(), Qt::ISODate),
                                l.value(QStringLiteral("units")).toInteger(),
                                Money::fromUnits(l.value(QStringLiteral("price")).toInteger()),
                                Money::fromUnits(l.value(QStringLiteral("amount")).toInteger())};
        if (!line.firstDay.isValid() || !line.endDay.isValid())
            return std::nullopt;
        b.lines << line;
    }
    return b;
}

Result<QList<Charge>> readCharges(const QSqlDatabase& db, const QString& where, const QVariant& id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT BookingID, ContractID, MeterID, FromReadingID, ToReadingID, FirstDay, "
                                  "EndDay, Units, Amount, Breakdown, Tax, Instalment FROM MeterCharge WHERE ") +
                       where + QStringLiteral(" = ? ORDER BY ID"),
                   {id}, &error))
        return databaseFailure(error);
    QList<Charge> found;
    while (q.next()) {
        Charge c;
        c.bookingId = q.value(0).toInt();
        if (!q.value(1).isNull())
            c.contractId = q.value(1).toInt();
        c.meterId = q.value(2).toLongLong();
        c.fromReadingId = q.value(3).toLongLong();
        c.toReadingId = q.value(4).toLongLong();
        c.firstDay = Sql::readDay(q.value(5));
        c.endDay = Sql::readDay(q.value(6));
        c.units = q.value(7).toLongLong();
        c.amount = Money::fromDb(q.value(8));
        const QString kept = q.value(9).toString();
        if (const auto breakdown = decoded(kept))
            c.breakdown = *breakdown;
        else
            c.words = kept;
        c.tax = Money::fromDb(q.value(10));
        if (!q.value(11).isNull())
            c.instalment = q.value(11).toInt();
        found << c;
    }
    return found;
}

} // namespace

Status addCharge(const QSqlDatabase& db, const Charge& c, const QDateTime& now, const QString& desk)
{
    if (c.contractId) {
        // Read again inside the caller's transaction: the index would refuse it too, in a database's words.
        QSqlQuery q(db);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT COUNT(*) FROM MeterCharge WHERE ContractID = ? AND MeterID = ? AND "
                                      "FromReadingID = ?"),
                       {*c.contractId, c.meterId, c.fromReadingId}, &error))
            return databaseFailure(error);
        if (q.next() && q.value(0).toInt() > 0)
            return refused(QCoreApplication::translate("MeterStore",
                                                       "Contract %1 has been billed for this meter's period already.")
                               .arg(*c.contractId));
    }
    QString error;
    if (!Sql::exec(
            db,
            QStringLiteral("INSERT INTO MeterCharge (BookingID, ContractID, MeterID, FromReadingID, ToReadingID, "
                           "FirstDay, EndDay, Units, Amount, Breakdown, PostedAt, Desk, Tax, Instalment) VALUES (?, ?, "
                           "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {c.bookingId, c.contractId ? QVariant(*c.contractId) : Sql::nullInt(), c.meterId, c.fromReadingId,
             c.toReadingId, Sql::dayValue(c.firstDay), Sql::dayValue(c.endDay), QVariant::fromValue<qlonglong>(c.units),
             c.amount.toDb(), encoded(c.breakdown), DateTimes::dbDateTime(now), desk, c.tax.toDb(),
             c.instalment ? QVariant(*c.instalment) : Sql::nullInt()},
            &error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Charge>> bookingCharges(const QSqlDatabase& db, int bookingId)
{
    return readCharges(db, QStringLiteral("BookingID"), bookingId);
}

Result<QList<Charge>> contractCharges(const QSqlDatabase& db, int contractId)
{
    return readCharges(db, QStringLiteral("ContractID"), contractId);
}

Result<std::optional<Meters::Reading>> lastBilled(const QSqlDatabase& db, int contractId, qint64 meterId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT R.ID, R.ReadAt FROM MeterCharge C JOIN MeterReading R ON R.ID = "
                                  "C.ToReadingID WHERE C.ContractID = ? AND C.MeterID = ? ORDER BY R.ReadAt DESC, "
                                  "R.ID DESC LIMIT 1"),
                   {contractId, meterId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<Meters::Reading>();
    const qint64 id = q.value(0).toLongLong();
    const QDateTime at = DateTimes::readDateTime(q.value(1));
    const auto then = readings(db, meterId, at, at);
    if (!then)
        return then.failure();
    for (const Meters::Reading& r : *then)
        if (r.id == id)
            return std::optional<Meters::Reading>(r);
    return std::optional<Meters::Reading>();
}

} // namespace MeterStore
