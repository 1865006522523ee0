#pragma once

#include "core/Result.h"
#include "rates/Pricing.h"

#include <QList>
#include <QSqlDatabase>

/// A booking's berths and charge lines as saved with it: only what differs from the stored rows is written, so an
/// unchanged save writes nothing there and the booking's history names just the berths and lines that changed.
namespace BookingLines {

/// Inside the booking's saving transaction: the berths become berthIds and the lines charges (numbered from 1). A
/// booking just added (fresh) has none stored, so nothing is read.
Status write(const QSqlDatabase& db, int bookingId, const QList<int>& berthIds, const QList<Pricing::Line>& charges,
             bool fresh);

} // namespace BookingLines
