#!/usr/bin/env bash
# Builds Qt 6.4.2 for x86_64 Windows from Debian's own source packages
# (qt6-base, qt6-shadertools, qt6-multimedia) with the MinGW-w64 cross
# compiler, into WORK/qt6-mingw64, and packs it as WORK/qt6-mingw64.tar.xz:
# what find-sdk.sh falls back on when no SDK is given. About an hour on two
# cores. Qt Charts is not built (its source package is not to be had here;
# the programs do without it); tablet events are off (Debian's qt6-base
# leaves out the Wintab header).
#   build-qt.sh WORK
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mkdir -p "${1:?usage: build-qt.sh WORK}" && cd "$1" && pwd)
prefix=$work/qt6-mingw64
"$here/install-deps.sh"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# The host tools of the same version: moc, rcc, uic, qsb, and the host Qt
# Multimedia's CMake files the cross-build reads.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    qt6-base-dev qt6-base-dev-tools qt6-shadertools-dev qt6-multimedia-dev >/dev/null

# The three source packages (fetch-sources.sh leaves the system's apt lists
# as they are).
"$here/fetch-sources.sh" "$work" qt6-base qt6-shadertools qt6-multimedia
cd "$work"
[ -d qtbase-everywhere-src-6.4.2 ] || tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
[ -d qtshadertools-everywhere-src-6.4.2 ] || tar xf qt6-shadertools_6.4.2.orig.tar.xz
[ -d qtmultimedia-everywhere-src-6.4.2 ] || tar xf qt6-multimedia_6.4.2.orig.tar.xz

# qtbase with the project's own toolchain file (the prefix as its SDK, so that
# the modules installed there are found);
# the modules after it with the toolchain file qtbase installs.
host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
jobs=$(nproc)
cmake -S qtbase-everywhere-src-6.4.2 -B build-base -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/toolchain-mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DWINDOWS_SDK="$prefix" \
    "${host[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF -DINPUT_openssl=no -DFEATURE_system_zlib=OFF
cmake --build build-base --parallel "$jobs"
cmake --install build-base

# qtmultimedia needs qtshadertools for the target (the host's qsb compiles
# its shaders).
cmake -S qtshadertools-everywhere-src-6.4.2 -B build-shadertools -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${host[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
cmake --build build-shadertools --parallel "$jobs"
cmake --install build-shadertools

# Its search for Media Foundation asks for "Mfplat" and the like, and its
# Windows sources include headers as a case-blind file system finds them
# (<Mferror.h>, "Mfidl.h", "QUrl.h"); MinGW's libraries and headers are lower
# case. A folder of links in the right case stands in.
L=/usr/x86_64-w64-mingw32/lib
I=/usr/x86_64-w64-mingw32/include
shim=$work/caseshim
mkdir -p "$shim"
(cd qtmultimedia-everywhere-src-6.4.2/src &&
    grep -rhE '#include [<"]' plugins/multimedia/windows multimedia/windows | sed -E 's/.*[<"](.*)[>"].*/\1/' |
    grep -v / | sort -u | while read -r h; do
        [ -e "$I/$h" ] && continue
        find . -name "$h" | grep -q . && continue
        l=$(ls "$I" | grep -i -x "$h" | head -n 1 || true)
        [ -n "$l" ] && ln -sf "$I/$l" "$shim/$h"
    done)
printf '#include <QtCore/qurl.h>\n' >"$shim/QUrl.h"
cmake -S qtmultimedia-everywhere-src-6.4.2 -B build-multimedia -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${host[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DWMF_MF_LIBRARY=$L/libmf.a -DWMF_MFUUID_LIBRARY=$L/libmfuuid.a -DWMF_MFPLAT_LIBRARY=$L/libmfplat.a \
    -DWMF_MFCORE_LIBRARY=$L/libmfcore.a -DWMF_PROPSYS_LIBRARY=$L/libpropsys.a -DFEATURE_wmf=ON \
    -DCMAKE_CXX_FLAGS="-isystem $shim"
cmake --build build-multimedia --parallel "$jobs"
cmake --install build-multimedia

tar -C "$work" -cJf "$work/qt6-mingw64.tar.xz" qt6-mingw64
echo "$prefix"
