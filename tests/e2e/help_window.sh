#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The help window on a real window manager (a test X server and openbox). F1 in a modal window
# (the editor) lends the open help window to it, and closing the editor gives it back; it stays
# where it was, time after time.
# Usage: help_window.sh PATH_TO_MOONRILL. Exits 77 (skipped) where a peer cannot start.
set -u
bin=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
need Xvfb xdotool openbox
x_home
not_first_start
printf '$$Dentist$$%s$$Once$$3$$\r\n\r\n' "$(date -d '+20 days' +%F)" > "$MOONRILL_HOME/events.mrl"

start_x 1280x1024
openbox --sm-disable >/dev/null 2>&1 &
"$bin" 2>"$work/err" & app=$!
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1; }
shown() { [ -n "$(window "$1")" ]; }
gone() { [ -z "$(window "$1")" ]; }
# The window manager has taken a window once it can make it the active one.
activated() { xdotool windowactivate --sync "$(window "$1")" 2>/dev/null; }
press() { # press WINDOW KEY
    wait_for activated "$1"
    xdotool key "$2"
}
place() { xdotool getwindowgeometry "$(window 'Moonrill Help')" | grep Position; }

check "the main window shows" wait_for shown '^Moonrill$'
press '^Moonrill$' F1
check "F1 opens the help" wait_for shown 'Moonrill Help'
sleep 1
first=$(place)
for round in 1 2 3 4 5; do
    press '^Moonrill$' ctrl+a
    wait_for shown '^Add Event$'
    press '^Add Event$' F1
    sleep 1
    check "round $round: F1 in the editor leaves the help where it was ($first)" [ "$(place)" = "$first" ]
    press '^Add Event$' Escape
    wait_for gone '^Add Event$'
    sleep 1
    check "round $round: the editor closed, the help is where it was" [ "$(place)" = "$first" ]
done
kill $app
summary "help window"
