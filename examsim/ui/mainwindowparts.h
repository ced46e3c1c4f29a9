// What the main window's files share among themselves: the menu table and
// the caption fields. Not for use outside the window.
#pragma once

#include <string>
#include <vector>

#include "examsim/ui/uitexts.h"
#include "toolkit/text.h"

// What a menu item's command id is, by its place in the menu text table.
struct MenuItem {
    int menu, item, command;
};
inline constexpr MenuItem kMenuItems[] = {
    {0, 1, CmdOpenFile}, {0, 2, CmdImportBank}, {0, 4, CmdQuit},  {1, 1, CmdLessons},
    {1, 3, CmdFrench},   {1, 4, CmdAudibleClues}, {1, 5, CmdManualAdvance},
    {1, 6, CmdDumpUtility}, {1, 7, CmdProgress},   {2, 1, CmdHelp},
    {2, 3, CmdAbout},
};

// Field n (from 1) of a caption, "" when it has fewer fields.
inline std::string fieldOrEmpty(const std::string& text, int n) {
    const std::vector<std::string> fields = splitFields(text, '|');
    return n >= 1 && n <= static_cast<int>(fields.size()) ? fields[static_cast<size_t>(n - 1)] : std::string();
}
