#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks in .clang-tidy over every source file of ours, using the
# compile commands of a build folder (default build-test); exits non-zero on any finding.
# Usage: tools/run-clang-tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
[ -f "$build/compile_commands.json" ] || { echo "configure $build first (./test.sh does)" >&2; exit 2; }
# Our folders only: the generated moc files and the fuzz project are not ours to tidy.
run-clang-tidy -p "$build" -quiet -j "$(nproc)" \
    "$PWD/(core|platform|about|scan|editor|print|update|mainwindow|app|tools|bench|tests)/[^/]*\.cpp$"
