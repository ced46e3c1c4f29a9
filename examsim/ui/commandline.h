// The exam simulator's command line and the other choices start-up makes
// before any window exists: interface language and default font.
#pragma once

#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/historylog.h"

struct CommandLine {
    bool ReportToolTipFailures = true;  // "/X" clears it
    bool SimplifiedLayout = false;      // "/S"
    int DumpUtilityEnabled = 0;         // "/D", bit 0
    std::string FontName;               // "/F=name,size"; empty: none asked for
    int PointSize = 0;
    int SizeAdjustment = 0;             // "/A=n"
};

// Reads the switches from the whole argument text. A bad "/A" or "/F" value
// is reported (English first, whatever the interface language) and left at
// its default; the parse goes on.
void myParseCommandLine(const std::string& arguments, CommandLine& switches);

// 1 (French) for a keyboard layout of the French language, whatever the
// country ("fr_CA", "fr_FR", "fr"); 0 for any other.
int myKeyboardLanguage(const std::string& localeName);

// The default dialog font: the one named with "/F" at its size, else the
// desktop's suggestion with the "/A" adjustment; Use is false when neither
// is available (the toolkit's font stays).
struct FontChoice {
    bool Use = false;
    std::string Name;
    int PointSize = 0;
};
FontChoice myChooseDefaultFont(const CommandLine& switches, bool suggested,
                               const std::string& suggestedFace, int suggestedSize);

