#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A reminder at its moment, end to end with real peers: a private session bus that starts
# services on demand as a desktop's does, a test X server, dunst and the desktop portal's GTK
# backend. A logon run gathers the reminders and gives the timer their moment; at the moment, a
# run shows them and ends; Snooze, pressed in dunst after that run ended, reaches the program the
# bus starts for it; Done, called as the backend calls it, too. The state file and the timer say
# what comes next.
# Usage: reminder_moments.sh PATH_TO_MOONRILL APP_ID. Exits 77 (skipped) where a peer cannot start.
set -u
bin=$1 id=$2
backend=/usr/libexec/xdg-desktop-portal-gtk
for tool in Xvfb dunst dunstctl dbus-run-session gdbus; do
    command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x $backend ] || { echo "skipped: xdg-desktop-portal-gtk is not installed"; exit 77; }
source "$(dirname "$0")/lib.sh"
if [ "${REMINDER_BUS_INNER:-}" != 1 ]; then
    work=$(mktemp -d)
    trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
    x_home
    start_x
    export XDG_DATA_HOME="$work/data" PATH="$(cd "$(dirname "$0")/../support/fake-bin" && pwd):$PATH"
    export MOONRILL_SYSTEMCTL_LOG="$work/systemctl.log" NO_AT_BRIDGE=1 GTK_USE_PORTAL=0
    services="$XDG_DATA_HOME/dbus-1/services"
    mkdir -p "$services" "$work/system" "$XDG_CONFIG_HOME/systemd/user"
    # The program's bus service, as the set-up writes it, and the backend's own file alone of
    # the system's: nothing else of the machine answers on this bus.
    printf '[D-BUS Service]\nName=%s\nExec=/usr/bin/env "MOONRILL_HOME=%s" "%s" --bus-activated\n' \
        "$id" "$MOONRILL_HOME" "$bin" > "$services/$id.service"
    cp /usr/share/dbus-1/services/org.freedesktop.impl.portal.desktop.gtk.service "$work/system/"
    session_bus_config "$work/bus.conf"
    sed -i "s|</busconfig>|  <servicedir>$services</servicedir>\n  <servicedir>$work/system</servicedir>\n</busconfig>|" \
        "$work/bus.conf"
    REMINDER_BUS_INNER=1 work=$work dbus-run-session --config-file="$work/bus.conf" -- \
        bash ${REMINDER_BUS_TRACE:+-x} "$0" "$@"
    exit $?
fi
trap 'kill $(jobs -p) 2>/dev/null' EXIT
# Qt's D-Bus leaves objects at exit that libdbus still points to (suppressed in tests/lsan.supp);
# a whole stack for each allocation lets the suppression see them as the D-Bus library's.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"
state="$MOONRILL_HOME/.moonrill-reminders" timer="$XDG_CONFIG_HOME/systemd/user/$id-reminders.timer"
# The dunst context menu's chooser: picks the line that names the button asked for.
cat > "$work/pick.sh" <<'PICK'
#!/bin/sh
tee "$(dirname "$0")/menu" | grep -m1 -E "$(cat "$(dirname "$0")/wanted")"
PICK
chmod +x "$work/pick.sh"
printf '[global]\n    dmenu = %s\n' "$work/pick.sh" > "$work/dunstrc"
dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
wait_for dunstctl count >/dev/null 2>&1 || { echo "skipped: dunst did not start"; exit 77; }

# The daily scan as set up (its timer's file tells), before any reminder.
printf '[Timer]\nOnCalendar=*-*-* 09:00:00\n' > "$XDG_CONFIG_HOME/systemd/user/$id-scan.timer"
printf '[Unit]\nDescription=Moonrill: show what falls due today\n[Service]\nEnvironment=MOONRILL_DAILY=1\nExecStart=moonrill whatsup\n' \
    > "$XDG_CONFIG_HOME/systemd/user/$id-scan.service"
# Far enough from the next minute that the reminders are still ahead when gathered.
while [ "$(date +%-S)" -ge 45 ]; do sleep 1; done
at() { date -d "+$1 min" "+$2"; }
{
    printf '$$Dentist$$%s$$Once$$0$$$$$$time=%s$$alarms=-PT30M\r\n' "$(at 31 %F)" "$(at 31 %H:%M)"
    printf '$$Standup$$%s$$Once$$0$$$$$$time=%s$$alarms=-PT32M,PT0S\r\n' "$(at 33 %F)" "$(at 33 %H:%M)"
    printf '\r\n'
} > "$MOONRILL_HOME/events.mrl"
moment=$(at 1 '%F %H:%M')
# A logon run (without a display it prints what is due) gathers them.
env -u DISPLAY "$bin" whatsup >"$work/logon.out" 2>&1
check "logon: both reminders are coming" [ "$(grep -c "^coming	${moment/ /	}" "$state")" = 2 ]
check "logon: the timer comes at their moment" grep -qx "OnCalendar=$moment:00" "$timer"
check "logon: the service manager starts the reminders' timer" \
    grep -qx -- "--user enable --now $id-reminders.timer" "$work/systemctl.log"
