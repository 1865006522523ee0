#include "core/Lengths.h"

#include <QCoreApplication>
#include <QLocale>
#include <atomic>

namespace Lengths {
namespace {
std::atomic<Unit>& shown()
{
    static std::atomic<Unit> unit{Unit::Metres};
    return unit;
}
// A foot is 30.48 cm exactly: hundredths of a foot times 3048 make ten-thousandths of a centimetre.
constexpr qint64 TenThousandthsCmPerHundredthFoot = 3048;
} // namespace

Unit shownUnit()
{
    return shown().load();
}

void setShownUnit(Unit unit)
{
    shown().store(unit);
}

QString number(int cm, Unit unit)
{
    // The locale's decimal mark, as amounts are shown; parse reads a point or a comma.
    const QString point = QLocale().decimalPoint();
    if (unit == Unit::Metres)
        return QStringLiteral("%1%2%3").arg(cm / 100).arg(point).arg(cm % 100, 2, 10, QLatin1Char('0'));
    // Tenths of a foot, rounded half up: cm × 100 / 3048 tenths.
    const qint64 tenths = (qint64(cm) * 1000 + 1524) / 3048;
    return QStringLiteral("%1%2%3").arg(tenths / 10).arg(point).arg(tenths % 10);
}

QString unitName(Unit unit)
{
    return unit == Unit::Metres ? QCoreApplication::translate("Lengths", "m")
                                : QCoreApplication::translate("Lengths", "ft");
}

QString text(int cm, Unit unit)
{
    return number(cm, unit) + u' ' + unitName(unit);
}

std::optional<int> parse(const QString& typed, int maximumCm, Unit unit)
{
    const QString s = typed.trimmed();
    qint64 whole = 0;
    int decimals = -1; // -1: before the separator
    qint64 hundredths = 0;
    for (const QChar c : s) {
        if (c == u'.' || c == u',') {
            if (decimals >= 0)
                return std::nullopt;
            decimals = 0;
        } else if (c.isDigit() && c.unicode() < 0x80) {
            const int digit = c.digitValue();
            if (decimals < 0) {
                whole = whole * 10 + digit;
                if (whole > 1000000)
                    return std::nullopt;
            } else if (++decimals > 2) {
                return std::nullopt;
            } else {
                hundredths += digit * (decimals == 1 ? 10 : 1);
            }
        } else {
            return std::nullopt;
        }
    }
    if (s.isEmpty() || s == u"." || s == u",")
        return std::nullopt;
    const qint64 amount = whole * 100 + hundredths; // hundredths of the unit
    const qint64 cm = unit == Unit::Metres ? amount : (amount * TenThousandthsCmPerHundredthFoot + 5000) / 10000;
    if (cm <= 0 || cm > maximumCm)
        return std::nullopt;
    return int(cm);
}

} // namespace Lengths
