// Start-up of the exam simulator: texts, language, command line, font,
// banks, history, then the main window.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "examsim/ui/program.h"

class MainWindow;

struct StartupInput {
    std::string Arguments;       // the whole text after the program's name
    std::filesystem::path ProgramFolder;  // where the banks, the log and the reports are
    std::string KeyboardLocale;  // input locale name, as "fr_CA"
};

// Language from the keyboard, then the command line and the program folder.
void myReadStartupChoices(ProgramState& program, const StartupInput& input);
// The default dialog font of every window made afterwards.
void myApplyDefaultFont(const CommandLine& switches);
// Banks, log location, history pass 0 and the bank shown first. False when
// the program must end (the reason has been shown).
bool myFindBanksAndHistory(ProgramState& program);

// All of start-up; the window is built, tooltips attached, not yet shown.
// Null when the program ends before its window.
std::unique_ptr<MainWindow> myStartUlvorane(ProgramState& program, const StartupInput& input);
