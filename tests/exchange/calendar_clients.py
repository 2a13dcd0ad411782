#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an exported calendar with the calendar programs a Linux user has (python-dateutil
through python-icalendar, khal, calcurse) and compares the dates each one shows with the dates
Moonrill gives.

Usage: calendar_clients.py FOLDER FROM TO [--server URL USER PASSWORD]
FOLDER holds moonrill.ics (the export) and moonrill.tsv (Moonrill's own dates, one
"YYYY-MM-DD<TAB>summary" line each). FROM and TO (YYYY-MM-DD) bound the days compared, both
included. Writes clients.md into FOLDER: every event's dates side by side. Exits 0 when every
client found shows exactly Moonrill's dates, 1 on a mismatch, 77 when no client could run.

With --server, the calendar compared is the CalDAV calendar at URL, as Moonrill published it:
the server expands each object itself, and python-dateutil expands the objects the server keeps.
FOLDER then holds alarms.tsv too ("summary<TAB>days before" for each event with an alarm), and
each object's alarm is compared with it.
"""

import datetime
import os
import shutil
import subprocess
import sys


def day(text):
    return datetime.date.fromisoformat(text)


def dateutil_dates(texts, first, last):
    try:
        import icalendar
        from dateutil import rrule
    except ImportError:
        return None
    dates = set()
    events = [event for text in texts
              for event in icalendar.Calendar.from_ical(text).walk("VEVENT")]
    for event in events:
        start = event.decoded("DTSTART")
        summary = str(event.get("SUMMARY"))
        if "RRULE" not in event:
            if first <= start <= last:
                dates.add((start, summary))
            continue
        rule = rrule.rrulestr(event["RRULE"].to_ical().decode(),
                              dtstart=datetime.datetime.combine(start, datetime.time()))
        for when in rule.between(datetime.datetime.combine(first, datetime.time()),
                                 datetime.datetime.combine(last, datetime.time()), inc=True):
            dates.add((when.date(), summary))
    return dates


def khal_dates(ics, first, last, scratch):
    if shutil.which("khal") is None:
        return None
    home = os.path.join(scratch, "khal")
    os.makedirs(os.path.join(home, "calendar"))
    config = os.path.join(home, "config")
    with open(config, "w") as handle:
        handle.write(f"""[calendars]
