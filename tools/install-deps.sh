#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test both programs.
# Safe to run again: packages already there are left alone.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev
    # Qt's own texts (the file dialog, its buttons) in French
    qt6-translations-l10n
    libarchive-dev
    fonts-dejavu-core
    # the accessibility tests: a virtual display, the buses and AT-SPI
    xvfb xauth dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    # what a blind user hears: the screen reader, and keys pressed on the display
    orca xdotool
    # the Debian package and its checks (tools/package.sh, tools/package-check.sh)
    dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -o DPkg::Lock::Timeout=600 -y -qq --no-install-recommends "${missing[@]}" >/dev/null
