#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "moonrill sync" against a real CalDAV server: Radicale on a free loopback port, with a
# temporary store and a plain htpasswd user, read back with python3-caldav. A list of every type
# is published, then edited, cut and published again; an object changed by another client is
# left and reported; a wrong password and a stopped server change nothing and keep what is
# pending. Usage: caldav_sync.sh PATH_TO_MOONRILL PATH_TO_MOONRILL_DATES. Exits 77 (skipped)
# where Radicale cannot run.
set -u
bin=$1 dates=$2
py=/usr/bin/python3
$py -c 'import radicale, caldav' 2>/dev/null || { echo "skipped: radicale or python3-caldav is not installed"; exit 77; }
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
export MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data" # where a first start writes the session bus's service file
mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill" && mkdir -m 700 "$XDG_RUNTIME_DIR"
events="$MOONRILL_HOME/events.mrl" state="$MOONRILL_HOME/events.mrl.published"

port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
echo 'ann:secret' > "$work/users"
start_server() {
    $py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
        --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
        --storage-filesystem-folder "$work/store" >"$work/radicale.log" 2>&1 & server=$!
    for _ in $(seq 50); do $py -c "import socket; socket.create_connection(('127.0.0.1', $port))" 2>/dev/null && return 0; sleep 0.1; done
    echo "skipped: Radicale did not start"; cat "$work/radicale.log"; exit 77
}
start_server
url="http://127.0.0.1:$port/ann/moonrill/"
caldav() { # caldav PYTHON: runs PYTHON with `calendar`, the published calendar, as another client
    $py -c "import caldav
calendar = caldav.DAVClient('$url', username='ann', password='secret').calendar(url='$url')
$1"
}
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Moonrill', cal_id='moonrill')" \
    || { echo "FAILED: no calendar could be made"; exit 1; }
printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"
sync() { timeout 60 "$bin" sync 2>"$work/err"; }
summaries() { caldav 'print("\n".join(sorted(str(e.icalendar_component["summary"]) + " " + str(e.icalendar_component["uid"]).endswith("-february").__str__() for e in calendar.events())))'; }

