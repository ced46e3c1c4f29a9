// Dump utility for bank authors: writes parts of the loaded bank to Temp.txt
// in the program's folder.
#pragma once

#include <filesystem>
#include <string>

#include "examsim/bank/bankmodel.h"

// Prompt and title of the input box that asks for the choice.
std::string dumpPrompt();
std::string dumpTitle();

// Writes the choice ("1", "2", "2B", "3", "4", "5", "6", any case) to
// folder/Temp.txt. Any other reply writes nothing and returns false. A file
// that cannot be written is reported. The help texts serve choice 6.
bool myDumpBank(const BankModel& model, const std::filesystem::path& programFolder, const std::string& reply,
                const std::string& helpEnglish, const std::string& helpFrench);

// Spacing tidied as choices 2 and 2B write it.
std::string squeezeExplanation(const std::string& text);
