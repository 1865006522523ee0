#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

/// Calendars as .ics text (RFC 5545), written and read through libical. No database, no widgets.
namespace CalendarFiles {

/// Nights a berth (or every berth of a type) is taken: from the first night to the day the last one ends.
struct BusyNights
{
    QDate first;
    QDate end; // the morning after the last night
    bool operator==(const BusyNights&) const = default;
};

/// A calendar of busy periods only, each an all-day event named "Not available", its UID made of uidStem and the
/// first night, so a subscriber sees the same event again while the period stands. stamp is when it was written.
QByteArray writeBusy(const QList<BusyNights>& busy, const QString& calendarName, const QString& uidStem,
                     const QDateTime& stampUtc);

/// The limits a read keeps to.
struct ReadLimits
{
    QDate today;               // events that ended before it are left out
    int horizonDays = 3 * 366; // an event is cut at today plus this many days
    int maxEvents = 2000;      // more events to come than this refuses the feed
};

/// One event read, as the wall-clock period it holds a berth for.
struct ReadEvent
{
    QString uid;
    QDateTime from;
    QDateTime to;
};

/// The events of a calendar that hold its berth: cancelled and free ("transparent") ones left out, all-day events
/// from noon of their first day to noon of the day they end (a day without an end is one night), timed ones turned
/// from their time zone into this machine's wall clock (a time without an end holds the rest of its day). Refused
/// with the reason to show for text that is not a calendar, and for more events to come than the limit.
Result<QList<ReadEvent>> readEvents(const QByteArray& text, const ReadLimits& limits);

} // namespace CalendarFiles
