#include "bookings/BookingDeposit.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

namespace BookingDeposit {

Plan proposal(const PaymentTerms& terms, Money total, const QDate& booked, const QDate& arrival,
              const PaymentTerms::Agreed& agreed)
{
    const PaymentTerms::Due due = terms.due(total, Money(), booked, arrival, booked, agreed);
    return {due.deposit, due.depositBy, due.balanceBy};
}

std::optional<Refusal> refusal(const Plan& plan, Money total, const QDate& booked, const QDate& arrival)
{
    if (plan.deposit < Money())
        return Refusal{
            Box::Deposit,
            QCoreApplication::translate("BookingDeposit", "A deposit cannot be less than %1.").arg(Money().format())};
    if (plan.deposit > total)
        return Refusal{Box::Deposit, QCoreApplication::translate(
                                         "BookingDeposit", "The deposit cannot be more than the total payable, %1.")
                                         .arg(total.format())};
    if (booked.isValid() && plan.depositBy < booked)
        return Refusal{Box::DepositBy,
                       QCoreApplication::translate(
                           "BookingDeposit", "The deposit cannot fall due before the day the booking was made, %1.")
                           .arg(DateTimes::dateText(booked))};
    if (plan.depositBy > plan.balanceBy)
        return Refusal{Box::DepositBy, QCoreApplication::translate("BookingDeposit",
                                                                   "The deposit cannot fall due after the balance, %1.")
                                           .arg(DateTimes::dateText(plan.balanceBy))};
    // A booking recorded after the arrival owes everything on the day it is made.
    const QDate latest = booked.isValid() && booked > arrival ? booked : arrival;
    if (plan.balanceBy > latest)
        return Refusal{Box::BalanceBy, QCoreApplication::translate("BookingDeposit",
                                                                   "The balance cannot fall due after the arrival, %1.")
                                           .arg(DateTimes::dateText(latest))};
    return std::nullopt;
}

PaymentTerms::Agreed agreed(const PaymentTerms& terms, Money total, const QDate& booked, const QDate& arrival,
                            const Plan& plan)
{
    const Plan proposed = proposal(terms, total, booked, arrival);
    PaymentTerms::Agreed kept;
    if (plan.deposit != proposed.deposit)
        kept.deposit = plan.deposit;
    if (plan.depositBy != proposed.depositBy)
        kept.depositBy = plan.depositBy;
    if (plan.balanceBy != proposed.balanceBy)
        kept.balanceBy = plan.balanceBy;
    if (proposal(terms, total, booked, arrival, kept) != plan)
        kept = {plan.deposit, plan.depositBy, plan.balanceBy};
    return kept;
}

} // namespace BookingDeposit
