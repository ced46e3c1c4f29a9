// Runs one command of the bank tool and captures what it prints.
#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "examsim/cli/bankcli.h"

struct ToolRun {
    int code;
    std::string out, err;
};

inline ToolRun runTool(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ToolRun r{runBankTool(args, out, err), "", ""};
    for (auto [file, text] : {std::pair{out, &r.out}, std::pair{err, &r.err}}) {
        std::rewind(file);
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) text->append(buf, n);
        std::fclose(file);
    }
    return r;
}
