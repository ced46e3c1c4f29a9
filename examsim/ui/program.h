// The exam simulator's main object: one of each table it keeps for the
// whole run, and the start-up choices the window reads.
#pragma once

#include <filesystem>
#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examsession.h"
#include "examsim/ui/commandline.h"

struct ProgramState {
    BankModel Bank;
    BankShelf Shelf;
    ExamSession Session;
    CommandLine Switches;  // layout, dump utility, font request, tooltip reports
    std::filesystem::path ProgramFolder;
};
