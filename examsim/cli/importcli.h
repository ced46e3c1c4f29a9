// "ulvorane-bank import FILE [--out FOLDER] [--name NAME]": the import as a
// command of the bank tool.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

inline constexpr const char* ImportUsage =
    "usage: ulvorane-bank [--lang fr] import FILE [--out FOLDER] [--name NAME]\n"
    "       (FILE: the department's delimited .txt file, or the .zip it is published in;\n"
    "        writes Questions_NAME_EN.txt and Questions_NAME_FR.txt into FOLDER, default the current one)\n";

// args begin with "import" (the tool has taken --lang out already). Returns
// the exit code: 0 both banks written and read back, 1 failure, 2 bad usage.
int runImportTool(const std::vector<std::string>& args, int language, std::FILE* out, std::FILE* err);
