#!/usr/bin/env bash
# Installs the Debian packages the Windows build needs: the MinGW-w64 cross
# compiler, zlib for it, Wine to run what is built, NSIS for the installer,
# and what builds libarchive from its source package. Kept apart from
# tools/install-deps.sh so that the Linux build does not pay for them.
set -euo pipefail

packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    libz-mingw-w64-dev googletest
    qt6-base-dev-tools qt6-shadertools-dev qt6-base-dev
    wine wine64 xvfb xauth
    nsis msitools zip unzip xz-utils dpkg-dev
    qt6-translations-l10n x11-utils xdotool
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
