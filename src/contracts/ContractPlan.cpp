#include "contracts/ContractPlan.h"

#include "core/DateTimes.h"

#include <QCoreApplication>
#include <algorithm>

namespace ContractPlan {

QList<Instalment> split(Money total, int count, const QDate& firstDay, const QDate& lastDay)
{
    QList<Instalment> plan;
    if (count < 1 || !firstDay.isValid() || !lastDay.isValid())
        return plan;
    const qint64 pence = total.roundedPence();
    const qint64 each = pence / count;
    const qint64 odd = pence - each * count;
    int months = 0;
    while (firstDay.addMonths(months + 1) <= lastDay.addDays(1))
        ++months;
    const qint64 days = std::max<qint64>(1, firstDay.daysTo(lastDay) + 1);
    for (int i = 0; i < count; ++i) {
        const QDate due = months >= count ? firstDay.addMonths(i * months / count) : firstDay.addDays(i * days / count);
        plan << Instalment{i + 1, std::min(due, lastDay), Money::fromPence(i == 0 ? each + odd : each), {}, {}};
    }
    return plan;
}

Status check(const QList<Instalment>& plan, Money total, const QDate& lastDay)
{
    if (plan.isEmpty())
        return refused(QCoreApplication::translate("ContractPlan", "A plan needs at least one instalment."));
    if (plan.size() > MostInstalments)
        return refused(
            QCoreApplication::translate("ContractPlan", "A plan has at most %1 instalments.").arg(MostInstalments));
    Money sum;
    for (const Instalment& i : plan) {
        if (!i.due.isValid())
            return refused(QCoreApplication::translate("ContractPlan", "Instalment %1 needs the date it falls due.")
                               .arg(i.number));
        if (lastDay.isValid() && i.due > lastDay)
            return refused(
                QCoreApplication::translate("ContractPlan", "Instalment %1 falls due after the contract ends, on %2.")
                    .arg(i.number)
                    .arg(DateTimes::dateText(lastDay)));
        if (i.amount < Money() || !i.amount.isWholePence() || !i.amount.withinCeiling())
            return refused(QCoreApplication::translate("ContractPlan",
                                                       "Instalment %1 must be an amount of whole pence, not below %2.")
                               .arg(i.number)
                               .arg(Money().format()));
        sum += i.amount;
    }
    if (sum != total)
        return refused(
            QCoreApplication::translate("ContractPlan", "The instalments add up to %1, not the contract's %2: %3 %4.")
                .arg(sum.formatGrouped(), total.formatGrouped(),
                     sum < total ? QCoreApplication::translate("ContractPlan", "add")
                                 : QCoreApplication::translate("ContractPlan", "take off"),
                     (sum < total ? total - sum : sum - total).formatGrouped()));
    return Done{};
}

Result<QList<Instalment>> replan(const QList<Instalment>& plan, Money total, const QDate& firstDay,
                                 const QDate& lastDay)
{
    QList<Instalment> kept;
    QList<Instalment> rest;
    Money invoiced;
    for (const Instalment& i : plan) {
        if (i.invoiceNumber) {
            kept << i;
            invoiced += i.amount;
        } else {
            rest << i;
        }
    }
    if (invoiced > total)
        return refused(QCoreApplication::translate(
                           "ContractPlan",
                           "Invoices of %1 were issued on this contract already: its total cannot go below them "
                           "(%2). Record a refund or a correction instead.")
                           .arg(invoiced.formatGrouped(), total.formatGrouped()));
    const qint64 remaining = (total - invoiced).roundedPence();
    if (rest.isEmpty() && remaining != 0) {
        QDate due = firstDay;
        for (const Instalment& i : std::as_const(kept))
            due = std::max(due, i.due);
        rest << Instalment{0, std::min(due, lastDay), {}, {}, {}};
    }
    const qint64 count = rest.size();
    for (qint64 n = 0; n < count; ++n) {
        const qint64 each = remaining / count;
        rest[n].amount = Money::fromPence(n == 0 ? remaining - each * (count - 1) : each);
        if (lastDay.isValid() && rest[n].due > lastDay)
            rest[n].due = lastDay;
    }
    return kept + rest;
}

QList<Instalment> numbered(QList<Instalment> plan)
{
    std::stable_sort(plan.begin(), plan.end(), [](const Instalment& a, const Instalment& b) { return a.due < b.due; });
    for (qsizetype i = 0; i < plan.size(); ++i)
        plan[i].number = int(i + 1);
    return plan;
}

} // namespace ContractPlan
