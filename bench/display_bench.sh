#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the logon road's two ends. With a display (a private Xvfb): how long "moonrill whatsup"
# takes to map its scan window, against a bare Qt program that shows a list of the same rows.
# Without one: a catch-up run that prints what is due, against the same run with the windows
# library absent. Prints medians and ratios. Usage: bench/display_bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev libxcb1-dev xvfb hyperfine
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui bare_window map_timer >/dev/null

work=$(mktemp -d)
Xvfb :87 -noreset -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export MOONRILL_HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
today=$(date +%F) yesterday=$(date -d '-1 day' +%F)
# Three rows: one missed yesterday, two due; a run killed with its window open writes nothing.
printf '%s\r\n' "$(date -d '-2 days' +%F)" > "$work/.moonrill-last-seen"
printf '$$Dentist$$%s$$Once$$0$$\r\n$$Trip$$%s$$Once$$0$$\r\n$$Later$$%s$$Once$$3$$\r\n\r\n' \
    "$today" "$yesterday" "$(date -d '+2 days' +%F)" > "$work/events.mrl"
rows=("Yesterday: $yesterday Trip" "Today: $today Dentist" "In 2 days: $(date -d '+2 days' +%F) Later")
sleep 0.5

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
time_maps() { for _ in $(seq "$runs"); do DISPLAY=:87 ./build-release/bin/map_timer "$@"; done | median; }
scan=$(time_maps ./build-release/bin/moonrill whatsup)
bare=$(time_maps ./build-release/bin/bare_window "${rows[@]}")

# No display: the run prints the rows and exits 1, changing nothing, so every run is alike.
mkdir -p "$work/alone" && cp build-release/bin/moonrill "$work/alone/"
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY)
hyperfine -N --style none --warmup 3 --runs "$runs" -i --export-json "$work/nodisplay.json" \
    "${nodisplay[*]} ./build-release/bin/moonrill whatsup" \
    "${nodisplay[*]} $work/alone/moonrill whatsup" >/dev/null
read -r with alone < <(python3 -c "import json; r=json.load(open('$work/nodisplay.json'))['results']; print(r[0]['median']*1000, r[1]['median']*1000)")

printf 'scan window mapped:                 %.1f ms\n' "$scan"
printf 'bare Qt window with the same rows:  %.1f ms; ratio %.2f\n' "$bare" "$(echo "$scan/$bare" | bc -l)"
printf 'catch-up run, no display:           %.2f ms\n' "$with"
printf 'the same, windows library absent:   %.2f ms; ratio %.2f\n' "$alone" "$(echo "$with/$alone" | bc -l)"
