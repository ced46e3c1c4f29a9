// Start-up of Ostrilon: language, command line, fonts, diagram files and
// the window, in that order.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

class PuzzleWindow;

// 1 when the keyboard layout is French, else 0.
int keyboardLanguage();

// Everything before the message loop. arguments is the whole command-line
// text; programFolder is where the diagram files are looked for. Returns the
// window, built and with its tooltips but not shown, or nullptr after
// message 4 when there is no diagram file.
std::unique_ptr<PuzzleWindow> startPuzzle(const std::string& arguments,
                                          const std::filesystem::path& programFolder,
                                          int keyboardLanguage);
