// The puzzle's command line: /Q, /X, /A=n, /F=font_name,size, /T=font_name.
#pragma once

#include <string>

struct PuzzleSwitches {
    bool French = false;               // /Q
    bool ReportToolTipFailures = true; // cleared by /X
    int FontAdjustment = 0;            // /A=n
    std::string FontName;              // /F=name,size
    int FontSize = 0;
    std::string TileFontName; // /T=name
};

// Reads the whole argument text. Switches are case-insensitive; /Q makes the
// interface French at once; a malformed /A, /F or /T is then reported with
// message 1, 2 or 3 and ignored.
PuzzleSwitches readCommandLine(const std::string& arguments);

// The dialog font the switches and the desktop's suggestion give: with /F
// its name and size (the /A adjustment does not apply), otherwise the
// suggested face at its size plus the adjustment. False (and nothing set)
// when there is neither.
bool chooseDialogFont(const PuzzleSwitches& switches, bool suggested,
                      const std::string& suggestedFace, int suggestedSize, std::string& face,
                      int& points);
