#!/usr/bin/env bash
# Prints the folder of Qt for Windows (see configure.sh for where it looks),
# unpacking or building it into BUILD_WINDOWS/sdk when needed.
#   find-sdk.sh [--present] BUILD_WINDOWS
# With --present it never builds: it fails when no SDK is there already.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
present_only=no
[ "${1:-}" = --present ] && { present_only=yes; shift; }
root=$1
unpacked=$root/sdk/qt6-mingw64

usable() { [ -f "$1/lib/cmake/Qt6/Qt6Config.cmake" ]; }
take() {
    local from=$1
    if usable "$from"; then echo "$from"; return 0; fi
    if usable "$from/qt6-mingw64"; then echo "$from/qt6-mingw64"; return 0; fi
    if [ -f "$from/qt6-mingw64.tar.xz" ]; then
        if ! usable "$unpacked" || [ "$from/qt6-mingw64.tar.xz" -nt "$unpacked/lib/cmake/Qt6/Qt6Config.cmake" ]; then
            rm -rf "$unpacked"
            mkdir -p "$root/sdk"
            tar -C "$root/sdk" -xJf "$from/qt6-mingw64.tar.xz"
        fi
        usable "$unpacked" && { echo "$unpacked"; return 0; }
    fi
    return 1
}

if [ -n "${ULVORANE_WINDOWS_SDK:-}" ]; then
    take "$ULVORANE_WINDOWS_SDK" && exit 0
    echo "ULVORANE_WINDOWS_SDK=$ULVORANE_WINDOWS_SDK holds no Qt for Windows" >&2
    exit 1
fi
shared=$here/../../../shared/winsdk
[ -d "$shared" ] && take "$(cd "$shared" && pwd)" && exit 0
usable "$unpacked" && { echo "$unpacked"; exit 0; }
[ $present_only = yes ] && { echo "No Qt for Windows here" >&2; exit 1; }
echo "No Qt for Windows found: building it from Debian's source packages (about an hour)" >&2
"$here/build-qt.sh" "$root/sdk-build" >&2
take "$root/sdk-build"
