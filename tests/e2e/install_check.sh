#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks the launcher, the icon and the clips are where a
# desktop looks for them, and that the launcher, the metainfo and the program itself go by one
# application id. Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1 source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
# The id is the metainfo's file name; its <id>, its launchable and the one launcher agree.
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
id=$(basename "$metainfo" .metainfo.xml)
same() { [ "$2" = "$3" ] || { echo "$1: '$2', not the application id's '$3'"; exit 1; }; }
same "the metainfo's id" "$(sed -n 's:^ *<id>\(.*\)</id>$:\1:p' "$metainfo")" "$id"
same "its launchable" "$(sed -n 's:^ *<launchable type="desktop-id">\(.*\)</launchable>$:\1:p' "$metainfo")" "$id.desktop"
same "the launcher" "$(ls "$prefix/share/applications")" "$id.desktop"
desktop-file-validate "$prefix/share/applications/$id.desktop"
cmp -s "$source/app/moonrill.desktop" "$prefix/share/applications/$id.desktop" || { echo "the launcher is not installed as it is"; exit 1; }
for f in bin/moonrill lib/moonrill/modules/libmoonrill-gui.so lib/moonrill/modules/libmoonrill-notify.so share/icons/hicolor/scalable/apps/moonrill.svg \
         share/moonrill/anim/bell.avi "share/moonrill/anim/update app.avi"; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The installed program finds its windows library: a plain start opens the main window, whose
# first start writes the autostart entry and the daily units, and then its mark.
export QT_QPA_PLATFORM=offscreen MOONRILL_HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/config"
export XDG_DATA_HOME="$prefix/data"
"$prefix/bin/moonrill" & pid=$!
marker="$XDG_CONFIG_HOME/moonrill/first-start-done"
for _ in $(seq 100); do [ -e "$marker" ] && break; sleep 0.1; done
kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
[ -e "$marker" ] || { echo "the installed program did not start its window"; exit 1; }
# The names the program gives what it writes come from the code's own id.
same "the autostart entry" "$(ls "$XDG_CONFIG_HOME/autostart")" "$id.desktop"
same "the daily units" "$(ls "$XDG_CONFIG_HOME/systemd/user" | tr '\n' ' ')" "$id-reminders.service $id-scan.service $id-scan.timer "
# The session bus starts the program by the id's name for a notification's button: the user's
# file beside the units and the package's own both name the installed program.
for bus in "$XDG_DATA_HOME/dbus-1/services/$id.service" "$prefix/share/dbus-1/services/$id.service"; do
    grep -qx "Name=$id" "$bus" || { echo "$bus does not take the id's name"; exit 1; }
    grep -q "^Exec=.*\"$prefix/bin/moonrill\" --bus-activated\$" "$bus" || { echo "$bus does not start the program"; exit 1; }
done
# Once the program is removed, the autostart entry and the daily service do nothing: the entry's
# TryExec names the program, and systemd's own reading of the service's condition fails.
entry="$XDG_CONFIG_HOME/autostart/$id.desktop"
condition=$(grep '^ConditionFileIsExecutable=' "$XDG_CONFIG_HOME/systemd/user/$id-scan.service")
desktop-file-validate "$entry"
grep -qx "TryExec=$prefix/bin/moonrill" "$entry" || { echo "no TryExec on the program"; exit 1; }
if command -v systemd-analyze >/dev/null; then
    systemd-analyze condition "$condition" >/dev/null 2>&1 || { echo "the service's condition fails while installed"; exit 1; }
    rm "$prefix/bin/moonrill"
    ! systemd-analyze condition "$condition" >/dev/null 2>&1 || { echo "the service still runs once removed"; exit 1; }
else
    echo "skipped: systemd-analyze is not installed, so the service's condition is not evaluated"
fi
echo "install: 6 passed, 0 failed"
