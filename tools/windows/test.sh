#!/usr/bin/env bash
# Cross-builds the core test suites (no Qt) for x86_64 Windows and runs them
# under Wine through ctest (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR is
# tools/windows/wine-run.sh), each suite whole in one Wine process. Fails
# when a test fails or when none ran.
#   tools/windows/test.sh [--build-only] [BUILD_WINDOWS] [extra cmake options...]
# BUILD_WINDOWS defaults to build-windows/ beside the sources; the build is
# in BUILD_WINDOWS/cores, the Wine prefix in BUILD_WINDOWS/wine. With
# --build-only it builds the suites and makes the prefix, and runs nothing
# (CI builds them while the Linux tests run, and runs them afterwards).
# The suites are optimised lightly (-O1): they build in about half the time
# of a Release build, and they test behaviour, not speed.
set -euo pipefail
build_only=no
[ "${1:-}" = --build-only ] && { build_only=yes; shift; }
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
root=$(mkdir -p "${1:-$source/build-windows}" && cd "${1:-$source/build-windows}" && pwd)
shift || true

# The tests that mean something only on POSIX, skipped by name. One line
# each: "case" and the gtest name patterns (gtest's own filter syntax,
# ':' between patterns), or "test" and a ctest name; " :: ", then why. Not
# built for Windows at all (their CMake files say so): the import's
# kill-and-race tests (bankpair_test: fork), the log's fault tests
# (logfaults_test: RLIMIT_FSIZE, FIFOs), the diagram checker run through
# popen (diagramcheck_test), the commands run by a POSIX shell
# (tests/commands); inside the suites, the FIFO and /dev/zero cases skip
# themselves with their reason, and so do the cases that plant a symbolic
# link where the system makes none (Wine 8's CreateSymbolicLinkW answers
# success and makes nothing).
posix_only=(
    "case FileFinder.PlantedFiles*:FileFinder.*Fifo* :: a FIFO and a link to /dev/zero among the banks"
    "case LineReader.*Fifo* :: a FIFO opened without a writer"
    "case HomeFolder.* :: the home folder from the password entry (getpwuid_r): Windows has %APPDATA%"
    "case *UserDataFolder.* :: \$XDG_DATA_HOME and ~/.local/share: Windows has %APPDATA%"
    "case WholeFile.AFailedWrite* :: a folder made read-only with chmod: Windows keeps writing in it"
    "case ProgramFolder.ANamedFolderNobodyMayRead* :: a folder nobody may read (chmod 000)"
    "case *DisplayPath.*/NotUtf8* :: a name whose bytes are not UTF-8: Windows names are wide, never such bytes"
    "case *FolderNames.AFailureNamesTheFolderWithQuestionMarks* :: a file where a folder should be: Windows answers 'path not found', which reads as a missing log, not ENOTDIR"
    "test special_files_in_the_folder_end_or_wait_as_they_should :: a shell script planting FIFOs and links to devices around the Linux tools"
    "test import_survives_kills_and_races :: a shell script killing the import with POSIX signals at random moments"
)
cases="" tests=""
for entry in "${posix_only[@]}"; do
    read -r kind names _ <<<"$entry"
    case $kind in
        case) cases+="${cases:+:}$names" ;;
        test) tests+="${tests:+|}^$names\$" ;;
    esac
done

build=$("$here/configure.sh" "$root" cores -DWITH_GUI=OFF -DBUILD_TESTING=ON \
    "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" "$@")
cmake --build "$build" -j"${WINDOWS_BUILD_JOBS:-2}"
# The prefix is made before the tests start, so that no suite pays for it
# within its time.
"$here/wine-run.sh" --root="$root" cmd /c exit 0 >/dev/null 2>&1 || true
[ $build_only = yes ] && { echo "$build"; exit 0; }

# One Wine server for the whole run, so that each suite starts at once (one
# already running for the prefix is used as it is).
export WINEPREFIX=${WINEPREFIX:-$root/wine}
wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT

# Wine hands the environment on: gtest in every suite reads its filter here.
export GTEST_FILTER="-$cases"
report=$root/cores.junit.xml
set +e
ctest --test-dir "$build" -E "$tests" --output-on-failure -j2 --timeout 600 --no-tests=error \
    --output-junit "$report" --test-output-size-passed 4000000 --test-output-size-failed 4000000
status=$?
set -e
echo "Skipped on Windows (POSIX only):"
for entry in "${posix_only[@]}"; do
    read -r _ names _ <<<"$entry"
    echo "  $names: ${entry#* :: }"
done
# The cases as the suites counted them (ctest counts suites).
python3 - "$report" <<'PY'
import re, sys, xml.etree.ElementTree as ET
passed = skipped = failed = 0
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    out = "".join(e.text or "" for e in case.iter("system-out"))
    passed += sum(int(n) for n in re.findall(r"^\[  PASSED  \] (\d+) test", out, re.M))
    skipped += sum(int(n) for n in re.findall(r"^\[  SKIPPED \] (\d+) test", out, re.M))
    failed += sum(int(n) for n in re.findall(r"^\[  FAILED  \] (\d+) test", out, re.M))
print(f"Cases under Wine: {passed} passed, {skipped} skipped by themselves (with their reason above), {failed} failed")
PY
[ "$status" -eq 0 ] || exit "$status"
