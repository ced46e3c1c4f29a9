// ostrilon-diagrams: checks diagram files for their authors.
//   ostrilon-diagrams check FILE [--lang fr]
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "puzzle/diagram/tool/diagramcheck.h"
#include "toolkit/commandanswer.h"
#include "toolkit/errorbox.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

const char* const Help[2] = {
    "Usage: ostrilon-diagrams check FILE [--lang en|fr]\n"
    "Checks a diagram file of Ostrilon (Diagrams*.txt) without starting the puzzle.\n"
    "\n"
    "  check FILE      lists every diagram of FILE with its grid and tiles, marks errors\n"
    "                  (!) and warnings (?), or prints the message the puzzle would show\n"
    "  --lang en|fr    listing and messages in English (default) or French\n"
    "  -h, --help      shows this help and exits\n"
    "  --version       shows the version and exits\n"
    "\n"
    "Exit status: 0 the puzzle can use the file, 1 it cannot, 2 bad usage.\n",
    "Usage : ostrilon-diagrams check FICHIER [--lang en|fr]\n"
    "Vérifie un fichier de schémas d'Ostrilon (Diagrams*.txt) sans lancer le casse-tête.\n"
    "\n"
    "  check FICHIER   énumère chaque schéma de FICHIER avec sa grille et ses tuiles,\n"
    "                  marque les erreurs (!) et les avertissements (?), ou affiche le\n"
    "                  message que le casse-tête montrerait\n"
    "  --lang en|fr    liste et messages en anglais (par défaut) ou en français\n"
    "  -h, --help      affiche cette aide et quitte\n"
    "  --version       affiche la version et quitte\n"
    "\n"
    "Code de sortie : 0 le casse-tête peut utiliser le fichier, 1 il ne le peut pas,\n"
    "2 mauvais usage.\n",
};

}  // namespace

int main(int argc, char** argv) {
    uiContext().ProgramName = "Ostrilon";
    const std::vector<std::string> args(argv + 1, argv + argc);
    int helpLanguage = 0;
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--lang" && args[i + 1] == "fr") helpLanguage = 1;
    if (const int code = answerStandardRequest(args, "ostrilon-diagrams", latin1(Help[helpLanguage]), stdout);
        code >= 0)
        return code;
    std::filesystem::path file;
    bool check = false, usage = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "check" && !check) {
            check = true;
        } else if (arg == "--lang" && i + 1 < argc) {
            const std::string lang = argv[++i];
            if (lang == "fr")
                uiContext().InterfaceLanguage = 1;
            else if (lang == "en")
                uiContext().InterfaceLanguage = 0;
            else
                usage = true;
        } else if (check && file.empty() && arg.rfind("--", 0) != 0) {
            file = arg;  // kept as the system named it; the listing shows it in Latin-1
        } else {
            usage = true;
        }
    }
    if (usage || !check || file.empty()) {
        std::fprintf(stderr, "usage: ostrilon-diagrams check FILE [--lang en|fr]\n");
        return 2;
    }
    errorBoxPort().systemBox = [](const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s\n%s\n", toUtf8(title).c_str(),
                     toUtf8(replaceAll(text, CRLF, "\n")).c_str());
    };
    std::string listing;
    const int result = checkDiagramFile(file, listing);
    // Line by line: the listing of a long file is many times its size.
    for (size_t at = 0; at < listing.size();) {
        size_t end = listing.find(CRLF, at);
        if (end == std::string::npos) end = listing.size();
        std::fputs(toUtf8(std::string_view(listing).substr(at, end - at)).c_str(), stdout);
        if (end < listing.size()) std::fputc('\n', stdout);
        at = end + 2;
    }
    return result;
}
