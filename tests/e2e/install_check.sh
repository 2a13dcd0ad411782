#!/usr/bin/env bash
# Installs into a temporary prefix and checks the launcher, the icon and the clips are where a
# desktop looks for them. Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1 source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$source/app/moonrill.desktop"
for f in bin/moonrill share/applications/moonrill.desktop share/icons/hicolor/scalable/apps/moonrill.svg \
         share/moonrill/anim/bell.avi "share/moonrill/anim/update app.avi"; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
echo "install: 1 passed, 0 failed"
