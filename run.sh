#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Moonrill in Release and starts it; arguments such as
# "whatsup" are passed through.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
# Configured once: the build configures again by itself when a build file changes. Ninja, where
# it is installed, tells in a moment that nothing is to do.
if [ ! -f build-release/CMakeCache.txt ]; then
    generator=()
    command -v ninja >/dev/null && generator=(-G Ninja)
    cmake -S . -B build-release "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DMOONRILL_TESTS=OFF >/dev/null
fi
# A build that has something to do shows its progress on one line, its whole output kept in a log
# that is shown where it fails; one with nothing to do says nothing.
log=build-release/build.log
if ! cmake --build build-release -j"$(nproc)" 2>&1 | tee "$log" | awk '
    /^\[ *[0-9]+%\]/ || /^\[[0-9]+\/[0-9]+\]/ {
        if (!shown) { print "Building Moonrill (the first time takes a while) ..."; shown = 1 }
        if (match($0, /^\[ *[0-9]+%/)) percent = substr($0, 2, RLENGTH - 2) + 0
        else { split(substr($0, 2), part, /[\/\]]/); percent = int(100 * part[1] / part[2]) }
        printf "\r%3d%%", percent; fflush()
    }
    END { if (shown) print "" }'; then
    tail -40 "$log"
    exit 1
fi
exec ./build-release/bin/moonrill "$@"
