#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator of the cross-build's tests
# and of the scripts here.
#   wine-run.sh [--root=BUILD_WINDOWS] [--dlls=DIR:DIR...] PROGRAM.exe [ARGS...]
# The Wine prefix is BUILD_WINDOWS/wine (WINEPREFIX when set), made on first
# use; the folders of --dlls are searched for DLLs (Qt's, the MinGW runtime's,
# libarchive's) as PATH would be on Windows.
set -euo pipefail
root="" dlls=""
while [ $# -gt 0 ]; do
    case $1 in
        --root=*) root=${1#--root=} ;;
        --dlls=*) dlls=${1#--dlls=} ;;
        *) break ;;
    esac
    shift
done
[ $# -ge 1 ] || { echo "usage: wine-run.sh [--root=DIR] [--dlls=DIRS] PROGRAM.exe [ARGS...]" >&2; exit 2; }
root=${root:-${WINDOWS_BUILD_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)/build-windows}}
export WINEPREFIX=${WINEPREFIX:-$root/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No offer to download Mono or Gecko: nothing here uses .NET or HTML.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64

runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
path="Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
IFS=: read -ra extra <<<"$dlls"
for d in "${extra[@]}"; do
    [ -n "$d" ] && path="Z:$d;$path"
done
export WINEPATH="$path${WINEPATH:+;$WINEPATH}"

# The prefix is made once, under a lock: tests start side by side.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    flock -u 9
    exec 9>&-
fi
exec wine "$@"
