#pragma once

#include "core/Result.h"
#include "core/ui/Document.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// A booking's history as the database's triggers wrote it (the BookingHistory table), read into words: what
/// changed, from what to what, who, at which desk and when. Amounts and dates are shown as everywhere else.
namespace BookingHistory {

struct Change
{
    QDateTime when;
    QString what; // "Booking made", "Departure", "Berth added", "Payment"...
    QString before;
    QString after;
    QString who;
    QString desk;
};

/// The booking's changes, oldest first (a deleted booking's too).
Result<QList<Change>> read(const QSqlDatabase& db, int bookingId);

/// The list as a printed document, headed with heading (the booking and its customer).
Doc::Document document(const QList<Change>& changes, const QString& heading);

} // namespace BookingHistory
