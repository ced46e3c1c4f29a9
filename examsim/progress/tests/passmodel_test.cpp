#include "examsim/progress/passmodel.h"

#include <gtest/gtest.h>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/tests/simulatedcandidates.h"
#include "toolkit/tests/tempfolder.h"

namespace {

// 1000 candidates of the official pool's Basic bank, from one exam to ten
// sessions of exams and drills: the chance shown is held against the exact
// chance of their true knowledge. The former figure, (right + 1) / (tries +
// 2) over the last three tries and one half unseen, was 50 points off.
TEST(PassModel, CalibratedAgainstSimulatedCandidates) {
    BankModel bank;
    std::string unused;
    ASSERT_TRUE(myReadQuestionBank(bank, std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt", FullRead, unused));
    TempFolder dir;
    const SimulationSummary s = simulateCandidates(bank, 1000, 20261209, dir.path());
    for (const std::string& line : simulationReport(s)) std::printf("%s\n", line.c_str());
    EXPECT_LE(s.MeanError, 10.0);
    EXPECT_LE(s.HonoursError, 10.0);
    EXPECT_LE(s.SingleExamError, 17.0);
    for (const CalibrationRow& row : s.Tenths)
        if (row.Candidates >= 8) {
            EXPECT_LE(std::abs(row.Predicted - row.True), 10.0) << row.Predicted;
        }
    // The range says how sure the figure is: the truth mostly within it.
    EXPECT_GE(s.WithinRange, 0.6);
}

}  // namespace
