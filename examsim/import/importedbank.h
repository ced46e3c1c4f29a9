// Writing the two banks, English and French, from a checked question pool.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "isedfile.h"

// Positions of the four answers: entry k is the answer shown at position
// k + 1 (0 the correct one, 1..3 the wrong ones in file order). Taken from
// the designation alone, so both languages and every import of the same
// file agree, while the correct answer lands at every position.
std::array<int, 4> importedAnswerOrder(const std::string& designation);

// The bank of one language (0 English, 1 French), line by line: a comment
// naming the source, the header, one lesson per section and the questions.
std::vector<std::string> myComposeBank(const ImportedPool& pool, int language);

// "Questions_<name>_EN.txt" and "Questions_<name>_FR.txt".
std::array<std::string, 2> importedBankNames(const std::string& name);

// Writes both banks into the folder (created when missing), replacing
// earlier ones. Each is written whole under a temporary name first, so a
// failure leaves no half-written bank behind. Reports and returns false on
// failure; paths receives the two files written.
bool myWriteImportedBanks(const ImportedPool& pool, const std::string& folder, const std::string& name,
                          std::array<std::string, 2>& paths);

// The whole import: read and check the file, then write both banks.
bool myImportQuestionBank(const std::string& path, const std::string& folder, const std::string& name,
                          std::array<std::string, 2>& paths);