check "logon: the moment's elapse is the reminder's" \
    bash -c "systemd-analyze calendar '$moment:00' | grep -q 'Next elapse: ... $moment:00'"

# The reminders' timer's run at the moment shows them and ends, scanning nothing.
while [ "$(date '+%F %H:%M')" \< "$moment" ]; do sleep 1; done
cp "$MOONRILL_HOME/events.mrl" "$work/events-before"
MOONRILL_REMINDERS=1 "$bin" whatsup >"$work/moment.out" 2>&1 & run=$!
ended $run; check "moment: the run ends" [ $? = 0 ]
shown() { [ "$(dunstctl count displayed)" -ge 2 ]; }
check "moment: both reminders are shown" wait_for shown
check "moment: the event file is left alone" cmp -s "$MOONRILL_HOME/events.mrl" "$work/events-before"
check "moment: no scan was shown" [ ! -s "$work/moment.out" ]
check "moment: they were handled" grep -q "^shown	${moment/ /	}" "$state"
check "moment: no longer coming" bash -c "! grep -q '^coming	${moment/ /	}' '$state'"
check "moment: the standup's start is still to come" grep -q "^coming.*Standup" "$state"

# Snooze for an hour, chosen in dunst's menu after the run that showed it ended.
echo "^#In an hour .*Dentist" > "$work/wanted"
before=$(date +%s)
dunstctl context
snoozed() { grep -q "^snoozed.*Dentist" "$state"; }
check "snooze: dunst offered the buttons" wait_for grep -q "^#In 10 minutes (In 30 minutes: Dentist)" "$work/menu"
check "snooze: the program the bus started kept it" wait_for snoozed
again=$(grep "^snoozed.*Dentist" "$state" | cut -f2-3 | tr '\t' ' ')
later=$(($(date -d "$again" +%s) - before))
check "snooze: it comes again in an hour ($again)" [ $later -ge 3480 -a $later -le 3660 ]
check "snooze: the timer comes then" grep -qx "OnCalendar=$again:00" "$timer"

# Done for the standup, as the portal's backend calls it on the bus.
key="$(grep "^shown.*Standup" "$state" | cut -f4) $(grep "^shown.*Standup" "$state" | cut -f6)"
start=$(grep "^coming.*Standup" "$state" | cut -f2-3 | tr '\t' ' ')
gdbus call --session --dest "$id" --object-path "/${id//.//}" \
    --method org.freedesktop.Application.ActivateAction done "[<'$key'>]" '{}' >/dev/null
finished() { grep -q "^done	.*Standup" "$state"; }
check "done: kept for the occurrence" wait_for finished
check "done: its start no longer comes" bash -c "! grep -q '^coming.*Standup' '$state'"
check "done: nor does the timer" bash -c "! grep -qx 'OnCalendar=$start:00' '$timer'"
check "done: the snoozed dentist still comes" grep -qx "OnCalendar=$again:00" "$timer"

# While the window runs, it holds the name and takes the buttons itself.
owner() { gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID "$id" 2>/dev/null |
    sed -n 's/^(uint32 \([0-9]*\),)$/\1/p'; }
ownerless() { [ -z "$(owner)" ]; }
check "the started program ends once no action comes" wait_for ownerless
[ -n "$(owner)" ] && ps -o pid,etimes,args -p "$(owner)"
not_first_start
"$bin" >"$work/window.out" 2>&1 & main=$!
held() { [ "$(owner)" = $main ]; }
check "window: it holds the name" wait_for held
dentist="$(grep "^snoozed.*Dentist" "$state" | cut -f4) $(grep "^snoozed.*Dentist" "$state" | cut -f6)"
before=$(date +%s)
gdbus call --session --dest "$id" --object-path "/${id//.//}" \
    --method org.freedesktop.Application.ActivateAction snooze "[<'10 $dentist'>]" '{}' >/dev/null
sooner() { [ "$(grep "^snoozed.*Dentist" "$state" | cut -f2-3 | tr '\t' ' ')" != "$again" ]; }
check "window: the snooze is kept" wait_for sooner
soon=$(grep "^snoozed.*Dentist" "$state" | cut -f2-3 | tr '\t' ' ')
later=$(($(date -d "$soon" +%s) - before))
check "window: it comes again in ten minutes ($soon)" [ $later -ge 480 -a $later -le 660 ]
kill $main; ended $main
summary reminder_moments
