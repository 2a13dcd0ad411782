#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The end of a session, end to end: the real program on a test X server, changes made with real
# key presses, then ended by SIGTERM, by SIGHUP with a dialog open, and by the X server going
# away. Nothing the user changed may be lost: the next start offers it back, and Save writes it;
# what another program wrote to the file since is kept too.
# Usage: session_end.sh PATH_TO_MOONRILL. Exits 77 (skipped) where no test X server can start.
set -u
bin=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/lib.sh"
need Xvfb xdotool
x_home
not_first_start
events="$MOONRILL_HOME/events.mrl" copy="$MOONRILL_HOME/events.mrl.recovery"
press() { # press KEY...: to the window that has the focus, once one is shown
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Moonrill$' | tail -1)
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --delay 100 "$@"
    sleep 0.5
}

signalled() { # signalled SIGNAL WHAT: ends the program with SIGNAL; checks it ended cleanly and lost nothing
    kill -"$1" $app; ended $app; local rc=$?
    check "$1 $2 ends the program cleanly (status $rc)" [ $rc -eq 0 ]
    check "$1: the file is as it was" cmp -s "$events" "$work/original"
    check "$1: the copy holds the change" cmp -s "$copy" "$work/changed"
}

original=$'$$Alpha$$2999-01-01$$Once$$3$$\r\n$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n'
changed=$'$$Beta$$2999-02-01$$Once$$3$$\r\n\r\n'
printf '%s' "$original" > "$work/original"
printf '%s' "$changed" > "$work/changed"
cp "$work/original" "$events"
start_x

# A deleted event, then SIGTERM (a logout): a clean end, the file as it was, the change kept.
"$bin" 2>>"$work/err" & app=$!
press Delete Return
check "a change keeps a recovery copy" wait_for [ -s "$copy" ]
signalled TERM "after a change"

# The next start asks; Yes restores the list, unsaved. SIGHUP with the editor open ends it too.
"$bin" 2>>"$work/err" & app=$!
press Return
press ctrl+a
signalled HUP "with the editor open"

# The X server goes away under a restored list: the copy survives the program.
"$bin" 2>>"$work/err" & app=$!
press Return
kill $xserver; wait $xserver 2>/dev/null
ended $app; rc=$?
check "the program ends with its X server (status $rc)" [ $rc -ne 124 ]
check "display gone: the copy is kept" cmp -s "$copy" "$work/changed"

# Meanwhile another program adds an event to the file. At last the user restores and saves: the
# file holds the change, the other program's version is kept as a backup and said, and the copy
# is gone.
printf '%s$$Gamma$$2999-03-01$$Once$$3$$\r\n\r\n' "${original%$'\r\n'}" > "$events"
cp "$events" "$work/outside"
start_x
"$bin" 2>>"$work/err" & app=$!
press Return
press ctrl+s
check "Save writes the restored list" cmp -s "$events" "$work/changed"
check "the other program's version is kept" cmp -s "$MOONRILL_HOME/events.mrl.bak" "$work/outside"
said() { xdotool search --onlyvisible --name '^Moonrill$' | wc -l | grep -qx 2; }
check "and said" wait_for said
press Return
check "Save removes the copy" [ ! -e "$copy" ]
kill -TERM $app; ended $app
kill $xserver

echo "session end: $passed passed, $failed failed"
[ $failed -eq 0 ] || { echo "what the program said:"; cat "$work/err"; exit 1; }
