#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QLocale>
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
/// The styles a date is shown and typed in, as Regional Settings offers them. Every window, list and document
/// shows dates in the one chosen; the machine's locale takes no part.
enum class DateStyle
{
    DayMonthYear,     // 31/12/2026
    MonthDayYear,     // 12/31/2026
    DayMonthYearDots, // 31.12.2026
    YearMonthDay      // 2026-12-31
};
/// Sets the style in use (at start-up and on OK in Regional Settings), and reads it back.
void setDateStyle(DateStyle style);
DateStyle dateStyle();
/// A style's pattern, as it is stored: "dd/MM/yyyy", "MM/dd/yyyy", "dd.MM.yyyy" or "yyyy-MM-dd".
QString stylePattern(DateStyle style);
/// The style a stored pattern names; nothing for any other text.
std::optional<DateStyle> styleOfPattern(const QString& pattern);

/// The pattern of the style in use, and the same with the time of day ("dd/MM/yyyy HH:mm").
QString dateFormat();
QString dateTimeFormat();
/// A date or a date-time shown in the style in use ("31/12/2026", "31/12/2026 14:30"); empty for an invalid one.
QString dateText(const QDate& date);
QString dateTimeText(const QDateTime& when);
/// A date with its weekday, as the date boxes show it: "Thu 31/12/2026"; and the pattern they show it with.
QString weekdayDateText(const QDate& date);
QString weekdayDateFormat();
/// The same with the weekday in the language of names ("Fr. 31/12/2026" for a German customer); the date itself
/// stays in the style in use.
QString weekdayDateText(const QDate& date, const QLocale& names);

/// The language day and month names are shown in: the interface's, set when its translation is put in place
/// (Languages::installInterface), English until then; never the machine's locale. Only the names: the order,
/// separators and digits of a date stay the style in use.
void setNamesLanguage(const QString& code);
/// The names of the interface's language; for the widgets that draw names themselves (date boxes, calendars).
QLocale namesLocale();
/// The names of the language with this code ("de"), for what is written to a customer in theirs; English for a
/// code that names no language.
QLocale namesLocale(const QString& code);

/// A date as a clerk types it, its day, month and year in the order of the style in use: with separators
/// ("11/12/26", "11.12.2026", "11-12", any of / . - or a space between the parts) or as bare digits ("11122026",
/// "111226", "1112"). A leading weekday, as a date box shows it, is passed over (its name in the interface's
/// language or in English). A two-digit year is in this century;
/// a date typed without its year takes yearOf's. Refused, with what was wrong and what is expected: a day that the
/// month does not have ("31/02/2026"), a date typed in another style, or text that is no date.
Result<QDate> readDate(const QString& typed, const QDate& yearOf);
/// The same in the given style rather than the one in use (a file written elsewhere).
Result<QDate> readDate(const QString& typed, const QDate& yearOf, DateStyle style);
/// The style's pattern as a clerk reads it ("dd/mm/yyyy"), for placeholders and messages.
QString dateShape();
/// What a date box says it expects: "Type a date as dd/mm/yyyy, for example 11/12/2026 or 11122026".
QString typedDateHint();
/// The date-time written as the system's general date (short date, a blank, long time), as the event log and the
/// CSV exports write it; never for what a window, list or document shows.
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
