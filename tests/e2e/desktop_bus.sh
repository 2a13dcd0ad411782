#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program against the desktop's services on the session bus, end to end, with real peers: a
# private session bus, a test X server and dunst, the notification server. The daily scan shows
# its notification and opens the scan window from it; without a notification server it shows the
# window; a second plain start brings the first one's window forward. The notification and the
# window's name on the bus are the application id's.
# Usage: desktop_bus.sh PATH_TO_MOONRILL APP_ID. Exits 77 (skipped) where a peer cannot start.
set -u
bin=$1 id=$2
for tool in Xvfb xdotool dunst dunstctl dbus-run-session dbus-monitor dbus-send openbox; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
# A bus of our own, so that nothing of the user's session answers in dunst's place, and one that
# starts no service on demand: a notification server is there only while the test runs one.
if [ "${DESKTOP_BUS_PRIVATE:-}" != 1 ]; then
    session_bus_config "$work/bus.conf"
    DESKTOP_BUS_PRIVATE=1 dbus-run-session --config-file="$work/bus.conf" -- bash ${DESKTOP_BUS_TRACE:+-x} "$0" "$@"
    exit $?
fi
x_home
# Qt's D-Bus leaves objects at exit that libdbus still points to (suppressed in tests/lsan.supp);
# a whole stack for each allocation lets the suppression see them as the D-Bus library's.
export ASAN_OPTIONS="${ASAN_OPTIONS}:fast_unwind_on_malloc=0"
events="$MOONRILL_HOME/events.mrl" seen="$MOONRILL_HOME/.moonrill-last-seen"
differ() { ! cmp -s "$1" "$2"; }
start_x
# dunst takes a notification away after its own default timeout unless the notification asks
# to stay; here that timeout is one second, so that a reminder which stays is seen to stay.
printf '[global]\n    markup = full\n[urgency_normal]\n    timeout = 1\n' > "$work/dunstrc"
start_dunst() {
    dunst -config "$work/dunstrc" >/dev/null 2>&1 & dunst=$!
    wait_for dunstctl count >/dev/null 2>&1 || { echo "skipped: dunst did not start"; exit 77; }
}
start_dunst
shown() { [ "$(dunstctl count displayed 2>/dev/null)" -ge 1 ] 2>/dev/null; }
scan_window() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
close_scan_window() { # OK, as a user would press it
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Upcoming Events" | tail -1)"
    xdotool key Return
}

today=$(date +%F) d1=$(date -d '-1 day' +%F) born=$(($(date +%Y) - 27))
day_before() { printf '%s\r\n' "$(date -d '-2 days' +%F)" > "$seen"; }
# Twelve rows: a trip missed yesterday, a dentist and a birthday today, nine more ahead.
{
    printf '$$Trip$$%s$$Once$$0$$\r\n$$Tom & <b>Jerry</b>$$%s$$Once$$0$$\r\n' "$d1" "$today"
    printf '$$Ann$$%s$$Birthday$$3$$$$%s\r\n' "$today" "$born"
    for i in $(seq 9); do printf '$$Later %s$$%s$$Once$$30$$\r\n' $i "$(date -d "+$i days" +%F)"; done
    printf '\r\n'
} > "$events"
cp "$events" "$work/original"

# The daily run notifies, and counts the day as seen at once; the file moves on. Closing the
# notification ends the run.
dbus-monitor "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/notify" 2>&1 &
wait_for test -s "$work/notify" # it says when it starts to watch
day_before
LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/daily-ld" MOONRILL_DAILY=1 "$bin" whatsup & app=$!
check "daily: a notification is shown" wait_for shown
windows_loaded() { cat "$work"/daily-ld.* | grep -c "libmoonrill-gui\|libQt6"; }
check "daily: with a display too, neither windows nor toolkit are loaded to notify" \
    [ "$(windows_loaded)" = 0 ]
