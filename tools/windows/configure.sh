#!/usr/bin/env bash
# Configures a cross-build for x86_64 Windows in BUILD_WINDOWS/FOLDER and
# prints that folder. Qt for Windows is taken from, in this order:
#   - $ULVORANE_WINDOWS_SDK: a folder holding Qt (lib/cmake/Qt6), or holding
#     qt6-mingw64.tar.xz, unpacked into BUILD_WINDOWS/sdk;
#   - ../shared/winsdk beside the checkout, when it is there (same forms);
#   - BUILD_WINDOWS/sdk/qt6-mingw64 when an earlier run put it there;
#   - else it is built from Debian's source packages by build-qt.sh (about an
#     hour on two cores).
# The cores alone (no Qt) need no SDK: give -DWITH_GUI=OFF.
#   configure.sh BUILD_WINDOWS FOLDER [cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
mkdir -p "$1"
root=$(cd "$1" && pwd)
folder=$2
shift 2
"$here/install-deps.sh"
"$here/build-deps.sh" "$root" >/dev/null

gui=ON
for option in "$@"; do [ "$option" = -DWITH_GUI=OFF ] && gui=OFF; done
sdk=""
if [ $gui = ON ]; then
    sdk=$("$here/find-sdk.sh" "$root")
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$source" -B "$root/$folder" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/toolchain-mingw64.cmake" \
    -DWINDOWS_DEPS="$root/deps" ${sdk:+-DWINDOWS_SDK="$sdk"} -DWINDOWS_BUILD_ROOT="$root" \
    -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@" >"$root/$folder.configure.log"
echo "$root/$folder"
