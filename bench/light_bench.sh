#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What every start costs against its floor, side by side in one run, with the goals:
#   - the main window with 7 events, to its first map:      <= 1.2x a bare Qt window (7 rows)
#   - the scan window with 3 events, to its first map:      <= 1.15x a bare Qt window (3 rows)
#   - the daily run, 3 due among 32,767, to the notification: <= 1.3x notify-send in time and
#     <= 2x in peak memory (a private session bus with dunst)
#   - the logon scan of 32,767 events, none due:             <= 1.1x bench/floor_scan.c in
#     instructions (valgrind's count)
# Times (the maps and the daily run) are medians of runs taken in turn (the program, then its
# floor), so that a drift of the machine's speed touches both. Prints each figure, its ratio and
# its goal; prints the load.
# Usage: bench/light_bench.sh [BUILD_DIR] [RUNS]. BUILD_DIR (default build-release) is a Release
# build with -DMOONRILL_BENCH=ON; it is built here when it is the default one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-21}
if [ "${LIGHT_BENCH_BUS:-}" != 1 ]; then
    if [ "$build" = build-release ]; then
        source tools/ensure-packages.sh
        ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev libxcb1-dev xvfb dunst \
            libnotify-bin dbus valgrind xdotool
        cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF \
              -DMOONRILL_BENCH=ON >/dev/null
        cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui moonrill_notify \
            bare_window map_timer floor_scan peer_files >/dev/null
    fi
    LIGHT_BENCH_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
