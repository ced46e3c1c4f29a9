#include "paths.h"

#include "text.h"

// The file system of this platform names files in UTF-8; bytes that are not
// UTF-8 are shown as they are.
std::string displayPath(const std::filesystem::path& path) { return latin1(path.native()); }

std::filesystem::path pathFromLatin1(std::string_view latin1Name) {
    return std::filesystem::path(toUtf8(latin1Name));
}

std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& folder) {
    std::string text = folder.native();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return std::filesystem::path(std::move(text));
}
