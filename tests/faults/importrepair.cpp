// Test tool for the import's kill loop: does what the window does first at
// its start, the repair of every interrupted bank replacement in a folder.
// Usage: import-repair FOLDER; exit 0 when nothing was left to report.
#include <cstdio>

#include "examsim/import/bankpair.h"
#include "toolkit/errorbox.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: import-repair FOLDER\n", stderr);
        return 2;
    }
    errorBoxPort().windowBox = nullptr;
    errorBoxPort().systemBox = [](const std::string& title, const std::string& text) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    };
    return myRecoverInterruptedImports(argv[1]) ? 0 : 1;
}
