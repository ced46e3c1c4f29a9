#!/usr/bin/env bash
# Every test ctest knows has a readable name that stays the same from one
# build to the next: no raw parameter bytes, no bare case number.
# Usage: test-names.sh BUILD-FOLDER
set -euo pipefail
list=$(ctest --test-dir "$1" -N | sed -n 's/^ *Test *#[0-9]*: //p')
[ -n "$list" ] || { echo "no test found in $1" >&2; exit 1; }
bad=$(printf '%s\n' "$list" | grep -E 'GetParam|/[0-9]+$|.{161}' || true)
if [ -n "$bad" ]; then
    echo "tests without a readable name (give their cases a name generator):" >&2
    printf '%s\n' "$bad" >&2
    exit 1
fi
