# Cross-building for x86_64 Windows with Debian's MinGW-w64 compiler (posix
# threads: std::thread and std::mutex need them).
#   cmake -DCMAKE_TOOLCHAIN_FILE=tools/windows/toolchain-mingw64.cmake
#         -DWINDOWS_SDK=<Qt for Windows> -DWINDOWS_DEPS=<libarchive, GoogleTest>
#         -DWINDOWS_BUILD_ROOT=<build-windows: the Wine prefix is there>
# tools/windows/configure.sh finds both and sets them; the tests run under Wine
# through tools/windows/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Passed on to try_compile projects, which read the toolchain file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES WINDOWS_SDK WINDOWS_DEPS WINDOWS_BUILD_ROOT)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
foreach(root WINDOWS_SDK WINDOWS_DEPS)
    if(${root})
        list(APPEND CMAKE_FIND_ROOT_PATH ${${root}})
        list(APPEND CMAKE_PREFIX_PATH ${${root}})
    endif()
endforeach()
# Programs (moc, rcc, the emulator) are the build machine's; libraries,
# headers and packages only ever the target's.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt's host tools: Debian's qt6-base-dev-tools and qt6-shadertools-dev, of the
# SDK's version.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

get_filename_component(_windows_tools "${CMAKE_CURRENT_LIST_DIR}" ABSOLUTE)
# The DLLs the programs load are found where the SDK and the deps keep them.
set(_windows_dlls "")
foreach(root WINDOWS_SDK WINDOWS_DEPS)
    if(${root})
        string(APPEND _windows_dlls "${${root}}/bin:")
    endif()
endforeach()
set(_windows_emulator ${_windows_tools}/wine-run.sh "--dlls=${_windows_dlls}")
if(WINDOWS_BUILD_ROOT)
    list(APPEND _windows_emulator "--root=${WINDOWS_BUILD_ROOT}")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${_windows_emulator})
