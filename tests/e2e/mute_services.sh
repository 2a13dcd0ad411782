#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Desktop services that hang, end to end, with real peers on a bus of the test's own: a process
# that owns the program's name on the bus, a keyring (a secret service) that owns its name and
# never answers, a bus that takes connections and says nothing, and a bus daemon stopped with
# SIGSTOP. Each costs the program seconds: the window shows, a second start says why it shows
# nothing, the daily run shows its window, a sync ends, and a change made while a save waits
# for the keyring survives a logout.
# Usage: mute_services.sh PATH_TO_MOONRILL APP_ID. Exits 77 (skipped) where a peer cannot start.
set -u
bin=$1 id=$2
work=$(mktemp -d) bus_pid=
# Debian's Python, whose D-Bus module the test's name owner uses.
py=/usr/bin/python3
trap 'kill -9 $(jobs -p) 2>/dev/null; kill -CONT $bus_pid 2>/dev/null; kill $bus_pid 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
need Xvfb xdotool dbus-daemon
$py -c 'import dbus' 2>/dev/null || { echo "skipped: python3-dbus is not installed"; exit 77; }
x_home
not_first_start
export ASAN_OPTIONS="${ASAN_OPTIONS}:fast_unwind_on_malloc=0"
events="$MOONRILL_HOME/events.mrl" copy="$MOONRILL_HOME/events.mrl.recovery"
start_x
start_bus() { # a bus that starts no service on demand
    session_bus_config "$work/bus.conf"
    local answer
    answer=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1) ||
        { echo "skipped: dbus-daemon did not start"; exit 77; }
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$answer") bus_pid=$(sed -n 2p <<<"$answer")
    export DBUS_SESSION_BUS_ADDRESS
}
mute_owner() { # mute_owner NAME: a process that holds NAME and answers nothing
    $py "$(dirname "$0")/mute_owner.py" "$1" > "$work/owner" & owner=$!
    wait_for grep -q owned "$work/owner" || { echo "skipped: no name could be taken"; exit 77; }
}
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
shown() { [ "$(windows "$1")" -ge "${2:-1}" ]; }
press() { # press KEY...: to the newest window named Moonrill
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Moonrill$' | tail -1)
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --delay 100 "$@"
    sleep 0.5
}
second_start() { # second_start WHAT: a start beside a running one that does not answer
    "$bin" 2>"$work/second" & second=$!
    check "$1: the second start says so in a window" wait_for shown '^Moonrill$' 2
    press Return
    ended $second; local rc=$?
    check "$1: and ends with 1 (status $rc)" [ $rc -eq 1 ]
}
two=$'$$Alpha$$2999-01-01$$Once$$3$$\r\n$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n'

# Another process owns the program's name: the window starts without it, and a second start
# says that the running one does not answer.
start_bus
mute_owner "$id"
printf '%s' "$two" > "$events"
"$bin" 2>>"$work/err" & first=$!
check "name taken: the window shows" wait_for shown '^Moonrill$'
second_start "name taken"
kill $first $owner; ended $first >/dev/null

# A keyring that never answers, with a calendar set: the sync ends and says why; a change made
# after a save, while the save's sync waits for the keyring, survives a logout.
mute_owner org.freedesktop.secrets
mkdir -p "$XDG_CONFIG_HOME/moonrill"
printf '[sync]\ncalendar_url=http://127.0.0.1:9/calendar/\nuser=ann\n' > "$XDG_CONFIG_HOME/moonrill/sync.conf"
timeout 60 "$bin" sync > /dev/null 2> "$work/sync"; rc=$?
check "mute keyring: the sync ends with 1 (status $rc)" [ $rc -eq 1 ]
check "mute keyring: and says why" grep -q "The keyring did not answer within 2 seconds" "$work/sync"
"$bin" 2>>"$work/err" & app=$!
# The start's own sync fails on the keyring too, and the window says so beside it, once a run:
# closed before the keys go to the list.
check "mute keyring: the window says its failed sync" wait_for shown '^Moonrill$' 2
press Return
wait_for [ "$(windows '^Moonrill$')" -eq 1 ]
# Each question is answered once it shows: the first box reads the desktop's icon theme, which
# the window's start no longer does, and may take longer than a keystroke's delay.
delete() { press Delete; wait_for shown '^Moonrill$' 2; press Return; }
delete
press ctrl+s
delete
check "mute keyring: the change after the save is kept" wait_for [ "$(cat "$copy" 2>/dev/null)" = $'\r' ]
kill -TERM $app; ended $app; rc=$?
check "mute keyring: SIGTERM ends the window cleanly (status $rc)" [ $rc -eq 0 ]
# (Saved with a calendar set, the event keeps the UID it is known by there.)
saved_beta() {
    [ "$(grep -c '^\$\$' "$events")" = 1 ] && grep -q '^\$\$Beta\$\$2999-02-01\$\$Once\$\$3\$\$' "$events"
}
check "mute keyring: the file holds what was saved" saved_beta
check "mute keyring: the copy holds the change after it" [ "$(cat "$copy")" = $'\r' ]
rm -f "$copy" "$copy.base" "$XDG_CONFIG_HOME/moonrill/sync.conf" "$XDG_CONFIG_HOME/moonrill/sync-failure"
kill $owner

# The bus daemon stopped: the window shows, a second start says why it shows nothing, and the
# daily run shows the scan window in place of a notification.
printf '$$Dentist$$%s$$Once$$3$$\r\n\r\n' "$(date +%F)" > "$events"
daily_run() { # daily_run WHAT
    printf '2000-01-01\r\n' > "$MOONRILL_HOME/.moonrill-last-seen"
    MOONRILL_DAILY=1 "$bin" whatsup 2>>"$work/err" & daily=$!
    check "$1: the daily run shows the scan window" wait_for shown "Upcoming Events"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Upcoming Events" | tail -1)"
    xdotool key Return
    ended $daily; local rc=$?
    check "$1: and ends with 0 (status $rc)" [ $rc -eq 0 ]
}
mute_bus() { # mute_bus WHAT
    "$bin" 2>>"$work/err" & first=$!
    check "$1: the window shows" wait_for shown '^Moonrill$'
    second_start "$1"
    kill $first; ended $first >/dev/null
    daily_run "$1"
}
kill -STOP $bus_pid
mute_bus "bus stopped"
kill -CONT $bus_pid; kill $bus_pid

# A bus that takes every connection and never says a word; it writes a line for each it takes.
$py -c '
import socket, sys
s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1]); s.listen(64); held = []
log = open(sys.argv[2], "a", buffering=1)
while True: held.append(s.accept()[0]); log.write("taken\n")' "$work/silent" "$work/taken" & silent=$!
wait_for test -S "$work/silent"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/silent"
taken() { cat "$work/taken" 2>/dev/null | wc -l; }
daily_asks() { # the connections the daily run made, in the file the next line reads
    local before
    before=$(taken)
    daily_run "$@"
    echo $(($(taken) - before)) > "$work/asked"
}
"$bin" 2>>"$work/err" & first=$!
check "silent bus: the window shows" wait_for shown '^Moonrill$'
second_start "silent bus"
kill $first; ended $first >/dev/null
daily_asks "silent bus"
# The notification found the bus silent: the scan window that shows instead does not wait on it
# all over again.
check "silent bus: the daily run waits on the bus once ($(cat "$work/asked") connections)" \
    [ "$(cat "$work/asked")" -eq 1 ]
check "silent bus: said once on standard error" grep -q "the session bus took the connection and did not answer" "$work/err"

summary "mute services" || { echo "what the program said:"; cat "$work/err"; exit 1; }
