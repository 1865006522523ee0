#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <optional>

/// How a contract's price is paid: in full, in two, four or twelve instalments, or on dates and amounts the clerk
/// types. Every plan adds up to the contract's total to the penny. No database and no window.
namespace ContractPlan {

/// The most instalments a custom plan may have.
inline constexpr int MostInstalments = 24;

struct Instalment
{
    int number = 0; // from 1, by due date
    QDate due;
    Money amount;
    std::optional<qint64> invoiceNumber; // once issued
    QDateTime issuedAt;
    bool operator==(const Instalment&) const = default;
};

/// total in count equal instalments of whole pence, the odd pennies on the first; the first due on the first day
/// and the others spread evenly over the contract: by whole months where it runs to count months or more, else by
/// days. Empty for a count below 1.
QList<Instalment> split(Money total, int count, const QDate& firstDay, const QDate& lastDay);

/// Refused, with what is wrong, when a plan cannot be saved: no instalment or more than MostInstalments, a date
/// missing or after the contract's last day, an amount below zero or not in whole pence, or amounts that do not add
/// up to total (saying by how much).
Status check(const QList<Instalment>& plan, Money total, const QDate& lastDay);

/// The plan brought to a new total: the instalments already invoiced kept as they are, the total less them spread over
/// the others in whole pence (the odd pennies on the first of them) on their own dates, none after lastDay; with none
/// left to take it, one more falls due on the latest of firstDay and the last invoiced date. Refused when the
/// invoiced instalments come to more than the new total.
Result<QList<Instalment>> replan(const QList<Instalment>& plan, Money total, const QDate& firstDay,
                                 const QDate& lastDay);

/// The plan in date order, numbered from 1.
QList<Instalment> numbered(QList<Instalment> plan);

} // namespace ContractPlan
