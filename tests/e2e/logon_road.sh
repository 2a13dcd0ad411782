#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end checks of the real program: the logon scan, a second instance, the first start's
# autostart entry and a lock left by a killed process. Usage: logon_road.sh PATH_TO_MOONRILL APP_ID
set -u
bin=$1 id=$2
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
export QT_QPA_PLATFORM=offscreen MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data" # where a first start writes the session bus's service file
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
events="$MOONRILL_HOME/events.mrl"
nodisplay() { # nodisplay COMMAND...: run as a terminal or ssh session would, with no display
    (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 10 "$@")
}

later=$(date -d '+40 days' +%F)
past=$(date -d '-400 days' +%F)
moved=$(date -d "$past +1 year" +%F)
[ "$moved" \< "$(date +%F)" ] && moved=$(date -d "$past +2 years" +%F)

# A logon scan with nothing due ends by itself and leaves the rewritten file.
printf '$$Later$$%s$$Once$$3$$\n$$Yearly$$%s$$Yearly$$0$$\n' "$later" "$past" > "$events"
timeout 10 "$bin" whatsup; rc=$?
check "whatsup ends with 0" [ $rc -eq 0 ]
check "whatsup rewrites the file" [ "$(cat "$events")" = "$(printf '$$Later$$%s$$Once$$3$$\r\n$$Yearly$$%s$$Yearly$$0$$\r\n\r' "$later" "$moved")" ]
check "whatsup sets up no logon start" [ ! -e "$XDG_CONFIG_HOME/autostart/$id.desktop" ]

