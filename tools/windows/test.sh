#!/usr/bin/env bash
# Cross-builds the core test suites (no Qt) for x86_64 Windows and runs them
# under Wine through ctest (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR is
# tools/windows/wine-run.sh). Fails when a test fails or when none ran.
#   tools/windows/test.sh [BUILD_WINDOWS] [extra cmake options...]
# BUILD_WINDOWS defaults to build-windows/ beside the sources; the build is
# in BUILD_WINDOWS/cores, the Wine prefix in BUILD_WINDOWS/wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
root=$(mkdir -p "${1:-$source/build-windows}" && cd "${1:-$source/build-windows}" && pwd)
shift || true

# The tests that mean something only on POSIX, skipped by name. One line
# each: the ctest name pattern, " :: ", then why. Not built for Windows at
# all (their CMake files say so): the import's kill-and-race tests
# (bankpair_test: fork), the log's fault tests (logfaults_test: RLIMIT_FSIZE,
# FIFOs), the diagram checker run through popen (diagramcheck_test), the
# commands run by a POSIX shell (tests/commands); inside the suites, the
# FIFO and /dev/zero cases skip themselves with their reason, and so do the
# cases that plant a symbolic link where the system makes none (Wine 8's
# CreateSymbolicLinkW answers success and makes nothing).
posix_only=(
    "^FileFinder\\.(PlantedFiles|.*Fifo) :: a FIFO and a link to /dev/zero among the banks"
    "^LineReader\\..*Fifo :: a FIFO opened without a writer"
    "^HomeFolder\\. :: the home folder from the password entry (getpwuid_r): Windows has %APPDATA%"
    "UserDataFolder\\. :: \$XDG_DATA_HOME and ~/.local/share: Windows has %APPDATA%"
    "^WholeFile\\.AFailedWrite :: a folder made read-only with chmod: Windows keeps writing in it"
    "^ProgramFolder\\.ANamedFolderNobodyMayRead :: a folder nobody may read (chmod 000)"
    "DisplayPath\\..*/NotUtf8 :: a name whose bytes are not UTF-8: Windows names are wide, never such bytes"
    "^special_files_in_the_folder_end_or_wait_as_they_should$ :: a shell script planting FIFOs and links to devices around the Linux tools"
    "^import_survives_kills_and_races$ :: a shell script killing the import with POSIX signals at random moments"
    "FolderNames\\.AFailureNamesTheFolderWithQuestionMarks :: a file where a folder should be: Windows answers 'path not found', which reads as a missing log, not ENOTDIR"
)
exclude=""
for entry in "${posix_only[@]}"; do
    exclude+="${exclude:+|}(${entry%% :: *})"
done

build=$("$here/configure.sh" "$root" cores -DWITH_GUI=OFF -DBUILD_TESTING=ON "$@")
# The prefix is made before the tests start: their discovery runs each
# suite under Wine with a few seconds to answer.
"$here/wine-run.sh" --root="$root" cmd /c exit 0 >/dev/null 2>&1 || true
# One Wine server for the whole run, so that each suite starts at once (one
# already running for the prefix is used as it is).
WINEPREFIX=${WINEPREFIX:-$root/wine} wineserver -p 2>/dev/null || true
trap 'WINEPREFIX=${WINEPREFIX:-$root/wine} wineserver -k 2>/dev/null || true' EXIT
cmake --build "$build" -j"${WINDOWS_BUILD_JOBS:-2}"

log=$root/cores.ctest.log
set +e
ctest --test-dir "$build" -E "$exclude" --output-on-failure -j2 --timeout 300 --no-tests=error 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
ran=$(sed -n -E 's/.*tests passed, [0-9]+ tests failed out of ([0-9]+)$/\1/p' "$log" | tail -n 1)
echo "Skipped on Windows (POSIX only):"
for entry in "${posix_only[@]}"; do echo "  ${entry%% :: *}: ${entry#* :: }"; done
[ "$status" -eq 0 ] || exit "$status"
[ "${ran:-0}" -gt 0 ] || { echo "no test ran" >&2; exit 1; }
