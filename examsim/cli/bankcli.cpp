#include "examsim/cli/bankcli.h"

#include "examsim/bank/bankdump.h"
#include "examsim/bank/bankports.h"
#include "examsim/bank/bankreader.h"
#include "examsim/cli/consoleports.h"
#include "examsim/cli/importcli.h"
#include "examsim/cli/progresscli.h"
#include "toolkit/commandanswer.h"
#include "toolkit/errorbox.h"
#include "toolkit/paths.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

const char* const Usage =
    "usage: ulvorane-bank [--lang fr] check FILE\n"
    "       ulvorane-bank [--lang fr] dump FILE CHOICE    (CHOICE 1, 2, 2B, 3, 4 or 5; writes Temp.txt beside FILE)\n"
    "       ulvorane-bank [--lang fr] import FILE [--out FOLDER] [--name NAME]\n"
    "       ulvorane-bank [--lang fr] progress BANK [--log LOG]\n";

const char* const Help[2] = {
    "Usage: ulvorane-bank [--lang fr] check FILE\n"
    "       ulvorane-bank [--lang fr] dump FILE CHOICE\n"
    "       ulvorane-bank [--lang fr] import FILE [--out FOLDER] [--name NAME]\n"
    "       ulvorane-bank [--lang fr] progress BANK [--log LOG]\n"
    "Checks, dumps and makes question banks of Ulvorane without starting the program.\n"
    "\n"
    "  check FILE         reads the bank FILE as Ulvorane does and prints its figures,\n"
    "                     or the first error as the program would show it\n"
    "  dump FILE CHOICE   writes Temp.txt beside FILE, as the program's dump utility\n"
    "                     does for CHOICE 1, 2, 2B, 3, 4 or 5\n"
    "  import FILE        makes Questions_NAME_EN.txt and Questions_NAME_FR.txt from the\n"
    "                     department's delimited question file or its zip archive\n"
    "  --out FOLDER       where import writes the banks (default: the current folder)\n"
    "  --name NAME        the NAME in the banks' file names (letters, digits, - _ .)\n"
    "  progress BANK      prints the marks, the weakest lessons and topics and the chance\n"
    "                     of passing now, from the history log of the exams of BANK\n"
    "  --log LOG          the history log (default: Ulvorane_Log.txt beside BANK)\n"
    "  --lang fr          messages in French\n"
    "  -h, --help         shows this help and exits\n"
    "  --version          shows the version and exits\n"
    "\n"
    "Exit status: 0 done, 1 the file could not be used, 2 bad usage.\n",
    "Usage : ulvorane-bank [--lang fr] check FICHIER\n"
    "        ulvorane-bank [--lang fr] dump FICHIER CHOIX\n"
    "        ulvorane-bank [--lang fr] import FICHIER [--out DOSSIER] [--name NOM]\n"
    "        ulvorane-bank [--lang fr] progress BANQUE [--log JOURNAL]\n"
    "Vérifie, décrit et crée les banques de questions d'Ulvorane sans lancer le programme.\n"
    "\n"
    "  check FICHIER        lit la banque FICHIER comme Ulvorane et en affiche les chiffres,\n"
    "                       ou la première erreur telle que le programme la montrerait\n"
    "  dump FICHIER CHOIX   écrit Temp.txt à côté de FICHIER, comme l'utilitaire de\n"
    "                       vidage du programme pour le CHOIX 1, 2, 2B, 3, 4 ou 5\n"
    "  import FICHIER       crée Questions_NOM_EN.txt et Questions_NOM_FR.txt à partir\n"
    "                       du fichier délimité de questions du ministère ou de son zip\n"
    "  --out DOSSIER        où import écrit les banques (par défaut : le dossier courant)\n"
    "  --name NOM           le NOM dans les noms des banques (lettres, chiffres, - _ .)\n"
    "  progress BANQUE      affiche les notes, les leçons et sujets les plus faibles et la\n"
    "                       chance de réussir maintenant, d'après le journal des examens\n"
    "  --log JOURNAL        le journal (par défaut : Ulvorane_Log.txt à côté de BANQUE)\n"
    "  --lang fr            messages en français\n"
    "  -h, --help           affiche cette aide et quitte\n"
    "  --version            affiche la version et quitte\n"
    "\n"
    "Code de sortie : 0 fait, 1 le fichier n'a pas pu servir, 2 mauvais usage.\n",
};


}  // namespace

int runBankTool(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> rest;
    int language = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) {
            const std::string lang = lowerCase(args[++i]);
            if (lang != "en" && lang != "fr") {
                std::fputs(Usage, err);
                return 2;
            }
            language = lang == "fr" ? 1 : 0;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (const int code = answerStandardRequest(rest, "ulvorane-bank", latin1(Help[language]), out); code >= 0)
        return code;
    if (!rest.empty() && rest[0] == "import") return runImportTool(rest, language, out, err);
    if (!rest.empty() && rest[0] == "progress") return runProgressTool(rest, language, out, err);
    const bool check = rest.size() == 2 && rest[0] == "check";
    const bool dump = rest.size() == 3 && rest[0] == "dump";
    if (!check && !dump) {
        std::fputs(Usage, err);
        return 2;
    }
    // The file named stays in the file system's form; only what is printed is Latin-1.
    // A bare file name is in the current folder: say so where the folder is shown.
    std::filesystem::path bank = pathFromBytes(rest[1]);
    if (!bank.has_parent_path()) bank = std::filesystem::path(".") / bank;

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
    if (myReadQuestionBank(model, bank, FullRead, unused)) {
        if (check) {
            if (!refuseEmptyBank(model.QuestionCount, err)) code = 0;
        } else if (upperCase(rest[2]) == "6") {
            printBoxText(err, inLanguage("Choice 6 writes the program's help texts: use the Tools menu of Ulvorane.",
                                  latin1("Le choix 6 écrit les textes d'aide du programme: utilisez le menu Outils d'Ulvorane.")));
        } else if (myDumpBank(model, bank.parent_path(), rest[2], "", "")) {
            printBoxText(out, displayPath(bank.parent_path() / "Temp.txt"));
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
