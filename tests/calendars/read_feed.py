#!/usr/bin/env python3
"""Reads a calendar with Python's icalendar and prints its name and events as JSON: each event's uid, start, end
(ISO dates or date-times), summary and the other properties' names."""
import json
import sys

import icalendar

with open(sys.argv[1], "rb") as f:
    cal = icalendar.Calendar.from_ical(f.read())
events = []
for e in cal.walk("VEVENT"):
    events.append({
        "uid": str(e.get("uid")),
        "start": e.decoded("dtstart").isoformat(),
        "end": e.decoded("dtend").isoformat(),
        "summary": str(e.get("summary")),
        "properties": sorted(k for k in e.keys()),
    })
print(json.dumps({"name": str(cal.get("x-wr-calname")), "version": str(cal.get("version")), "events": events}))
