#!/usr/bin/env bash
# The official-pool import as whole processes against crashes and company:
#   kill   the real `ulvorane-bank import` of a second edition killed with
#          SIGKILL at a random moment of its run, then the folder repaired as
#          the window's start repairs it (import-repair);
#   race   two imports of different editions started together into one folder;
#   flush  each new bank flushed before its rename, the folder after it
#          (strace; skipped without it).
# Every round must leave one whole pair (both banks of one edition) and no
# other file. Prints the figures of each mode.
# Usage: import-crash.sh ULVORANE-BANK IMPORT-REPAIR POOL-FILE ROUNDS [MODE...]
# POOL-FILE: a department's pool (amat_basic_quest_delim2025.txt); the
# other editions are made from it. IMPORT-REPAIR may be "none" (to show what
# a build without the repair leaves).
set -uo pipefail
export LC_ALL=C
if [ $# -lt 4 ]; then
    echo "usage: import-crash.sh ULVORANE-BANK IMPORT-REPAIR POOL-FILE ROUNDS [kill|race|flush...]" >&2
    exit 2
fi
tool=$1 repair=$2 pool=$3 rounds=$4
shift 4
modes=${*:-kill race flush}
if [ ! -r "$pool" ]; then
    echo "import-crash.sh: no pool file $pool: skipped"
    exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# Editions 2025 to 2027: the same questions, one text changed, so that
# both banks of each differ from the other editions'.
for e in 2025 2026 2027; do
    sed "s/Radiocommunication/Radio$e/" "$pool" >"$tmp/amat_basic_quest_delim$e.txt"
done
out=$tmp/program
failures=0

# "2025" when both banks are of that edition and nothing else is in the
# folder; otherwise what is wrong.
pair_state() {
    local en fr left
    en=$(head -c 20 "$out/Questions_Basic_EN.txt" 2>/dev/null | sed -n 's/^. Basic \([0-9]*\) English.*/\1/p')
    fr=$(head -c 20 "$out/Questions_Basic_FR.txt" 2>/dev/null | sed -n 's/^. Base \([0-9]*\) fran.*/\1/p')
    left=$(ls -A "$out" | grep -vx -e Questions_Basic_EN.txt -e Questions_Basic_FR.txt | tr '\n' ' ')
    if [ -z "$en" ] || [ -z "$fr" ]; then
        echo "missing(en=$en fr=$fr) $left"
    elif [ "$en" != "$fr" ]; then
        echo "mixed(en=$en fr=$fr) $left"
    elif [ -n "$left" ]; then
        echo "stray($en: $left)"
    else
        echo "$en"
    fi
}

# exec: a background import's pid is the tool's own, the one killed.
import() { exec "$tool" import "$tmp/amat_basic_quest_delim$1.txt" --out "$out" >/dev/null 2>"$tmp/err$1"; }

fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# How long one import of the second edition takes here, in microseconds.
rm -rf "$out"
(import 2025)
start=$(date +%s%N)
(import 2026)
span=$((($(date +%s%N) - start) / 1000 + 5000))

for mode in $modes; do
    declare -A seen=()
    case $mode in
    kill)
        for ((r = 1; r <= rounds; r++)); do
            rm -rf "$out"
            (import 2025)
            import 2026 &
            pid=$!
            us=$(((RANDOM * 32768 + RANDOM) % span))
            sleep "$(printf '%d.%06d' $((us / 1000000)) $((us % 1000000)))"
            kill -KILL $pid 2>/dev/null
            wait $pid 2>/dev/null
            # What the kill left, before any repair.
            left=$(ls -A "$out" | grep -vc -x -e Questions_Basic_EN.txt -e Questions_Basic_FR.txt)
            [ "$left" -gt 0 ] && seen[leftovers]=$((${seen[leftovers]:-0} + 1))
            [ -e "$out/.Questions_Basic.import" ] && seen[journal]=$((${seen[journal]:-0} + 1))
            if [ "$repair" != none ] && ! "$repair" "$out"; then fail "kill round $r: repair failed"; fi
            state=$(pair_state)
            seen[$state]=$((${seen[$state]:-0} + 1))
            case $state in 2025 | 2026) ;; *) fail "kill round $r: $state" ;; esac
        done
        ;;
    race)
        for ((r = 1; r <= rounds; r++)); do
            rm -rf "$out"
            (import 2025)
            import 2026 &
            a=$!
            import 2027 &
            b=$!
            wait $a; ca=$?
            wait $b; cb=$?
            state=$(pair_state)
            seen[$state]=$((${seen[$state]:-0} + 1))
            [ $ca -eq 0 ] && [ $cb -eq 0 ] || fail "race round $r: exit codes $ca $cb: $(cat "$tmp/err2026" "$tmp/err2027")"
            case $state in 2026 | 2027) ;; *) fail "race round $r: $state" ;; esac
        done
        ;;
    flush)
        if ! command -v strace >/dev/null || ! strace -o /dev/null true 2>/dev/null; then
            echo "flush: no strace here: skipped"
            continue
        fi
        rm -rf "$out"
        (import 2025)
        strace -f -y -o "$tmp/trace" -e trace=fsync,fdatasync,rename,renameat,renameat2 \
            "$tool" import "$tmp/amat_basic_quest_delim2026.txt" --out "$out" >/dev/null
        # Each rename onto a bank: its source flushed before, the folder after.
        for bank in Questions_Basic_EN.txt Questions_Basic_FR.txt; do
            line=$(grep -n "rename[a-z0-9]*(.*[\"/]$bank\"" "$tmp/trace" | head -1)
            n=${line%%:*}
            from=$(printf '%s' "$line" | sed -n 's/.*rename[a-z0-9]*([^"]*"\([^"]*\)".*/\1/p')
            if [ -z "$n" ] || [ -z "$from" ]; then
                fail "flush: no rename onto $bank"
                continue
            fi
            head -n "$n" "$tmp/trace" | grep -q "fsync([0-9]*<[^>]*/$(basename "$from")>" &&
                seen[flushed-before]=$((${seen[flushed-before]:-0} + 1)) ||
                fail "flush: $from not flushed before its rename onto $bank"
            tail -n +"$n" "$tmp/trace" | grep -q "fsync([0-9]*<$(realpath "$out")>" &&
                seen[folder-after]=$((${seen[folder-after]:-0} + 1)) ||
                fail "flush: the folder not flushed after the rename onto $bank"
        done
        ;;
    *)
        echo "import-crash.sh: unknown mode $mode" >&2
        exit 2
        ;;
    esac
    printf '%s: %s rounds:' "$mode" "$([ "$mode" = flush ] && echo 1 || echo "$rounds")"
    for k in "${!seen[@]}"; do printf ' %s=%s' "$k" "${seen[$k]}"; done
    echo
    unset seen
done
[ $failures -eq 0 ]
