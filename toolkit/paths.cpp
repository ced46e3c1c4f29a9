#include "toolkit/paths.h"

#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"

// The file system names files in UTF-8 (Windows' wide names come as UTF-8
// too); bytes that are not UTF-8 are shown as they are.
std::string displayPath(const std::filesystem::path& path) { return latin1(pathBytes(path)); }

std::filesystem::path pathFromLatin1(std::string_view latin1Name) { return pathFromBytes(toUtf8(latin1Name)); }

std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& folder) {
    // A separator that is the root ("/", "C:\\") stays.
    std::filesystem::path text = folder;
    while (!text.has_filename() && text.has_relative_path()) {
        std::filesystem::path::string_type name = text.native();
        name.pop_back();
        text = std::filesystem::path(std::move(name));
    }
    return text;
}
