// The command-line bank checker, callable from tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Runs one command; returns the process exit code (0 success, 1 failure,
// 2 bad usage). Texts go out as UTF-8 with plain line ends.
int runBankTool(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
