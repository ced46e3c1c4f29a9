# Sourced by the script tests: a scratch folder $tmp removed at exit, and
# expect, which prints "ok" or "FAIL" for one check and counts the failures.
# A test ends with:  [ $failures -eq 0 ]
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
expect() {  # expect WHAT WANTED-CODE GOT-CODE [GOT-TEXT PATTERN]
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: exit $3, expected $2" >&2
        failures=$((failures + 1))
    elif [ $# -ge 5 ] && ! grep -qE -- "$5" <<<"$4"; then
        echo "FAIL $1: output does not match /$5/:" >&2
        printf '%s\n' "$4" >&2
        failures=$((failures + 1))
    else
        echo "ok   $1"
    fi
}
