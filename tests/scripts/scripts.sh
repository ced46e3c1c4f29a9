#!/usr/bin/env bash
# The scripts of tools/ and fuzz/ refuse what they cannot do, at once and in
# one line, instead of building for minutes and then failing or running
# forever.
# Usage: scripts.sh SOURCE-FOLDER
set -uo pipefail
root=$1
. "$(dirname "$0")/expect.sh"

# Without a display the run scripts stop before building, in one line.
for script in run.sh run-puzzle.sh; do
    out=$(cd "$tmp" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        timeout 60 "$root/tools/$script" 2>&1)
    expect "$script without a display" 1 $? "$out" "^tools/$script: no display found.*tools/shots.sh"
    expect "$script says it in one line" 1 "$(printf '%s\n' "$out" | wc -l)"
done

# fuzz/run.sh takes whole seconds first; anything else is refused before a build.
export FUZZ_BUILD=$tmp/build-fuzz
for args in "abc masks_fuzz" "diagram_fuzz" "0 masks_fuzz" "1.5" "-3"; do
    # shellcheck disable=SC2086
    out=$(timeout 60 "$root/fuzz/run.sh" $args 2>&1)
    expect "fuzz/run.sh $args" 2 $? "$out" '^usage: fuzz/run.sh \[seconds-per-target\]'
done
[ ! -e "$FUZZ_BUILD" ]; expect "fuzz/run.sh built nothing for them" 0 $?

# tools/test.sh fails when ctest finds no test (cmake stubbed out: the
# folder stays empty).
mkdir -p "$tmp/stub" "$tmp/empty"
printf '#!/bin/sh\nexit 0\n' >"$tmp/stub/cmake"
chmod +x "$tmp/stub/cmake"
out=$(PATH=$tmp/stub:$PATH timeout 120 "$root/tools/test.sh" "$tmp/empty" 2>&1)
code=$?
[ $code -ne 0 ]; expect "tools/test.sh with no test fails" 0 $? "$out" 'No tests were found'

[ $failures -eq 0 ]
