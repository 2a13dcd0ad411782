#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the logon scan against its closest peer on Linux: "moonrill whatsup" and "remind -q" in
# turn on the same 30,000 events (once, birthday, monthly, every third week; none due today),
# and prints both medians and their ratio, and the time of a run that moves every date. Builds
# Moonrill in Release and installs Remind and hyperfine when they are missing. Usage: bench/peer_bench.sh [RUNS] [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
count=${2:-30000}
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev remind hyperfine
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill peer_files floor_scan >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./build-release/bin/peer_files "$work" "$count"
cp "$work/events.mrl" "$work/original.mrl"
# No display: the scan must find nothing to show, or it would fail to start the desktop here.
export QT_QPA_PLATFORM=nosuchplatform MOONRILL_HOME="$work" XDG_CONFIG_HOME="$work/config"

moonrill="$PWD/build-release/bin/moonrill whatsup"
remind="remind -q $work/reminders.rem"
floor="$PWD/build-release/bin/floor_scan $work/events.mrl"
[ "$($remind)" = "No reminders." ] || { echo "remind finds something due" >&2; exit 1; }
[ "$($floor)" = 0 ] || { echo "the floor program finds something due" >&2; exit 1; }
$moonrill || { echo "moonrill finds something due" >&2; exit 1; }

# The usual logon: the dates were moved at the last one, so the file stays as it is.
hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/usual.json" \
    "$moonrill" "$remind" "$floor" >/dev/null 2>&1
# The first logon after the file was written: every date moves and the file is rewritten.
hyperfine -N --style none --warmup 3 --runs "$runs" --export-json "$work/first.json" \
    --prepare "cp $work/original.mrl $work/events.mrl" "$moonrill" >/dev/null 2>&1

medians() { grep -o '"median": *[0-9.e+-]*' "$1" | sed 's/.*: *//'; }
usual=($(medians "$work/usual.json"))
m=${usual[0]} r=${usual[1]} l=${usual[2]}
f=$(medians "$work/first.json")
awk -v m="$m" -v r="$r" -v l="$l" -v f="$f" -v n="$runs" -v c="$count" 'BEGIN {
    printf "%d events, medians of %d runs each\n", c, n
    printf "moonrill whatsup:                     %.1f ms\n", m * 1000
    printf "remind -q:                            %.1f ms\n", r * 1000
    printf "ratio moonrill/remind:                %.2f\n", m / r
    printf "floor (bench/floor_scan.c):           %.1f ms; ratio moonrill/floor %.2f\n", l * 1000, m / l
    printf "moonrill whatsup moving every date:   %.1f ms (ratio %.2f)\n", f * 1000, f / r
}'
