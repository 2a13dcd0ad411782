#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks the launcher, the icon and the clips are where a
# desktop looks for them. Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1 source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$source/app/moonrill.desktop"
for f in bin/moonrill lib/moonrill/modules/libmoonrill-gui.so lib/moonrill/modules/libmoonrill-notify.so share/applications/moonrill.desktop share/icons/hicolor/scalable/apps/moonrill.svg \
         share/moonrill/anim/bell.avi "share/moonrill/anim/update app.avi"; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
# The installed program finds its windows library: a plain start opens the main window, whose
# first start writes the autostart entry.
export QT_QPA_PLATFORM=offscreen MOONRILL_HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/config"
"$prefix/bin/moonrill" & pid=$!
for _ in $(seq 100); do [ -e "$XDG_CONFIG_HOME/autostart/moonrill.desktop" ] && break; sleep 0.1; done
kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
[ -e "$XDG_CONFIG_HOME/autostart/moonrill.desktop" ] || { echo "the installed program did not start its window"; exit 1; }
# Once the program is removed, the autostart entry and the daily service do nothing: the entry's
# TryExec names the program, and systemd's own reading of the service's condition fails.
entry="$XDG_CONFIG_HOME/autostart/moonrill.desktop"
condition=$(grep '^ConditionFileIsExecutable=' "$XDG_CONFIG_HOME/systemd/user/moonrill-scan.service")
desktop-file-validate "$entry"
grep -qx "TryExec=$prefix/bin/moonrill" "$entry" || { echo "no TryExec on the program"; exit 1; }
if command -v systemd-analyze >/dev/null; then
    systemd-analyze condition "$condition" >/dev/null 2>&1 || { echo "the service's condition fails while installed"; exit 1; }
    rm "$prefix/bin/moonrill"
    ! systemd-analyze condition "$condition" >/dev/null 2>&1 || { echo "the service still runs once removed"; exit 1; }
else
    echo "skipped: systemd-analyze is not installed, so the service's condition is not evaluated"
fi
echo "install: 4 passed, 0 failed"
