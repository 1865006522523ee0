#!/usr/bin/env python3
"""Writes a calendar of one kind with Python's icalendar, as another site would publish it.

make_feed.py KIND TODAY PATH [UID...]: TODAY is yyyy-mm-dd; events are placed relative to it."""
import sys
from datetime import date, datetime, timedelta

import icalendar
import pytz

kind, today, path = sys.argv[1], date.fromisoformat(sys.argv[2]), sys.argv[3]
uids = sys.argv[4:] or ["a@site", "b@site"]


def event(uid, start, end=None, **extra):
    e = icalendar.Event()
    e.add("uid", uid)
    e.add("dtstamp", datetime(2026, 1, 1, tzinfo=pytz.utc))
    e.add("dtstart", start)
    if end is not None:
        e.add("dtend", end)
    e.add("summary", "Reserved")
    for key, value in extra.items():
        e.add(key, value)
    return e


cal = icalendar.Calendar()
cal.add("prodid", "-//Another site//EN")
cal.add("version", "2.0")
d = lambda n: today + timedelta(days=n)
if kind == "allday":  # each UID a stay of two nights, a week apart
    for i, uid in enumerate(uids):
        cal.add_component(event(uid, d(7 * i + 3), d(7 * i + 5)))
elif kind == "noend":
    cal.add_component(event("noend@site", d(4)))
elif kind == "timed":
    cal.add_component(event("timed@site", datetime.combine(d(2), datetime.min.time()).replace(hour=15),
                            datetime.combine(d(4), datetime.min.time()).replace(hour=11)))
elif kind == "zoned":
    zone = pytz.timezone("America/New_York")
    start = zone.localize(datetime.combine(d(10), datetime.min.time()).replace(hour=14))
    cal.add_component(event("zoned@site", start, start + timedelta(days=2)))
    cal.add_component(event("utc@site", datetime.combine(d(20), datetime.min.time()).replace(hour=9, tzinfo=pytz.utc),
                            datetime.combine(d(21), datetime.min.time()).replace(hour=9, tzinfo=pytz.utc)))
elif kind == "fifty":
    cal.add_component(event("fifty@site", d(1), d(1 + 50 * 365)))
elif kind == "many":
    for i in range(10000):
        cal.add_component(event("m%d@site" % i, d(1 + i % 700), d(2 + i % 700)))
elif kind == "past":  # a long history and two to come
    for i in range(5000):
        cal.add_component(event("old%d@site" % i, d(-6000 + i), d(-5999 + i)))
    cal.add_component(event("next@site", d(5), d(6)))
    cal.add_component(event("later@site", d(9), d(12)))
elif kind == "free":  # cancelled and transparent events hold nothing
    cal.add_component(event("cancelled@site", d(2), d(4), status="CANCELLED"))
    cal.add_component(event("transparent@site", d(6), d(8), transp="TRANSPARENT"))
    cal.add_component(event("kept@site", d(10), d(11)))
elif kind == "empty":
    pass
else:
    raise SystemExit("unknown kind " + kind)
with open(path, "wb") as out:
    out.write(cal.to_ical())
