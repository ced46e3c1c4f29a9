#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a given time.
# Usage: fuzz/run.sh [seconds-per-target] [target...]
#   FUZZ_BUILD  build folder (default build-fuzz at the top of the tree)
#   FUZZ_JOBS   targets run side by side (default 1, at most the cores you can spare)
#   FUZZ_TIMEOUT seconds one input may take before it counts as a hang (default 10;
#               more on a machine loaded by other work, where a slow input is not a hang)
# Corpora grow in $FUZZ_BUILD/corpus/<target>, seeded from samples/ and
# fuzz/seeds/; crashes, leaks and undefined behaviour land in
# $FUZZ_BUILD/findings/<target>/ and make the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: fuzz/run.sh [seconds-per-target] [target...]   (seconds: a whole number, 1 or more)"
seconds=${1:-600}
# A target name or a typo taken for the time would run without a limit.
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$((10#$seconds))" -lt 1 ]; then
    echo "fuzz/run.sh: '$seconds' is not a number of seconds" >&2
    echo "$usage" >&2
    exit 2
fi
seconds=$((10#$seconds))
shift || true
build=${FUZZ_BUILD:-$root/build-fuzz}
jobs=${FUZZ_JOBS:-1}
timeout=${FUZZ_TIMEOUT:-10}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_FUZZERS=ON -DBUILD_TESTING=OFF -DWITH_GUI=OFF >/dev/null
# Every target the build defines, unless some are named.
mapfile -t all <"$build/fuzz/targets.txt"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
cmake --build "$build" --target "${targets[@]}" -- -j2

seeds_of() {
    case $1 in
        bank_*) ls "$root"/samples/Questions_*.txt ;;
        diagram_*) ls "$root"/samples/Diagrams*.txt ;;
        history_*) ls "$root"/fuzz/seeds/history/* ;;
        ised_file_*) ls "$root"/fuzz/seeds/ised/* ;;
        ised_zip_*) ls "$root"/fuzz/seeds/isedzip/* ;;
        import_member_*) ls "$root"/fuzz/seeds/importzip/* ;;
        cli_*) ls "$root"/fuzz/seeds/cli/* 2>/dev/null || true ;;
    esac
}

run_one() {
    local t=$1 corpus=$build/corpus/$1 findings=$build/findings/$1 extra=()
    mkdir -p "$corpus" "$findings"
    seeds_of "$t" | while read -r s; do cp -n "$s" "$corpus/"; done
    [ -f "$root/fuzz/${t%_fuzz}.dict" ] && extra+=("-dict=$root/fuzz/${t%_fuzz}.dict")
    [[ $t == masks_* || $t == cli_* ]] || extra+=(-max_len=65536)
    local status=0
    "$build/fuzz/$t" "$corpus" "${extra[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -timeout="$timeout" -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$build/fuzz-$t.log" 2>&1 || status=$?
    local runs
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz-$t.log" | grep -o '[0-9]*$' || echo '?')
    printf '%-24s %s executions, exit %s\n' "$t" "$runs" "$status" | tee -a "$build/fuzz-summary.txt"
    return $status
}

: >"$build/fuzz-summary.txt"
failed=0
pids=()
for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || failed=1; done
    run_one "$t" &
done
while [ "$(jobs -rp | wc -l)" -gt 0 ]; do wait -n || failed=1; done
[ $failed -eq 0 ] || echo "findings in $build/findings (logs: $build/fuzz-*.log)" >&2
exit $failed
