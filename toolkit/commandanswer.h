// The two questions every command on this platform answers, beside its own
// switches: --help (or -h) and --version, on standard output, exit code 0.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

enum class StandardRequest { None, Help, Version };

// Help wins over the version when both are asked.
StandardRequest standardRequest(const std::vector<std::string>& args);

// Prints the help (a Latin-1 text, written out as UTF-8) or "command
// version" and returns 0; returns -1 when the arguments ask neither, so the
// caller goes on with its own switches.
int answerStandardRequest(const std::vector<std::string>& args, const std::string& command,
                          const std::string& help, std::FILE* out);

// The language of the user's locale as the C library reads it (LC_ALL, then
// LC_MESSAGES, then LANG): 1 French, 0 anything else. Help asked before any
// window exists has no other clue.
int localeLanguage();
