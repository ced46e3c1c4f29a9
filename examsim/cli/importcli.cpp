#include "examsim/cli/importcli.h"

#include <cctype>

#include "examsim/bank/bankports.h"
#include "examsim/bank/bankreader.h"
#include "examsim/cli/consoleports.h"
#include "examsim/import/poolimport.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {


// The name becomes part of two file names in the program's folder.
bool validName(const std::string& name) {
    if (name.empty() || name[0] == '.') return false;
    for (unsigned char c : name)
        if (!std::isalnum(c) && c != '-' && c != '_' && c != '.') return false;
    return true;
}

struct ImportArgs {
    std::string file, folder = ".", name;
};

bool parseArgs(const std::vector<std::string>& args, ImportArgs& parsed) {
    bool haveFile = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if ((arg == "--out" || arg == "--name") && i + 1 < args.size()) {
            (arg == "--out" ? parsed.folder : parsed.name) = args[++i];
        } else if (arg.rfind("--", 0) == 0 || haveFile) {
            return false;
        } else {
            parsed.file = arg;
            haveFile = true;
        }
    }
    return haveFile && !parsed.folder.empty();
}

// Reads a written bank back with the simulator's own reader: what it
// accepts is what the program will show.
bool readBack(const std::filesystem::path& path, std::FILE* out) {
    BankModel model;
    std::string unused;
    // The import writes to the names it was given; the bank core takes Latin-1 texts.
    if (!myReadQuestionBank(model, path, FullRead, unused)) return false;
    printBoxText(out, fillMask(inLanguage("&: \"&\", & questions in & topics, & lessons",
                                   latin1("& : « & », & questions dans & sujets, & leçons")),
                        {displayPath(path), model.CurrentBankTitle, model.QuestionCount, model.TopicCount, model.LessonCount}));
    return true;
}

}  // namespace

int runImportTool(const std::vector<std::string>& args, int language, std::FILE* out, std::FILE* err) {
    ImportArgs parsed;
    if (!parseArgs(args, parsed)) {
        std::fputs(ImportUsage, err);
        return 2;
    }

    ConsolePorts console(language, err);

    int code = 1;
    if (!parsed.name.empty() && !validName(parsed.name)) {
        printBoxText(err, fillMask(inLanguage("ulvorane-bank import, NAME & may hold only letters, digits, -, __ and .",
                                       latin1("ulvorane-bank import, le NOM & ne peut contenir que lettres, "
                                              "chiffres, -, __ et .")),
                            {latin1(parsed.name)}));
    } else {
        // Written or already there, the banks are read back either way.
        const ImportOutcome outcome = myImportOfficialBank(pathFromBytes(parsed.file), pathFromBytes(parsed.folder), parsed.name, ImportPorts{});
        if (outcome.Result != ImportResult::Failed && readBack(outcome.Paths[0], out) &&
            readBack(outcome.Paths[1], out))
            code = 0;
    }

    return code;
}
