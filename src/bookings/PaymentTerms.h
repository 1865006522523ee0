#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QSqlDatabase>
#include <optional>

/// When a booking's money falls due: a deposit at booking (none, a fixed amount or a percentage of the total with
/// a minimum) and the balance a number of days before arrival. Kept with the company's details.
struct PaymentTerms
{
    enum class Deposit
    {
        None = 0,
        Fixed = 1,
        Percent = 2
    };
    Deposit deposit = Deposit::None;
    Money fixedAmount;
    int percent = 0;     // hundredths of a percent of the total
    Money minimum;       // the least a percentage deposit asks
    int balanceDays = 0; // the balance is due this many days before arrival

    static constexpr int MaxBalanceDays = 365;
    /// The largest fixed or minimum deposit: £10,000,000.00.
    static constexpr Money MaxDeposit = Money::fromPence(1000000000);

    bool operator==(const PaymentTerms&) const = default;

    /// What a booking owes and by when, as of today.
    struct Due
    {
        Money deposit;   // the deposit asked (never more than the total)
        QDate depositBy; // the day the booking was made
        QDate balanceBy; // the day everything is due
        Money owed;      // the total less what was paid; negative: the customer is in credit
        Money owedNow;   // what should have been paid by today and was not
        QDate nextDueBy; // when what is owed next falls due; null when nothing is owed
        Money nextDue;   // how much falls due then
        bool operator==(const Due&) const = default;
        /// Whether what is owed next fell due before today.
        bool overdue(const QDate& today) const { return nextDueBy.isValid() && nextDueBy < today; }
        /// The booking's summary line: the deposit and its day, what is still owed and its day, what is overdue;
        /// empty when nothing is owed.
        QString summaryText(const QDate& today) const;
        /// What a list shows of it: "£50.00 overdue since ..." (all that should have been paid by today) or
        /// "£50.00 due by ..."; empty when nothing is owed.
        QString nextText(const QDate& today) const;
    };
    /// What the clerk agreed for one booking (Booking.DepositDue, DepositBy, BalanceBy); each one not set follows
    /// the terms.
    struct Agreed
    {
        std::optional<Money> deposit;
        QDate depositBy;
        QDate balanceBy;
    };
    /// A booking made inside the balance window owes everything at once, unless a balance date was agreed for it.
    Due due(Money total, Money paid, const QDate& booked, const QDate& arrival, const QDate& today,
            const Agreed& agreed = {}) const;

    /// The terms as the company window's boxes give them; Refused with the reason when out of range.
    Result<PaymentTerms> checked() const;

    /// The company's terms; no deposit and the balance on arrival when none were set.
    static Result<PaymentTerms> load(const QSqlDatabase& db);
    /// Writes the terms when they are still as loaded; a Conflict when another desk changed them meanwhile.
    static Status save(const QSqlDatabase& db, const PaymentTerms& loaded, const PaymentTerms& edited);
    /// Writes checked terms inside the caller's transaction, unchecked against what is stored.
    static Status write(const QSqlDatabase& db, const PaymentTerms& edited);
};
