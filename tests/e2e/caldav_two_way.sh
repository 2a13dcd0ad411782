#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two computers and a phone share one list through a real CalDAV server (Radicale, Xandikos or
# DAViCal, on a free loopback port with a temporary store): two data folders run "moonrill sync"
# as two machines, python3-caldav plays the phone. Additions, changes and removals go every way; a
# change on both sides keeps both; what the list cannot hold stays on the server; an emptied
# calendar empties nothing without the word; a sync killed on either side loses and doubles
# nothing. Usage: caldav_two_way.sh PATH_TO_MOONRILL radicale|xandikos|davical. Exits 77
# (skipped) where the server cannot run.
set -u
bin=$1 kind=$2
py=/usr/bin/python3
module=caldav
[ "$kind" = davical ] || module="$kind, caldav"
$py -c "import $module" 2>/dev/null || { echo "skipped: $kind or python3-caldav is not installed"; exit 77; }
work=$(mktemp -d)
here=$(dirname "$0")
# DAViCal runs as daemons of its own (Apache and PostgreSQL), which only its script stops.
trap 'kill $(jobs -p) 2>/dev/null; [ -L "$work/server" ] && "$here/davical_server.sh" stop "$work/server"; rm -rf "$work"' EXIT
source "$here/lib.sh"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export XDG_DATA_HOME="$work/data" # where a first start writes the session bus's service file
mkdir -p "$XDG_CONFIG_HOME/moonrill" && mkdir -m 700 "$XDG_RUNTIME_DIR"
port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
case $kind in
radicale)
    echo 'ann:secret' > "$work/users"
    $py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
        --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
        --storage-filesystem-folder "$work/store" >"$work/server.log" 2>&1 & ;;
xandikos)
    xandikos --defaults -d "$work/store" -l 127.0.0.1 -p "$port" >"$work/server.log" 2>&1 & ;;
davical)
    # The script makes user ann and her calendar itself; its folder keeps Apache's request log.
    url=$("$here/davical_server.sh" start "$work/server" $$) || exit $?
    port=${url#http://127.0.0.1:} port=${port%%/*} ;;
*)
    echo "usage: caldav_two_way.sh PATH_TO_MOONRILL radicale|xandikos|davical" >&2; exit 2 ;;
