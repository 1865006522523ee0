#pragma once

#include "core/Result.h"
#include "mail/Outbox.h"
#include "waiting/WaitingList.h"

#include <QDateTime>
#include <QSqlDatabase>

/// The waiting list's offer by e-mail: the office's "waiting offer" wording, filled from the entry and the berths
/// that came free, to the entry's customer.
namespace WaitingOfferMail {

/// The message, ready to queue; Refused when the customer has no usable address.
Result<Outbox::Item> message(const QSqlDatabase& db, const WaitingOffer& offer, const QDate& today);

/// The offer queued by desk and its entry marked offered today, in one transaction: both or neither. The
/// message's ID.
Result<qint64> queue(const QSqlDatabase& db, const WaitingOffer& offer, const QDateTime& now, const QString& desk);

} // namespace WaitingOfferMail
