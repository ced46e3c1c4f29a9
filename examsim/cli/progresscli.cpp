#include "examsim/cli/progresscli.h"

#include <cerrno>
#include <cstdio>

#include "examsim/bank/bankreader.h"
#include "examsim/cli/consoleports.h"
#include "examsim/progress/progressfigures.h"
#include "examsim/progress/progressreport.h"
#include "examsim/session/historylog.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"

int runProgressTool(const std::vector<std::string>& args, int language, std::FILE* out, std::FILE* err) {
    std::string bankPath, logPath;
    bool logGiven = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--log" && i + 1 < args.size() && !logGiven) {
            logPath = args[++i];
            logGiven = true;
        } else if (args[i].rfind("--", 0) == 0 || !bankPath.empty() || args[i].empty()) {
            bankPath.clear();
            break;
        } else {
            bankPath = args[i];
        }
    }
    if (bankPath.empty() || (logGiven && logPath.empty())) {
        std::fputs(ProgressUsage, err);
        return 2;
    }
    // Both stay in the file system's form; the report shows them in Latin-1.
    const std::filesystem::path bank = pathFromBytes(bankPath);
    const std::filesystem::path log = logGiven ? pathFromBytes(logPath) : bank.parent_path() / LogFileName;

    ConsolePorts console(language, err);
    BankModel model;
    std::string unused;
    if (!myReadQuestionBank(model, bank, FullRead, unused)) return 1;
    if (refuseEmptyBank(model.QuestionCount, err)) return 1;
    // The log beside the bank is missing until a first exam; one named
    // outright that is not there is a mistyped name, not an empty history.
    if (logGiven) {
        // Under the readers' own rules: a folder, a FIFO or a device named
        // there is refused with its reason, never waited on.
        LineReader named;
        if (!named.open(log, LineFileLimit)) {
            const std::string text =
                inLanguage("ulvorane-bank progress, cannot open the log & err=& &",
                           "ulvorane-bank progress, ne peut ouvrir le journal & err=& &");
            printBoxText(err, fillMask(text, {displayPath(log), named.error(), named.failureText()}));
            return 1;
        }
    }
    ProgressFigures figures;
    if (!myReadProgress(log, model, figures)) return 1;
    for (const std::string& line : myProgressReport(figures, log, language)) printBoxText(out, line);
    return 0;
}
