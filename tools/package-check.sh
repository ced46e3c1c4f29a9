#!/usr/bin/env bash
# Builds the Debian package, validates it, installs it on this machine,
# starts the installed programs as a user who never ran them, and removes the
# package again, checking that nothing is left under the prefix.
# Usage: tools/package-check.sh [build-folder]   (needs root or sudo)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build-package}")
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
started=$SECONDS

fail() {
    echo "package-check: $*" >&2
    exit 1
}

deb=$("$root/tools/package.sh" "$build" | tail -n 1)
echo "package-check: built $deb"

# The three validators. lintian's warnings are printed and accepted (README,
# "Install", lists them and why); an error fails.
lintian --fail-on error "$deb"
staged=$(mktemp -d)
home=$(mktemp -d)
installed_here=no
cleanup() {
    # A failed check leaves no package behind on a developer's machine.
    [ "$installed_here" = yes ] && $sudo apt-get purge -y -qq ulvorane >/dev/null 2>&1
    rm -rf "$staged" "$home"
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$staged"
desktop-file-validate "$staged"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$staged"/usr/share/metainfo/*.metainfo.xml

if dpkg-query -W -f='${Status}' ulvorane 2>/dev/null | grep -q 'install ok installed'; then
    $sudo apt-get purge -y -qq ulvorane >/dev/null
fi
$sudo apt-get install -y -qq "$deb" >/dev/null
installed_here=yes
installed=$(dpkg -L ulvorane)

# Starts an installed program offscreen as the fresh user, waits until the
# file it should have made appears (or a few seconds when it should make
# none), checks the program is still up, ends it.
start_and_check() {
    local expected=$1
    shift
    local log=$home/program.log
    env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$@" >"$log" 2>&1 &
    local pid=$! since=$SECONDS
    for _ in $(seq 1 60); do
        [ -n "$expected" ] && compgen -G "$expected" >/dev/null && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
        [ -z "$expected" ] && [ $SECONDS -ge $((since + 5)) ] && break
    done
    sleep 1
    if ! kill -0 "$pid" 2>/dev/null; then
        cat "$log" >&2
        fail "$* did not stay up"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    if [ -n "$expected" ]; then
        compgen -G "$expected" >/dev/null || fail "$* made no $expected"
        echo "package-check: $* stayed up and made $expected"
    else
        echo "package-check: $* stayed up"
    fi
}

# The programs' data folders (installed use, /P=FOLDER) come with the
# toolkit's program-folder rules; a tree without them has programs that read
# only their own folder, and then only their start is checked here.
if [ -f "$root/toolkit/programfolder.h" ]; then data_folder_rules=yes; else data_folder_rules=no; fi
echo "package-check: data-folder rules in this tree: $data_folder_rules"

data=$home/.local/share
if [ "$data_folder_rules" = yes ]; then
    start_and_check "$data/ulvorane/Questions_*.txt" ulvorane
    start_and_check "$data/ostrilon/Diagrams*.txt" ostrilon
    banks=("$data"/ulvorane/Questions_*.txt)
else
    start_and_check "" ulvorane
    start_and_check "" ostrilon
    banks=(/usr/share/ulvorane/samples/Questions_*.txt)
fi
for bank in "${banks[@]}"; do
    HOME="$home" ulvorane-bank check "$bank" >/dev/null || fail "ulvorane-bank check $bank failed"
done
echo "package-check: ulvorane-bank check reads ${banks[*]}"

if [ "$data_folder_rules" = yes ]; then
    # A named folder whose name Latin-1 cannot hold.
    named="$home/Łukasz-Документы-日本"
    mkdir "$named"
    cp /usr/share/ulvorane/samples/Questions_Basic-English.txt "$named/"
    start_and_check "$named/Ulvorane_Log.txt" ulvorane "/P=$named"
fi

$sudo apt-get purge -y -qq ulvorane >/dev/null
installed_here=no
left=()
while IFS= read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    # Folders that other packages own too (/usr/bin, the icon theme's) stay.
    if [ -d "$path" ] && ! [ -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
    left+=("$path")
done <<<"$installed"
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
echo "package-check: removed, nothing left under /usr"
echo "package-check: done in $((SECONDS - started)) s"
