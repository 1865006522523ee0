#include "people/Boats.h"

#include "core/DateTimes.h"
#include "core/Lengths.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <limits>

namespace Boats {

namespace {

const QString Columns = QStringLiteral("CustomerID, Name, Kind, LengthCm, BeamCm, DraftCm, HeightCm, Registration, "
                                       "InsuranceCompany, PolicyNumber, InsuranceExpiry, Notes");

QVariant size(std::optional<int> cm)
{
    return cm ? QVariant(*cm) : Sql::nullInt();
}
std::optional<int> readSize(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}

QVariantList binds(const BoatRecord& b)
{
    return {b.customerId,
            b.name.trimmed(),
            int(b.kind),
            size(b.lengthCm),
            size(b.beamCm),
            size(b.draftCm),
            size(b.heightCm),
            b.registration,
            b.insuranceCompany,
            b.policyNumber,
            b.insuranceExpiry.isValid() ? QVariant(b.insuranceExpiry.toString(Qt::ISODate)) : Sql::nullText(),
            b.notes};
}

BoatRecord read(const QSqlQuery& q)
{
    BoatRecord b;
    b.id = q.value(0).toInt();
    b.customerId = q.value(1).toInt();
    b.name = q.value(2).toString();
    b.kind = BoatKind(std::clamp(q.value(3).toInt(), 0, int(BoatKind::OtherVehicle)));
    b.lengthCm = readSize(q.value(4));
    b.beamCm = readSize(q.value(5));
    b.draftCm = readSize(q.value(6));
    b.heightCm = readSize(q.value(7));
    b.registration = q.value(8).toString();
    b.insuranceCompany = q.value(9).toString();
    b.policyNumber = q.value(10).toString();
    b.insuranceExpiry = QDate::fromString(q.value(11).toString(), Qt::ISODate);
    b.notes = q.value(12).toString();
    return b;
}

Result<std::optional<BoatRecord>> loadOne(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, %1 FROM Boat WHERE ID = ?").arg(Columns), {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<BoatRecord>();
    return std::optional(read(q));
}

// Inside the transaction: the boat as it is stored now, or a Conflict when another desk removed it.
Result<BoatRecord> storedNow(const QSqlDatabase& db, const BoatRecord& loaded)
{
    const auto current = loadOne(db, loaded.id);
    if (!current)
        return current.failure();
    if (!*current)
        return conflict(QCoreApplication::translate("Boats", "The boat \"%1\" was removed at another desk meanwhile, "
                                                             "so nothing was saved.")
                            .arg(loaded.name));
    return **current;
}

// Inside the transaction: the boat as this desk loaded it, or why not.
Status stillAsLoaded(const QSqlDatabase& db, const BoatRecord& loaded)
{
    const auto current = storedNow(db, loaded);
    if (!current)
        return current.failure();
    if (*current != loaded)
        return conflict(QCoreApplication::translate("Boats", "The boat \"%1\" was changed at another desk meanwhile, "
                                                             "so nothing was saved. Open it again to see the change.")
                            .arg(loaded.name));
    return Done{};
}

} // namespace

QStringList kindNames()
{
    return {
        QCoreApplication::translate("Boats", "Sail monohull"), QCoreApplication::translate("Boats", "Sail multihull"),
        QCoreApplication::translate("Boats", "Motor boat"),    QCoreApplication::translate("Boats", "Other boat"),
        QCoreApplication::translate("Boats", "Caravan"),       QCoreApplication::translate("Boats", "Motorhome"),
        QCoreApplication::translate("Boats", "Tent"),          QCoreApplication::translate("Boats", "Other vehicle")};
}

bool isMultihull(BoatKind kind)
{
    return kind == BoatKind::SailMultihull;
}

Status check(const BoatRecord& boat)
{
    if (boat.name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Boats", "A boat or vehicle needs a name."));
    if (boat.name.size() > 100)
        return refused(QCoreApplication::translate("Boats", "A name may have 100 characters at the most."));
    for (const std::optional<int>& cm : {boat.lengthCm, boat.beamCm, boat.draftCm, boat.heightCm})
        if (cm && (*cm <= 0 || *cm > MaximumCm))
            return refused(QCoreApplication::translate("Boats", "A size must be more than 0 and at most 200 m."));
    return Done{};
}

Result<QList<BoatRecord>> ofCustomer(const QSqlDatabase& db, int customerId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, %1 FROM Boat WHERE CustomerID = ? ORDER BY Name, ID").arg(Columns),
                   {customerId}, &error))
        return databaseFailure(error);
    QList<BoatRecord> boats;
    while (q.next())
        boats << read(q);
    return boats;
}

Result<BoatRecord> load(const QSqlDatabase& db, int id)
{
    const auto boat = loadOne(db, id);
    if (!boat)
        return boat.failure();
    if (!*boat)
        return conflict(QCoreApplication::translate("Boats", "The boat no longer exists."));
    return **boat;
}

Result<QList<OwnedBoat>> withOwners(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    QString columns = Columns;
    columns.replace(QStringLiteral(", "), QStringLiteral(", b."));
    if (!Sql::exec(q,
                   QStringLiteral("SELECT b.ID, b.%1, c.Name FROM Boat b JOIN Customer c ON c.ID = b.CustomerID "
                                  "ORDER BY b.Name, c.Name, b.ID")
                       .arg(columns),
                   {}, &error))
        return databaseFailure(error);
    QList<OwnedBoat> boats;
    while (q.next())
        boats << OwnedBoat{read(q), q.value(13).toString()};
    return boats;
}

