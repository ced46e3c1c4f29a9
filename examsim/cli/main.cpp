// ulvorane-bank: the bank checks of the exam simulator, for bank authors
// working from a terminal.
//   ulvorane-bank [--lang fr] check FILE
//   ulvorane-bank [--lang fr] dump FILE CHOICE
//   ulvorane-bank [--lang fr] import FILE [--out FOLDER] [--name NAME]
//   ulvorane-bank [--lang fr] progress BANK [--log LOG]
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "examsim/cli/bankcli.h"
#include "toolkit/platformnames.h"

int main(int argc, char** argv) {
    // Windows hands argv over in its ANSI code page: the wide command line
    // keeps a folder named in any script whole.
    const std::vector<std::string> args = programArguments(argc, argv);
    return runBankTool(args, stdout, stderr);
}
