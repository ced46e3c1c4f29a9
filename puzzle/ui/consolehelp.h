// What "ostrilon --help" prints on a terminal, in both languages.
#pragma once

#include <string>

// Latin-1, LF line ends; language 0 English, 1 French.
std::string consoleHelp(int language);
