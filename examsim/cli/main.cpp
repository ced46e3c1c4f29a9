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

#include "bankcli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return runBankTool(args, stdout, stderr);
}
