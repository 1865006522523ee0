#include "bookings/BookingRules.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

#include <algorithm>

namespace BookingRules {

QDateTime arrivalFrom(const QDate& date, const QTime& time)
{
    return DateTimes::roundToHalfHour(DateTimes::wallTime(date, time), true);
}

QDateTime departureFrom(const QDate& date, const QTime& time)
{
    return DateTimes::roundToHalfHour(DateTimes::wallTime(date, time), false);
}

IntervalCheck checkInterval(const QDateTime& from, const QDateTime& to)
{
    if (!from.isValid() || !to.isValid() || to <= from)
        return IntervalCheck::DepartureNotAfterArrival;
    if (daysOfHire(from, to) <= 1 && from.time() >= QTime(20, 0) && to.time() < QTime(8, 0))
        return IntervalCheck::ShortNight;
    return IntervalCheck::Ok;
}

QDate earliestDate()
{
    return QDate(2000, 1, 1);
}
QDate latestDate()
{
    return QDate(2199, 12, 31);
}

bool withinDateRange(const QDateTime& from, const QDateTime& to)
{
    return from.isValid() && to.isValid() && from >= DateTimes::wallTime(earliestDate()) &&
           to <= DateTimes::wallTime(latestDate().addDays(1));
}

QString maskedCardNumber(const QString& typed)
{
    if (std::none_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isDigit(); }))
        return typed;
    QString kept;
    for (const QChar c : typed) {
        if (c.isDigit() || c == u'*')
            kept += c;
    }
    if (kept.size() <= 4)
        return kept;
    return QString(kept.size() - 4, u'*') + kept.right(4);
}

qint64 daysOfHire(const QDateTime& from, const QDateTime& to)
{
    return from.date().daysTo(to.date());
}

QString berthsLine(const QStringList& berthNames)
{
    return QCoreApplication::translate("BookingRules", "Berth(s): %1").arg(berthNames.join(QStringLiteral(", ")));
}

PartyCounts startingCounts(bool countsShown)
{
    return countsShown ? PartyCounts{2, 0} : PartyCounts{NotRecorded, NotRecorded};
}

int shownCount(int stored)
{
    return qMax(0, stored);
}

CountsLine confirmationCounts(const QString& adultsTyped, const QString& kidsTyped)
{
    const auto text = [](const QString& typed) {
        const QString trimmed = typed.trimmed();
        return trimmed.isEmpty() ? QStringLiteral("0") : trimmed;
    };
    CountsLine line{text(adultsTyped), text(kidsTyped)};
    const QString notRecorded = QString::number(NotRecorded);
    line.numbersShown = line.adults != notRecorded;
    line.wordsShown = line.kids != notRecorded;
    return line;
}

QString customerLine(const CustomerRecord& customer)
{
    return customer.name + QStringLiteral(", ") + customer.houseName;
}

QString dateTimeText(const QDateTime& when)
{
    return when.toString(DateTimes::dateTimeFormat());
}

QString periodText(const QDateTime& from, const QDateTime& to)
{
    return QCoreApplication::translate("BookingRules", "%1 to %2").arg(dateTimeText(from), dateTimeText(to));
}

QString loggedPeriodText(const QDateTime& from, const QDateTime& to)
{
    // The event log keeps the form its readers (and anything that parses it) have always had.
    const QString logged = QStringLiteral("dd.MM.yyyy HH:mm");
    return from.toString(logged) + QStringLiteral(" to ") + to.toString(logged);
}

QString savedDetails(const QDateTime& from, const QDateTime& to, const QString& customerLine,
                     const QStringList& berthNames)
{
    return QStringLiteral("From: ") + loggedPeriodText(from, to) + QStringLiteral("\r\nCustomer:") + customerLine +
           QStringLiteral("\r\nBerth(s): ") + berthNames.join(QStringLiteral(", "));
}

QString cancelledDetails(const QDateTime& from, const QDateTime& to, const QString& customerText)
{
    return QStringLiteral("From: ") + loggedPeriodText(from, to) + QStringLiteral("\r\nCustomer: ") + customerText;
}

} // namespace BookingRules
