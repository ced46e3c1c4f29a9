// Reading the department's delimited question-bank file: a header line, then
// one question per line in 11 fields separated by ";" (id; English question,
// correct answer, three wrong answers; the same five in French). There is no
// quoting: a field may begin with a double quote and is still split at ";".
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "examsim/bank/banktext.h"

inline constexpr int IsedFieldCount = 11;

// The department's pools are under 1 MB, file or archive. A larger source,
// or anything that is not a plain file (a folder, a device, a pipe), is
// refused before it is read: a device may never end.
inline constexpr std::uintmax_t MaxSourceBytes = 8u * 1024u * 1024u;

struct ImportedQuestion {
    std::string Designation;  // B-001-002-003
    int Section = 0;          // 1 in B-001-002-003
    int Line = 0;             // line of the file it came from
    // Per language (0 English, 1 French): [0] the question, [1] the correct
    // answer, [2..4] the wrong ones; Latin-1, trimmed.
    std::array<std::array<std::string, 5>, 2> Text;
};

struct ImportedPool {
    char Qualification = 0;    // 'B' or 'A', from the ids' letter
    std::string Edition;       // such as 2025
    std::string SourceName;    // file name, Latin-1
    TextEncoding Encoding = TextEncoding::Latin1;
    std::vector<ImportedQuestion> Questions;  // sorted by designation
};

// Reads and checks the whole file: the delimited file itself, or the
// department's ZIP archive holding it (see isedarchive.h). Everything the bank model could not hold
// (more than 1050 questions, 100 topics, 15 questions in a topic, 20
// sections) is refused here, so that nothing is written from a wrong file.
// Reports the first fault with its line number and returns false.
bool myReadIsedFile(const std::filesystem::path& path, ImportedPool& pool);

// The same on bytes already read; sourceName names the file in messages.
// origin, when the bytes are an archive's member, says which ("& in &") in
// every message about them.
bool myParseIsedBytes(const std::string& bytes, const std::string& sourceName, ImportedPool& pool,
                      const std::string& origin = "");

// Edition named by the file: the last four-digit year in its name
// (amat_basic_quest_delim2025.txt gives 2025), else the year the file was
// last changed. From an archive: the member's name, the archive's name, the
// member's date in the archive, the archive's date, in that order.
std::string importEdition(const std::filesystem::path& path);
// The last four-digit year (19xx or 20xx) in a name, "" when there is none.
std::string yearInName(const std::string& name);
// The local year of a moment.
std::string yearOf(std::time_t when);
