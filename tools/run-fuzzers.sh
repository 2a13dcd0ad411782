#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for SECONDS (default 20) over its seed
# corpus in tests/fuzz/corpus, after replaying its kept findings in tests/fuzz/regressions.
# A crash or a failed property fails the run; the input that did it is kept in build-fuzz/found.
# Usage: tools/run-fuzzers.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build-fuzz
cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

found="$PWD/$build/found"
mkdir -p "$found"
# The loader writes a file for every input; memory makes that quick.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=0
for target in EventLine Loader Avi Version Autostart VCard; do
    name=$(echo "$target" | sed -E 's/([a-z])([A-Z])/\1_\2/g' | tr '[:upper:]' '[:lower:]')
    fuzzer="$PWD/$build/${target}Fuzz"
    corpus="$PWD/tests/fuzz/corpus/$name"
    regressions="tests/fuzz/regressions/$name"
    if compgen -G "$regressions/*" >/dev/null; then
        "$fuzzer" "$regressions"/* >"$found/$name.replay.log" 2>&1 ||
            { echo "fuzz $name: a kept finding fails again (see $found/$name.replay.log)"; failed=1; }
    fi
    # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
    work=$(mktemp -d)
    if (cd "$work" && "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$found/$name-" "$work" "$corpus" >"$found/$name.log" 2>&1); then
        echo "fuzz $name: $(grep -o 'DONE.*' "$found/$name.log" | head -1)"
    else
        echo "fuzz $name: FAILED (log and input in $found)"
        tail -20 "$found/$name.log"
        failed=1
    fi
    rm -rf "$work"
done
exit $failed