esac
if [ "$kind" != davical ]; then
    for _ in $(seq 100); do $py -c "import socket; socket.create_connection(('127.0.0.1', $port))" 2>/dev/null && break; sleep 0.1; done
    url=$($py -c "import caldav
c = caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret')
print(c.principal().make_calendar(name='Shared', cal_id='shared').url)" 2>"$work/make.err") \
        || { echo "skipped: $kind did not start or made no calendar"; cat "$work/server.log" "$work/make.err"; exit 77; }
fi
printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"

phone() { # phone PYTHON: runs PYTHON with `calendar`, the shared calendar, as the phone
    $py -c "import caldav
calendar = caldav.DAVClient('$url', username='ann', password='secret').calendar(url='$url')
def named(summary):
    return [e for e in calendar.events() if str(e.icalendar_component['summary']) == summary][0]
$1"
}
phone_adds() { # phone_adds UID SUMMARY DTSTART-LINE [MORE-LINES]: the phone saves a new event
    phone "calendar.save_event('''BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Phone//EN
BEGIN:VEVENT
UID:$1
DTSTAMP:20261201T100000Z
$3
SUMMARY:$2
${4:-}END:VEVENT
END:VCALENDAR
''')"
}
on_server() { phone 'print("\n".join(sorted(str(e.icalendar_component["summary"]) for e in calendar.events())))'; }
sync_on() { # sync_on MACHINE [ARG]: "moonrill sync" in that machine's data folder
    MOONRILL_HOME="$work/$1" timeout 120 "$bin" sync ${2:-} >"$work/out" 2>"$work/err"
}
said() { cat "$work/out"; }
not() { ! "$@"; }
lines() { grep -v '^\s*$' "$work/$1/events.mrl" | sed 's/\r$//' | sort; }
mkdir -p "$work/laptop" "$work/desktop"

y=$(($(date +%Y) + 1))
printf '$$Anna$$%s-03-14$$Birthday$$3$$anna@example.org$$1990\r\n$$Rent$$%s-01-31$$Monthly$$2$$\r\n$$Club$$%s-02-03$$Every 2th week$$1$$\r\n\r\n' $y $y $y > "$work/laptop/events.mrl"
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 3 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]; check "laptop: its list goes out" [ $? -eq 0 ]
sync_on desktop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 3 new, 0 changed, 0 removed" ]; check "desktop: takes the list" [ $? -eq 0 ]
check "desktop: the same events, birthday, e-mail and the 31st kept" [ "$(lines desktop)" = "$(lines laptop)" ]
sync_on laptop
check "nothing changed: nothing sent or taken" [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]

# The phone adds an event at a time of day with a reminder of two days, renames Club (with a
# place of its own) and removes Rent.
phone_adds phone-dentist Dentist "DTSTART:${y}0415T093000" 'BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Dentist
TRIGGER:-P2D
END:VALARM
'
phone "e = named('Club'); e.icalendar_component['summary'] = 'Chess club'; e.icalendar_component.add('location', 'Town hall'); e.save()
named('Rent').delete()"
sync_on desktop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 1 new, 1 changed, 1 removed" ]; check "phone's changes: taken" [ $? -eq 0 ]
grep -qF "\$\$Dentist\$\$$y-04-15\$\$Once\$\$2\$\$" "$work/desktop/events.mrl" \
    && grep -qF '$$Chess club$$' "$work/desktop/events.mrl" && not grep -q 'Rent' "$work/desktop/events.mrl"; check "phone's changes: in the list" [ $? -eq 0 ]
check "phone's changes: the list as it was kept as a backup" grep -q Rent "$work/desktop/events.mrl.bak"
sync_on laptop
check "laptop: takes them too" [ "$(lines laptop)" = "$(lines desktop)" ]

# The laptop changes the club's notice: what the phone added stays on the server's object.
sed -i 's/^\(\$\$Chess club\$\$[^$]*\$\$[^$]*\$\$\)1\$\$/\14$$/' "$work/laptop/events.mrl"
sync_on laptop
check "a change from the list: sent" [ "$(said)" = "Sent: 0 new, 1 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
check "a change from the list: the phone's place kept" phone "import sys; e = named('Chess club'); sys.exit(0 if 'Town hall' in e.data and 'TRIGGER:-P3DT15H' in e.data else 1)"
sync_on desktop
check "desktop: takes the change, sends nothing back" [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 1 changed, 0 removed" ]
sync_on laptop
check "no ping-pong" [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]

# What a phone sets, kept: a weekly call at 09:30 in Berlin reminded half an hour before (its
# alarm with a UID and a sound of the phone's), a review with two alarms, one from its end, and
# a fair all day reminded at 09:00 the day before. Each comes in at its time and goes back with
# every alarm after a rename in the list and after a change of a lead.
monday=$(date -d "$y-03-01 +$(( (8 - $(date -d "$y-03-01" +%u)) % 7 )) days" +%Y%m%d)
phone "calendar.save_event('''BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Phone//EN
BEGIN:VTIMEZONE
TZID:Europe/Berlin
BEGIN:STANDARD
DTSTART:19701025T030000
TZOFFSETFROM:+0200
TZOFFSETTO:+0100
RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU
END:STANDARD
BEGIN:DAYLIGHT
DTSTART:19700329T020000
TZOFFSETFROM:+0100
TZOFFSETTO:+0200
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU
END:DAYLIGHT
END:VTIMEZONE
BEGIN:VEVENT
UID:phone-call
DTSTAMP:20261201T100000Z
DTSTART;TZID=Europe/Berlin:${monday}T093000
DTEND;TZID=Europe/Berlin:${monday}T101500
RRULE:FREQ=WEEKLY
SUMMARY:Team call
BEGIN:VALARM
UID:call-alarm
ACTION:AUDIO
TRIGGER:-PT30M
X-PHONE-SOUND:chime
END:VALARM
END:VEVENT
END:VCALENDAR
''')"
phone_adds phone-review Review "DTSTART:${y}0420T140000" 'DURATION:PT1H
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Review
TRIGGER:-P1D
END:VALARM
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Review
TRIGGER;RELATED=END:-PT10M
END:VALARM
'
phone_adds phone-fair Fair "DTSTART;VALUE=DATE:${y}0510" 'BEGIN:VALARM
UID:fair-alarm
ACTION:DISPLAY
DESCRIPTION:Fair
TRIGGER:-PT15H
END:VALARM
'
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 3 new, 0 changed, 0 removed" ]; check "a phone's times: taken" [ $? -eq 0 ]
grep -qF '$$Team call$$' "$work/laptop/events.mrl" \
    && grep -qF '$$Weekly$$0$$$$$$uid=phone-call$$time=09:30$$tz=Europe/Berlin$$end=PT45M$$alarms=-PT30M' "$work/laptop/events.mrl" \
    && grep -qF "\$\$Review\$\$$y-04-20\$\$Once\$\$1\$\$\$\$\$\$uid=phone-review\$\$time=14:00\$\$dur=PT1H\$\$alarms=-P1D,-PT10M@end" "$work/laptop/events.mrl" \
    && grep -q "^\$\$Fair\$\$$y-05-10\$\$Once\$\$1\$\$\$\$\$\$uid=phone-fair.\?$" "$work/laptop/events.mrl"; check "a phone's times: in the list with their time, zone, end and alarms" [ $? -eq 0 ]
sed -i 's/^\$\$Team call\$\$/$$Team sync$$/; s/^\$\$Review\$\$/$$Design review$$/; s/^\$\$Fair\$\$/$$Book fair$$/' "$work/laptop/events.mrl"
sync_on laptop
check "a phone's times renamed: sent" [ "$(said)" = "Sent: 0 new, 3 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
check "a phone's times renamed: every alarm as the phone wrote it" phone "import sys
call, review, fair = named('Team sync').data, named('Design review').data, named('Book fair').data
sys.exit(0 if all(x in call for x in ('UID:call-alarm', 'ACTION:AUDIO', 'X-PHONE-SOUND:chime', 'TRIGGER:-PT30M', 'DTSTART;TZID=Europe/Berlin:${monday}T093000', 'DTEND;TZID=Europe/Berlin:${monday}T101500', 'RRULE:FREQ=WEEKLY')) and call.count('BEGIN:VALARM') == 1
    and all(x in review for x in ('DTSTART:${y}0420T140000', 'DURATION:PT1H', 'TRIGGER:-P1D', 'TRIGGER;RELATED=END:-PT10M')) and review.count('BEGIN:VALARM') == 2
    and all(x in fair for x in ('DTSTART;VALUE=DATE:${y}0510', 'UID:fair-alarm', 'TRIGGER:-PT15H')) and fair.count('BEGIN:VALARM') == 1 else 1)"
sed -i 's/^\(\$\$Team sync\$\$.*alarms=\)-PT30M/\1-PT10M/; s/^\(\$\$Design review\$\$.*alarms=-P1D,\)-PT10M@end/\1-PT5M@end/' "$work/laptop/events.mrl"
sync_on laptop
check "a lead changed: sent" [ "$(said)" = "Sent: 0 new, 2 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
check "a lead changed: only that alarm's trigger" phone "import sys
call, review = named('Team sync').data, named('Design review').data
sys.exit(0 if all(x in call for x in ('UID:call-alarm', 'X-PHONE-SOUND:chime', 'TRIGGER:-PT10M')) and 'TRIGGER:-PT30M' not in call
    and all(x in review for x in ('TRIGGER:-P1D', 'TRIGGER;RELATED=END:-PT5M')) and review.count('BEGIN:VALARM') == 2 else 1)"
sync_on desktop; rc=$?
[ $rc -eq 0 ] && [ "$(lines desktop)" = "$(lines laptop)" ]; check "a phone's times: the desktop takes them alike" [ $? -eq 0 ]
sync_on laptop
check "a phone's times: no ping-pong" [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
phone "[named(n).delete() for n in ('Team sync', 'Design review', 'Book fair')]"
sync_on laptop; sync_on desktop

# Changed on both computers: both versions end up on both and on the server, said by name.
sed -i 's/^\$\$Dentist\$\$/$$Dentist, laptop$$/' "$work/laptop/events.mrl"
sed -i 's/^\$\$Dentist\$\$/$$Dentist, desktop$$/' "$work/desktop/events.mrl"
sync_on desktop
sync_on laptop; rc=$?
[ $rc -eq 0 ] && grep -q "Changed on both sides, so both versions are in the list and on the server (1): Dentist, laptop" "$work/err"; check "both changed: said by name" [ $? -eq 0 ]
sync_on desktop
[ "$(lines laptop)" = "$(lines desktop)" ] \
    && [ "$(on_server | grep -c Dentist)" = 2 ] && [ "$(grep -c Dentist "$work/laptop/events.mrl")" = 2 ]; check "both changed: both versions everywhere" [ $? -eq 0 ]

# The logon scan takes what the phone added too, silently, within its seconds.
phone_adds phone-logon "Seen at logon" "DTSTART;VALUE=DATE:${y}0601"
out=$(MOONRILL_HOME="$work/laptop" QT_QPA_PLATFORM=offscreen timeout 20 "$bin" whatsup 2>&1); rc=$?
[ -z "$out" ] && [ $rc -eq 0 ] \
    && grep -qF '$$Seen at logon$$' "$work/laptop/events.mrl"; check "logon: takes the phone's event, silently" [ $? -eq 0 ]
sync_on desktop

# Weekdays of the month both ways: the laptop's Thanksgiving goes out as BYDAY=4TH in November,
# the phone's pay day as Outlook writes it (the last of the month's Fridays) comes in as the
# list's own type on its date, and a rule of two weekdays the list cannot hold stays on the
# server, named, never half taken.
read -r payday thanks <<<"$($py -c "import datetime as d
last = d.date($y, 2, 1) - d.timedelta(days=1)
november = d.date($y, 11, 1)
print(last - d.timedelta(days=(last.weekday() - 4) % 7), november + d.timedelta(days=(3 - november.weekday()) % 7 + 21))")"
sed -i "1s/^/\$\$Thanks\$\$$thanks\$\$Yearly on the fourth Thursday\$\$3\$\$\r\n/" "$work/laptop/events.mrl"
phone_adds phone-payday "Pay day" "DTSTART;VALUE=DATE:${payday//-/}" 'RRULE:FREQ=MONTHLY;BYDAY=FR;BYSETPOS=-1
'
phone_adds phone-nights "Club nights" "DTSTART;VALUE=DATE:${y}0105" 'RRULE:FREQ=MONTHLY;BYDAY=2TU,4TU
'
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 1 new, 0 changed, 0 removed; taken: 1 new, 0 changed, 0 removed" ] \
    && grep -q "Left on the server, the list cannot hold them (1): Club nights" "$work/err"; check "weekdays: sent and taken, the rule of two named" [ $? -eq 0 ]
grep -qF "\$\$Pay day\$\$$payday\$\$Monthly on the last Friday\$\$0\$\$" "$work/laptop/events.mrl" \
    && not grep -q "Club nights" "$work/laptop/events.mrl" && [ "$(on_server | grep -c 'Club nights')" = 1 ]; check "weekdays: the last Friday in the list on its date" [ $? -eq 0 ]
check "weekdays: the fourth Thursday of November on the server" phone "import re, sys; e = named('Thanks'); sys.exit(0 if re.search(r'RRULE:FREQ=YEARLY;BYDAY=4TH;BYMONTH=11\s', e.data) else 1)"
sync_on desktop
check "weekdays: the desktop takes both alike" [ "$(lines desktop)" = "$(lines laptop)" ]
sed -i 's/^\(\$\$Pay day\$\$[^$]*\$\$[^$]*\$\$\)0\$\$/\15$$/' "$work/laptop/events.mrl"
sync_on laptop
[ "$(said)" = "Sent: 0 new, 1 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] \
    && phone "import sys; e = named('Pay day'); sys.exit(0 if 'BYSETPOS=-1' in e.data and 'TRIGGER:-P4DT15H' in e.data and 'DTSTART;VALUE=DATE:${payday//-/}' in e.data else 1)"; check "weekdays: a change keeps the phone's own rule" [ $? -eq 0 ]
phone "[named(n).delete() for n in ('Pay day', 'Club nights', 'Thanks')]"
sync_on laptop; rc=$?
[ $rc -eq 0 ] && not grep -q "Pay day\|Thanks" "$work/laptop/events.mrl"; check "weekdays gone: complete again" [ $? -eq 0 ]

# The calendar emptied on the phone: nothing leaves the list without the word.
sync_on desktop
phone "[e.delete() for e in calendar.events()]"
before=$(lines laptop)
sync_on laptop; rc=$?
[ $rc -eq 1 ] && grep -q "The calendar on the server is empty, but the list still holds its 5 events: nothing was removed" "$work/err" \
    && grep -q "run: moonrill sync --confirm-removal" "$work/err"; check "emptied calendar: refused, how to confirm said" [ $? -eq 0 ]
check "emptied calendar: the list as it was" [ "$(lines laptop)" = "$before" ]
sync_on laptop --confirm-removal; rc=$?
[ $rc -eq 0 ] && [ -z "$(lines laptop)" ]; check "emptied calendar, confirmed: the list follows" [ $? -eq 0 ]

# A sync killed on either side, at any point: the next one loses and doubles nothing.
killed_syncs() { # killed_syncs MACHINE: syncs of MACHINE killed with -9 after ever longer waits
    local wait
    for wait in 0.1 0.2 0.3 0.5 0.8 1.2; do
        MOONRILL_HOME="$work/$1" "$bin" sync >/dev/null 2>&1 & syncer=$!
        sleep $wait; kill -9 $syncer 2>/dev/null; wait $syncer 2>/dev/null
    done
    # A request the killed sync had sent may still be under way in the server: it finishes it.
    sleep 1
}
for i in $(seq 300); do printf '$$Task %s$$%s-05-%02d$$Weekly$$1$$\r\n' "$i" $y $((i % 28 + 1)); done > "$work/laptop/events.mrl"
killed_syncs laptop
sync_on laptop; rc=$?
[ $rc -eq 0 ] || cat "$work/out" "$work/err"
check "killed while sending: the next sync completes" [ $rc -eq 0 ]
[ "$(on_server | grep -c '^Task')" = 300 ] \
    && [ "$(on_server | sort -u | grep -c '^Task')" = 300 ]; check "killed while sending: each event once on the server" [ $? -eq 0 ]
rm -rf "$work/desktop" && mkdir -p "$work/desktop"
killed_syncs desktop
sync_on desktop; rc=$?
[ $rc -eq 0 ] || cat "$work/out" "$work/err"
check "killed while taking: the next sync completes" [ $rc -eq 0 ]
[ "$(lines desktop)" = "$(lines laptop)" ] \
    && [ "$(grep -c '^\$\$Task' "$work/desktop/events.mrl")" = 300 ]; check "killed while taking: each event once in the list" [ $? -eq 0 ]
sync_on desktop
check "killed while taking: then nothing more to do" [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]

# Days passing: the phone's past events (of yesterday, ten days and a year ago) stay on the
# server and out of the list, and a sync removes none of them.
for ago in 1 10 400; do
    phone_adds "phone-past-$ago" "Past $ago" "DTSTART:$(date -d "-$ago days" +%Y%m%d)T100000"
done
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] \
    && not grep -q "Past" "$work/laptop/events.mrl" && [ "$(on_server | grep -c '^Past')" = 3 ]; check "past events: neither taken nor removed" [ $? -eq 0 ]
sync_on laptop
check "past events: still on the server at the next sync" [ "$(on_server | grep -c '^Past')" = 3 ]

# The phone removes what the last sync put: the next sync takes the removal (the token kept
# covers the sync's own writes).
sed -i "1s/^/\$\$Fresh\$\$$y-07-01\$\$Once\$\$1\$\$\r\n/" "$work/laptop/events.mrl"
sync_on laptop
check "own write: sent" [ "$(said)" = "Sent: 1 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ]
phone "named('Fresh').delete()"
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: 0 new, 0 changed, 0 removed; taken: 0 new, 0 changed, 1 removed" ] \
    && not grep -q Fresh "$work/laptop/events.mrl"; check "own write removed on the phone: taken" [ $? -eq 0 ]

# An object whose UID carries a line of the state file naming an object in another calendar
# with "*": nothing outside the calendar is touched, now or at the next sync.
private=$(phone "import caldav
p = caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal()
c = p.make_calendar(name='Private', cal_id='private')
c.save_event('BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//P//EN\nBEGIN:VEVENT\nUID:victim\nDTSTAMP:20261201T100000Z\nDTSTART;VALUE=DATE:${y}0301\nSUMMARY:Victim\nEND:VEVENT\nEND:VCALENDAR\n')
print(c.url)")
victim_path=$($py -c "import urllib.parse as u; print(u.urlparse('$private').path)")victim.ics
phone "calendar.client.put(str(calendar.url) + 'forged.ics', 'BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//P//EN\nBEGIN:VEVENT\nUID:forged\\\\nvictim\\t0000000000000001\\t*\\t$victim_path\\t0000000000000000\\t\nDTSTAMP:20261201T100000Z\nDTSTART;VALUE=DATE:${y}0301\nEND:VEVENT\nEND:VCALENDAR\n', {'Content-Type': 'text/calendar'})" 2>"$work/forged.err"
sync_on laptop; sync_on laptop
check "a forged UID: the other calendar's object stays" $py -c "import caldav, sys
c = caldav.DAVClient('$private', username='ann', password='secret').calendar(url='$private')
sys.exit(0 if [e for e in c.events() if 'Victim' in e.data] else 1)"
check "a forged UID: the state file has no line of its making" not grep -q "^victim" "$work/laptop/events.mrl.published"
phone "calendar.client.delete(str(calendar.url) + 'forged.ics')"

# The settings point at another, empty calendar: a first sync with it, every event goes up and
# nothing is removed on either side; back to the first one, nothing doubles.
fresh=$(phone "import caldav
print(caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Fresh', cal_id='fresh').url)")
count=$(lines laptop | wc -l)
printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$fresh" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(said)" = "Sent: $count new, 0 changed, 0 removed; taken: 0 new, 0 changed, 0 removed" ] \
    && [ "$(lines laptop | wc -l)" = "$count" ]; check "another calendar: every event goes up, nothing removed" [ $? -eq 0 ]
printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
sync_on laptop; rc=$?
[ $rc -eq 0 ] && [ "$(lines laptop | wc -l)" = "$count" ] \
    && [ "$(on_server | grep -c '^Task')" = 300 ]; check "the first calendar again: nothing doubles" [ $? -eq 0 ]

summary "two-way sync with $kind"
