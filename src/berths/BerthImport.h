#pragma once

#include "core/Money.h"
#include "core/Result.h"
#include "people/Boats.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The Berth and BerthType rows an import brings in, written inside the import's one transaction, and their removal
/// by "Undo this import".
namespace BerthImport {

/// A berth as a file describes it; sizes in metres.
struct Berth
{
    QString name;
    QString type; // the berth type's name; empty: none
    std::optional<double> length;
    std::optional<double> width;
    std::optional<double> maxDraft;
    bool hasPower = false;
    std::optional<Money> dailyHireCharge;
};

/// A berth on record: its ID and what a boat must fit.
struct KnownBerth
{
    int id = 0;
    QString name;
    BerthFit::BerthSize size;
};
/// The berths by name (upper case) and by old reference.
struct Known
{
    QHash<QString, KnownBerth> byName;
    QHash<QString, KnownBerth> byRef;
};
Result<Known> known(const QSqlDatabase& db);
QString nameKey(const QString& name);

/// The berth type of this name, added when there is none.
Result<int> typeId(const QSqlDatabase& db, const QString& type);
/// Adds the berth; its ID.
Result<int> add(const QSqlDatabase& db, const Berth& berth);
/// Writes the file's values over berth id.
Status update(const QSqlDatabase& db, int id, const Berth& berth);
/// Deletes the berths the batch added.
Status removeBatch(const QSqlDatabase& db, int batchId);

} // namespace BerthImport
