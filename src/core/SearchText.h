#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>

/// The words the customer search looks in: each customer's name, house name, town, post code, telephone, mobile
/// and e-mail address, folded so that case and accents do not count. A trigram index over them finds any part of
/// any of them (CustomerText: a full-text table on a file, a pg_trgm index on a server). The program writes them
/// beside the customer, since a file's engine cannot fold accents itself; a deleted customer's go with it.
namespace SearchText {

/// text as the search compares it: letter case folded, accents and other marks dropped, and the letters that
/// carry their stroke inside them written plain ("Zoë" -> "zoe", "Łódź" -> "lodz", "Straße" -> "strasse").
QString folded(const QString& text);

/// The words written for one customer from its seven texts, in the order above, each after a space. Telephone
/// numbers and the post code are also kept without their spaces and separators, so "07700900" finds
/// "07700 900123".
QString customerWords(const QString& name, const QString& houseName, const QString& town, const QString& postCode,
                      const QString& telNo, const QString& mobileNo, const QString& email);

/// Writes the words of customer id again (of every customer when id is 0), inside the caller's transaction.
Status rewriteCustomers(const QSqlDatabase& db, int id = 0);

/// The key column of CustomerText: a file's full-text table keys its rows by rowid.
QString keyColumn(const QSqlDatabase& db);

} // namespace SearchText
