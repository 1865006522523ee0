#pragma once

#include "bookings/BookingRecord.h"
#include "people/PeopleRecords.h"

#include <QDateTime>
#include <QString>

/// The arithmetic and the texts of a booking, without a window.
namespace BookingRules {

enum class IntervalCheck
{
    Ok,
    DepartureNotAfterArrival,
    ShortNight
};

/// The first and last dates a booking may touch, for the date boxes and for saving: a typing slip of a century
/// is caught, and every accepted date is well inside what the period index holds exactly.
QDate earliestDate();
QDate latestDate();
/// Whether the period lies inside those dates (a departure rounded up to midnight after the last date counts).
bool withinDateRange(const QDateTime& from, const QDateTime& to);

/// A card number as it may be kept: every digit but the last four replaced by "*", anything else dropped.
/// A number already masked stays as it is; text without digits is kept (it is no card number).
QString maskedCardNumber(const QString& typed);

/// The period from the pickers: the arrival rounded down and the departure rounded up to the half hour.
QDateTime arrivalFrom(const QDate& date, const QTime& time);
QDateTime departureFrom(const QDate& date, const QTime& time);

/// Departure must be after arrival; a stay over at most one night boundary that arrives at 20:00 or later and
/// leaves before 08:00 is not a booking interval.
IntervalCheck checkInterval(const QDateTime& from, const QDateTime& to);

/// Days of hire: calendar-day boundaries from arrival to departure (times of day do not count).
qint64 daysOfHire(const QDateTime& from, const QDateTime& to);

/// A number of adults or kids not recorded (the regional settings hide the two boxes).
inline constexpr int NotRecorded = -1;

struct PartyCounts
{
    int adults = 0;
    int kids = 0;
};
/// What the customer page starts with: two adults and no kids, or both not recorded when the boxes are hidden.
PartyCounts startingCounts(bool countsShown);
/// A stored count as its box shows it when the boxes are shown: a count not recorded shows as 0.
int shownCount(int stored);

/// The confirmation page's adults and kids line. An empty box counts as "0"; a box holding "-1" (not recorded)
/// hides its part: the adults box decides whether the two numbers show, the kids box whether the two words
/// ("Adults and", "Children") do.
struct CountsLine
{
    QString adults;
    QString kids;
    bool numbersShown = true;
    bool wordsShown = true;
};
CountsLine confirmationCounts(const QString& adultsTyped, const QString& kidsTyped);

/// "Name, HouseName": the customer as confirmations and cancellations show it.
QString customerLine(const CustomerRecord& customer);

/// "Berth(s): A1, B2", as the confirmation page and the summary name what is booked.
QString berthsLine(const QStringList& berthNames);

/// A date-time as the windows and printed documents show it: the regional short date and "HH:mm".
QString dateTimeText(const QDateTime& when);
/// "05/06/2004 14:30 to 07/06/2004 10:00" (UK), as the confirmation page and the summary show it (translated).
QString periodText(const QDateTime& from, const QDateTime& to);
/// The same period in the event log's own words and form ("05.06.2004 14:30 to 07.06.2004 10:00"), never translated.
QString loggedPeriodText(const QDateTime& from, const QDateTime& to);

/// The details of events 11 and 12: "From: " + dates, CR LF, "Customer:" + name line, CR LF, "Berth(s): " + names.
QString savedDetails(const QDateTime& from, const QDateTime& to, const QString& customerLine,
                     const QStringList& berthNames);
/// The details of event 13 from the wizard: "From: a to b", CR LF, "Customer: " + customer text.
QString cancelledDetails(const QDateTime& from, const QDateTime& to, const QString& customerText);

} // namespace BookingRules
