// The import of an official pool as the window and the command both run it:
// read the department's file (or its ZIP archive), compose both banks, and
// write them into the program folder unless they are there already. A bank
// of the same name holding other questions is replaced only when the
// replace question says yes.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "examsim/import/bankpair.h"

struct ImportPorts {
    // Yes/no before other content is replaced; unset: replace (the command,
    // whose user named the folder and the name outright).
    std::function<bool(const std::string& title, const std::string& text)> askReplace;
    // Hears each step of the banks' replacement (bankpair.h): the seam where
    // tests stop an import as a crash would. Unset in the programs.
    PairStepHook reachedStep;
};

enum class ImportResult {
    Failed,     // reported through the error box; nothing written
    Declined,   // the user kept the banks there; nothing written
    Unchanged,  // both banks hold these questions already; nothing written
    Written,
};

struct ImportOutcome {
    ImportResult Result = ImportResult::Failed;
    char Qualification = 0;
    std::string Edition;
    int QuestionCount = 0;
    std::string SourceName;             // file chosen, Latin-1
    std::array<std::filesystem::path, 2> Paths;  // English and French banks
};

// name: the bank files' name part, empty for the qualification's own
// ("Basic", "Advanced").
ImportOutcome myImportOfficialBank(const std::filesystem::path& source, const std::filesystem::path& folder, const std::string& name,
                                   const ImportPorts& ports);

// The one message telling what an import did (Written or Unchanged), in the
// interface language.
std::string importSummary(const ImportOutcome& outcome);
// Title of the import's boxes: "Ulvorane - Import".
std::string importBoxTitle();
