#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

/// Wall-clock date-times: held with Qt::UTC as a neutral time setting (see IClock), written to and read from the
/// database in one form, rounded to the half hour as the booking rules do.
namespace DateTimes {

/// A wall-clock date-time from a date and a time of day.
QDateTime wallTime(const QDate& date, const QTime& time = QTime(0, 0));
/// The one way a date-time goes into the database: text 'yyyy-MM-dd HH:mm:ss', NULL for an invalid one.
QVariant dbDateTime(const QDateTime& when);
/// The one way a date-time comes out of the database; invalid for NULL or text that is not a date-time.
QDateTime readDateTime(const QVariant& value);
/// How every date is shown and typed: the regional short date with its year always in four digits ("dd/MM/yyyy"
/// in the UK), and the same with the time of day ("dd/MM/yyyy HH:mm").
QString dateFormat();
QString dateTimeFormat();
/// A date as a clerk types it, its day, month and year in the order of dateFormat(): with separators ("11/12/26",
/// "11.12.2026", "11-12", any of / . - or a space between the parts) or as bare digits ("11122026", "111226",
/// "1112"). A two-digit year is in this century; a date typed without its year takes yearOf's. Nothing for what is
/// not a date of the calendar.
std::optional<QDate> readTypedDate(const QString& typed, const QDate& yearOf);
/// What a date box says it expects: "Type a date as dd/MM/yyyy (or 11122026)" in the regional order.
QString typedDateHint();
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

} // namespace DateTimes
