#include "examsim/session/missedreport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "examsim/session/historylog.h"
#include "examsim/session/logging.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/tempfolder.h"

namespace {

TEST(MissedReport, StampAndNameFromOneMoment) {
    LocalMoment m{2014, 4, 5, 9, 3, 7, 0};
    EXPECT_EQ(mySessionStamp(m), "2014/04/05 09:03");
    EXPECT_EQ(myMissedReportName(m, 0), "Missed_2014-04-05_h09-m03.txt");
    EXPECT_EQ(myMissedReportName(m, 1), latin1("Erronées_2014-04-05_h09-m03.txt"));
}

TEST(MissedReport, NeverNamesAnEarlierReport) {
    TempFolder dir;
    EXPECT_EQ(myUniqueReportName(dir.path(), "Missed_x.txt"), "Missed_x.txt");
    dir.write("Missed_x.txt", "old");
    dir.write("Missed_x_2.txt", "old");
    EXPECT_EQ(myUniqueReportName(dir.path(), "Missed_x.txt"), "Missed_x_3.txt");
}

// Naming a report leaves nothing in the folder: a program killed before it
// writes the report leaves no empty Missed_*.txt behind.
TEST(MissedReport, NamingCreatesNoFile) {
    TempFolder dir;
    ASSERT_EQ(myUniqueReportName(dir.path(), "Missed_x.txt"), "Missed_x.txt");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Two programs sharing a folder end an exam in the same minute: both pick
// their name before either has written its report, and each report still
// keeps a name of its own, whole.
TEST(MissedReport, TwoProgramsInTheSameMinuteKeepBothReports) {
    TempFolder dir;
    LogJob jobs[2];
    for (int k = 0; k < 2; ++k) {
        jobs[k].LogPath = dir.file("Ulvorane_Log.txt");
        jobs[k].SummaryLine = "session " + std::to_string(k);
        jobs[k].ReportBaseName = "Missed_x.txt";
        jobs[k].ReportPath = dir.file(myUniqueReportName(dir.path(), "Missed_x.txt"));
        jobs[k].ReportBytes = "report " + std::to_string(k);
    }
    const LogOutcome first = myLogSession(jobs[0]);
    const LogOutcome second = myLogSession(jobs[1]);
    ASSERT_TRUE(first.ReportWritten && second.ReportWritten);
    EXPECT_EQ(first.ReportPath, dir.file("Missed_x.txt"));
    EXPECT_EQ(second.ReportPath, dir.file("Missed_x_2.txt"));
    EXPECT_EQ(fileBytes(dir.file("Missed_x.txt")), "report 0");
    EXPECT_EQ(fileBytes(dir.file("Missed_x_2.txt")), "report 1");
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) files += entry.exists();
    EXPECT_EQ(files, 3);  // the log and the two reports, no fresh name left over
}

TEST(MissedReport, LessonRowsFallInZonesOfFourteenColumns) {
    BankModel bank;
    fillBank(bank, {{"B-001-001-001", '1', 1}}, {{"ABCD", "Long lesson"}});
    bank.Lessons[1].LessonTally = {1, 1234};
    ExamRecord exam;
    std::string report = myMissedReport(exam, bank, "S", 0);
    // A 4-character code, a 4-digit count and "99.9%" each pad to the next zone.
    EXPECT_EQ(report, "S\r\n\r\n\r\nLesson        Questions     Success       Title\r\n"
                      "ABCD          1235          99.9%         " +
                          fixedWidth("Long lesson", 80) + "\r\n");
}

TEST(MissedReport, ExpectedAndGivenUseTheBankAnswerLetters) {
    BankModel bank;
    fillBank(bank, {{"B-001-001-001", '3', 0}}, {});
    mySetAnswerLabels("A)", bank.AnswerLabels, 5);
    ExamRecord exam;
    exam.ExamSize = 1;
    exam.ExamOrder[1] = 1;
    exam.GivenAnswers = "5" + std::string(124, ' ');
    exam.MarkResults = "3" + std::string(124, ' ');
    std::string report = myMissedReport(exam, bank, "S", 0);
    EXPECT_NE(report.find("\r\n Answer is C,  not E     See     \r\n"), std::string::npos) << report;
}

TEST(HistoryLines, TwentyFiveAndTwentySixQuestions) {
    for (int size : {25, 26}) {
        BankModel bank;
        fillFlatBank(bank, size);
        ExamRecord exam;
        exam.ExamSize = size;
        for (int p = 1; p <= size; ++p) exam.ExamOrder[p] = static_cast<int16_t>(p);
        exam.GivenAnswers = std::string(size, '1') + std::string(125 - size, ' ');
        std::vector<std::string> lines = myQuestionLines(exam, bank);
        ASSERT_EQ(lines.size(), size == 25 ? 1u : 2u);
        for (const std::string& line : lines) EXPECT_EQ(line.size(), 350u);
        EXPECT_EQ(lines[0].find('S'), std::string::npos);
        EXPECT_EQ(lines[0].substr(0, 28), "B-001-001-001bB-002-001-001h");
        if (size == 26) {
            EXPECT_EQ(lines[1], "B-026-001-001h" + times(24, ".............S"));
        }
    }
}

TEST(HistoryLines, ElapsedTimeAcrossMidnight) {
    EXPECT_EQ(myElapsedText(86399 - 60, 61), "00:02:02");
    EXPECT_EQ(myElapsedText(3600, 3600 + 2 * 3600 + 5 * 60 + 9), "02:05:09");
    EXPECT_EQ(myElapsedText(100, 100), "00:00:00");
}

}  // namespace