QString sizeText(int cm)
{
    return Lengths::text(cm);
}

Result<QList<Sql::LookupItem>> choicesOf(const QSqlDatabase& db, int customerId)
{
    const auto boats = ofCustomer(db, customerId);
    if (!boats)
        return boats.failure();
    QList<Sql::LookupItem> choices;
    for (const BoatRecord& boat : *boats)
        choices.append({boat.id, boatLine(boat)});
    return choices;
}

QString boatLine(const BoatRecord& boat)
{
    return boat.lengthCm ? QStringLiteral("%1, %2").arg(boat.name, sizeText(*boat.lengthCm)) : boat.name;
}

QString columns()
{
    return Columns;
}

QVariantList columnValues(const BoatRecord& boat)
{
    return binds(boat);
}

Result<int> add(const QSqlDatabase& db, const BoatRecord& boat)
{
    if (const Status checked = check(boat); !checked)
        return checked.failure();
    QString error;
    const auto id = Sql::insertReturningId(
        db, QStringLiteral("INSERT INTO Boat (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(Columns),
        binds(boat), &error);
    if (!id)
        return databaseFailure(error);
    return int(*id);
}

Status modify(const QSqlDatabase& db, const BoatRecord& loaded, const BoatRecord& edited,
              std::optional<FieldChanges::Merge<BoatRecord>>* merge)
{
    if (const Status checked = check(edited); !checked)
        return checked;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto current = storedNow(db, loaded);
    if (!current)
        return current.failure();
    const auto boat = FieldChanges::toWrite(merged(loaded, *current, edited), merge);
    if (!boat)
        return boat.failure();
    QString error;
    QVariantList values = binds(*boat);
    values << loaded.id;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Boat SET CustomerID = ?, Name = ?, Kind = ?, LengthCm = ?, BeamCm = ?, "
                                  "DraftCm = ?, HeightCm = ?, Registration = ?, InsuranceCompany = ?, "
                                  "PolicyNumber = ?, InsuranceExpiry = ?, Notes = ? WHERE ID = ?"),
                   values, &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

FieldChanges::Merge<BoatRecord> merged(const BoatRecord& loaded, const BoatRecord& theirs, const BoatRecord& mine)
{
    const auto size = [](const std::optional<int>& cm) { return cm ? Lengths::text(*cm) : QString(); };
    const auto date = [](const QDate& day) { return DateTimes::dateText(day); };
    const QStringList kinds = kindNames();
    const auto kind = [&](BoatKind k) { return kinds.value(int(k)); };
    const auto text = [](const char* caption) { return QCoreApplication::translate("Boats", caption); };
    FieldChanges::Merge<BoatRecord> merge(loaded, theirs, mine);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Name:")), &BoatRecord::name);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Kind:")), &BoatRecord::kind, kind);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Length overall:")), &BoatRecord::lengthCm, size);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Beam:")), &BoatRecord::beamCm, size);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Draft:")), &BoatRecord::draftCm, size);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Height:")), &BoatRecord::heightCm, size);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Registration or sail number:")), &BoatRecord::registration);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Insurance company:")), &BoatRecord::insuranceCompany);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Policy number:")), &BoatRecord::policyNumber);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Insurance expires:")), &BoatRecord::insuranceExpiry, date);
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Notes:")), &BoatRecord::notes);
    // The dialog never moves a boat to another customer: a move made at another desk is simply kept.
    merge.field(text(QT_TRANSLATE_NOOP("Boats", "Customer:")), &BoatRecord::customerId,
                [](int id) { return QString::number(id); });
    return merge;
}

Status remove(const QSqlDatabase& db, const BoatRecord& loaded)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (const Status same = stillAsLoaded(db, loaded); !same)
        return same;
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Boat WHERE ID = ?"), {loaded.id}, &error) || !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

} // namespace Boats

namespace BerthFit {

QList<Measure> misfits(const BoatRecord& boat, const BerthSize& berth)
{
    const auto over = [](std::optional<int> boatCm, std::optional<int> berthCm) {
        return boatCm && berthCm && *boatCm > *berthCm;
    };
    QList<Measure> result;
    if (over(boat.lengthCm, berth.lengthCm))
        result << Measure::Length;
    if (over(boat.beamCm, berth.widthCm))
        result << Measure::Beam;
    if (over(boat.draftCm, berth.maxDraftCm))
        result << Measure::Draft;
    if (Boats::isMultihull(boat.kind) && !berth.takesMultihulls)
        result << Measure::Multihull;
    return result;
}

QString measureName(Measure measure)
{
    switch (measure) {
    case Measure::Length:
        return QCoreApplication::translate("BerthFit", "length");
    case Measure::Beam:
        return QCoreApplication::translate("BerthFit", "beam");
    case Measure::Draft:
        return QCoreApplication::translate("BerthFit", "draft");
    case Measure::Multihull:
        return QCoreApplication::translate("BerthFit", "multihull");
    }
    return {};
}

int room(const BoatRecord& boat, const BerthSize& berth)
{
    if (!boat.lengthCm || !berth.lengthCm)
        return std::numeric_limits<int>::max();
    return *berth.lengthCm - *boat.lengthCm;
}

} // namespace BerthFit
