// What the shared routines need to know of the program they run in: its name
// (titles of error boxes) and the interface language (column of every text
// table: 0 English, 1 French). Each program sets these once at start-up and
// changes the language when the user switches it.
#pragma once

#include <string>
#include <string_view>

struct UiContext {
    std::string ProgramName = "Ulvorane";
    int InterfaceLanguage = 0;
};

UiContext& uiContext();

// Picks the text of the current interface language.
inline std::string inLanguage(std::string_view english, std::string_view french) {
    return std::string(uiContext().InterfaceLanguage == 1 ? french : english);
}
