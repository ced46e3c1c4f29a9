#!/usr/bin/env bash
# Builds both programs and both commands for x86_64 Windows (Release) and
# writes into BUILD_WINDOWS:
#   ulvorane-<version>-setup.exe    an NSIS installer a user runs without
#                                   administrator rights (per user, under
#                                   %LOCALAPPDATA%\Programs\Ulvorane)
#   ulvorane-<version>-windows.zip  the same programs in one folder that runs
#                                   from anywhere, a USB stick included (the
#                                   samples beside the programs, so they keep
#                                   their banks and history there)
# Qt for Windows is found as configure.sh says (ULVORANE_WINDOWS_SDK).
#   tools/windows/package.sh [BUILD_WINDOWS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
root=$(mkdir -p "${1:-$source/build-windows}" && cd "${1:-$source/build-windows}" && pwd)

"$here/install-deps.sh"
build=$("$here/configure.sh" "$root" gui -DBUILD_TESTING=OFF)
cmake --build "$build" --target Ulvorane Ostrilon ulvorane-bank ostrilon-diagrams -j"${WINDOWS_BUILD_JOBS:-2}"

version=$(sed -n -E 's/^CMAKE_PROJECT_VERSION:STATIC=(.*)$/\1/p' "$build/CMakeCache.txt")
sdk=$(sed -n -E 's/^WINDOWS_SDK:[A-Z]*=(.*)$/\1/p' "$build/CMakeCache.txt")
[ -n "$version" ] && [ -n "$sdk" ] || { echo "no version or no SDK in $build/CMakeCache.txt" >&2; exit 1; }
strip=x86_64-w64-mingw32-strip
objdump=x86_64-w64-mingw32-objdump
# Where the DLLs a program imports are found: Qt's, libarchive's, the MinGW
# runtime's. Anything else (KERNEL32, USER32, ...) is Windows' own.
dll_folders=("$sdk/bin" "$root/deps/bin"
             "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
             /usr/x86_64-w64-mingw32/lib)

# One folder holding what a program needs beside it, as a deployment tool
# would gather it: the .exe files, the DLLs they import (and those they
# import in turn), the Qt plugins they load, Qt's French texts.
stage=$root/package/Ulvorane
rm -rf "$root/package"
mkdir -p "$stage"/{platforms,styles,multimedia,translations}
for program in examsim/ui/Ulvorane puzzle/ui/Ostrilon examsim/cli/ulvorane-bank puzzle/diagram/ostrilon-diagrams; do
    "$strip" -o "$stage/$(basename "$program").exe" "$build/$program.exe"
done
# platforms: windows, and offscreen for runs without a screen; the style
# Windows users know; the sound backend (Windows Media Foundation).
for plugin in platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle multimedia/windowsmediaplugin; do
    "$strip" -o "$stage/$plugin.dll" "$sdk/plugins/$plugin.dll"
done
for qm in qt_fr qtbase_fr qtmultimedia_fr; do
    cp /usr/share/qt6/translations/$qm.qm "$stage/translations/"
done
# Qt's folders are this one, wherever it is.
printf '[Paths]\r\nPrefix=.\r\nPlugins=.\r\nTranslations=translations\r\n' >"$stage/qt.conf"

queue=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [ -e "$stage/$dll" ] && continue
        for folder in "${dll_folders[@]}"; do
            if [ -f "$folder/$dll" ]; then
                "$strip" -o "$stage/$dll" "$folder/$dll"
                queue+=("$stage/$dll")
                break
            fi
        done
    done < <("$objdump" -p "$file" | sed -n -E 's/^\s*DLL Name: (.*)$/\1/p')
done

# The portable ZIP: the samples beside the programs.
zipped=$root/package/zip/Ulvorane-$version
mkdir -p "$zipped"
cp -r "$stage"/. "$zipped/"
cp "$source"/samples/Questions_*.txt "$source"/samples/Diagrams_*.txt "$zipped/"
cp "$source/LICENSE" "$zipped/LICENSE.txt"
zip_file=$root/ulvorane-$version-windows.zip
rm -f "$zip_file"
(cd "$root/package/zip" && zip -q -r -9 "$zip_file" "Ulvorane-$version")

# The installer: the programs under bin\, the samples where the programs
# look for them (share\ulvorane\samples beside bin\: they are copied into
# the user's data folder on the first start). The uninstaller removes the
# files it installed by name, and the folders when they are left empty.
installed=$root/package/installed
mkdir -p "$installed/bin" "$installed/share/ulvorane/samples"
cp -r "$stage"/. "$installed/bin/"
cp "$source"/samples/Questions_*.txt "$source"/samples/Diagrams_*.txt "$installed/share/ulvorane/samples/"
cp "$source/LICENSE" "$installed/LICENSE.txt"
files=$root/package/files.nsh
{
    (cd "$installed" && find . -type f | sed -e 's|^\./||' | sort) | while read -r f; do
        printf 'Delete "$INSTDIR\\%s"\n' "${f//\//\\}"
    done
    (cd "$installed" && find . -mindepth 1 -type d | sed -e 's|^\./||' | sort -r) | while read -r d; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${d//\//\\}"
    done
} >"$files"
size_kb=$(du -sk "$installed" | cut -f1)
setup=$root/ulvorane-$version-setup.exe
version4=$(echo "$version.0.0.0" | cut -d. -f1-4)
makensis -V2 -NOCD -INPUTCHARSET UTF8 -DVERSION="$version" -DVERSION4="$version4" -DSOURCE="$installed" -DFILES="$files" -DOUTFILE="$setup" \
    -DICON="$source/packaging/windows/ulvorane.ico" -DSIZE_KB="$size_kb" \
    "$source/packaging/windows/ulvorane.nsi"

ls -l "$setup" "$zip_file" | awk '{print $5, $9}'
