// Prints how the chance of passing fares against simulated candidates whose
// knowledge is known: the mean error, the error after a single exam and the
// calibration table by tenths of the predicted chance, beside the former
// figure's. More candidates than the test takes.
//
//   pass_calibration [candidates [seed [most sessions [bank]]]]
//
// The bank defaults to the Basic sample; the official pool imported with
// `ulvorane-bank import` is the one candidates meet.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/tests/simulatedcandidates.h"

int main(int argc, char** argv) {
    const int candidates = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const int sessions = argc > 3 ? std::atoi(argv[3]) : 10;
    BankModel bank;
    std::string unused;
    const std::string path = argc > 4 ? argv[4] : std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt";
    if (!myReadQuestionBank(bank, path, FullRead, unused))
        return 1;
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (const std::string& line : simulationReport(simulateCandidates(bank, candidates, seed, folder, sessions)))
        std::puts(line.c_str());
    return 0;
}