bin=$(cd "$build/bin" && pwd)
work=$(mktemp -d)
Xvfb :89 -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb $dunst 2>/dev/null; rm -rf "$work"' EXIT
# dunst gives up when the display does not answer yet: it starts once the display does.
for _ in $(seq 50); do DISPLAY=:89 xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
DISPLAY=:89 dunst >/dev/null 2>&1 & dunst=$!
for _ in $(seq 50); do dunstctl count >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 $dunst || { echo "dunst did not start" >&2; exit 1; }
export MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
# A stand-in takes systemctl's place, should a start touch the daily scan.
export PATH="$PWD/tests/support/fake-bin:$PATH"
mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# Every start timed is a later one: the first tells of the scans in a box of its own.
: > "$XDG_CONFIG_HOME/moonrill/first-start-done"
today=$(date +%F)
day() { date -d "$1 days" +%F; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
# maps A_FILE B_FILE -- A... -- B...: the map times of A and B, taken in turn.
maps() {
    local a=$1 b=$2; shift 2
    local -a first=() second=()
    shift # --
    while [ "$1" != -- ]; do first+=("$1"); shift; done
    shift
    second=("$@")
    for _ in 1 2 3; do DISPLAY=:89 "$bin/map_timer" "${first[@]}" >/dev/null; done
    for _ in $(seq "$runs"); do
        DISPLAY=:89 "$bin/map_timer" "${first[@]}" >> "$a"
        DISPLAY=:89 "$bin/map_timer" "${second[@]}" >> "$b"
    done
}

# The main window: 7 events, none due, the day seen already.
for n in 1 2 3 4 5 6 7; do printf '$$Event %s$$%s$$Once$$3$$\r\n' "$n" "$(day "+$((n + 10))")"; done \
    > "$MOONRILL_HOME/events.mrl"
printf '\r\n' >> "$MOONRILL_HOME/events.mrl"
printf '%s\r\n' "$today" > "$MOONRILL_HOME/.moonrill-last-seen"
rows7=(); for n in 1 2 3 4 5 6 7; do rows7+=("Event $n"); done
maps "$work/main" "$work/bare7" -- "$bin/moonrill" -- "$bin/bare_window" "${rows7[@]}"

# The scan window: one missed yesterday, two due; a run killed with its window open writes nothing.
printf '%s\r\n' "$(day -2)" > "$MOONRILL_HOME/.moonrill-last-seen"
printf '$$Dentist$$%s$$Once$$0$$\r\n$$Trip$$%s$$Once$$0$$\r\n$$Later$$%s$$Once$$3$$\r\n\r\n' \
    "$today" "$(day -1)" "$(day +2)" > "$MOONRILL_HOME/events.mrl"
maps "$work/scan" "$work/bare3" -- "$bin/moonrill" whatsup -- "$bin/bare_window" \
    "Yesterday: $(day -1) Trip" "Today: $today Dentist" "In 2 days: $(day +2) Later"

# The daily run without a display: 32,767 events, 3 of them due, and the notification.
mkdir -p "$work/peer" "$work/logon"
mkdir -p "$work/peer" "$work/logon"
"$bin/peer_files" "$work/peer" 32764 >/dev/null
{
    grep -v '^.$' "$work/peer/events.mrl"
    printf '$$Dentist$$%s$$Once$$0$$\r\n$$Club$$%s$$Once$$3$$\r\n$$Ann$$%s$$Birthday$$3$$\r\n\r\n' \
        "$today" "$(day +1)" "$(day +2)"
} > "$MOONRILL_HOME/events.mrl"
printf '%s\r\n' "$(day -1)" > "$work/seen"
prepare="cp $work/seen $MOONRILL_HOME/.moonrill-last-seen"
daily=(env -u DISPLAY -u WAYLAND_DISPLAY MOONRILL_DAILY=1 "$bin/moonrill" whatsup)
send=(notify-send -a Moonrill -i moonrill "Moonrill: 3 upcoming events" "Today: $today Dentist")
$prepare && "${daily[@]}" >/dev/null && [ "$(dunstctl count displayed)" -ge 1 ] ||
    { echo "the daily run showed no notification" >&2; exit 1; }
# Taken in turn, as the maps are: a drift of the machine's speed touches both.
for _ in 1 2 3; do $prepare; "${daily[@]}" >/dev/null; "${send[@]}"; done
for _ in $(seq "$runs"); do
    $prepare
    "$bin/map_timer" --until-exit "${daily[@]}" >> "$work/daily"
    "$bin/map_timer" --until-exit "${send[@]}" >> "$work/send"
done
dailyMs=$(median < "$work/daily") sendMs=$(median < "$work/send")
peak() { $prepare; /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
dailyKb=$(peak "${daily[@]}") sendKb=$(peak "${send[@]}")
kill -0 $dunst || { echo "dunst ended while the daily run was timed" >&2; exit 1; }

# The logon scan without a display: 32,767 events, none due; its instructions and the floor's.
"$bin/peer_files" "$work/logon" 32767 >/dev/null
count() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
          sed -n 's/.*Collected : \([0-9]*\).*/\1/p'; }
logon=$(env -u DISPLAY MOONRILL_HOME="$work/logon" QT_QPA_PLATFORM=nosuchplatform \
        sh -c "$bin/moonrill whatsup >/dev/null; exec valgrind --tool=callgrind \
        --callgrind-out-file=/dev/null $bin/moonrill whatsup" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p')
floor=$(count "$bin/floor_scan" "$work/logon/events.mrl")

main=$(median < "$work/main") bare7=$(median < "$work/bare7")
scan=$(median < "$work/scan") bare3=$(median < "$work/bare3")
echo "load: $(uptime | sed 's/.*load average: //'); medians of $runs runs each"
printf 'main window, 7 events, mapped:   %6.1f ms; bare window %6.1f ms; ratio %s (goal 1.20)\n' \
    "$main" "$bare7" "$(ratio "$main" "$bare7")"
printf 'scan window, 3 events, mapped:   %6.1f ms; bare window %6.1f ms; ratio %s (goal 1.15)\n' \
    "$scan" "$bare3" "$(ratio "$scan" "$bare3")"
printf 'daily run, 3 due of 32,767:      %6.1f ms; notify-send %6.1f ms; ratio %s (goal 1.30)\n' \
    "$dailyMs" "$sendMs" "$(ratio "$dailyMs" "$sendMs")"
printf '  its peak memory:               %6.1f MB; notify-send %6.1f MB; ratio %s (goal 2.00)\n' \
    "$(ratio "$dailyKb" 1024)" "$(ratio "$sendKb" 1024)" "$(ratio "$dailyKb" "$sendKb")"
printf 'logon scan of 32,767, none due:  %6.1f M instructions; floor %6.1f M; ratio %s (goal 1.10)\n' \
    "$(ratio "$logon" 1e6)" "$(ratio "$floor" 1e6)" "$(ratio "$logon" "$floor")"
