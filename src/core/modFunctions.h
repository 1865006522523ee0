#pragma once

#include <QCollator>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <optional>

class IMessageBox;

/// The small shared operations every window's database work rests on.
namespace modFunctions {

// ---- Date-times: wall-clock values held with Qt::UTC as a neutral time setting (see IClock) ----

/// A wall-clock date-time from a date and a time of day.
QDateTime wallTime(const QDate& date, const QTime& time = QTime(0, 0));
/// The one way a date-time goes into the database: text 'yyyy-MM-dd HH:mm:ss', NULL for an invalid one.
QVariant dbDateTime(const QDateTime& when);
/// The one way a date-time comes out of the database; invalid for NULL or text that is not a date-time.
QDateTime readDateTime(const QVariant& value);
/// The date-time written as the system's general date (short date, a blank, long time), as logs and lists show it.
QString generalDateText(const QDateTime& when);

/// Rounds when to the half hour as the booking rules do (seconds dropped; a minute other than 0 or 30 goes
/// down or up; up from above 30 in hour 23 is 00:00 of the next day) and gives the value to bind.
QVariant sqlDate(const QDateTime& when, bool downward);
/// when at 00:00 of the same day.
QDateTime dateOnly(const QDateTime& when);
/// when with the half-hour rule of sqlDate applied: the same day (or the next, from 23:31 upwards) at :00 or :30.
QDateTime roundToHalfHour(const QDateTime& when, bool downward);
/// Reads a date-time from text using pattern as a template of positions (y, M, d, h, m); nothing when the text
/// does not hold a valid date there.
std::optional<QDateTime> parseDateByFormat(const QString& text, const QString& pattern);

// ---- Connections ----

/// Opens the database file as a connection of the given name (the shared one by default); nothing on failure,
/// with the reason in *error for the log.
std::optional<QSqlDatabase> openConnection(const QString& path, const QString& connectionName, int timeoutMs = 500,
                                           QString* error = nullptr);

// ---- The cascade deletes: the only way customers, owners and berths are deleted ----
// Each comes in three pieces: the question (which counts the dependent rows), the statements (which run inside
// a transaction the caller owns), and the whole operation in one transaction of its own. None writes the event
// log; the caller logs the "deleted" event when the result is true. A database error returns false with the
// driver's message in *error and leaves the database as it was.

// The questions give (when asked for) the number of dependent rows they were about; the whole operations count
// again inside their transaction and delete nothing when another desk added rows meanwhile.
bool confirmDeleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                           int* bookingsAsked = nullptr);
bool deleteCustomerRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteCustomer(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

bool confirmDeleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                        int* berthsAsked = nullptr);
bool deleteOwnerRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteOwner(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

/// *bookingRows (when given) receives the number of booking rows the question was about.
bool confirmDeleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr,
                        int* bookingRows = nullptr);
bool deleteBerthRows(const QSqlDatabase& db, int id, QString* error = nullptr);
bool deleteBerth(const QSqlDatabase& db, int id, IMessageBox& messages, QString* error = nullptr);

// ---- Texts ----

/// The collator that lists names in natural order (A1, A2, A10), case ignored. The C locale's collation knows no
/// numbers, so there the English one is used.
QCollator naturalOrder();

/// "Zem Harbour" with every "&" doubled, for labels.
QString productTitle();
/// "v 1.0.1": the program's version.
QString versionText();

/// Fills %s %d (argument as text), %h (&H + hexadecimal), %n (CR LF) and %t (tab) in format; "%%" gives "%".
/// A missing or unconvertible argument writes a line to the message log and gives an empty text.
QString sprintf(const QString& format, const QVariantList& args);

} // namespace modFunctions
