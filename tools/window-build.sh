# Sourced by tools/run.sh and tools/run-puzzle.sh: refuses to go on without
# a display, then installs what is needed and builds the given targets in
# build/, configured exactly as tools/test.sh configures it (tests included),
# so that no script undoes another.
# Usage: build_for_window SCRIPT-NAME TARGET...   (sets $root and $build)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build

build_for_window() {
    local script=$1
    shift
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
        echo "$script: no display found (DISPLAY and WAYLAND_DISPLAY are empty); render the windows to PNG instead with tools/shots.sh" >&2
        exit 1
    fi
    "$root/tools/install-deps.sh"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
    cmake --build "$build" --target "$@"
}
