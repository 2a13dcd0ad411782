#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The two-way sync against Radicale with COUNT events (3,000 unless said): a first sync of the
# list from one machine, the first sync of a second, empty machine (timed, beside vdirsyncer's
# first sync of the same calendar into a folder), and the requests a sync costs with nothing
# changed and with one event changed, counted in Radicale's log.
# Usage: bench/two_way_bench.sh [COUNT]   (vdirsyncer: apt install vdirsyncer)
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-3000}
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev radicale python3-caldav
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui peer_files >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
py=/usr/bin/python3
port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
echo 'ann:secret' > "$work/users"
$py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
    --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
    --storage-filesystem-folder "$work/store" --logging-level info >"$work/radicale.log" 2>&1 &
sleep 2
url="http://127.0.0.1:$port/ann/shared/"
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Shared', cal_id='shared')"
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"
machine() { # machine NAME: its folders, syncing with the shared calendar
    export MOONRILL_HOME="$work/$1/home" XDG_CONFIG_HOME="$work/$1/config"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
    printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
}
requests() { grep -c "request for" "$work/radicale.log" || true; }
timed() { # timed WHAT COMMAND...: the command's time and the requests it cost
    local what=$1 before start end out
    shift
    before=$(requests); start=$(date +%s.%N)
    out=$("$@" 2>&1 | tail -1 || true); end=$(date +%s.%N)
    printf '%-36s %6.2f s %6d requests  %s\n' "$what" "$(echo "$end - $start" | bc)" \
        "$(($(requests) - before))" "$out"
}

machine laptop
./build-release/bin/peer_files "$work/laptop" "$count" >/dev/null
cp "$work/laptop/events.mrl" "$MOONRILL_HOME/events.mrl"
timed "laptop: first sync, $count to send" ./build-release/bin/moonrill sync
machine desktop
timed "desktop: first sync, $count to take" ./build-release/bin/moonrill sync
timed "desktop: nothing changed" ./build-release/bin/moonrill sync
sed -i '0,/^\$\$/s/^\$\$\([^$]*\)\$\$/$$\1, changed$$/' "$MOONRILL_HOME/events.mrl"
timed "desktop: one event changed" ./build-release/bin/moonrill sync
machine laptop
timed "laptop: takes that one change" ./build-release/bin/moonrill sync
timed "laptop: nothing changed" ./build-release/bin/moonrill sync
if command -v vdirsyncer >/dev/null; then
    mkdir -p "$work/vdir/status" "$work/vdir/cal"
    cat > "$work/vdir/config" <<CONF
[general]
status_path = "$work/vdir/status/"
[pair shared]
a = "local"
b = "server"
collections = null
[storage local]
type = "filesystem"
path = "$work/vdir/cal/"
fileext = ".ics"
[storage server]
type = "caldav"
url = "$url"
username = "ann"
password = "secret"
CONF
    export VDIRSYNCER_CONFIG="$work/vdir/config"
    vdirsyncer discover >/dev/null 2>&1 </dev/null || true
    timed "vdirsyncer: first sync, $count to take" vdirsyncer sync
    timed "vdirsyncer: nothing changed" vdirsyncer sync
else
    echo "vdirsyncer is not installed: apt install vdirsyncer"
fi
