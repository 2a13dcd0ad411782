#!/usr/bin/env bash
# Times "moonrill sync" on the 30,000-event benchmark list against Radicale on loopback: the first
# publish, and a second one after one event changed (which must send one request). Usage:
# bench/publish_bench.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-30000}
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
    --storage-filesystem-folder "$work/store" >"$work/radicale.log" 2>&1 &
sleep 1
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Moonrill', cal_id='moonrill')"
export MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
./build-release/bin/peer_files "$work" "$count" >/dev/null
cp "$work/events.mrl" "$MOONRILL_HOME/events.mrl"
printf '[sync]\ncalendar_url=http://127.0.0.1:%s/ann/moonrill/\nuser=ann\n' "$port" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"

seconds() { local start end; start=$(date +%s.%N); "$@" >"$work/out"; end=$(date +%s.%N); echo "$end - $start" | bc; }
first=$(seconds ./build-release/bin/moonrill sync)
echo "first publish of $count events: $(cat "$work/out") in ${first} s"
# One event changes: its description.
sed -i '1s/^\$\$/$$Changed /' "$MOONRILL_HOME/events.mrl"
second=$(seconds ./build-release/bin/moonrill sync)
echo "second publish, one event changed: $(cat "$work/out") in ${second} s"