check "daily: the day counts as seen once it is shown" wait_for grep -q "$today" "$seen"
check "daily: the run waits for the user" kill -0 $app
check "daily: the file moved on" differ "$events" "$work/original"
hinted() { grep -A1 -x ' *string "desktop-entry"' "$work/notify" | grep -qx " *variant *string \"$id\""; }
check "daily: it names the launcher, the application id" wait_for hinted
[ -n "${DESKTOP_BUS_SHOT:-}" ] && import -window root "$DESKTOP_BUS_SHOT"
sleep 2
check "daily: the reminder outlasts the server's own timeout" shown
check "daily: the run still offers its window" kill -0 $app
# While it waits, the list is free: the main window starts, and ends again.
"$bin" & main=$!
check "daily: the main window starts meanwhile" wait_for scan_window '^Moonrill$'
kill $main; ended $main
dunstctl close
ended $app; check "closed: the run ends with 0" [ $? -eq 0 ]
history=$(dunstctl history)
check "daily: summary" grep -q '"data" : "Moonrill: 11 upcoming events, 1 missed"' <<<"$history"
body=$(python3 -c 'import json,sys; print(json.load(sys.stdin)["data"][0][0]["body"]["data"])' <<<"$history")
expected=$(printf 'Today: %s Ann (27)\nYesterday: %s Trip\nToday: %s Tom &amp; &lt;b&gt;Jerry&lt;/b&gt;' "$today" "$d1" "$today")
expected+=$'\n'"Tomorrow: $(date -d '+1 day' +%F) Later 1"
for i in $(seq 2 5); do expected+=$'\n'"In $i days: $(date -d "+$i days" +%F) Later $i"; done
\
    [ "$body" = "$expected"$'\n''and 4 more' ] || printf '%s\n---\n%s\n' "$body" "$expected"; check "daily: the rows, birthday first, eight and how many more, markup escaped" [ $? -eq 0 ]

# Its default action opens the scan window, which then ends the run as usual.
cp "$work/original" "$events"
day_before
MOONRILL_DAILY=1 "$bin" whatsup & app=$!
wait_for shown && sleep 2 && dunstctl action 0
check "daily: Show, past the server's timeout, opens the scan window" wait_for scan_window "Upcoming Events"
close_scan_window
ended $app; check "daily: ends with 0 after the window" [ $? -eq 0 ]

# With no display the notification still shows, through the notification library alone: no
# window is offered, and the toolkit's windows are never loaded.
day_before
(unset DISPLAY; LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" QT_QPA_PLATFORM=xcb MOONRILL_DAILY=1 \
    timeout 10 "$bin" whatsup >/dev/null 2>&1); rc=$?
[ $rc -eq 0 ] && wait_for shown; check "no display: notified, exit 0" [ $? -eq 0 ]
check "no display: no windows loaded" [ "$(cat "$work"/ld.* | grep -c "libmoonrill-gui\|libQt6Widgets")" = 0 ]
dunstctl close-all

# No notification server: the daily run shows the scan window, as at logon; with no display
# either, it could not show anything, so it changes nothing and says so with exit 1.
kill $dunst; wait $dunst 2>/dev/null
day_before
cp "$events" "$work/before"
(unset DISPLAY; QT_QPA_PLATFORM=xcb MOONRILL_DAILY=1 timeout 10 "$bin" whatsup >/dev/null 2>&1); rc=$?
[ $rc -eq 1 ] && cmp -s "$events" "$work/before"; check "neither: exit 1, nothing changed" [ $? -eq 0 ]
MOONRILL_DAILY=1 "$bin" whatsup & app=$!
check "no server: the scan window instead" wait_for scan_window "Upcoming Events"
close_scan_window
ended $app; check "no server: ends with 0 after the window" [ $? -eq 0 ]

# A second plain start brings the first one's window forward, minimised as it was by a window
# manager, and ends with 0.
openbox --sm-disable >/dev/null 2>&1 &
printf '\r\n' > "$events"
"$bin" & first=$!
wait_for scan_window '^Moonrill$'
window=$(xdotool search --onlyvisible --name '^Moonrill$' | tail -1)
# The window manager has taken the window once it can make it the active one.
activated() { xdotool windowactivate --sync "$window" 2>/dev/null; }
wait_for activated
owned() {
    dbus-send --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1"
}
check "the window's name on the bus is the application id" grep -q "boolean true" <(owned "$id")
xdotool windowminimize --sync "$window"
timeout 10 "$bin"; rc=$?
check "second start: ends with 0" [ $rc -eq 0 ]
check "second start: the first window is shown again" wait_for scan_window '^Moonrill$'
check "second start: and active" wait_for test "$(xdotool getactivewindow 2>/dev/null)" = "$window"
kill $first; wait $first 2>/dev/null

summary "desktop bus"
