#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"
#include "rates/Pricing.h"

#include "core/SqlHelpers.h"

#include <QMap>
#include <QSqlDatabase>

/// A season's rate for a berth type, or for one berth over its type's (exactly one of the two is set).
struct RateRow
{
    qint64 seasonId = 0;
    std::optional<int> berthTypeId;
    std::optional<int> berthId;
    Pricing::Rate rate;
    bool operator==(const RateRow&) const = default;
};

/// The office's seasons and their rates, saved as one. A season not saved yet carries an id below 1, which its
/// rates name until the save gives it its own.
struct RateTable
{
    QList<Pricing::Season> seasons;
    QList<RateRow> rates;
    QMap<int, int>
        minimumLengthCm; // berth type id -> the least length a per-metre rate counts; types without one left out
    bool operator==(const RateTable&) const = default;
};

/// The Season, Rate and Tax tables, and what prices a berth from them.
namespace RateStore {

Result<RateTable> load(const QSqlDatabase& db);
/// Berth types or berths by ID, for naming them.
using Names = QList<Sql::LookupItem>;
/// Replaces the rate table with edited, merged inside the transaction with what another desk stored since loaded.
/// Refused, with nothing saved, when a season or a rate (of either desk's, or of both together) fails the rate
/// table's checks or a rate names no season. A Conflict, with nothing saved, when both desks changed one season,
/// one rate or one least length differently: merge lists them, berth types and berths named from the lists given.
Status save(const QSqlDatabase& db, const RateTable& loaded, const RateTable& edited, const Names& types = {},
            const Names& berths = {}, std::optional<FieldChanges::Merge<RateTable>>* merge = nullptr);
/// The merge of loaded, theirs and mine, season by season, rate by rate and type by type.
FieldChanges::Merge<RateTable> merged(const RateTable& loaded, const RateTable& theirs, const RateTable& mine,
                                      const Names& types, const Names& berths);

/// The taxes by the date they take effect, earliest first.
Result<QList<Pricing::TaxRate>> taxes(const QSqlDatabase& db);
/// Replaces the taxes with edited when they are still as loaded; two taxes from one date are refused.
Status saveTaxes(const QSqlDatabase& db, const QList<Pricing::TaxRate>& loaded, const QList<Pricing::TaxRate>& edited);
/// Refused when a rate is out of range or two take effect on one date.
Status checkTaxes(const QList<Pricing::TaxRate>& edited);
/// Replaces the taxes with checked ones inside the caller's transaction, unchecked against what is stored.
Status writeTaxes(const QSqlDatabase& db, const QList<Pricing::TaxRate>& edited);

/// What prices each of the berths, in the order given: the daily charge, the length, the type's minimum length,
/// and for each season the berth's own rate, else its type's. A berth that is not there is left out.
Result<QList<Pricing::BerthRates>> berthRates(const QSqlDatabase& db, const QList<int>& berthIds);

/// A berth's charges in the berth register, offered as its own rates when the office sets up its first season.
struct RegisterCharges
{
    int berthId = 0;
    std::optional<Money> daily;
    std::optional<Money> weekly;
    std::optional<Money> monthly;
};
/// The berths whose register entry holds a weekly or a monthly charge.
Result<QList<RegisterCharges>> registerCharges(const QSqlDatabase& db);

/// The berth types and the berths, for the rate table's rows and choices.
Result<QList<Sql::LookupItem>> berthTypes(const QSqlDatabase& db);
Result<QList<Sql::LookupItem>> berths(const QSqlDatabase& db);

} // namespace RateStore
