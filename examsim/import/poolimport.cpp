#include "examsim/import/poolimport.h"

#include <filesystem>

#include "examsim/import/bankpair.h"
#include "examsim/import/importedbank.h"
#include "examsim/import/isedfile.h"
#include "examsim/import/syllabus.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

std::string poolName(const ImportOutcome& outcome) {
    return qualificationName(outcome.Qualification, uiContext().InterfaceLanguage) + " " + outcome.Edition;
}

std::string replaceQuestion(const ImportOutcome& outcome, const std::string& name) {
    return fillMask(inLanguage("The program folder already holds a bank named &, with other questions.&"
                               "Replace it with the & pool imported from &?",
                               latin1("Le dossier du programme contient déjà une banque nommée &, avec "
                                      "d'autres questions.&La remplacer par la banque & importée de & ?")),
                    {name, CRLF, poolName(outcome), outcome.SourceName});
}

}  // namespace

std::string importBoxTitle() { return uiContext().ProgramName + inLanguage(" - Import", " - Importation"); }

ImportOutcome myImportOfficialBank(const std::filesystem::path& source, const std::filesystem::path& folder, const std::string& name,
                                   const ImportPorts& ports) {
    ImportOutcome outcome;
    outcome.SourceName = displayPath(source.filename());
    ImportedPool pool;
    if (!myReadIsedFile(source, pool)) return outcome;
    outcome.Qualification = pool.Qualification;
    outcome.Edition = pool.Edition;
    outcome.QuestionCount = static_cast<int>(pool.Questions.size());
    const std::string bankName = name.empty() ? defaultBankName(pool.Qualification) : name;
    outcome.Paths = importedBankPaths(folder, bankName);

    // What an import killed here before left is repaired first, so that the
    // comparison below sees a whole pair.
    myRecoverInterruptedImports(folder);
    const std::array<std::string, 2> files = myComposeBankFiles(pool);
    const std::array<BankOnDisk, 2> found = compareWithDisk(outcome.Paths, files);
    if (found[0] == BankOnDisk::Same && found[1] == BankOnDisk::Same) {
        outcome.Result = ImportResult::Unchanged;
        return outcome;
    }
    const bool replacing = found[0] == BankOnDisk::Different || found[1] == BankOnDisk::Different;
    if (replacing && ports.askReplace && !ports.askReplace(importBoxTitle(), replaceQuestion(outcome, bankName))) {
        outcome.Result = ImportResult::Declined;
        return outcome;
    }
    outcome.Result = myWriteBankFiles(folder, bankName, files, ports.reachedStep) ? ImportResult::Written : ImportResult::Failed;
    return outcome;
}

std::string importSummary(const ImportOutcome& outcome) {
    // Each bank on a line of its own: two long paths on one line made the
    // message wider than the main window.
    if (outcome.Result == ImportResult::Unchanged)
        return fillMask(
            inLanguage("Question pool already imported, banks unchanged: & (& questions).&"
                       "These banks hold it already; nothing was rewritten:&  &&  &",
                       latin1("Banque déjà importée, banques inchangées : & (& questions).&Ces "
                              "banques la contiennent déjà; rien n'a été réécrit :&  &&  &")),
            {poolName(outcome), outcome.QuestionCount, CRLF, CRLF, displayPath(outcome.Paths[0]), CRLF,
             displayPath(outcome.Paths[1])});
    return fillMask(
        inLanguage("Question pool imported: & (& questions), from &.&Banks written:&  &&  &",
                   latin1("Banque importée : & (& questions), de &.&Banques écrites :&  &&  &")),
        {poolName(outcome), outcome.QuestionCount, outcome.SourceName, CRLF, CRLF,
         displayPath(outcome.Paths[0]), CRLF, displayPath(outcome.Paths[1])});
}
