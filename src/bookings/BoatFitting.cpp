#include "bookings/BoatFitting.h"
#include "core/DateTimes.h"

#include <QCoreApplication>

namespace BoatFitting {
namespace {
std::optional<int> centimetres(const std::optional<double>& metres)
{
    return metres ? std::optional(qRound(*metres * 100)) : std::nullopt;
}
} // namespace

BerthFit::BerthSize sizeOf(const AvailableBerth& berth)
{
    return {centimetres(berth.length), centimetres(berth.width), centimetres(berth.maxDraft), berth.takesMultihulls};
}

QList<AvailableBerth> listed(const QList<AvailableBerth>& free, const std::optional<BoatRecord>& boat, bool onlyFitting,
                             const QList<int>& marked)
{
    if (!boat || !onlyFitting)
        return free;
    QList<AvailableBerth> fitting;
    QList<AvailableBerth> markedMisfits;
    for (const AvailableBerth& berth : free) {
        if (BerthFit::misfits(*boat, sizeOf(berth)).isEmpty())
            fitting << berth;
        else if (marked.contains(berth.id))
            markedMisfits << berth;
    }
    std::stable_sort(fitting.begin(), fitting.end(), [&](const AvailableBerth& a, const AvailableBerth& b) {
        return BerthFit::room(*boat, sizeOf(a)) < BerthFit::room(*boat, sizeOf(b));
    });
    return fitting + markedMisfits;
}

namespace {
QString measures(const QList<BerthFit::Measure>& misfits)
{
    QStringList names;
    for (const BerthFit::Measure measure : misfits)
        names << BerthFit::measureName(measure);
    return names.join(QStringLiteral(", "));
}
} // namespace

QString fitText(const std::optional<BoatRecord>& boat, const AvailableBerth& berth)
{
    if (!boat)
        return {};
    const auto misfits = BerthFit::misfits(*boat, sizeOf(berth));
    if (misfits.isEmpty())
        return QCoreApplication::translate("BoatFitting", "Yes");
    return QCoreApplication::translate("BoatFitting", "No: %1").arg(measures(misfits));
}

QStringList misfitBerths(const BoatRecord& boat, const QList<AvailableBerth>& marked)
{
    QStringList result;
    for (const AvailableBerth& berth : marked)
        if (const auto misfits = BerthFit::misfits(boat, sizeOf(berth)); !misfits.isEmpty())
            result << QStringLiteral("%1 (%2)").arg(berth.name, measures(misfits));
    return result;
}

QString misfitQuestion(const BoatRecord& boat, const QStringList& misfits)
{
    return QCoreApplication::translate("BoatFitting", "%1 does not fit %2. Book it there all the same?")
        .arg(Boats::boatLine(boat), misfits.join(QStringLiteral(", ")));
}

QString misfitDetails(const BoatRecord& boat, const QStringList& misfits)
{
    // The event log's own words, never translated.
    return QStringLiteral("Boat: ") + Boats::boatLine(boat) + QStringLiteral("\r\nDoes not fit: ") +
           misfits.join(QStringLiteral(", "));
}

QString insuranceWarning(const BoatRecord& boat, const QDateTime& departure)
{
    if (!boat.insuranceExpiry.isValid() || boat.insuranceExpiry >= departure.date())
        return {};
    return QCoreApplication::translate("BoatFitting", "The insurance of %1 runs out on %2, before the departure.")
        .arg(boat.name, boat.insuranceExpiry.toString(DateTimes::dateFormat()));
}

} // namespace BoatFitting
