// Lists the input files of a program (question banks, diagram files) and
// derives from each file name the label it is listed under.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

inline constexpr size_t FinderLabelWidth = 32;

struct FoundFile {
    std::string Label;               // fixed width 32, padded with spaces (Latin-1)
    std::filesystem::path FullPath;  // folder / name, never cut
};

// pattern: a leading separator ("\" or "/") then a name holding one "*",
// as "\Questions_*.txt". Files are listed in name order; name matching
// ignores case as Windows' file systems (NTFS, FAT) do, label making does not.
// Only regular files are listed (a link to one is fine); names that match
// but lead to anything else (a FIFO, a device, a broken link) are left out
// and named in one message, "myFindFiles, not regular files (...), left
// out:" followed by each name on a line of its own. Folders are passed by
// silently. More files than maxEntries: reports "myFindFiles, number of files exceeds
// & (&)" through the error box and returns the entries already found.
// sayRefused false leaves out the names refused without a word (callers
// that only ask whether the folder holds any file).
std::vector<FoundFile> myFindFiles(const std::filesystem::path& folder, const std::string& pattern,
                                   int32_t& maxEntries, bool sayRefused = true);

// Fills the first two fields (Label, FullPath) of a program's own entry
// type; returns the number of entries filled.
template <class Entry>
int myFindFiles(const std::filesystem::path& folder, const std::string& pattern, std::vector<Entry>& table,
                int32_t& maxEntries) {
    std::vector<FoundFile> found = myFindFiles(folder, pattern, maxEntries);
    if (table.size() < found.size()) table.resize(found.size());
    for (size_t i = 0; i < found.size(); ++i) {
        table[i].Label = found[i].Label;
        table[i].FullPath = found[i].FullPath;
    }
    return static_cast<int>(found.size());
}

// The label rule alone: suffix removed everywhere (case-sensitive), the text
// after the first prefix kept, spaces and underscores trimmed, cut to 32.
std::string finderLabel(const std::string& name, const std::string& prefix,
                        const std::string& suffix);

// The mask of the too-many-files message in a language (0 English, 1
// French); both programs' text tables list it under their own number.
std::string findFilesOverflowMask(int language);
std::string findFilesRefusedMask(int language);
