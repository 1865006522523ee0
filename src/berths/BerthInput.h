#pragma once

#include "core/Money.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <variant>

// A new berth as the entry fields hold it, read and checked without a window.

/// The lookup lists of a berth, read with Sql::readLookup: the berth types ("Type" of BerthType) and the owners ("Name"
/// of Owner).
QString berthTypeLookupSql();
QString ownerLookupSql(const QSqlDatabase& db);

/// A new berth as the user entered it, read and checked.
struct BerthFields
{
    QString name; // trimmed
    std::optional<double> length;
    std::optional<double> width;
    std::optional<double> maxDraft; // metres; nothing: any draft
    bool takesMultihulls = true;
    int typeId = 0;
    std::optional<int> ownerId;
    bool hasPower = false;
    QString notes; // as typed
    std::optional<Money> dailyHireCharge;
    std::optional<Money> weeklyHireCharge;
    std::optional<Money> monthlyHireCharge;
};

/// The texts of the berth entry fields, as the window holds them.
struct BerthInput
{
    QString name;
    QString length;
    QString width;
    QString maxDraft;
    bool takesMultihulls = true;
    std::optional<int> typeId; // nothing when no type is chosen
    bool ownerTicked = false;
    std::optional<int> ownerId; // nothing when no owner is chosen
    bool hasPower = false;
    QString notes;
    QString dailyHireCharge;
    QString weeklyHireCharge;
    QString monthlyHireCharge;
};

/// Why a berth cannot be added, and which field should take the focus.
struct BerthRefusal
{
    enum class Field
    {
        Name,
        Owner,
        Type,
        Length,
        Width,
        MaxDraft,
        DailyHireCharge,
        WeeklyHireCharge,
        MonthlyHireCharge
    };
    Field field;
    QString text;
    QString title;
};

/// The titles the number boxes of a berth are refused with.
namespace BerthTitles {
QString add();
QString length();
QString width();
QString daily();
QString weekly();
QString monthly();
QString maxDraft();
} // namespace BerthTitles

/// Checks a new berth in the order the user is told: the number boxes, then the name, the owner, the type.
/// Empty number boxes leave their columns empty (not zero); the owner counts only when its box is ticked.
std::variant<BerthFields, BerthRefusal> readNewBerth(const BerthInput& input, const QLocale& locale = QLocale());
