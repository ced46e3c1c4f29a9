// "ulvorane-bank progress BANK [--log LOG]": the study progress figures of
// a bank as a command of the bank tool.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

inline constexpr const char* ProgressUsage =
    "usage: ulvorane-bank [--lang fr] progress BANK [--log LOG]    (LOG defaults to Ulvorane_Log.txt beside BANK)\n";

// args begin with "progress" (the tool has taken --lang out already).
// Returns the exit code: 0 figures printed, 1 the bank or the log could not
// be read (the reader's message on err), 2 bad usage.
int runProgressTool(const std::vector<std::string>& args, int language, std::FILE* out, std::FILE* err);
