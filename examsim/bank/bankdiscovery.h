// Finding the question banks beside the program and choosing one.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"

// The banks' names, as the file finder takes them.
inline constexpr const char* BankFilePattern = "\\Questions_*.txt";

// Lists "Questions_*.txt" in the folder (at most 8) and reads each header for
// its title. False when no bank is there or a header pass failed (already
// reported by the reader).
bool myDiscoverBanks(BankShelf& shelf, const std::filesystem::path& programFolder);

// The bilingual text start-up shows when discovery fails (same in both languages).
std::string noBankMessage();

// Sets SelectedBank from the title of the bank used last (empty: none
// recorded): that bank, else bank 1 when it is the only one, else none
// (BankCount + 1). Returns SelectedBank.
int32_t myChooseBankShownFirst(BankShelf& shelf, const std::string& lastTitle);

// Items of the bank list: the labels, then the prompt when no bank is selected.
std::vector<std::string> bankListItems(const BankShelf& shelf);

enum class BankChoice {
    NoBankYet,      // the prompt item, nothing chosen before: reported
    AlreadyLoaded,  // nothing to do
    ReadFailed,     // reported by the reader; LoadedBank unchanged
    Loaded,         // full read done: the window brings in history and sorts
};

// The list reports a confirmed selection whose text is listText.
BankChoice myChooseBank(BankModel& model, BankShelf& shelf, const std::string& listText);
