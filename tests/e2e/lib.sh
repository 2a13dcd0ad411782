# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end scripts share: counting checks, waiting for a condition or a process, and a
# test X server of their own. Sourced; the script sets `work` (a scratch folder) first.

need() { # need TOOL...: each on the PATH, or the script ends as skipped
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}
x_home() { # the program's folders in the scratch folder, and the program on the test X server
    export MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
    export XDG_DATA_HOME="$work/data" # where a first start writes the session bus's service file
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    # The X keyboard library strndup()s a name the X server sent without its end inside the
    # buffer, which the sanitizer's strict string checks take for an overflow; not our library.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0"
    mkdir -p "$MOONRILL_HOME" "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
}

passed=0 failed=0
not_first_start() { # the first start is past: it tells of the scans in a box of its own
    mkdir -p "$XDG_CONFIG_HOME/moonrill" && : > "$XDG_CONFIG_HOME/moonrill/first-start-done"
}
check() { # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}
wait_for() { # wait_for CONDITION...: up to 20 s
    for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done
    return 1
}
ended() { # ended PID: its exit status, once it ends within 10 s (124 when it does not)
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.1
    done
    return 124
}
start_x() { # start_x [SCREEN]: a fresh X server (1024x768 unless SCREEN says); sets DISPLAY and
            # xserver, or ends the script as skipped
    exec 3> "$work/display"
    # -noreset: by default the server resets when its last client leaves (a script that stops
    # dunst or openbox) and refuses connections while it does, so the next start finds no display.
    Xvfb -noreset -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 & xserver=$!
    exec 3>&-
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "skipped: Xvfb did not start"; exit 77; }
    export DISPLAY=":$(cat "$work/display")"
    : > "$work/display"
}
summary() { # summary NAME: the counts; the script's status
    echo "$1: $passed passed, $failed failed"
    [ $failed -eq 0 ]
}
session_bus_config() { # session_bus_config FILE: a private session bus that starts no service on
                       # demand (a service is there only while the test runs one) and lets a
                       # monitor watch
    cat > "$1" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
}
