#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows as a screen reader meets them: the real program on a test X server with a window
# manager, on a session bus of its own with the accessibility bus (at-spi2-core) beside it, walked
# by keyboard while screen_reader.py asks the accessibility bus (python3-pyatspi) what has the
# keyboard after each step.
# Usage: screen_reader.sh PATH_TO_MOONRILL. Exits 77 (skipped) where the stack cannot start.
set -u
bin=$1
launcher=/usr/libexec/at-spi-bus-launcher
py=/usr/bin/python3
for tool in Xvfb xdotool openbox dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
$py -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
if [ "${SCREEN_READER_BUS:-}" != 1 ]; then
    SCREEN_READER_BUS=1 dbus-run-session -- bash "$0" "$@"
    exit $?
fi
source "$(dirname "$0")/lib.sh"
x_home
export ASAN_OPTIONS="${ASAN_OPTIONS}:fast_unwind_on_malloc=0"
start_x
openbox --sm-disable >/dev/null 2>&1 &
"$launcher" --launch-immediately >/dev/null 2>&1 &
wait_for dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1 || { echo "skipped: no accessibility bus"; exit 77; }
due=$(date -d '+3 days' +%F)
printf '$$Dentist$$%s$$Once$$3$$\r\n$$Club$$%s$$Monthly$$10$$\r\n\r\n' "$due" \
    "$(date -d '+9 days' +%F)" > "$MOONRILL_HOME/events.mrl"
# Not the first start: that one asks about the scan at logon first.
not_first_start
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin" 2>"$work/err" & app=$!
$py "$(dirname "$0")/screen_reader.py" "$due"; rc=$?
kill $app 2>/dev/null
[ $rc -eq 0 ] || { echo "what the program said:"; cat "$work/err"; }
exit $rc
