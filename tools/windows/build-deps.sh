#!/usr/bin/env bash
# Cross-builds what the programs link besides Qt, for x86_64 Windows, into
# BUILD_WINDOWS/deps: libarchive from Debian's source package (Debian's
# patches applied; zlib from libz-mingw-w64-dev, linked in), and GoogleTest
# from Debian's googletest sources (/usr/src/googletest). Done once: a deps
# folder that is complete is kept.
#   build-deps.sh [BUILD_WINDOWS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(mkdir -p "${1:-$here/../../build-windows}" && cd "${1:-$here/../../build-windows}" && pwd)
deps=$root/deps
work=$root/deps-build
[ -f "$deps/.complete" ] && exit 0
"$here/install-deps.sh"
mkdir -p "$work"
# libarchive's configure runs its checks of the Windows crypto calls under
# Wine: in the build's own prefix, not in a second one made beside the sources.
toolchain=(-DCMAKE_TOOLCHAIN_FILE="$here/toolchain-mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$deps"
           -DCMAKE_BUILD_TYPE=Release -DWINDOWS_BUILD_ROOT="$root" -G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# GoogleTest, static, as the tests link it on Linux (no test uses GoogleMock).
cmake -S /usr/src/googletest -B "$work/googletest" "${toolchain[@]}" "${launcher[@]}" \
    -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=OFF >"$work/googletest.log"
cmake --build "$work/googletest" >>"$work/googletest.log"
cmake --install "$work/googletest" >>"$work/googletest.log"

# libarchive's source package (fetch-sources.sh leaves the system's apt
# lists as they are).
src=$work/libarchive-src
if [ ! -d "$src" ]; then
    "$here/fetch-sources.sh" "$work" libarchive
    dsc=$(ls "$work"/libarchive_*.dsc | head -n 1)
    dpkg-source --no-check -x "$dsc" "$src" >/dev/null
fi

# The library alone: no command-line tools, no tests; zlib for the ZIP
# archives the department publishes, nothing else to fetch. Only the DLL
# the programs load is built (its install rule would build the static
# library too, every source twice), and installed by hand.
cmake -S "$src" -B "$work/libarchive" "${toolchain[@]}" "${launcher[@]}" \
    -DENABLE_TEST=OFF -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF -DENABLE_INSTALL=OFF \
    -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_NETTLE=OFF -DENABLE_LIBB2=OFF \
    -DENABLE_LZ4=OFF -DENABLE_LZO=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF -DENABLE_BZip2=OFF \
    -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_PCREPOSIX=OFF -DPOSIX_REGEX_LIB=NONE \
    -DENABLE_CNG=OFF -DENABLE_ICONV=OFF -DENABLE_ACL=OFF -DENABLE_XATTR=OFF -DENABLE_WERROR=OFF \
    -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include \
    >"$work/libarchive.log"
cmake --build "$work/libarchive" --target archive >>"$work/libarchive.log"
mkdir -p "$deps/bin" "$deps/lib" "$deps/include"
cp "$work/libarchive/bin/libarchive.dll" "$deps/bin/"
cp "$work/libarchive/libarchive/libarchive.dll.a" "$deps/lib/"
cp "$src/libarchive/archive.h" "$src/libarchive/archive_entry.h" "$deps/include/"
touch "$deps/.complete"
echo "$deps"