# Every type, the 31st and 29 February among them, and weekdays of the month (a load moves each
# to the first day its rule names); 14 events, one with a February part.
y=$(($(date +%Y) + 1))
{
    for t in Once Daily Weekly Monthly Yearly Birthday "Every 2th week" "Every 3th month" "Every 2th year" \
             "Every 2th month on the last Friday" "Yearly on the fourth Thursday"; do
        printf '$$%s$$%s-01-31$$%s$$3$$\r\n' "$t" $y "$t"
    done
    printf '$$Rent$$%s-01-30$$Monthly$$2$$\r\n$$Leap$$2028-02-29$$Birthday$$3$$$$2000\r\n\r\n' $y
} > "$events"
out=$(sync); rc=$?
check "publish: exit 0" [ $rc -eq 0 ]
check "publish: what it did" [ "$out" = "Sent: 14 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
check "publish: the server holds every object" [ "$(summaries | wc -l)" = 14 ]
check "publish: the 31st is each month's last day, reminded 3 days ahead at 09:00" caldav 'import sys; e = [e for e in calendar.events() if str(e.icalendar_component["summary"]) == "Monthly"][0]; sys.exit(0 if "BYMONTHDAY=-1" in e.data and "TRIGGER:-P2DT15H" in e.data else 1)'
check "publish: the UIDs are kept in the list" [ "$(grep -c 'uid=moonrill-' "$events")" = 13 ]
check "publish: a weekday of the month as calendars write it" caldav 'import re, sys; e = [e for e in calendar.events() if str(e.icalendar_component["summary"]).startswith("Yearly on")][0]; sys.exit(0 if re.search(r"RRULE:FREQ=YEARLY;BYDAY=4TH;BYMONTH=1\s", e.data) else 1)'
# What the server shows, date by date over three years and alarm by alarm, is Moonrill's own.
today=$(date +%F)
"$dates" "$events" "$today" "$(date -d "$today + 3 years - 1 day" +%F)" "$work"
check "publish: the server shows Moonrill's dates and alarms" $py "$(dirname "$0")/../exchange/calendar_clients.py" \
    "$work" "$today" "$(date -d "$today + 3 years - 1 day" +%F)" --server "$url" ann secret

out=$(sync)
check "again: nothing to send" [ "$out" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]

# Without the state file (lost, or a sync whose answers never came), the objects standing on
# the server under the list's UIDs are taken over, not doubled and not called someone else's.
mv "$state" "$work/state-lost"
out=$(sync); rc=$?
[ "$out" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] && [ $rc -eq 0 ]; check "state lost: taken over" [ $? -eq 0 ]
check "state lost: nothing twice" [ "$(summaries | wc -l)" = 14 ]

sed -i 's/^\$\$Once\$\$/$$Once, moved$$/' "$events"
sed -i '/^\$\$Daily\$\$/d' "$events"
out=$(sync); rc=$?
[ "$out" = "Sent: 0 new, 1 changed, 1 removed; taken: 0 new, 0 changed, 0 removed" ] && [ $rc -eq 0 ]; check "edit and delete: one changed, one removed" [ $? -eq 0 ]
check "edit and delete: the server follows" [ "$(summaries | grep -c 'Once, moved\|Daily')" = 1 ]

# Another client changes an object; Moonrill changes the same event: both versions are kept,
# on both sides, and said by name.
caldav 'e = [e for e in calendar.events() if str(e.icalendar_component["summary"]) == "Weekly"][0]
e.icalendar_component["summary"] = "Weekly, theirs"; e.save()'
sed -i 's/^\$\$Weekly\$\$\(.*\)\$\$3\$\$/$$Weekly$$\1$$4$$/' "$events"
out=$(sync); rc=$?
[ $rc -eq 0 ] \
    && grep -q "Changed on both sides, so both versions are in the list and on the server (1): Weekly$" "$work/err"; check "changed on both sides: exit 0, said by name" [ $? -eq 0 ]
[ "$(summaries | grep -c '^Weekly')" = 2 ] \
    && grep -q '^\$\$Weekly, theirs\$\$' "$events" && grep -q '^\$\$Weekly\$\$.*\$\$4\$\$' "$events"; check "changed on both sides: both on the server and in the list" [ $? -eq 0 ]
caldav '[e for e in calendar.events() if str(e.icalendar_component["summary"]) == "Weekly, theirs"][0].delete()'
out=$(sync); rc=$?
[ "$out" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 1 removed" ] && [ $rc -eq 0 ] \
    && ! grep -q 'Weekly, theirs' "$events"; check "theirs removed on the server: the list follows" [ $? -eq 0 ]

# A wrong password and a stopped server change nothing on the server; what is pending is sent
# at the next sync.
cp "$state" "$work/state-before"
sed -i 's/^\$\$Monthly\$\$\(.*\)\$\$3\$\$/$$Monthly$$\1$$5$$/' "$events"
printf 'wrong\n' > "$work/password"
sync; rc=$?
[ $rc -eq 1 ] && grep -q "did not accept the user name and password" "$work/err"; check "wrong password: exit 1, said" [ $? -eq 0 ]
check "wrong password: the state is as it was" cmp -s "$state" "$work/state-before"
printf 'secret\n' > "$work/password"
kill $server; wait $server 2>/dev/null
sync; rc=$?
[ $rc -eq 1 ] && cmp -s "$state" "$work/state-before"; check "server stopped: exit 1, the state as it was" [ $? -eq 0 ]
start_server
out=$(sync); rc=$?
[ "$out" = "Sent: 0 new, 1 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] && [ $rc -eq 0 ]; check "server back: the pending change goes" [ $? -eq 0 ]

# The logon scan publishes what it saved, silently; what it could not publish is kept for the
# window's next start, whose own save then publishes it.
sed -i 's/^\$\$Yearly\$\$/$$Yearly, at logon$$/' "$events"
out=$(QT_QPA_PLATFORM=offscreen timeout 20 "$bin" whatsup 2>&1); rc=$?
[ -z "$out" ] && [ $rc -eq 0 ]; check "logon: silent, exit 0" [ $? -eq 0 ]
check "logon: the server follows" [ "$(summaries | grep -c 'Yearly, at logon')" = 1 ]
kill $server; wait $server 2>/dev/null
sed -i 's/^\$\$Birthday\$\$/$$Birthday, pending$$/' "$events"
QT_QPA_PLATFORM=offscreen timeout 20 "$bin" whatsup >/dev/null 2>&1
check "logon, server stopped: the failure is kept" [ -s "$XDG_CONFIG_HOME/moonrill/sync-failure" ]
start_server
QT_QPA_PLATFORM=offscreen "$bin" 2>"$work/window.err" & app=$!
published() { [ "$(summaries | grep -c 'Birthday, pending')" = 1 ]; }
check "window: its start publishes what was pending" wait_for published
check "window: the failure was said, once" wait_for test ! -e "$XDG_CONFIG_HOME/moonrill/sync-failure"
kill $app; wait $app 2>/dev/null

# A phone's meeting at 23:30 UTC: taken on its own date at its time in UTC (the reminders place it
# on the 21st in Berlin), but its object stays the organizer's. The list's edit of it stays on this computer, said once.
export TZ=Europe/Berlin
caldav "calendar.save_event(\"\"\"BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Phone//EN
BEGIN:VEVENT
UID:phone-review
DTSTAMP:20260101T000000Z
DTSTART:${y}0320T233000Z
SUMMARY:Review
ORGANIZER:mailto:boss@example.org
ATTENDEE;PARTSTAT=ACCEPTED:mailto:ann@example.org
END:VEVENT
END:VCALENDAR
\"\"\")"
review() { caldav 'print([e for e in calendar.events() if str(e.icalendar_component["uid"]) == "phone-review"][0].data)'; }
# Each condition whole in a function: `check` runs only the command it is given.
taken_at_its_time() { [ $rc -eq 0 ] && grep -qF "\$\$Review\$\$$y-03-20\$\$Once\$\$0\$\$\$\$\$\$uid=phone-review\$\$time=23:30\$\$tz=UTC" "$events"; }
kept_here() {
    [ "$out" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] && [ $rc -eq 0 ] \
        && grep -q "Review (a meeting: changes stay on this computer)" "$work/err" && grep -q '^\$\$Review, moved\$\$' "$events"
}
said_once() { [ $rc -eq 0 ] && ! grep -q "meeting" "$work/err" && [ "$(review)" = "$before" ]; }
out=$(sync); rc=$?
check "meeting: taken at its time, in its zone" taken_at_its_time
before=$(review)
sed -i 's/^\$\$Review\$\$\([^$]*\)\$\$Once\$\$0\$\$/$$Review, moved$$\1$$Once$$4$$/' "$events"
out=$(sync); rc=$?
check "meeting: the edit stays here, said" kept_here
out=$(sync); rc=$?
check "meeting: said once, the organizer's object as it was" said_once
unset TZ

# The server goes down in the middle of a long publish: what it took is kept as published, the
# rest is sent at the next sync, and nothing stands twice.
export MOONRILL_HOME="$work/bulk"
mkdir -p "$MOONRILL_HOME"
for i in $(seq 400); do printf '$$Task %s$$%s-03-%02d$$Weekly$$1$$\r\n' "$i" $y $((i % 28 + 1)); done > "$MOONRILL_HOME/events.mrl"
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Bulk', cal_id='bulk')"
printf '[sync]\ncalendar_url=http://127.0.0.1:%s/ann/bulk/\nuser=ann\n' "$port" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
stored() { find "$work/store/collection-root/ann/bulk" -maxdepth 1 -name '*.ics' 2>/dev/null | wc -l; }
sync >/dev/null & syncer=$!
for _ in $(seq 400); do [ "$(stored)" -ge 100 ] && break; sleep 0.05; done
kill -9 $server; wait $server 2>/dev/null
wait $syncer; rc=$?
taken=$(grep -vc '^#' "$MOONRILL_HOME/events.mrl.published")
[ $rc -eq 1 ] && [ "$taken" -lt 400 ] \
    && grep -q "$((400 - taken)) not sent, sent at the next sync" "$work/err"; check "stopped mid-publish: exit 1, the rest pending" [ $? -eq 0 ]
start_server
out=$(sync); rc=$?
check "stopped mid-publish: the rest goes next time" [ $rc -eq 0 ]
check "stopped mid-publish: every event once" [ "$(stored)" = 400 ]

# A password file others may read is refused; so is plain http to another machine.
chmod 644 "$work/password"
sync; rc=$?
[ $rc -eq 1 ] && grep -q "may be read by others" "$work/err"; check "open password file: refused" [ $? -eq 0 ]
chmod 600 "$work/password"
printf '[sync]\ncalendar_url=http://calendar.example.org/ann/\nuser=ann\n' > "$XDG_CONFIG_HOME/moonrill/sync.conf"
sync; rc=$?
[ $rc -eq 1 ] && grep -q "does not use https" "$work/err"; check "plain http elsewhere: refused" [ $? -eq 0 ]

summary "caldav sync"
