#include "progresscli.h"

#include "bankreader.h"
#include "consoleports.h"
#include "historylog.h"
#include "progressfigures.h"
#include "progressreport.h"
#include "text.h"

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
    // The cores take paths as Latin-1 texts.
    bankPath = latin1(bankPath);
    logPath = logGiven ? latin1(logPath) : myGetPathPart(bankPath, "P") + LogFileName;

    ConsolePorts console(language, err);
    BankModel bank;
    std::string unused;
    if (!myReadQuestionBank(bank, bankPath, FullRead, unused)) return 1;
    ProgressFigures figures;
    if (!myReadProgress(logPath, bank, figures)) return 1;
    for (const std::string& line : myProgressReport(figures, logPath, language)) printBoxText(out, line);
    return 0;
}
