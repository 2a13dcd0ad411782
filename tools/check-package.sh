#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package the way a release is built (Release, prefix /usr, CPack) and checks
# it as the distribution's own tools would: its files, lintian, the launcher, the metainfo and
# the manual page; then unpacks it into a temporary root (never into this machine's /usr) and
# runs that copy. Usage: tools/check-package.sh   (./test.sh runs it)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DMOONRILL_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
rm -f "$build"/moonrill_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/moonrill_*_"$(dpkg --print-architecture)".deb)
failed=0 passed=0
check() { # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $name"; fi
}

# The path is all that follows the fifth column (names may hold blanks).
contents=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
# The metainfo file is named after the id it holds, and the launcher after it too.
metainfo=$(grep -x '\./usr/share/metainfo/.*\.metainfo\.xml' <<<"$contents" || true)
id=$(basename "${metainfo:-none}" .metainfo.xml)
for f in usr/bin/moonrill usr/lib/moonrill/modules/libmoonrill-gui.so usr/lib/moonrill/modules/libmoonrill-notify.so usr/share/moonrill/Moonrill.hlp \
         usr/share/moonrill/translations/moonrill_{de,fr,es}.qm \
         usr/share/moonrill/anim/bell.avi "usr/share/moonrill/anim/update app.avi" \
         "usr/share/applications/$id.desktop" \
         usr/share/icons/hicolor/scalable/apps/moonrill.svg \
         usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/moonrill.png \
         usr/share/man/{,de/,fr/,es/}man1/moonrill.1.gz \
         usr/share/doc/moonrill/copyright usr/share/doc/moonrill/changelog.gz; do
    check "the package holds $f" grep -qxF "./$f" <<<"$contents"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: $(basename "$deb"), Depends: $depends"
check "dependencies computed from the binaries" grep -q "libqt6widgets6" <<<"$depends"
check "section utils" [ "$(dpkg-deb -f "$deb" Section)" = utils ]
# Each line of the long description begins with one blank: apt wraps it as a paragraph.
check "the long description is one paragraph" \
    [ -z "$(dpkg-deb -f "$deb" Description | tail -n +2 | grep -v '^ [^ ]')" ]

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
# lintian: no error and no warning.
if lintian --fail-on error,warning "$deb" >"$root.lintian" 2>&1; then lint=true; else lint=false; fi
sed 's/^/lintian: /' "$root.lintian"
rm -f "$root.lintian"
check "lintian finds no error and no warning" $lint
check "no maintainer script (the libraries are the program's own, not the linker's)" \
    [ -z "$(dpkg-deb -I "$deb" | grep -E 'postinst|postrm')" ]
check "the launcher is valid" desktop-file-validate "$root/usr/share/applications/$id.desktop"
for language in de fr es; do
    check "the launcher speaks $language" \
        grep -q "^Comment\[$language\]=" "$root/usr/share/applications/$id.desktop"
done
check "the metainfo ${metainfo:-file} is named after its id" \
    grep -q "<id>$id</id>" "$root/usr/share/metainfo/$id.metainfo.xml"
check "the metainfo is valid" appstreamcli validate --no-net --pedantic \
    "$root/usr/share/metainfo/$id.metainfo.xml"
for page in "$root"/usr/share/man/{,de/,fr/,es/}man1/moonrill.1.gz; do
    man_lint=$(zcat "$page" | mandoc -T lint -W warning 2>&1 || true)
    check "the manual page ${page#"$root"} is clean${man_lint:+: $man_lint}" [ -z "$man_lint" ]
done

# The unpacked copy runs: nothing due ends with 0; something due without a display prints it.
work=$(mktemp -d)
export MOONRILL_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
mkdir -p "$MOONRILL_HOME"
printf '$$Later$$%s$$Once$$3$$\r\n\r\n' "$(date -d '+40 days' +%F)" >"$MOONRILL_HOME/events.mrl"
QT_QPA_PLATFORM=nosuchplatform timeout 20 "$root/usr/bin/moonrill" whatsup; rc=$?
check "the unpacked program scans with nothing due (exit $rc)" [ $rc -eq 0 ]
printf '$$Dentist$$%s$$Once$$0$$\r\n\r\n' "$(date +%F)" >"$MOONRILL_HOME/events.mrl"
out=$( (unset DISPLAY WAYLAND_DISPLAY; QT_QPA_PLATFORM=xcb timeout 20 "$root/usr/bin/moonrill" whatsup 2>/dev/null) ) && rc=0 || rc=$?
check "the unpacked program prints what is due without a display" [ "$out" = "Today: $(date +%F) Dentist" ]
check "and says so in its exit status" [ $rc -eq 1 ]
rm -rf "$work"
echo "package: $passed passed, $failed failed"
[ $failed -eq 0 ]
