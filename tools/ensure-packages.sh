# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh and test.sh: installs the Debian packages that are missing, quietly and only
# when something is missing, so a second run costs nothing.
ensure_packages() {
    local missing=() installed pkg
    # One question for all of them: a start with everything in place stays quick.
    installed=" $(dpkg-query -W -f='${Package}\t${Status}\n' "$@" 2>/dev/null |
        awk -F'\t' '$2 == "install ok installed" { printf "%s ", $1 }')"
    for pkg in "$@"; do
        [[ $installed == *" $pkg "* ]] || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Makes the locale NAME (such as tr_TR.UTF-8) when the system does not have it yet.
ensure_locale() {
    local name=$1 canonical
    canonical=$(tr 'A-Z' 'a-z' <<<"${name/UTF-8/utf8}")
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$canonical" && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" localedef -i "${name%%.*}" -f "${name#*.}" "$name"
}

# What building and running needs.
BUILD_PACKAGES=(g++ cmake make ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libical-dev
                libsystemd-dev qtkeychain-qt6-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                qt6-gtk-platformtheme fonts-dejavu-core)
# What the tests need on top.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev poppler-utils desktop-file-utils
               clang-14 libclang-rt-14-dev systemd dpkg-dev file lintian appstream mandoc
               locales xvfb xdotool x11-utils khal calcurse python3-icalendar python3-dateutil remind dunst
               openbox radicale xandikos python3-caldav adwaita-qt6 libsecret-1-0 python3-dbus
               xdg-desktop-portal-gtk libglib2.0-bin at-spi2-core python3-pyatspi davical postgresql apache2 libapache2-mod-php php-pgsql)
