#pragma once

#include <QString>
#include <optional>

/// Boat and vehicle sizes as people see and type them: kept in whole centimetres, shown and typed in metres or in
/// feet as the regional settings choose.
namespace Lengths {

enum class Unit
{
    Metres,
    Feet
};

/// The unit sizes are shown and typed in for this run (metres until set).
Unit shownUnit();
void setShownUnit(Unit unit);

/// "11.40" in metres (two decimals), "37.4" in feet (one decimal), without the unit's name.
QString number(int cm, Unit unit = shownUnit());
/// "11.40 m", "37.4 ft".
QString text(int cm, Unit unit = shownUnit());
/// "m" or "ft".
QString unitName(Unit unit = shownUnit());

/// A typed size: digits with at most two decimals (a point or a comma), in the unit, to the nearest centimetre.
/// Nothing for anything else, for 0 or less, or above maximumCm.
std::optional<int> parse(const QString& typed, int maximumCm, Unit unit = shownUnit());

} // namespace Lengths
