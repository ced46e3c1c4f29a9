// Messages of the import core in both interface languages (Latin-1,
// converted from the source once).
#pragma once

#include <string>

enum class ImportText {
    PairLockFailed,     // the pair's lock file, err=& &
    RecoveryFailed,     // the bank, err=& &
};

// Text in the given language (0 English, 1 French).
const std::string& importTextIn(ImportText id, int language);
// Text in the current interface language.
const std::string& importText(ImportText id);
