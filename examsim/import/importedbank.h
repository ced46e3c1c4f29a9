// Writing the two banks, English and French, from a checked question pool.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "examsim/import/bankpair.h"
#include "examsim/import/isedfile.h"

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

// Both banks as the bytes of their files (Latin-1, CR LF).
std::array<std::string, 2> myComposeBankFiles(const ImportedPool& pool);

// The two files of a bank name in a folder.
std::array<std::filesystem::path, 2> importedBankPaths(const std::filesystem::path& folder, const std::string& name);

// What each of the two files holds now, against the bytes it would get.
enum class BankOnDisk { Missing, Same, Different };
std::array<BankOnDisk, 2> compareWithDisk(const std::array<std::filesystem::path, 2>& paths,
                                          const std::array<std::string, 2>& files);

// Writes the files as the banks of name into the folder (created when
// missing), both or neither, replacing earlier ones (bankpair.h); a bank
// already holding its bytes is not touched. Reports and returns false on
// failure. hook: the test seam that hears each step.
bool myWriteBankFiles(const std::filesystem::path& folder, const std::string& name,
                      const std::array<std::string, 2>& files, const PairStepHook& hook = {});

// The same from a pool; paths receives the two files.
bool myWriteImportedBanks(const ImportedPool& pool, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths);

// The whole import: read and check the file, then write both banks.
bool myImportQuestionBank(const std::filesystem::path& path, const std::filesystem::path& folder, const std::string& name,
                          std::array<std::filesystem::path, 2>& paths);
