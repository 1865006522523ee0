#include "calendars/CalendarFiles.h"

#include "core/DateTimes.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace CalendarFiles {
namespace {
struct ComponentFree
{
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype dateOf(const QDate& day)
{
    icaltimetype t = icaltime_null_date();
    t.year = day.year();
    t.month = day.month();
    t.day = day.day();
    return t;
}

QDate dayOf(const icaltimetype& t)
{
    return QDate(t.year, t.month, t.day);
}

// A time as this program holds it: the wall clock of this machine. A time in UTC or in a named zone is moved into
// it; a floating one is taken as written.
QDateTime wallOf(const icaltimetype& t)
{
    if (t.zone == nullptr && !icaltime_is_utc(t))
        return DateTimes::wallTime(dayOf(t), QTime(t.hour, t.minute, std::min(t.second, 59)));
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone), QTimeZone::systemTimeZone());
    return DateTimes::wallTime(local.date(), local.time());
}

QDateTime noon(const QDate& day)
{
    return DateTimes::wallTime(day, QTime(12, 0));
}

bool freeTime(icalcomponent* event)
{
    if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
        return true;
    icalproperty* transp = icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY);
    return transp && icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT;
}

// The calendars a text holds: one, or several under an outer root.
QList<icalcomponent*> calendarsOf(icalcomponent* root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    QList<icalcomponent*> found;
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        found << c;
    return found;
}
} // namespace

QByteArray writeBusy(const QList<BusyNights>& busy, const QString& calendarName, const QString& uidStem,
                     const QDateTime& stampUtc)
{
    Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Zem Harbour//Availability//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalproperty* name = icalproperty_new_x(calendarName.toUtf8().constData());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), name);
    icaltimetype stamp = icaltime_from_timet_with_zone(stampUtc.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    const QByteArray summary = QCoreApplication::translate("CalendarFiles", "Not available").toUtf8();
    for (const BusyNights& b : busy) {
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        const QByteArray uid =
            (uidStem + u'-' + b.first.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("@zem-harbour")).toUtf8();
        icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(dateOf(b.first)));
        icalcomponent_add_property(event, icalproperty_new_dtend(dateOf(b.end)));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_OPAQUE));
        icalcomponent_add_component(calendar.get(), event);
    }
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray out(written);
    std::free(written);
    return out;
}

Result<QList<ReadEvent>> readEvents(const QByteArray& bytes, const ReadLimits& limits)
{
    if (!bytes.trimmed().startsWith("BEGIN:VCALENDAR"))
        return refused(QCoreApplication::translate(
            "CalendarFiles", "The address did not give a calendar (no BEGIN:VCALENDAR at its start)."));
    Component root(icalparser_parse_string(bytes.constData()));
    const QList<icalcomponent*> calendars = root ? calendarsOf(root.get()) : QList<icalcomponent*>{};
    if (calendars.isEmpty())
        return refused(QCoreApplication::translate("CalendarFiles",
                                                   "The address gave text that could not be read as a calendar."));
    const QDateTime earliest = noon(limits.today.addDays(-1));
    const QDateTime latest = noon(limits.today.addDays(limits.horizonDays));
    QList<ReadEvent> events;
    QHash<QString, int> uses; // a UID met again (a changed instance of a repeating event) is told apart
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            if (freeTime(event))
                continue;
            const icaltimetype start = icalcomponent_get_dtstart(event);
            if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
                continue; // an event with no start holds nothing
            const icaltimetype end = icalcomponent_get_dtend(event);
            const bool noEnd = icaltime_is_null_time(end) || !icaltime_is_valid_time(end);
            ReadEvent read;
            if (icaltime_is_date(start)) {
                const QDate first = dayOf(start);
                const QDate last = noEnd ? first.addDays(1) : std::max(dayOf(end), first.addDays(1));
                read.from = noon(first);
                read.to = noon(last);
            } else {
                read.from = wallOf(start);
                read.to = noEnd ? DateTimes::wallTime(read.from.date().addDays(1)) : wallOf(end);
            }
            if (!read.from.isValid() || !read.to.isValid() || read.to <= earliest || read.from >= latest ||
                read.to <= read.from)
                continue;
            read.from = std::max(read.from, earliest);
            read.to = std::min(read.to, latest);
            const char* uid = icalcomponent_get_uid(event);
            read.uid = uid ? QString::fromUtf8(uid).left(255) : QString();
            if (read.uid.isEmpty())
                read.uid = read.from.toString(Qt::ISODate) + u'/' + read.to.toString(Qt::ISODate);
            if (const int n = uses[read.uid]++; n > 0)
                read.uid += u'#' + QString::number(n);
            events.append(read);
            if (events.size() > limits.maxEvents)
                return refused(QCoreApplication::translate(
                                   "CalendarFiles", "The calendar has more than %1 events to come: it was not read.")
                                   .arg(limits.maxEvents));
        }
    }
    return events;
}

} // namespace CalendarFiles
