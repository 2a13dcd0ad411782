#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Moonrill in Release and starts it; arguments such as
# "whatsup" are passed through.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" >/dev/null
exec ./build-release/bin/moonrill "$@"
