#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times "moonrill sync" on the benchmark list: the first sync, and a second one after one
# event changed (which must send one request).
# - Against a stand-in server that takes every request at once: Moonrill's own share.
# - Against Radicale, first sync of RADICALE_COUNT events, then the second.
# - Against Radicale holding all COUNT events: the calendar is filled in one request with the
#   objects the stand-in received, and the state file gets Radicale's ETags, as a first sync
#   would leave them. Then the second sync with one change, and one new event: Radicale's time
#   for a new object grows with the size of the calendar (it looks at every object for the UID),
#   so the bench prints what a whole first sync costs the server, summed from those times.
# Usage: bench/send_bench.sh [COUNT] [RADICALE_COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-30000}
radicale_count=${2:-3000}
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev radicale python3-caldav
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui peer_files >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; [ -n "${KEEP:-}" ] && cp "$work/radicale.log" /tmp/radicale-bench.log; rm -rf "$work"' EXIT
py=/usr/bin/python3
free_port() { $py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"
seconds() { echo "$2 - $1" | bc; }

use() { # use NAME COUNT URL: a home with the benchmark list of COUNT events, syncing to URL
    export MOONRILL_HOME="$work/$1/home" XDG_CONFIG_HOME="$work/$1/config"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
    ./build-release/bin/peer_files "$work/$1" "$2" >/dev/null
    cp "$work/$1/events.mrl" "$MOONRILL_HOME/events.mrl"
    printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$3" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
}
timed_sync() { # timed_sync WHAT: one "moonrill sync", said with its time
    local start end out
    start=$(date +%s.%N); out=$(./build-release/bin/moonrill sync); end=$(date +%s.%N)
    printf '%-9s %s: %s in %.2f s\n' "$name" "$1" "$out" "$(seconds "$start" "$end")"
}
send_twice() { # send_twice NAME COUNT URL
    name=$1
    use "$@"
    timed_sync "first sync of $2 events"
    sed -i '1s/^\$\$/$$Changed /' "$MOONRILL_HOME/events.mrl"
    timed_sync "second sync, one event changed"
}

# The stand-in: every PUT is created, with an ETag, and its text kept for filling Radicale.
port=$(free_port)
$py - "$port" "$work/objects" <<'PY' &
import http.server, sys, itertools, os, urllib.parse
counter = itertools.count()
class Taker(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def do_PUT(self):
        text = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        path = os.path.join(sys.argv[2], urllib.parse.unquote(self.path).strip("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as handle:
            handle.write(text)
        self.send_response(201); self.send_header("ETag", '"%d"' % next(counter))
        self.send_header("Content-Length", "0"); self.end_headers()
    def log_message(self, *args): pass
http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Taker).serve_forever()
PY
sleep 1
send_twice stand-in "$count" "http://127.0.0.1:$port/ann/stand-in/"
stand_in_state="$MOONRILL_HOME/events.mrl.published" stand_in_list="$MOONRILL_HOME/events.mrl"
if [ "$radicale_count" != "$count" ]; then
    send_twice stand-in-small "$radicale_count" "http://127.0.0.1:$port/ann/stand-in-small/"
fi
small_state="$MOONRILL_HOME/events.mrl.published" small_list="$MOONRILL_HOME/events.mrl"

port=$(free_port)
echo 'ann:secret' > "$work/users"
$py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
    --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
    --storage-filesystem-folder "$work/store" --logging-level info >"$work/radicale.log" 2>&1 &
sleep 1
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Moonrill', cal_id='moonrill')"
send_twice radicale "$radicale_count" "http://127.0.0.1:$port/ann/moonrill/"

# fill NAME OBJECTS STATE LIST: Radicale's calendar NAME holding the objects the stand-in took,
# in one request, and a home whose list and state file are as its first sync leaves them.
fill() {
    name=$1
    export MOONRILL_HOME="$work/$name/home" XDG_CONFIG_HOME="$work/$name/config"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
    cp "$4" "$MOONRILL_HOME/events.mrl"
    printf '[sync]\ncalendar_url=http://127.0.0.1:%s/ann/%s/\nuser=ann\n' "$port" "$name" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
    $py - "$2" "http://127.0.0.1:$port/ann/$name/" "$3" "$MOONRILL_HOME/events.mrl.published" <<'PY'
import os, sys, requests, re
objects, url, state, out = sys.argv[1:]
events = []
for name in os.listdir(objects):
    text = open(os.path.join(objects, name), encoding="utf-8", newline="").read()
    events.append(text[text.index("BEGIN:VEVENT"):text.rindex("END:VEVENT") + len("END:VEVENT\r\n")])
body = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n" + "".join(events) + "END:VCALENDAR\r\n"
auth = ("ann", "secret")
requests.put(url, data=body.encode(), auth=auth, headers={"Content-Type": "text/calendar"}).raise_for_status()
listing = requests.request("PROPFIND", url, auth=auth, headers={"Depth": "1"},
    data='<propfind xmlns="DAV:"><prop><getetag/></prop></propfind>').text
etags = dict(re.findall(r"<href>[^<]*/([^/<]+)\.ics</href>.*?<getetag>([^<]*)</getetag>", listing, re.S))
with open(state) as source, open(out, "w") as sink:
    for line in source.read().splitlines():
        uid, digest, _ = line.split("\t")
        sink.write(f"{uid}\t{digest}\t{etags[uid].replace('&quot;', chr(34))}\n")
PY
}
requests_during() { # requests_during COMMAND...: runs it; prints how many requests Radicale had
    local before; before=$(grep -c "response status" "$work/radicale.log")
    "$@"
    echo "          requests the server had: $(($(grep -c "response status" "$work/radicale.log") - before))"
}
new_object_time() { # three new events, one a sync: Radicale's mean time for putting one
    local i
    for i in 1 2 3; do
        sed -i "1s/^/\$\$Bench new $i\$\$2027-05-0$i\$\$Yearly\$\$1\$\$\r\n/" "$MOONRILL_HOME/events.mrl"
        timed_sync "one new event" >/dev/null
    done
    grep "PUT response status" "$work/radicale.log" | tail -3 |
        sed 's/.* in \([0-9.]*\) seconds.*/\1/' | paste -sd+ | sed 's|.*|scale=3; (&) / 3|' | bc
}
# An empty calendar's time for one new object; the time grows evenly with the objects already
# there, so a whole first sync costs the server about the mean of the first and the last.
name=empty; use empty 1 "http://127.0.0.1:$port/ann/empty/"
$py -c "import caldav; caldav.DAVClient('http://127.0.0.1:$port/', username='ann', password='secret').principal().make_calendar(name='Empty', cal_id='empty')"
at_empty=$(new_object_time)
printf 'radicale  server time for one new object in an empty calendar: %s s\n' "$at_empty"
for filled in "small:$work/objects/ann/stand-in-small:$small_state:$small_list:$radicale_count" \
              "full:$work/objects/ann/stand-in:$stand_in_state:$stand_in_list:$count"; do
    IFS=: read -r label objects state list n <<<"$filled"
    start=$(date +%s.%N); fill "filled-$label" "$objects" "$state" "$list"; end=$(date +%s.%N)
    printf 'radicale  calendar filled with %s objects in one request: %.2f s\n' "$(ls "$objects" | wc -l)" "$(seconds "$start" "$end")"
    sed -i '2s/^\$\$/$$Changed again /' "$MOONRILL_HOME/events.mrl"
    requests_during timed_sync "second sync over $n events, one changed"
    at_full=$(new_object_time)
    printf '          server time for one new object beside %s: %s s\n' "$n" "$at_full"
    printf '          first sync of %s events, the server'"'"'s time summed: %.0f s\n' "$n" \
        "$(echo "$n * ($at_empty + $at_full) / 2" | bc -l)"
done
