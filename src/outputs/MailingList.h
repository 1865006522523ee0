#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The mailing list: every customer's e-mail address on one line, for pasting into a mail program.
namespace MailingList {

/// The addresses that are neither Null nor empty, in customer order, joined by ", " exactly as stored (no
/// trimming, no de-duplication). Nothing when the customers cannot be read (error says why).
std::optional<QString> addressLine(const QSqlDatabase& db, QString* error = nullptr);

/// Replaces path with the line ended by CR LF (UTF-8), all or nothing. False, with the reason, when it cannot.
bool write(const QString& path, const QString& line, QString* error = nullptr);

} // namespace MailingList
