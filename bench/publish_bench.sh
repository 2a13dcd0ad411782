#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times "moonrill sync" on the benchmark list: the first publish, and a second one after one
# event changed (which must send one request). Against Radicale on loopback, and against a
# stand-in server that takes every request at once, so that Moonrill's own share shows apart
# from the server's (Radicale's time for one PUT grows with the size of the collection).
# Usage: bench/publish_bench.sh [COUNT] [RADICALE_COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-30000}
radicale_count=${2:-3000}
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev radicale python3-caldav
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui peer_files >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
py=/usr/bin/python3
free_port() { $py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"

run() { # run NAME COUNT URL: the two publishes of COUNT events to URL
    local name=$1 n=$2 url=$3 start end
    export MOONRILL_HOME="$work/$name/home" XDG_CONFIG_HOME="$work/$name/config"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
    ./build-release/bin/peer_files "$work/$name" "$n" >/dev/null
    cp "$work/$name/events.mrl" "$MOONRILL_HOME/events.mrl"
    printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
    start=$(date +%s.%N); out=$(./build-release/bin/moonrill sync); end=$(date +%s.%N)
    printf '%-9s first publish of %s events: %s in %.2f s\n' "$name" "$n" "$out" "$(echo "$end - $start" | bc)"
    sed -i '1s/^\$\$/$$Changed /' "$MOONRILL_HOME/events.mrl"
    start=$(date +%s.%N); out=$(./build-release/bin/moonrill sync); end=$(date +%s.%N)
    printf '%-9s second publish, one event changed: %s in %.2f s\n' "$name" "$out" "$(echo "$end - $start" | bc)"
}

# The stand-in: every PUT is created, with an ETag.
port=$(free_port)
$py - "$port" <<'PY' &
import http.server, sys, itertools
counter = itertools.count()
class Taker(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def do_PUT(self):
        self.rfile.read(int(self.headers.get("Content-Length", 0)))
        self.send_response(201); self.send_header("ETag", '"%d"' % next(counter))
        self.send_header("Content-Length", "0"); self.end_headers()
    def log_message(self, *args): pass
http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Taker).serve_forever()
PY
sleep 1
run stand-in "$count" "http://127.0.0.1:$port/ann/moonrill/"

port=$(free_port)
echo 'ann:secret' > "$work/users"
$py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
    --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
    --storage-filesystem-folder "$work/store" >"$work/radicale.log" 2>&1 &
sleep 1
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Moonrill', cal_id='moonrill')"
run radicale "$radicale_count" "http://127.0.0.1:$port/ann/moonrill/"
