#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Holds the types by weekday to two reckoners of their own: Remind (remind -s) and
python-dateutil's rrule. Every day of 2024 and 2025 starts events of each rule that names it
(its week of the month, the first to the fourth, and the last where it is), monthly and yearly,
with intervals; Moonrill's dates for ten years from each start (moonrill_dates, which loads the
list as a file and steps each event) are compared with each reckoner's.

Usage: weekday_reckoners.py MOONRILL_DATES FOLDER
Writes FOLDER/weekday_reckoners.md, the table of dates compared and mismatches. Exits 0 when no
date differs, 1 on a mismatch, 77 when neither reckoner is installed.
"""

import datetime
import os
import shutil
import subprocess
import sys

WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]
WEEKS = ["first", "second", "third", "fourth"]
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
FIRST, LAST = datetime.date(2024, 1, 1), datetime.date(2035, 12, 31)


def ten_years_on(start):
    try:
        return start.replace(year=start.year + 10)
    except ValueError:  # 29 February
        return datetime.date(start.year + 10, 3, 1)


def cases():
    """(id, start, yearly, week (1-4 or -1), interval) for every rule that names each day."""
    found = []
    day = datetime.date(2024, 1, 1)
    while day.year < 2026:
        length = ((day.replace(day=28) + datetime.timedelta(days=4)).replace(day=1)
                  - datetime.timedelta(days=1)).day
        weeks = ([(day.day - 1) // 7 + 1] if day.day <= 28 else []) + \
            ([-1] if day.day + 7 > length else [])
        for week in weeks:
            for yearly in (False, True):
                n = len(found)
                interval = [1, 2, 3, 1, 4, 6][n % 6] if not yearly else [1, 2, 1, 3][n % 4]
                found.append((f"W{n:05d}", day, yearly, week, interval))
        day += datetime.timedelta(days=1)
    return found


def type_text(yearly, week, weekday, interval):
    steps = ("Yearly" if yearly else "Monthly") if interval == 1 else \
        f"Every {interval}th {'year' if yearly else 'month'}"
    return f"{steps} on the {'last' if week == -1 else WEEKS[week - 1]} {WEEKDAYS[weekday]}"


def moonrill(program, folder, found):
    with open(os.path.join(folder, "events.mrl"), "w", newline="") as handle:
        for name, start, yearly, week, interval in found:
            handle.write(f"$${name}$${start.isoformat()}$$"
                         f"{type_text(yearly, week, start.weekday(), interval)}$$0$$\r\n")
        handle.write("\r\n")
    subprocess.run([program, os.path.join(folder, "events.mrl"), FIRST.isoformat(),
                    LAST.isoformat(), folder], check=True)
    return read_pairs(os.path.join(folder, "moonrill.tsv"),
                      lambda line: (line[1], datetime.date.fromisoformat(line[0])))


def read_pairs(path, pair):
    dates = {}
    with open(path) as handle:
        for line in handle:
            name, date = pair(line.rstrip("\n").split("\t"))
            dates.setdefault(name, set()).add(date)
    return dates


def remind(folder, found):
    if shutil.which("remind") is None:
        return None
    path = os.path.join(folder, "weekday.rem")
    with open(path, "w") as handle:
        for name, start, yearly, week, interval in found:
            # Remind's own words: the first weekday on or after a day; the last of a month is
            # the first on or after the next month's 1st, a week back.
            weekday = WEEKDAYS[start.weekday()][:3]
            month = start.month % 12 if week == -1 else start.month - 1
            day = 1 if week == -1 else 7 * (week - 1) + 1
            rule = f"REM {weekday} {day}"
            if yearly:
                rule += f" {MONTHS[month]}"
            if week == -1:
                rule += " --7"
            if interval > 1:
                since = f"(year(trigdate()) - {start.year})" if yearly else \
                    f"(year(trigdate())*12 + monnum(trigdate()) - {start.year * 12 + start.month})"
                rule += f" SATISFY [{since} % {interval} == 0]"
            handle.write(f"{rule} MSG {name}\n")
    months = (LAST.year - FIRST.year) * 12 + LAST.month - FIRST.month + 1
    listed = subprocess.run(["remind", f"-s{months}", path, FIRST.isoformat()], check=True,
                            capture_output=True, text=True).stdout
    dates = {}
    for line in listed.splitlines():
        fields = line.split(" ")
        dates.setdefault(fields[-1], set()).add(
            datetime.date.fromisoformat(fields[0].replace("/", "-")))
    return dates


def dateutil(found):
    try:
        from dateutil import rrule
    except ImportError:
        return None
    dates = {}
    for name, start, yearly, week, interval in found:
        weekday = rrule.weekday(start.weekday(), week)
        begin = datetime.datetime.combine(start, datetime.time())
        end = datetime.datetime.combine(LAST, datetime.time())
        rule = rrule.rrule(rrule.YEARLY if yearly else rrule.MONTHLY, interval=interval,
                           dtstart=begin, until=end, byweekday=weekday,
                           bymonth=start.month if yearly else None)
        dates[name] = {when.date() for when in rule}
    return dates


def main():
    program, folder = sys.argv[1], sys.argv[2]
    found = cases()
    reckoners = {"Remind": remind(folder, found), "python-dateutil": dateutil(found)}
    if all(dates is None for dates in reckoners.values()):
        print("weekday_reckoners: neither remind nor python3-dateutil is installed")
        return 77
    ours = moonrill(program, folder, found)
    rows = ["| reckoner | rule | events | dates compared | mismatches |",
            "|---|---|---|---|---|"]
    failed = False
    for reckoner, theirs in reckoners.items():
        if theirs is None:
            rows.append(f"| {reckoner} | not installed | | | |")
            continue
        for yearly in (False, True):
            for last in (False, True):
                kind = [c for c in found if c[2] == yearly and (c[3] == -1) == last]
                compared = mismatches = 0
                for name, start, _, _, _ in kind:
                    window = lambda dates: {d for d in dates if start <= d < ten_years_on(start)}
                    a, b = window(ours.get(name, set())), window(theirs.get(name, set()))
                    compared += len(a | b)
                    mismatches += len(a ^ b)
                    if a != b and mismatches == len(a ^ b):
                        print(f"{reckoner}: {name} from {start}: Moonrill {sorted(a - b)[:3]}, "
                              f"{reckoner} {sorted(b - a)[:3]}")
                failed = failed or mismatches > 0
                rule = f"{'yearly' if yearly else 'monthly'}, " + \
                    ("last" if last else "first to fourth")
                rows.append(f"| {reckoner} | {rule} | {len(kind)} | {compared} | {mismatches} |")
    table = "\n".join(rows) + "\n"
    with open(os.path.join(folder, "weekday_reckoners.md"), "w") as handle:
        handle.write(table)
    print(table)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
