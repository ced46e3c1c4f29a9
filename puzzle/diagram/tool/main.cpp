// ostrilon-diagrams: checks diagram files for their authors.
//   ostrilon-diagrams check FILE [--lang fr]
#include <cstdio>
#include <string>

#include "diagramcheck.h"
#include "errorbox.h"
#include "text.h"
#include "uicontext.h"

int main(int argc, char** argv) {
    uiContext().ProgramName = "Ostrilon";
    std::string file;
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
            file = latin1(arg);  // the program's texts, paths included, are Latin-1
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
    std::fputs(toUtf8(replaceAll(listing, CRLF, "\n")).c_str(), stdout);
    return result;
}
