#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The two-way sync against a real server (Radicale, or DAViCal through tests/e2e/davical_server.sh)
# with COUNT events (3,000 unless said), Moonrill beside vdirsyncer on the same events: a first
# sync that sends them all to an empty calendar, a first sync that takes them all into an empty
# list or folder, a sync with nothing changed, one that sends one changed event and one that
# takes it. Each is timed and its requests counted in the server's own log (Radicale's at level
# info, Apache's access log for DAViCal). vdirsyncer pairs a folder of .ics files with the
# calendar: it takes Moonrill's calendar into an empty folder, and sends a copy of that folder
# (the same objects) to a second, empty calendar. Its `discover` is left out of the times.
# Usage: bench/two_way_bench.sh [radicale|davical] [COUNT]   (vdirsyncer: apt install vdirsyncer)
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-radicale}
count=${2:-3000}
case $kind in radicale|davical) ;; *) echo "usage: bench/two_way_bench.sh [radicale|davical] [COUNT]" >&2; exit 2 ;; esac
source tools/ensure-packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev python3-caldav vdirsyncer
if [ "$kind" = radicale ]; then
    ensure_packages radicale
else
    ensure_packages davical postgresql apache2 libapache2-mod-php php-pgsql
fi
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DMOONRILL_TESTS=OFF -DMOONRILL_BENCH=ON >/dev/null
cmake --build build-release -j"$(nproc)" --target moonrill moonrill_gui peer_files >/dev/null

work=$(mktemp -d)
cleanup() { # under set -e, so that a kill with no job left does not end the cleanup half done
    kill $(jobs -p) 2>/dev/null || true
    [ -L "$work/server" ] && tests/e2e/davical_server.sh stop "$work/server" || true
    rm -rf "$work"
}
trap cleanup EXIT
py=/usr/bin/python3
if [ "$kind" = radicale ]; then
    port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    echo 'ann:secret' > "$work/users"
    $py -m radicale --config "" --server-hosts "127.0.0.1:$port" --auth-type htpasswd \
        --auth-htpasswd-filename "$work/users" --auth-htpasswd-encryption plain \
        --storage-filesystem-folder "$work/store" --logging-level info >"$work/server.log" 2>&1 &
    for _ in $(seq 100); do $py -c "import socket; socket.create_connection(('127.0.0.1', $port))" 2>/dev/null && break; sleep 0.1; done
    root="http://127.0.0.1:$port/"
    $py -c "import caldav; caldav.DAVClient('$root', username='ann', password='secret').principal().make_calendar(name='Shared', cal_id='shared')"
    url="${root}ann/shared/"
    requests() { grep -c " request for " "$work/server.log" || true; }
else
    url=$(tests/e2e/davical_server.sh start "$work/server" $$)
    root=${url%ann/shared/}
    requests() { wc -l < "$work/server/access.log"; }
fi
# The calendar vdirsyncer sends to, empty like Moonrill's was.
second=$($py -c "import caldav
print(caldav.DAVClient('$root', username='ann', password='secret').principal().make_calendar(name='Second', cal_id='second').url)")
printf 'secret\n' > "$work/password" && chmod 600 "$work/password"
export MOONRILL_SYNC_PASSWORD_FILE="$work/password"
machine() { # machine NAME: its folders, syncing with the shared calendar
    export MOONRILL_HOME="$work/$1/home" XDG_CONFIG_HOME="$work/$1/config"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME/moonrill"
    printf '[sync]\ncalendar_url=%s\nuser=ann\n' "$url" > "$XDG_CONFIG_HOME/moonrill/sync.conf"
}
timed() { # timed WHAT COMMAND...: the command's time and the requests it cost
    local what=$1 before start end out
    shift
    before=$(requests); start=$(date +%s.%N)
    out=$("$@" 2>&1 | tail -1 || true); end=$(date +%s.%N)
    printf '%-40s %7.2f s %6d requests  %s\n' "$what" "$(echo "$end - $start" | bc)" \
        "$(($(requests) - before))" "$out"
}
echo "$kind, $count events; load average $(cut -d' ' -f1-3 /proc/loadavg)"

machine laptop
./build-release/bin/peer_files "$work/laptop" "$count" >/dev/null
cp "$work/laptop/events.mrl" "$MOONRILL_HOME/events.mrl"
timed "moonrill: first sync, $count to send" ./build-release/bin/moonrill sync
machine desktop
timed "moonrill: first sync, $count to take" ./build-release/bin/moonrill sync
timed "moonrill: nothing changed" ./build-release/bin/moonrill sync
sed -i '0,/^\$\$/s/^\$\$\([^$]*\)\$\$/$$\1, changed$$/' "$MOONRILL_HOME/events.mrl"
timed "moonrill: one event changed, sent" ./build-release/bin/moonrill sync
machine laptop
timed "moonrill: one event changed, taken" ./build-release/bin/moonrill sync
timed "moonrill: nothing changed" ./build-release/bin/moonrill sync

mkdir -p "$work/vdir/status" "$work/vdir/take" "$work/vdir/send"
storage() { # storage NAME FOLDER URL: a pair of a folder of .ics files and a calendar
    cat <<CONF
[pair $1]
a = "$1_folder"
b = "$1_server"
collections = null
[storage $1_folder]
type = "filesystem"
path = "$2"
fileext = ".ics"
[storage $1_server]
type = "caldav"
url = "$3"
username = "ann"
password = "secret"
CONF
}
{
    printf '[general]\nstatus_path = "%s"\n' "$work/vdir/status/"
    storage take "$work/vdir/take/" "$url"
    storage send "$work/vdir/send/" "$second"
} > "$work/vdir/config"
export VDIRSYNCER_CONFIG="$work/vdir/config"
vdirsyncer discover >/dev/null 2>&1 </dev/null
timed "vdirsyncer: first sync, $count to take" vdirsyncer sync take
cp "$work/vdir/take/"*.ics "$work/vdir/send/"
timed "vdirsyncer: first sync, $count to send" vdirsyncer sync send
timed "vdirsyncer: nothing changed" vdirsyncer sync take
files=("$work/vdir/take/"*.ics)
changed=${files[0]}
perl -pi -e 's/^(SUMMARY:.*?)(\r?)$/$1, changed$2/' "$changed"
timed "vdirsyncer: one event changed, sent" vdirsyncer sync take
# One change on the server, made by Moonrill's laptop, for vdirsyncer to take.
sed -i 's/^\$\$Event 7\$\$/$$Event 7, changed$$/' "$MOONRILL_HOME/events.mrl"
echo "moonrill, the change for vdirsyncer: $(./build-release/bin/moonrill sync 2>&1 | tail -1)"
timed "vdirsyncer: one event changed, taken" vdirsyncer sync take
timed "vdirsyncer: nothing changed" vdirsyncer sync take
