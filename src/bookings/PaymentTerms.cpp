#include "bookings/PaymentTerms.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

PaymentTerms::Due PaymentTerms::due(Money total, Money paid, const QDate& booked, const QDate& arrival,
                                    const QDate& today, const Agreed& agreed) const
{
    Due d;
    d.depositBy = agreed.depositBy.isValid() ? agreed.depositBy : booked;
    d.balanceBy = agreed.balanceBy.isValid() ? agreed.balanceBy : arrival.addDays(-balanceDays);
    const Money nothing;
    const Money owedAll = total > nothing ? total : nothing;
    switch (deposit) {
    case Deposit::None:
        break;
    case Deposit::Fixed:
        d.deposit = fixedAmount;
        break;
    case Deposit::Percent:
        d.deposit = total.ratioToPenny(percent, 10000);
        if (d.deposit < minimum)
            d.deposit = minimum;
        break;
    }
    if (agreed.deposit)
        d.deposit = *agreed.deposit;
    // Made inside the balance window (or on the day it opens): everything is due at booking.
    if (!agreed.balanceBy.isValid() && booked.isValid() && d.balanceBy.isValid() && booked >= d.balanceBy) {
        d.deposit = owedAll;
        d.balanceBy = booked;
    }
    if (d.deposit > owedAll)
        d.deposit = owedAll;
    d.owed = total - paid;
    if (!d.owed.owes())
        return d;
    const Money depositOwed = d.deposit > paid ? d.deposit - paid : nothing;
    if (depositOwed > nothing) {
        d.nextDueBy = d.depositBy;
        d.nextDue = depositOwed;
    } else {
        d.nextDueBy = d.balanceBy;
        d.nextDue = d.owed;
    }
    if (today >= d.balanceBy)
        d.owedNow = d.owed;
    else if (today >= d.depositBy)
        d.owedNow = depositOwed;
    return d;
}

QString PaymentTerms::Due::summaryText(const QDate& today) const
{
    if (!owed.owes())
        return {};
    QStringList parts;
    if (deposit > Money())
        parts << QCoreApplication::translate("PaymentTerms", "Deposit %1 due by %2")
                     .arg(deposit.format(), DateTimes::dateText(depositBy));
    parts << QCoreApplication::translate("PaymentTerms", "%1 still owed, all due by %2")
                 .arg(owed.format(), DateTimes::dateText(balanceBy));
    if (overdue(today))
        parts << QCoreApplication::translate("PaymentTerms", "%1 overdue").arg(owedNow.format());
    return parts.join(QStringLiteral("; "));
}

QString PaymentTerms::Due::nextText(const QDate& today) const
{
    if (!owed.owes() || !nextDueBy.isValid())
        return {};
    if (overdue(today))
        return QCoreApplication::translate("PaymentTerms", "%1 overdue since %2")
            .arg(owedNow.format(), DateTimes::dateText(nextDueBy));
    return QCoreApplication::translate("PaymentTerms", "%1 due by %2")
        .arg(nextDue.format(), DateTimes::dateText(nextDueBy));
}

Result<PaymentTerms> PaymentTerms::checked() const
{
    const Money limit = MaxDeposit;
    const Money nothing;
    if (fixedAmount < nothing || fixedAmount > limit || minimum < nothing || minimum > limit)
        return refused(QCoreApplication::translate("PaymentTerms", "A deposit runs from %1 to %2.")
                           .arg(nothing.format(), limit.format()));
    if (percent < 0 || percent > 10000)
        return refused(QCoreApplication::translate("PaymentTerms", "A deposit's percentage runs from 0 to 100 %."));
    if (balanceDays < 0 || balanceDays > MaxBalanceDays)
        return refused(
            QCoreApplication::translate("PaymentTerms", "The balance falls due from 0 to %1 days before arrival.")
                .arg(MaxBalanceDays));
    if (deposit == Deposit::Fixed && fixedAmount == nothing)
        return refused(
            QCoreApplication::translate("PaymentTerms", "Enter the deposit's amount, or choose no deposit."));
    if (deposit == Deposit::Percent && percent == 0)
        return refused(
            QCoreApplication::translate("PaymentTerms", "Enter the deposit's percentage, or choose no deposit."));
    return *this;
}

namespace {
const QString TermsColumns =
    QStringLiteral("DepositKind, DepositAmount, DepositPercent, DepositMinimum, BalanceDueDays");

PaymentTerms termsFrom(const QSqlQuery& q)
{
    PaymentTerms t;
    const int kind = q.value(0).toInt();
    t.deposit = kind == 1 ? PaymentTerms::Deposit::Fixed
                          : (kind == 2 ? PaymentTerms::Deposit::Percent : PaymentTerms::Deposit::None);
    t.fixedAmount = Money::fromDb(q.value(1));
    t.percent = q.value(2).toInt();
    t.minimum = Money::fromDb(q.value(3));
    t.balanceDays = q.value(4).toInt();
    return t;
}
} // namespace

Result<PaymentTerms> PaymentTerms::load(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ") + TermsColumns + QStringLiteral(" FROM Company ORDER BY CompanyID"), {},
                   &error))
        return databaseFailure(error);
    if (!q.next())
        return PaymentTerms{};
    // Stored values out of range (typed into the file by hand) count as no terms rather than odd dues.
    auto terms = termsFrom(q).checked();
    return terms ? *terms : PaymentTerms{};
}

Status PaymentTerms::save(const QSqlDatabase& db, const PaymentTerms& loaded, const PaymentTerms& edited)
{
    const auto terms = edited.checked();
    if (!terms)
        return terms.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto now = load(db);
    if (!now)
        return now.failure();
    if (*now != loaded)
        return conflict(QCoreApplication::translate("PaymentTerms",
                                                    "The deposit and due dates have been changed at another desk "
                                                    "since you opened this window. Nothing was saved: press "
                                                    "Refresh to see them."));
    if (const Status written = write(db, edited); !written)
        return written;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Status PaymentTerms::write(const QSqlDatabase& db, const PaymentTerms& edited)
{
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Company SET DepositKind = ?, DepositAmount = ?, DepositPercent = ?, "
                                  "DepositMinimum = ?, BalanceDueDays = ? WHERE CompanyID = (SELECT MIN(CompanyID) "
                                  "FROM Company)"),
                   {static_cast<int>(edited.deposit), edited.fixedAmount.toDb(), edited.percent, edited.minimum.toDb(),
                    edited.balanceDays},
                   &error))
        return databaseFailure(error);
    return Done{};
}
