#!/usr/bin/env bash
# Times whole "moonrill whatsup" runs on a 32,767-event file with nothing due (offscreen).
# Usage: bench/whatsup_wall.sh [PATH_TO_MOONRILL] [RUNS]
set -eu
bin=${1:-build-release/bin/moonrill}
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen MOONRILL_HOME="$work" XDG_CONFIG_HOME="$work/config"
python3 - "$work/events.mrl" <<'PY'
import datetime, sys
today = datetime.date.today()
types = ["Monthly", "Birthday", "Every 3th week", "Once"]
with open(sys.argv[1], "w", newline="") as f:
    for i in range(32767):
        t = types[i % 4]
        # Far enough ahead (or moved far enough ahead) that nothing falls due today.
        d = today + datetime.timedelta(days=40 + i % 200) if t == "Once" else today.replace(year=today.year - 1 - i % 80) + datetime.timedelta(days=40 + i % 20)
        f.write(f"$$Event {i}$${d.isoformat()}$${t}$$0$$\r\n")
    f.write("\r\n")
PY
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$bin" whatsup
    times+=($(( ($(date +%s%N) - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "whatsup median: %.1f ms over %d runs\n", a[int((NR+1)/2)]/1000, NR}'
