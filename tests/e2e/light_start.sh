#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window and the scan window load only what they show: once each is on the screen,
# the process has loaded neither the network nor the printing library, nor the keyring or the
# calendar library, nor the services library that holds them, nor an image format plugin (every
# picture of theirs is drawn). Then Print, the first use, loads them. Read from the process's own
# map of what it loaded. The window still gets its icon, at each size, once it is up.
# Usage: light_start.sh PATH_TO_MOONRILL. Exits 77 (skipped) where a peer cannot start.
set -u
bin=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
need Xvfb xdotool xprop
x_home
not_first_start
start_x
today=$(date +%F)
for n in 1 2 3 4 5 6 7; do
    printf '$$Event %s$$%s$$Once$$3$$\r\n' "$n" "$(date -d "+$n days" +%F)"
done > "$MOONRILL_HOME/events.mrl"
printf '\r\n' >> "$MOONRILL_HOME/events.mrl"
printf '%s\r\n' "$today" > "$MOONRILL_HOME/.moonrill-last-seen"

shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
loaded() { # loaded PID NAME: whether the process mapped a library whose file name holds NAME
    grep -q "/[^/]*$2[^/]*$" "/proc/$1/maps"
}
light() { # light PID: none of the libraries a window does not show is loaded
    local lib
    for lib in libical libQt6Network libQt6PrintSupport keychain libmoonrill-services; do
        if loaded "$1" "$lib"; then echo "  $lib is loaded"; return 1; fi
    done
    if grep -q "/imageformats/" "/proc/$1/maps"; then
        echo "  an image format plugin is loaded"
        return 1
    fi
}
icons() { # icons WINDOW_NAME: the sizes of the icon the window carries, as "16x16 22x22 ..."
    xprop -id "$(xdotool search --onlyvisible --name "$1" | tail -1)" _NET_WM_ICON 2>/dev/null |
        sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | tr '\n' ' '
}

"$bin" 2>"$work/err" & app=$!
check "the main window shows" wait_for shown '^Moonrill$'
check "the main window loaded the windows library" loaded $app libmoonrill-gui
check "the main window loaded nothing it does not show" light $app
check "the main window carries its icon from 16 to 128 pixels" \
    wait_for eval '[ "$(icons "^Moonrill$")" = "16x16 22x22 32x32 48x48 64x64 128x128 " ]'
# Print is the first use of the printing library: the services come then.
main=$(xdotool search --onlyvisible --name '^Moonrill$' | tail -1)
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key ctrl+p
check "Print loads the services" wait_for loaded $app libmoonrill-services
check "... and the printing library with them" loaded $app libQt6PrintSupport
kill $app; wait $app 2>/dev/null

# The scan window: an event due today, shown at logon.
printf '$$Dentist$$%s$$Once$$0$$\r\n\r\n' "$today" > "$MOONRILL_HOME/events.mrl"
printf '%s\r\n' "$(date -d '-1 day' +%F)" > "$MOONRILL_HOME/.moonrill-last-seen"
"$bin" whatsup 2>"$work/err" & scan=$!
check "the scan window shows" wait_for shown 'Upcoming Events'
check "the scan window loaded nothing it does not show" light $scan
check "the scan window carries the icon too" \
    wait_for eval '[ -n "$(icons "Upcoming Events")" ]'
kill $scan; wait $scan 2>/dev/null
summary "light start"
