#!/usr/bin/env bash
# Builds the Debian package ulvorane_<version>_<arch>.deb from a Release
# build, with its shared-library dependencies computed by dpkg-shlibdeps.
# Usage: tools/package.sh [build-folder]   (default: build-package)
# Prints the path of the package on its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}

"$root/tools/install-deps.sh"

# The platform's hardening flags (stack protector, fortified functions,
# read-only relocations), without its -g and -O2: Release sets the optimisation
# and the package carries no debug symbols.
strip_flags() { sed -e 's/\(^\| \)-g\( \|$\)/ /g' -e 's/\(^\| \)-O[0-9s]\( \|$\)/ /g'; }
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS | strip_flags)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# No tests, benchmarks or fuzzers: only what the package holds is built.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DBUILD_BENCHMARKS=OFF -DBUILD_FUZZERS=OFF -DSANITIZE= -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build"
rm -f "$build"/ulvorane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/ulvorane_*.deb
