// Open and save dialogs taking the "|"-separated filter text of the programs
// ("Text Files|*.txt|All Files|*.*"), with the save dialog preselecting the
// filter that matches the proposed name's extension. File names and folders
// cross in the file system's own form (std::filesystem::path), so that any
// name the system can hold can be chosen; captions and filters are Latin-1.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class QWidget;

// Open-file flags the dialogs understand (the values of Windows' OFN_ flags).
inline constexpr unsigned OfnReadOnly = 0x1, OfnOverwritePrompt = 0x2, OfnHideReadOnly = 0x4,
                          OfnNoChangeDir = 0x8, OfnAllowMultiSelect = 0x200,
                          OfnExtensionDifferent = 0x400, OfnPathMustExist = 0x800,
                          OfnFileMustExist = 0x1000, OfnExplorer = 0x80000;

struct FilterPair {
    std::string Description;
    std::string Patterns; // separated by ";"
};
// The pairs of a filter text; the list ends at its first empty field, as a
// NUL-separated desktop filter would. Empty when the fields are not whole
// pairs.
std::vector<FilterPair> filterPairs(const std::string& filter);

// The save dialog's filter index (1-based; the last pair when no pattern
// matches the proposed name's extension; 0 when the filter is not whole
// pairs) and the filter with the matching pattern moved to the front of its
// pair, in the pattern list and in a parenthesised list in the description.
struct SaveFilterChoice {
    int Index = 0;
    std::string Filter;
};
SaveFilterChoice saveFilterChoice(const std::string& filter, const std::string& fileName,
                                  const std::string& defaultExtension);

// The filter as Qt's name filters: "Description (*.a *.b)", one per pair.
std::vector<std::string> qtNameFilters(const std::string& filter);

// Both return nonzero when the user confirmed. fileName is in and out (a
// multiple selection gives the folder and the names separated by NULs);
// flags are in and out. The save dialog empties both when cancelled.
int myOpenFileDialog(QWidget* owner, const std::string& title, std::filesystem::path& fileName,
                     const std::filesystem::path& initialFolder, const std::string& filter,
                     const std::string& defaultExtension, unsigned& flags);
int mySaveFileDialog(QWidget* owner, const std::string& title, std::filesystem::path& fileName,
                     const std::filesystem::path& initialFolder, const std::string& filter,
                     const std::string& defaultExtension, unsigned& flags);
