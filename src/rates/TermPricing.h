#pragma once

#include "rates/Pricing.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

/// A berth let for a term (a named season or a year) rather than by the night: the term's price per berth type or
/// per berth, and a contract's price from it. A contract that starts or ends part way through a term pays the share
/// of the term's price its days are of the term's days, day by day, so a contract that straddles two terms pays part
/// of each. No database and no window: the term store and the contracts hand in what they read.
namespace TermPricing {

/// A term is a season whose nights are its days: once or every year, the highest priority covering a day prices it.
using Term = Pricing::Season;

/// A term's price for a berth type or for one berth over its type's (exactly one of the two set), in force from a
/// date: the latest in force on the first day of the term's stretch is the one charged.
struct TermRate
{
    qint64 id = 0;
    qint64 termId = 0;
    std::optional<int> berthTypeId;
    std::optional<int> berthId;
    Pricing::Basis basis = Pricing::Basis::PerBerth;
    Money price; // for the whole term; per metre of length with Basis::PerMetre
    QDate from;
    bool operator==(const TermRate&) const = default;
};

/// What a berth's term price depends on.
struct BerthTerms
{
    int berthId = 0;
    QString berth;
    std::optional<int> typeId;
    int lengthCm = 0;
    int minimumLengthCm = 0;
};

/// One run of days a term covers: its first and last day.
struct Stretch
{
    QDate first;
    QDate last;
    qint64 days() const { return first.daysTo(last) + 1; }
    bool operator==(const Stretch&) const = default;
};
/// The stretch of term that holds day: the term's own days, or for a yearly term the year's run of them (one that
/// runs over New Year starts in the year before when day falls in its second part). Nothing when term does not
/// cover day.
std::optional<Stretch> stretchOf(const Term& term, const QDate& day);

/// The rate that prices berth in term on day: the berth's own in force then, else its type's; nothing without one.
std::optional<TermRate> rateInForce(const QList<TermRate>& rates, qint64 termId, const BerthTerms& berth,
                                    const QDate& day);
/// The whole term's price of rate for a berth of lengthCm (per metre: times the length, rounded to the penny).
Money fullPrice(const TermRate& rate, int lengthCm);

/// What one berth pays for one run of days in one stretch of a term.
struct Share
{
    QString berth;
    QString term;
    QDate first;
    QDate last;
    qint64 days = 0;
    qint64 termDays = 0;
    Money termPrice; // the whole stretch's price
    Money amount;    // termPrice * days / termDays, rounded once to the penny
    bool operator==(const Share&) const = default;
};

struct Quote
{
    Money total;
    QList<Share> shares;
    QStringList unpriced; // berths with a day no term with a rate for them covers
};

/// The contract of berths from first to last day (both held) priced day by day: each run of days in one stretch of
/// one term pays its share of that stretch's price. A per-metre rate counts the boat's length where there is a boat,
/// else the berth's, and never less than the type's minimum.
Quote price(const QList<Term>& terms, const QList<TermRate>& rates, const QList<BerthTerms>& berths, const QDate& first,
            const QDate& last, std::optional<int> boatLengthCm = std::nullopt);

/// Refusals before terms or rates are saved: a term with no name, no days, ending before it starts, a yearly term
/// longer than a year; a rate below zero or above the rate ceiling, without a date, or for neither or both of a type
/// and a berth.
Status checkTerm(const Term& term);
Status checkRate(const TermRate& rate);

} // namespace TermPricing
