#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Moonrill in Release and starts it; arguments such as
# "whatsup" are passed through.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF >/dev/null
# The first build takes minutes: its progress is shown on one line, its whole output kept in a
# log that is shown where it fails.
echo "Building Moonrill (the first time takes a while) ..."
log=build-release/build.log
if ! cmake --build build-release -j"$(nproc)" 2>&1 | tee "$log" |
    sed -un 's/^\[ *\([0-9]*\)%\].*/\1/p' | while read -r percent; do printf '\r%3s%%' "$percent"; done; then
    echo
    tail -40 "$log"
    exit 1
fi
echo
exec ./build-release/bin/moonrill "$@"
