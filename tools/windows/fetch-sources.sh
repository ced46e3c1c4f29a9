#!/usr/bin/env bash
# Downloads Debian source packages into FOLDER, through a private apt list of
# deb-src lines made from the machine's own Debian list (the system's lists
# are left as they are).
#   fetch-sources.sh FOLDER PACKAGE...
set -euo pipefail
work=$1
shift
apt=$work/apt
mkdir -p "$apt/lists/partial"
if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$apt/src.sources"
else
    sed -n -e 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt/src.list"
fi
o=(-o "Dir::Etc::SourceParts=$apt" -o Dir::Etc::SourceList=/dev/null -o "Dir::State::Lists=$apt/lists")
apt-get "${o[@]}" update -qq
cd "$work"
status=0
apt-get "${o[@]}" source --download-only "$@" >"$apt/source.log" 2>&1 || status=$?
grep -v '^W: Download is performed unsandboxed' "$apt/source.log" || true
exit "$status"
