#pragma once

#include "bookings/PaymentTerms.h"

#include <QDate>
#include <QString>
#include <optional>

/// A booking's deposit and the days it and the balance fall due, as the booking wizard shows them: proposed from
/// the company's terms for the booking's total, changed by the clerk for this booking, checked, and cut down to what
/// differs from the proposal for saving (what follows the terms is stored as nothing, and so follows them).
namespace BookingDeposit {

struct Plan
{
    Money deposit;
    QDate depositBy;
    QDate balanceBy;
    bool operator==(const Plan&) const = default;
};

/// What terms ask of a booking of total made on booked for arrival, with what was agreed for it in place of the
/// terms where it was.
Plan proposal(const PaymentTerms& terms, Money total, const QDate& booked, const QDate& arrival,
              const PaymentTerms::Agreed& agreed = {});

/// The box a refusal is about.
enum class Box
{
    Deposit,
    DepositBy,
    BalanceBy
};
struct Refusal
{
    Box box;
    QString text;
};
/// Why plan cannot be agreed for a booking of total made on booked for arrival: a negative deposit or one above the
/// total, a deposit due before the booking was made or after the balance, a balance due after arrival (or after the
/// day the booking was made, when that came later).
std::optional<Refusal> refusal(const Plan& plan, Money total, const QDate& booked, const QDate& arrival);

/// What to store for plan: nothing for what the proposal gives; all three when the proposal with the fields that
/// differ would not give plan back (a deposit agreed for a booking made inside the balance window).
PaymentTerms::Agreed agreed(const PaymentTerms& terms, Money total, const QDate& booked, const QDate& arrival,
                            const Plan& plan);

} // namespace BookingDeposit
