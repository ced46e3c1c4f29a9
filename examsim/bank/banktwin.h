// The bank that holds the same questions in the other language: an imported
// pair ("Questions_<name>_EN.txt" and "Questions_<name>_FR.txt"), or two
// banks whose header titles name the same qualification and edition, one in
// English and one in French ("Basic 2025 English", "Base 2025 français").
#pragma once

#include <cstdint>
#include <string>

#include "examsim/bank/bankmodel.h"

// The language a bank is in, from its file name or else its title: 0
// English, 1 French, -1 when neither says.
int myBankLanguage(const BankEntry& entry, const std::string& title);

// The bank (1..BankCount) of the shelf that is bank's twin in language (0
// English, 1 French); 0 when bank is already in that language, has no twin
// there, or is not a bank of the shelf.
int32_t myLanguageTwin(const BankShelf& shelf, int32_t bank, int language);