# With nothing due the scan never starts the desktop: a display platform that does not exist
# goes unnoticed. With something due it is needed, which shows the probe works.
printf '$$Later$$%s$$Once$$3$$\n' "$later" > "$events"
(QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" whatsup; exit $?) 2>/dev/null; rc=$?
check "whatsup with nothing due needs no display" [ $rc -eq 0 ]
check "whatsup without display rewrites the file" [ "$(cat "$events")" = "$(printf '$$Later$$%s$$Once$$3$$\r\n\r' "$later")" ]
printf '$$Now$$%s$$Once$$3$$\n' "$(date +%F)" > "$events"
(QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" whatsup; exit $?) >/dev/null 2>&1; rc=$?
[ $rc -ne 0 ] && [ $rc -ne 124 ]; check "whatsup with something due starts the desktop" [ $? -eq 0 ]

# The program alone, without its windows library: the logon scan still runs when nothing is due,
# and says why it cannot show what is.
mkdir -p "$work/alone" && cp "$bin" "$work/alone/moonrill"
printf '$$Later$$%s$$Once$$3$$\n' "$later" > "$events"
timeout 10 "$work/alone/moonrill" whatsup; rc=$?
check "whatsup needs no windows library when nothing is due" [ $rc -eq 0 ]
printf '$$Now$$%s$$Once$$3$$\n' "$(date +%F)" > "$events"
message=$(timeout 10 "$work/alone/moonrill" whatsup 2>&1); rc=$?
check "without the library a due event is reported on stderr" [ $rc -eq 1 ]
check "the report names the library" grep -q "windows cannot be loaded: .*libmoonrill-gui.so" <<<"$message"

# Without a display the scan is printed, one row a line in the scan's order, and the exit
# status says no window was shown. A terminal or an ssh session gets what is due this way.
printf '$$Later$$%s$$Once$$3$$\n$$Dentist$$%s$$Once$$0$$\n$$Mum$$%s$$Birthday$$3$$mum@example.org\n' \
    "$(date -d '+2 days' +%F)" "$(date +%F)" "$(date -d '+1 day' +%F)" > "$events"
out=$(LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" nodisplay "$bin" whatsup 2>"$work/err"); rc=$?
[ $rc -ne 0 ] && [ $rc -ne 124 ]; check "no display: exit status is not 0" [ $? -eq 0 ]
check "no display: no windows library and no toolkit loaded" [ "$(cat "$work"/ld.* | grep -c "libmoonrill-gui\|libQt6")" = 0 ]
check "no display: the scan goes to standard output" [ "$out" = "$(printf 'Today: %s Dentist\nTomorrow: %s Mum\nIn 2 days: %s Later' "$(date +%F)" "$(date -d '+1 day' +%F)" "$(date -d '+2 days' +%F)")" ]
check "no display: standard error says why" grep -q "^moonrill: no window can be shown: " "$work/err"
check "no display: the file is left as it was, no date moved" [ "$(grep -c $'\r' "$events")" = 0 ]

# A display that does not answer, or a Wayland socket that refuses, is no display either: said,
# and the scan printed, without the toolkit's abort.
out=$( (unset WAYLAND_DISPLAY; DISPLAY=:93 QT_QPA_PLATFORM=xcb timeout 10 "$bin" whatsup 2>"$work/err") ); rc=$?
[ $rc -eq 1 ] && grep -q "Dentist" <<<"$out"; check "unreachable display: exit 1, the rows printed" [ $? -eq 0 ]
check "unreachable display: said" grep -q "no window can be shown: the X display :93 does not answer" "$work/err"
python3 -c "import socket; socket.socket(socket.AF_UNIX).bind('$XDG_RUNTIME_DIR/wayland-9')"
out=$( (unset DISPLAY QT_QPA_PLATFORM; WAYLAND_DISPLAY=wayland-9 timeout 10 "$bin" whatsup 2>"$work/err") ); rc=$?
[ $rc -eq 1 ] && grep -q "Dentist" <<<"$out"; check "refusing Wayland socket: exit 1, the rows printed" [ $? -eq 0 ]
check "refusing Wayland socket: said" grep -q "the Wayland display wayland-9 does not answer" "$work/err"

# Whatever stands where the event file should be, the scan neither hangs nor replaces it.
for kind in fifo folder; do
    rm -f "$events"
    if [ $kind = fifo ]; then mkfifo "$events"; else mkdir "$events"; fi
    err=$(nodisplay "$bin" whatsup 2>&1 >/dev/null); rc=$?
    [ $rc -ne 0 ] && [ $rc -ne 124 ]; check "$kind: ends by itself, not 0" [ $? -eq 0 ]
    check "$kind: says what it found" grep -q "events.mrl is a $([ $kind = fifo ] && echo FIFO || echo folder), not an event file" <<<"$err"
    check "$kind: is left as it was" [ "$([ $kind = fifo ] && [ -p "$events" ] || [ -d "$events" ]; echo $?)" = 0 ]
    rm -rf "$events"
done

# A damaged file: kept as a backup before it is replaced; a run that could not show the message
# in a window says it on standard error and exits 1.
printf '$$Later$$%s$$Once$$3$$\r\n$$Bad$$soon$$Once$$3$$\r\n' "$later" > "$events"
cp "$events" "$work/damaged"
err=$(nodisplay "$bin" whatsup 2>&1 >/dev/null); rc=$?
check "damaged: the message was shown in no window, so exit 1" [ $rc -eq 1 ]
check "damaged: the backup holds the original" cmp -s "$work/damaged" "$events.bak"
check "damaged: the message names the backup" grep -q "The original file is kept as $events.bak." <<<"$err"
check "damaged: the file is cleaned" [ "$(cat "$events")" = "$(printf '$$Later$$%s$$Once$$3$$\r\n\r' "$later")" ]
rm -f "$events".bak*

# Missed days: the last day a run saw was four days ago. What fell due since is listed first,
# oldest first, and only once: the run keeps today as the day seen.
d3=$(date -d '-3 days' +%F) d1=$(date -d '-1 day' +%F)
printf '%s\r\n' "$(date -d '-4 days' +%F)" > "$MOONRILL_HOME/.moonrill-last-seen"
printf '$$Mum$$%s$$Birthday$$3$$mum@example.org\r\n$$Trip$$%s$$Once$$0$$\r\n$$Later$$%s$$Once$$3$$\r\n' \
    "$d3" "$d1" "$later" > "$events"
out=$( (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 10 "$bin" whatsup 2>/dev/null) ); rc=$?
check "missed: listed oldest first" [ "$out" = "$(printf '3 days ago: %s Mum\nYesterday: %s Trip' "$d3" "$d1")" ]
check "missed: not shown in a window, so not 0" [ $rc -eq 1 ]
check "missed: a run that could not show them keeps the old day" grep -q "$(date -d '-4 days' +%F)" "$MOONRILL_HOME/.moonrill-last-seen"
# Nor did it move a date or drop a passed event: the next run finds the same missed days.
out2=$( (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 10 "$bin" whatsup 2>/dev/null) )
check "missed: a run that could not show them changed nothing" [ "$out2" = "$out" ]
# A run that saw the day (here: one the window showed, as the scan window test does) lists
# them no more.
printf '%s\r\n' "$(date +%F)" > "$MOONRILL_HOME/.moonrill-last-seen"
out=$( (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 10 "$bin" whatsup 2>/dev/null) ); rc=$?
[ -z "$out" ] && [ $rc -eq 0 ]; check "missed: a run on a seen day lists none" [ $? -eq 0 ]

# The daily timer's run on a day already seen ends at once and touches nothing.
printf '$$Moved$$%s$$Monthly$$0$$\r\n\r\n' "$(date -d '-40 days' +%F)" > "$events"
cp "$events" "$work/before"
out=$(MOONRILL_DAILY=1 QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" whatsup 2>&1); rc=$?
[ -z "$out" ] && [ $rc -eq 0 ]; check "daily run on a seen day: nothing said, exit 0" [ $? -eq 0 ]
check "daily run on a seen day: the file is untouched" cmp -s "$events" "$work/before"
printf '%s\r\n' "$(date -d '-1 day' +%F)" > "$MOONRILL_HOME/.moonrill-last-seen"
MOONRILL_DAILY=1 QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" whatsup >/dev/null 2>&1; rc=$?
[ $rc -eq 0 ] && ! cmp -s "$events" "$work/before"; check "daily run on a new day: an ordinary scan" [ $? -eq 0 ]
check "daily run on a new day: today is kept" grep -q "$(date +%F)" "$MOONRILL_HOME/.moonrill-last-seen"
rm -f "$MOONRILL_HOME/.moonrill-last-seen"

# --help and --version answer on standard output without a display; a plain start that cannot
# show its window says why in one line and exits 1 (not Qt's abort).
out=$(QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" --help); rc=$?
[ $rc -eq 0 ] && grep -q '^Usage: moonrill \[whatsup | sync \[--confirm-removal | --restore\]\]$' <<<"$out"; check "--help: usage on standard output, exit 0" [ $? -eq 0 ]
out=$(QT_QPA_PLATFORM=nosuchplatform timeout 10 "$bin" --version); rc=$?
[ $rc -eq 0 ] && [ "$out" = "moonrill 1.0.0" ]; check "--version: exit 0" [ $? -eq 0 ]
err=$( (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 10 "$bin" 2>&1 >/dev/null) ); rc=$?
check "plain start without a display: exit 1" [ $rc -eq 1 ]
check "plain start without a display: one line says why" [ "$err" = "moonrill: no window can be shown: qt.qpa.xcb: could not connect to display" ]

# A lock held under our name in a file of another user's is no copy of ours: not a silent 0.
lock="$MOONRILL_HOME/.moonrill.lock"
if [ "$(id -u)" -eq 0 ]; then
    : > "$lock" && chown 65534 "$lock"
    flock "$lock" sleep 10 & holder=$!
    sleep 0.3
    err=$(nodisplay "$bin" whatsup 2>&1 >/dev/null); rc=$?
    check "another user's lock: exit 1" [ $rc -eq 1 ]
    check "another user's lock: said" grep -q "is locked by another user" <<<"$err"
    kill $holder; wait $holder 2>/dev/null; rm -f "$lock"
else
    echo "skipped: another user's lock needs root to make a file of another user's"
fi

# A plain first start writes the autostart entry; a second instance ends at once.
"$bin" & first=$!
check "first start writes the autostart entry" wait_for test -e "$XDG_CONFIG_HOME/autostart/$id.desktop"
check "the entry runs the scan" grep -q "^Exec=.*moonrill.* whatsup$" "$XDG_CONFIG_HOME/autostart/$id.desktop"
printf '$$Lf only$$%s$$Once$$0$$\n' "$(date +%F)" > "$events"
start=$(date +%s%N)
timeout 10 "$bin" whatsup; rc=$?
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
check "second instance ends with 0" [ $rc -eq 0 ]
check "second instance ends at once (${elapsed} ms)" [ $elapsed -lt 3000 ]
check "second instance does not touch the file" [ "$(cat "$events")" = "$(printf '$$Lf only$$%s$$Once$$0$$' "$(date +%F)")" ]
timeout 10 "$bin"; rc=$?
check "second plain instance ends with 0" [ $rc -eq 0 ]
# Another runtime folder (another session's environment) is the same data folder all the same.
mkdir -m 700 "$work/runtime2"
XDG_RUNTIME_DIR="$work/runtime2" timeout 10 "$bin" whatsup; rc=$?
check "another runtime folder: refused as a second instance" [ $rc -eq 0 ]
check "another runtime folder: the file is untouched" [ "$(cat "$events")" = "$(printf '$$Lf only$$%s$$Once$$0$$' "$(date +%F)")" ]

# A killed instance leaves no lock behind.
kill -9 $first; wait $first 2>/dev/null
printf '$$Later$$%s$$Once$$3$$\n' "$later" > "$events"
timeout 10 "$bin" whatsup; rc=$?
check "start after a killed instance runs" [ $rc -eq 0 ]
check "start after a killed instance rewrites the file" grep -q $'\r' "$events"

summary "e2e"
