#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>

/// The mailing list: every customer's e-mail address on one line, for pasting into a mail program.
namespace MailingList {

/// The addresses that are neither Null nor empty, in customer order, joined by ", " exactly as stored (no
/// trimming, no de-duplication).
Result<QString> addressLine(const QSqlDatabase& db);

/// Replaces path with the line ended by CR LF (UTF-8), all or nothing (a File failure leaves the old file).
Status write(const QString& path, const QString& line);

} // namespace MailingList
