// File and folder names keep the file system's own form (std::filesystem::path)
// from where they are found or chosen until they are opened, so that a folder
// with any character the system can name works. They become Latin-1 only to
// be shown in a message.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The path as a Latin-1 text: a character Latin-1 cannot hold shows as '?'.
std::string displayPath(const std::filesystem::path& path);

// A file name the program makes from its own Latin-1 texts (a report named
// "Erronées_..."), in the file system's form.
std::filesystem::path pathFromLatin1(std::string_view latin1Name);

// The folder without a trailing separator ("/a/b/" gives "/a/b"; "/" stays),
// so that messages joining it to a name show one separator.
std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& folder);
