// The exam simulator's main object: one of each table it keeps for the
// whole run, and the start-up choices the window reads.
#pragma once

#include <filesystem>
#include <string>

#include "bankmodel.h"
#include "commandline.h"
#include "examsession.h"

struct ProgramState {
    BankModel Bank;
    BankShelf Shelf;
    ExamSession Session;
    CommandLine Switches;  // layout, dump utility, font request, tooltip reports
    std::filesystem::path ProgramFolder;
};
