// Test helper: plants a symbolic link, as a classmate may leave one in a
// shared folder. On Windows through CreateSymbolicLinkW without privileges
// (developer mode); MinGW's std::filesystem makes none there. False when no
// link came of it: Wine 8 answers the call with success and makes nothing,
// and the test then skips with NoLinksHere.
#pragma once

#include <filesystem>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

inline constexpr const char* NoLinksHere = "this system makes no symbolic links (Wine 8 answers without making one)";

inline bool plantLink(const std::filesystem::path& target, const std::filesystem::path& name) {
#ifdef _WIN32
#ifndef SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
#define SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE 0x2
#endif
    ::CreateSymbolicLinkW(name.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
    std::error_code error;
    std::filesystem::create_symlink(target, name, error);
    return std::filesystem::is_symlink(std::filesystem::symlink_status(name));
#endif
}
