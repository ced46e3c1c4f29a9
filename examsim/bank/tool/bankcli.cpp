#include "bankcli.h"

#include "bankdump.h"
#include "bankports.h"
#include "consoleports.h"
#include "bankreader.h"
#include "errorbox.h"
#include "importcli.h"
#include "text.h"
#include "uicontext.h"

namespace {

const char* const Usage =
    "usage: ulvorane-bank [--lang fr] check FILE\n"
    "       ulvorane-bank [--lang fr] dump FILE CHOICE    (CHOICE 1, 2, 2B, 3, 4 or 5; writes Temp.txt beside FILE)\n"
    "       ulvorane-bank [--lang fr] import FILE [--out FOLDER] [--name NAME]\n";


}  // namespace

int runBankTool(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> rest;
    int language = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) {
            language = lowerCase(args[++i]) == "fr" ? 1 : 0;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (!rest.empty() && rest[0] == "import") return runImportTool(rest, language, out, err);
    const bool check = rest.size() == 2 && rest[0] == "check";
    const bool dump = rest.size() == 3 && rest[0] == "dump";
    if (!check && !dump) {
        std::fputs(Usage, err);
        return 2;
    }
    rest[1] = latin1(rest[1]);  // the bank core takes paths as Latin-1 texts

    ConsolePorts console(language, err);
    if (check) {
        bankPorts().informationBox = [out](const std::string&, const std::string& text) { printBoxText(out, text); };
        bankPorts().plainBox = [out](const std::string& text) {
            std::fputc('\n', out);
            printBoxText(out, text);
        };
    }

    int code = 1;
    BankModel model;
    std::string unused;
    if (myReadQuestionBank(model, rest[1], FullRead, unused)) {
        if (check) {
            code = 0;
        } else if (upperCase(rest[2]) == "6") {
            printBoxText(err, inLanguage("Choice 6 writes the program's help texts: use the Tools menu of Ulvorane.",
                                  latin1("Le choix 6 écrit les textes d'aide du programme: utilisez le menu Outils d'Ulvorane.")));
        } else if (myDumpBank(model, myGetPathPart(rest[1], "P"), rest[2], "", "")) {
            printBoxText(out, myGetPathPart(rest[1], "P") + "Temp.txt");
            code = 0;
        } else if (errorBoxPort().systemBox) {
            // myDumpBank reports file failures itself; an unknown choice is silent there.
            const std::string choice = upperCase(rest[2]);
            if (choice != "1" && choice != "2" && choice != "2B" && choice != "3" && choice != "4" && choice != "5")
                printBoxText(err, dumpPrompt());
        }
    }

    return code;
}
