#include "rates/TermPricing.h"

#include <QCoreApplication>
#include <algorithm>

namespace TermPricing {
namespace {

// A day of the month in year, the last of the month where the year has no such day (29 February).
QDate dayIn(int year, const QDate& like)
{
    const QDate month(year, like.month(), 1);
    return QDate(year, like.month(), std::min(like.day(), month.daysInMonth()));
}

struct Priced
{
    const Term* term = nullptr;
    Stretch stretch;
    TermRate rate;
};

// The term pricing berth on day: the highest priority covering it with a rate for the berth then.
std::optional<Priced> pricing(const QList<Term>& terms, const QList<TermRate>& rates, const BerthTerms& berth,
                              const QDate& day)
{
    std::optional<Priced> best;
    for (const Term& term : terms) {
        if (best && term.priority <= best->term->priority)
            continue;
        const std::optional<Stretch> stretch = stretchOf(term, day);
        if (!stretch)
            continue;
        if (const std::optional<TermRate> rate = rateInForce(rates, term.id, berth, stretch->first))
            best = Priced{&term, *stretch, *rate};
    }
    return best;
}

} // namespace

std::optional<Stretch> stretchOf(const Term& term, const QDate& day)
{
    if (!day.isValid() || !Pricing::covers(term, day))
        return std::nullopt;
    if (!term.yearly)
        return Stretch{term.firstNight, term.lastNight};
    const bool overNewYear =
        term.lastNight.month() * 100 + term.lastNight.day() < term.firstNight.month() * 100 + term.firstNight.day();
    const bool inSecondPart =
        overNewYear && day.month() * 100 + day.day() <= term.lastNight.month() * 100 + term.lastNight.day();
    const int startYear = inSecondPart ? day.year() - 1 : day.year();
    return Stretch{dayIn(startYear, term.firstNight), dayIn(overNewYear ? startYear + 1 : startYear, term.lastNight)};
}

std::optional<TermRate> rateInForce(const QList<TermRate>& rates, qint64 termId, const BerthTerms& berth,
                                    const QDate& day)
{
    const auto latest = [&](auto applies) {
        const TermRate* best = nullptr;
        for (const TermRate& rate : rates)
            if (rate.termId == termId && applies(rate) && rate.from <= day && (!best || rate.from > best->from))
                best = &rate;
        return best ? std::optional<TermRate>(*best) : std::nullopt;
    };
    if (auto own = latest([&](const TermRate& r) { return r.berthId == berth.berthId; }))
        return own;
    if (!berth.typeId)
        return std::nullopt;
    return latest([&](const TermRate& r) { return !r.berthId && r.berthTypeId == berth.typeId; });
}

Money fullPrice(const TermRate& rate, int lengthCm)
{
    return rate.basis == Pricing::Basis::PerMetre ? rate.price.ratioToPenny(lengthCm, 100) : rate.price.toPenny();
}

Quote price(const QList<Term>& terms, const QList<TermRate>& rates, const QList<BerthTerms>& berths, const QDate& first,
            const QDate& last, std::optional<int> boatLengthCm)
{
    Quote quote;
    if (!first.isValid() || !last.isValid() || last < first)
        return quote;
    for (const BerthTerms& berth : berths) {
        const int length =
            std::max(boatLengthCm && *boatLengthCm > 0 ? *boatLengthCm : berth.lengthCm, berth.minimumLengthCm);
        QDate day = first;
        while (day <= last) {
            const std::optional<Priced> priced = pricing(terms, rates, berth, day);
            QDate end = day;
            // The run goes on while the same stretch of the same term prices each day.
            while (end < last) {
                const std::optional<Priced> next = pricing(terms, rates, berth, end.addDays(1));
                if (bool(next) != bool(priced) ||
                    (priced && (next->term != priced->term || !(next->stretch == priced->stretch))))
                    break;
                end = end.addDays(1);
            }
            if (priced) {
                Share share;
                share.berth = berth.berth;
                share.term = priced->term->name;
                share.first = day;
                share.last = end;
                share.days = day.daysTo(end) + 1;
                share.termDays = priced->stretch.days();
                share.termPrice = fullPrice(priced->rate, length);
                // One rounding: a per-metre price is not rounded before its share is taken.
                share.amount = priced->rate.basis == Pricing::Basis::PerMetre
                                   ? priced->rate.price.ratioToPenny(qint64(length) * share.days, 100 * share.termDays)
                                   : priced->rate.price.ratioToPenny(share.days, share.termDays);
                quote.total += share.amount;
                quote.shares << share;
            } else if (!quote.unpriced.contains(berth.berth)) {
                quote.unpriced << berth.berth;
            }
            day = end.addDays(1);
        }
    }
    return quote;
}

Status checkTerm(const Term& term)
{
    if (term.name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("TermPricing", "A term needs a name."));
    if (!term.firstNight.isValid() || !term.lastNight.isValid())
        return refused(QCoreApplication::translate("TermPricing", "The term \"%1\" needs its first and last days.")
                           .arg(term.name));
    if (term.lastNight < term.firstNight)
        return refused(
            QCoreApplication::translate("TermPricing", "The term \"%1\" ends before it starts.").arg(term.name));
    if (term.yearly && term.lastNight >= term.firstNight.addYears(1))
        return refused(QCoreApplication::translate(
                           "TermPricing", "The term \"%1\" comes every year, so it cannot be longer than a year.")
                           .arg(term.name));
    return Done{};
}

Status checkRate(const TermRate& rate)
{
    if (bool(rate.berthTypeId) == bool(rate.berthId))
        return refused(
            QCoreApplication::translate("TermPricing", "A term's price is for a berth type or for one berth."));
    if (rate.price < Money() || rate.price > Pricing::RateCeiling)
        return refused(QCoreApplication::translate("TermPricing", "A term's price must be from %1 to %2.")
                           .arg(Money().formatGrouped(), Pricing::RateCeiling.formatGrouped()));
    if (!rate.from.isValid())
        return refused(QCoreApplication::translate("TermPricing", "A term's price needs the date it takes effect."));
    return Done{};
}

} // namespace TermPricing