[[moonrill]]
path = {home}/calendar
[locale]
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
timeformat = %H:%M
default_timezone = UTC
local_timezone = UTC
[sqlite]
path = {home}/khal.db
""")
    subprocess.run(["khal", "-c", config, "import", "--batch", "-a", "moonrill", ics],
                   check=True, capture_output=True)
    days = (last - first).days + 1
    listed = subprocess.run(["khal", "-c", config, "list", "--format", "{start-date}\t{title}",
                             "--day-format", "", first.isoformat(), f"{days}d"],
                            check=True, capture_output=True, text=True).stdout
    dates = set()
    for line in listed.splitlines():
        if "\t" in line:
            when, summary = line.split("\t", 1)
            dates.add((day(when), summary))
    return dates


def calcurse_dates(ics, first, last, scratch):
    if shutil.which("calcurse") is None:
        return None
    data = os.path.join(scratch, "calcurse")
    os.makedirs(os.path.join(data, "config"))
    base = ["calcurse", "-D", data, "-C", os.path.join(data, "config")]
    subprocess.run(base + ["-i", ics], check=True, capture_output=True)
    days = (last - first).days + 1
    listed = subprocess.run(base + ["-Q", "--filter-type", "cal", "--from",
                                    first.strftime("%m/%d/%Y"), "--days", str(days)],
                            check=True, capture_output=True, text=True).stdout
    dates = set()
    current = None
    for line in listed.splitlines():
        if line.endswith(":") and not line.startswith(" "):
            current = datetime.datetime.strptime(line[:-1], "%m/%d/%y").date()
        elif line.startswith(" * ") and current is not None:
            dates.add((current, line[3:]))
    return dates


def server_calendar(url, user, password):
    import caldav
    return caldav.DAVClient(url, username=user, password=password).calendar(url=url)


def server_expanded_dates(calendar, first, last):
    """The dates the server gives when asked to expand every event between FIRST and LAST."""
    dates = set()
    start = datetime.datetime.combine(first, datetime.time())
    end = datetime.datetime.combine(last + datetime.timedelta(days=1), datetime.time())
    for found in calendar.search(start=start, end=end, event=True, expand=True,
                                 split_expanded=False):
        for event in found.icalendar_instance.walk("VEVENT"):
            when = event.decoded("DTSTART")
            if first <= when <= last:
                dates.add((when, str(event.get("SUMMARY"))))
    return dates


def alarms_differ(objects, folder):
    """Each published object's alarm against Moonrill's notice period; True on a difference."""
    import icalendar
    own = {}
    with open(os.path.join(folder, "alarms.tsv")) as handle:
        for line in handle.read().splitlines():
            summary, days = line.split("\t", 1)
            own[summary] = int(days)
    differ = False
    for text in objects:
        for event in icalendar.Calendar.from_ical(text).walk("VEVENT"):
            summary = str(event.get("SUMMARY"))
            alarms = [-alarm.decoded("TRIGGER").days for alarm in event.walk("VALARM")]
            if alarms != ([own[summary]] if summary in own else []):
                print(f"alarm of {summary}: {alarms}, Moonrill: {own.get(summary)}")
                differ = True
    return differ


def main():
    folder, first, last = sys.argv[1], day(sys.argv[2]), day(sys.argv[3])
    own = set()
    with open(os.path.join(folder, "moonrill.tsv")) as handle:
        for line in handle.read().splitlines():
            when, summary = line.split("\t", 1)
            own.add((day(when), summary))
    clients = {}
    if sys.argv[4:5] == ["--server"]:
        calendar = server_calendar(*sys.argv[5:8])
        objects = [found.data for found in calendar.events()]
        readers = (("the server's expansion",
                    lambda: server_expanded_dates(calendar, first, last)),
                   ("python-dateutil", lambda: dateutil_dates(objects, first, last)))
        alarm_trouble = alarms_differ(objects, folder)
    else:
        ics = os.path.join(folder, "moonrill.ics")
        with open(ics, "rb") as handle:
            exported = handle.read()
        readers = (("python-dateutil", lambda: dateutil_dates([exported], first, last)),
                   ("khal", lambda: khal_dates(ics, first, last, folder)),
                   ("calcurse", lambda: calcurse_dates(ics, first, last, folder)))
        alarm_trouble = False
    for name, read in readers:
        try:
            clients[name] = read()
        except subprocess.CalledProcessError as failure:
            # A client that cannot read the file shows none of the dates.
            print(f"{name} failed: {failure.stdout} {failure.stderr}")
            clients[name] = set()
    found = {name: dates for name, dates in clients.items() if dates is not None}
    for name in clients:
        if name not in found:
            print(f"{name}: not installed, not compared")
    if not found:
        return 77
    # Every event's dates, Moonrill's and each client's, one line a date.
    names = list(found)
    rows = ["| event | Moonrill | " + " | ".join(names) + " |",
            "|---|---|" + "---|" * len(names)]
    every = sorted(own.union(*found.values()), key=lambda pair: (pair[1], pair[0]))
    for when, summary in every:
        cells = [when.isoformat() if (when, summary) in dates else "-"
                 for dates in [own] + [found[name] for name in names]]
        rows.append(f"| {summary} | " + " | ".join(cells) + " |")
    with open(os.path.join(folder, "clients.md"), "w") as handle:
        handle.write("\n".join(rows) + "\n")
    failed = False
    for name, dates in found.items():
        missing, extra = sorted(own - dates), sorted(dates - own)
        print(f"{name}: {len(dates)} dates, {len(missing)} missing, {len(extra)} extra")
        for when, summary in missing[:10]:
            print(f"  missing {when} {summary}")
        for when, summary in extra[:10]:
            print(f"  extra   {when} {summary}")
        failed = failed or bool(missing or extra)
    return 1 if failed or alarm_trouble else 0


if __name__ == "__main__":
    sys.exit(main())
