#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// What a customer brings: a boat to a marina, a caravan, motorhome or tent to a park.
enum class BoatKind
{
    SailMonohull,
    SailMultihull,
    MotorBoat,
    OtherBoat,
    Caravan,
    Motorhome,
    Tent,
    OtherVehicle
};

/// A customer's boat or vehicle. Sizes in centimetres; nothing where it is not recorded.
struct BoatRecord
{
    int id = 0;
    int customerId = 0;
    QString name;
    BoatKind kind = BoatKind::SailMonohull;
    std::optional<int> lengthCm;
    std::optional<int> beamCm;
    std::optional<int> draftCm;
    std::optional<int> heightCm;
    QString registration; // registration or sail number
    QString insuranceCompany;
    QString policyNumber;
    QDate insuranceExpiry;
    QString notes;
    bool operator==(const BoatRecord&) const = default;
};

/// The Boat table: a customer's boats, and the checks before one is saved.
namespace Boats {

/// "Sail monohull", ...: the kinds as the lists show them, in BoatKind's order.
QStringList kindNames();
bool isMultihull(BoatKind kind);
/// The largest size a box accepts: 200 m.
inline constexpr int MaximumCm = 20000;
/// A boat as it may be saved: a name, and every size recorded above 0 and at most 200 m.
Status check(const BoatRecord& boat);

/// The customer's boats by name.
Result<QList<BoatRecord>> ofCustomer(const QSqlDatabase& db, int customerId);
/// The same boats as a picker offers them: each boat's line, keeping its id.
Result<QList<Sql::LookupItem>> choicesOf(const QSqlDatabase& db, int customerId);
/// One boat; a Conflict when it is gone.
Result<BoatRecord> load(const QSqlDatabase& db, int id);
/// A boat with its owner's name, for lists that pick a boat before the customer.
struct OwnedBoat
{
    BoatRecord boat;
    QString owner;
};
/// Every boat with its owner, by boat name, then owner.
Result<QList<OwnedBoat>> withOwners(const QSqlDatabase& db);
/// "11.40 m" or "37.4 ft": a size in centimetres as lists and documents show it, in the regional unit.
QString sizeText(int cm);
/// "Seaspray, 11.40 m" (the length left out where it is not recorded).
QString boatLine(const BoatRecord& boat);

/// The ID the new boat was given.
Result<int> add(const QSqlDatabase& db, const BoatRecord& boat);
/// The columns add() writes, and the boat's values for them in that order (for many rows written at once).
QString columns();
QVariantList columnValues(const BoatRecord& boat);
/// Saves edited over the boat, merged inside the transaction with what another desk stored since loaded. A
/// Conflict, with nothing saved, when both changed a field differently (merge then lists them) or the boat was
/// removed (merge stays empty).
Status modify(const QSqlDatabase& db, const BoatRecord& loaded, const BoatRecord& edited,
              std::optional<FieldChanges::Merge<BoatRecord>>* merge = nullptr);
/// The merge of loaded, theirs and mine, field by field, sizes in the unit shown.
FieldChanges::Merge<BoatRecord> merged(const BoatRecord& loaded, const BoatRecord& theirs, const BoatRecord& mine);
/// Removes the boat, when it is still as loaded.
Status remove(const QSqlDatabase& db, const BoatRecord& loaded);

} // namespace Boats

/// Whether a boat fits a berth: each measure within the berth's; a size not recorded on either side passes.
namespace BerthFit {

struct BerthSize
{
    std::optional<int> lengthCm;
    std::optional<int> widthCm;
    std::optional<int> maxDraftCm;
    bool takesMultihulls = true;
};
enum class Measure
{
    Length,
    Beam,
    Draft,
    Multihull
};
/// The measures that do not fit, in this order; none when the boat fits.
QList<Measure> misfits(const BoatRecord& boat, const BerthSize& berth);
/// "length", "beam", "draft", "multihull": a measure as the question names it.
QString measureName(Measure measure);
/// How much longer than the boat the berth is, for listing the tightest first; a size not recorded on either
/// side counts as the most room.
int room(const BoatRecord& boat, const BerthSize& berth);

} // namespace BerthFit
