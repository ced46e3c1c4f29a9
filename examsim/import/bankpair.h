// Replacing the two banks of a name, English and French, in a folder that
// others share: every reader, every later start and every other import
// finds either the earlier pair or the new one, whatever moment a crash or
// a power cut hits.
//
// Under an advisory lock on the pair (".Questions_<name>.lock", so that
// imports into one folder take turns), the new banks are written under fresh
// names of this program's own and flushed, each earlier bank gets a second
// name (".Questions_<name>_EN.txt.earlier"), and a journal
// (".Questions_<name>.import", written whole) names the fresh files: from
// then on the replacement goes forward. The fresh files are renamed over the
// banks, then the earlier copies and the journal are removed. When a rename
// fails, the journal is turned to "back" first and the earlier banks are
// renamed back. Whoever holds the lock next (the next import, or the
// window's start) finishes what a journal left says and removes every
// leftover of the pair; without a journal the earlier pair never changed.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

// The moments of a replacement, in order, as the step hook hears them:
// language is 0 or 1 for a step done for one bank, -1 otherwise.
enum class PairStep {
    Locked,          // the lock is held and any earlier interruption repaired
    NewWritten,      // one new bank written and flushed under its fresh name
    EarlierKept,     // one earlier bank has its second name
    JournalWritten,  // the journal names the fresh files: the pair goes forward
    NewIn,           // one new bank renamed over its earlier one
    TurnedBack,      // a rename failed: the journal now says back
    LeftoversRemoved,
    JournalRemoved,
};
using PairStepHook = std::function<void(PairStep step, int language)>;

// The pair's lock file in folder.
std::filesystem::path bankPairLockPath(const std::filesystem::path& folder, const std::string& name);

// Writes files (English, French) as the banks of name in folder, each bank
// already holding its bytes left untouched. Waits for the pair's lock.
// Reports and returns false on failure, the earlier pair then as it was.
bool myReplaceBankPair(const std::filesystem::path& folder, const std::string& name,
                       const std::array<std::string, 2>& files, const PairStepHook& hook = {});

// Repairs every pair of the folder whose replacement was interrupted (its
// lock file left behind, and no process holding it now), as the program
// does at start and each import before its own. Reports what cannot be
// repaired; false then.
bool myRecoverInterruptedImports(const std::filesystem::path& folder);
