#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the daily run's notification against notify-send, the desktop's own tool for one: on a
# private session bus with dunst, "moonrill whatsup" of the daily timer (three rows due, no
# display, so it ends once the notification is sent) and "notify-send" with the same words, in
# turn. Prints both medians, their ratio, and the peak memory of each.
# Usage: bench/notify_bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
if [ "${NOTIFY_BENCH_BUS:-}" != 1 ]; then
    source tools/ensure-packages.sh
    ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev xvfb hyperfine dunst libnotify-bin dbus
    cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF \
          -DMOONRILL_BENCH=ON >/dev/null
    cmake --build build-release -j"$(nproc)" --target moonrill >/dev/null
    NOTIFY_BENCH_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
Xvfb :88 -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb $dunst 2>/dev/null; rm -rf "$work"' EXIT
sleep 0.5
DISPLAY=:88 dunst >/dev/null 2>&1 & dunst=$!
for _ in $(seq 50); do dunstctl count >/dev/null 2>&1 && break; sleep 0.1; done
export MOONRILL_HOME="$work" XDG_CONFIG_HOME="$work/config" MOONRILL_DAILY=1
unset DISPLAY WAYLAND_DISPLAY
today=$(date +%F)
printf '$$Dentist$$%s$$Once$$0$$\r\n$$Club$$%s$$Once$$3$$\r\n$$Ann$$%s$$Birthday$$3$$\r\n\r\n' \
    "$today" "$(date -d '+1 day' +%F)" "$(date -d '+2 days' +%F)" > "$work/events.mrl"
printf '%s\r\n' "$(date -d '-1 day' +%F)" > "$work/seen"
# Each daily run counts the day as seen: the one before it is put back first.
prepare="cp $work/seen $work/.moonrill-last-seen"
moonrill="$PWD/build-release/bin/moonrill whatsup"
send="notify-send -a Moonrill -i moonrill Moonrill:\ 3\ upcoming\ events Today:\ $today\ Dentist"
$prepare && $moonrill && [ "$(dunstctl count displayed)" -ge 1 ] ||
    { echo "moonrill sent no notification" >&2; exit 1; }
hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/times.json" \
    --prepare "$prepare" "$moonrill" "$send" >/dev/null 2>&1
peak() { $prepare; /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
medians=($(grep -o '"median": *[0-9.e+-]*' "$work/times.json" | sed 's/.*: *//'))
awk -v m="${medians[0]}" -v s="${medians[1]}" -v mk="$(peak $moonrill)" -v sk="$(peak $send)" \
    -v n="$runs" 'BEGIN {
    printf "medians of %d runs each\n", n
    printf "moonrill whatsup (daily):  %.1f ms, peak %.1f MB\n", m * 1000, mk / 1024
    printf "notify-send:               %.1f ms, peak %.1f MB\n", s * 1000, sk / 1024
    printf "ratio moonrill/notify-send: %.2f in time, %.2f in memory\n", m / s, mk / sk
}'
