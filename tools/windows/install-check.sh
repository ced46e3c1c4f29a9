#!/usr/bin/env bash
# Tries the installer under Wine in a Wine prefix of its own, made afresh:
# installs it silently (/S), checks what it put where (the programs, the
# Start-menu folder, the programs list's entry under HKCU), starts both
# programs from where it put them (offscreen, without /P=: each takes its
# data folder under %APPDATA% and the samples copied there), and ends each
# after a while; then uninstalls silently and lists what is left. Then the
# portable ZIP, unpacked into a folder with a space in its name: each
# program, started there, keeps its files there (its own folder holds the
# samples) and none under %APPDATA%. Fails when a step does not do what it
# should.
#   tools/windows/install-check.sh [BUILD_WINDOWS]   (after package.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
root=$(cd "${1:-$source/build-windows}" && pwd)
setup=$(ls "$root"/ulvorane-*-setup.exe | head -n 1)
export WINEPREFIX=$root/wine-install WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= WINEARCH=win64
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot -i >/dev/null 2>&1 || true
wineserver -w

user=$WINEPREFIX/drive_c/users/$(id -un)
[ -d "$user" ] || user=$(ls -d "$WINEPREFIX"/drive_c/users/*/ | grep -v Public | head -n 1)
user=${user%/}
programs="$user/AppData/Local/Programs/Ulvorane"
menu="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ulvorane"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ulvorane'
failed=0
check() { if eval "$2"; then echo "  ok: $1"; else echo "  FAILED: $1"; failed=1; fi; }

echo "install: wine $(basename "$setup") /S"
wine "$setup" /S
wineserver -w
check "programs in $programs/bin" '[ -f "$programs/bin/Ulvorane.exe" ] && [ -f "$programs/bin/Ostrilon.exe" ] && [ -f "$programs/bin/ulvorane-bank.exe" ] && [ -f "$programs/bin/ostrilon-diagrams.exe" ]'
check "samples in share/ulvorane/samples" '[ -n "$(ls "$programs"/share/ulvorane/samples/Questions_*.txt)" ]'
check "uninstaller" '[ -f "$programs/Uninstall.exe" ]'
check "Start-menu folder: $(ls "$menu" 2>/dev/null | tr '\n' ',')" '[ "$(ls "$menu" | wc -l)" -eq 4 ]'
check "programs list entry (HKCU)" 'wine reg query "$key" /v UninstallString >/dev/null 2>&1'
echo "  installed: $(find "$programs" -type f | wc -l) files, $(du -sk "$programs" | cut -f1) KiB"

# Started as the Start menu starts them: from bin\, no arguments.
for program in Ulvorane Ostrilon; do
    (cd "$programs/bin" && QT_QPA_PLATFORM=offscreen exec wine "$programs/bin/$program.exe") \
        >"$root/install-$program.log" 2>&1 &
    pid=$!
    sleep "${INSTALL_CHECK_RUN:-15}"
    if kill -0 "$pid" 2>/dev/null; then
        echo "  ok: $program still running after ${INSTALL_CHECK_RUN:-15} s; ended"
        kill "$pid"
    else
        wait "$pid" && code=0 || code=$?
        echo "  FAILED: $program exited with $code (log: $root/install-$program.log)"
        failed=1
    fi
    wait "$pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wineserver -w
done
check "Ulvorane's data folder: $(ls "$user/AppData/Roaming/Ulvorane" | tr '\n' ' ')" '[ -n "$(ls "$user"/AppData/Roaming/Ulvorane/Questions_*.txt)" ]'
check "Ostrilon's data folder: $(ls "$user/AppData/Roaming/Ostrilon" | tr '\n' ' ')" '[ -n "$(ls "$user"/AppData/Roaming/Ostrilon/Diagrams_*.txt)" ]'

echo "uninstall: Uninstall.exe /S"
wine "$programs/Uninstall.exe" /S
wineserver -w
sleep 2
wineserver -w
check "programs' folder gone" '[ ! -e "$programs" ]'
check "Start-menu folder gone" '[ ! -e "$menu" ]'
check "programs list entry gone" '! wine reg query "$key" >/dev/null 2>&1'
check "data folders kept" '[ -d "$user/AppData/Roaming/Ulvorane" ] && [ -d "$user/AppData/Roaming/Ostrilon" ]'
echo "left afterwards:"
for place in "$programs" "$menu" "$user/AppData/Roaming/Ulvorane" "$user/AppData/Roaming/Ostrilon"; do
    if [ -e "$place" ]; then
        echo "  ${place#"$WINEPREFIX/"}: $(find "$place" -type f -printf '%f ' | head -c 400)"
    else
        echo "  ${place#"$WINEPREFIX/"}: (none)"
    fi
done

zip=$(ls "$root"/ulvorane-*-windows.zip | head -n 1)
stick="$WINEPREFIX/drive_c/USB stick"
mkdir -p "$stick"
unzip -q "$zip" -d "$stick"
portable=$(ls -d "$stick"/Ulvorane-*/)
portable=${portable%/}
rm -rf "$user/AppData/Roaming/Ulvorane" "$user/AppData/Roaming/Ostrilon"
echo "portable: $(basename "$zip") unpacked into C:\USB stick"
for program in Ulvorane Ostrilon; do
    (cd "$stick" && QT_QPA_PLATFORM=offscreen exec wine "$portable/$program.exe") >"$root/portable-$program.log" 2>&1 &
    pid=$!
    sleep "${INSTALL_CHECK_RUN:-15}"
    check "$program from the ZIP still running after ${INSTALL_CHECK_RUN:-15} s" 'kill -0 "$pid" 2>/dev/null'
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    wineserver -w
done
check "Ulvorane's history beside it" '[ -f "$portable/Ulvorane_Log.txt" ]'
check "nothing under %APPDATA%" '[ ! -e "$user/AppData/Roaming/Ulvorane" ] && [ ! -e "$user/AppData/Roaming/Ostrilon" ]'
exit $failed
