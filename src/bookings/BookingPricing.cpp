#include "bookings/BookingPricing.h"

#include "bookings/BookingRules.h"
#include "rates/RateStore.h"

#include <QCoreApplication>

namespace BookingPricing {

Result<Quote> quote(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from, const QDateTime& to,
                    std::optional<int> boatLengthCm)
{
    const auto table = RateStore::load(db);
    if (!table)
        return table.failure();
    const auto berths = RateStore::berthRates(db, berthIds);
    if (!berths)
        return berths.failure();
    const auto taxes = RateStore::taxes(db);
    if (!taxes)
        return taxes.failure();
    return Quote{
        Pricing::priceStay(table->seasons, *berths, from.date(), BookingRules::daysOfHire(from, to), boatLengthCm),
        Pricing::taxInForce(*taxes, from.date())};
}

QString lineLabel(const Pricing::Line& line, const DocumentWords& words)
{
    const QString season = line.season.isEmpty() ? words.translate("BookingPricing", "daily charge") : line.season;
    return words.translate("BookingPricing", "%1, %2: %3 at %4")
        .arg(line.berth, season, Pricing::countText(line, words), line.rate.format());
}

QString lineText(const Pricing::Line& line)
{
    return QCoreApplication::translate("BookingPricing", "%1 = %2").arg(lineLabel(line), line.amount.format());
}

QString unpricedText(const QStringList& berths)
{
    if (berths.isEmpty())
        return {};
    return QCoreApplication::translate("BookingPricing", "No rate prices %1: counted at %2.")
        .arg(berths.join(QStringLiteral(", ")), Money().format());
}

} // namespace BookingPricing
