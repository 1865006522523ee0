#pragma once

#include "core/DocumentLanguage.h"
#include "core/Money.h"
#include "core/Result.h"
#include "rates/Pricing.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <optional>

/// A booking's hire priced from the office's seasons and the berths' daily charges, and the texts that explain it.
namespace BookingPricing {

struct Quote
{
    Pricing::Price price;
    Pricing::TaxRate tax; // in force on the arrival date
};

/// The berths (in the order given) priced for the period: its nights are the days of hire, the first of them the
/// arrival's date. Where the office defines no season this is each berth's daily charge times the days of hire.
Result<Quote> quote(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from, const QDateTime& to,
                    std::optional<int> boatLengthCm = std::nullopt);

/// One line of a breakdown as the wizard, the summary and the receipt show it: "A1, High: 3 nights at £30.00 =
/// £90.00"; nights outside every season are the berth's "daily charge".
QString lineText(const Pricing::Line& line);
/// The same line without its amount, for documents that print the amount in a column of its own.
QString lineLabel(const Pricing::Line& line, const DocumentWords& words = DocumentWords::interface());
/// What the charges page says of berths no rate prices, or nothing when every berth has one.
QString unpricedText(const QStringList& berths);

} // namespace BookingPricing
