// The command-line tools for bank authors print on a terminal what the
// program would show in its boxes.
#pragma once

#include <cstdio>
#include <string>

#include "examsim/bank/bankports.h"
#include "toolkit/errorbox.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

// Box texts carry CR LF and Latin-1; a terminal wants LF and UTF-8.
inline void printBoxText(std::FILE* to, const std::string& text) {
    std::fputs((toUtf8(replaceAll(text, "\r\n", "\n")) + "\n").c_str(), to);
}

// A bank the program reads but holds no question: it would have nothing to
// ask, and every tool refuses it with this message. True when refused.
inline bool refuseEmptyBank(int questionCount, std::FILE* err) {
    if (questionCount > 0) return false;
    printBoxText(err, inLanguage("The bank holds no question: the program has nothing to ask.",
                                 latin1("La banque ne contient aucune question : le programme n'a "
                                        "rien à demander.")));
    return true;
}

// While it lives, messages follow the given language, error boxes print to
// `err` and the bank's other boxes stay silent unless the tool sets them;
// what was installed before comes back when it goes.
class ConsolePorts {
public:
    ConsolePorts(int language, std::FILE* err)
        : savedLanguage_(uiContext().InterfaceLanguage), savedErrors_(errorBoxPort()),
          savedPorts_(bankPorts()) {
        uiContext().InterfaceLanguage = language;
        errorBoxPort().windowBox = nullptr;
        errorBoxPort().systemBox = [err](const std::string&, const std::string& text) {
            printBoxText(err, text);
        };
        bankPorts() = BankPorts{};
    }
    ~ConsolePorts() {
        bankPorts() = savedPorts_;
        errorBoxPort() = savedErrors_;
        uiContext().InterfaceLanguage = savedLanguage_;
    }
    ConsolePorts(const ConsolePorts&) = delete;
    ConsolePorts& operator=(const ConsolePorts&) = delete;

private:
    int savedLanguage_;
    ErrorBoxPort savedErrors_;
    BankPorts savedPorts_;
};
