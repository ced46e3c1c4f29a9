// The history log and the missed-questions report when the disk says no:
// a program folder nobody may write to, a full device, a file that cannot
// grow. Each case checks what the user is told and that the history
// written before is still whole, in the file and in memory.
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include "examsim/session/examsession.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "tests/faults/unwritablefolder.h"
#include "toolkit/filefinder.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

namespace {

struct LanguageCase {
    int language;
    const char* dialogTitle;
    const char* reportFailure;  // start of the message when the report cannot be created
};

const LanguageCase kLanguages[] = {
    {0, "Confirm or change LOG location", "myLogSession, cannot open "},
    {1, "Confirmer ou changer le dossier du JOURNAL", "myLogSession, ne peut ouvrir "},
};

class LogFaults : public ::testing::TestWithParam<LanguageCase> {
protected:
    LogFaults() : errors(GetParam().language) {
        fillBank(bank, {{"B-001-001-001", '2', 0}, {"B-001-002-001", '3', 0}, {"B-002-001-001", '1', 0}},
                 {});
        attachSession(session, dir.path(), view, clock);
    }

    // One whole exam, "As you go", then what the window does before its next step.
    void takeExam(std::initializer_list<int> answers) {
        ASSERT_TRUE(myLaunchExam(session, bank));
        for (int answer : answers) {
            clock.advanceSeconds(30);
            myAnswerChosen(session, bank, answer);
            myNavigate(session, bank, Navigation::Next);
        }
        ASSERT_EQ(session.Exam.ExamStage, StageOver);
        myWaitForLogging(session, bank);
    }

    std::vector<std::array<int16_t, 2>> stats() {
        std::vector<std::array<int16_t, 2>> all;
        for (int q = 1; q <= bank.QuestionCount; ++q) all.push_back(slotOf(bank, q).Stats);
        return all;
    }

    // Names on disk are UTF-8, as this source is.
    int reportsIn(const std::string& folder) {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(folder)) {
            const std::string name = e.path().filename().string();
            n += name.rfind("Missed_", 0) == 0 || name.rfind("Erronées_", 0) == 0;
        }
        return n;
    }

    TempFolder dir;
    ErrorRecorder errors;
    BankModel bank;
    RecordingView view;
    ManualClock clock;
    ExamSession session;
};

TEST_P(LogFaults, ReadOnlyProgramFolderMovesTheLogWhereTheUserSaysAndKeepsItsHistory) {
    UnwritableFolder folder;
    ASSERT_NE(folder.error(), 0) << "creating a file in " << folder.path() << " worked";
    TempFolder elsewhere;
    takeExam({2, 3, 1});  // an earlier session in the log the user points to
    const std::string earlier = fileBytes(session.LogFilePath);
    ASSERT_FALSE(earlier.empty());
    errors.boxes.clear();

    std::string askedTitle, askedName, askedFolder;
    auto dialog = [&](const std::string& title, const std::string& name, const std::filesystem::path& where,
                      const std::string&, const std::string&, std::filesystem::path& chosen) {
        askedTitle = title, askedName = name, askedFolder = where;
        chosen = session.LogFilePath;
        return true;
    };
    EXPECT_EQ(myObtainLoggingLocation(folder.path(), dialog), session.LogFilePath);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text,
              "myObtainLoggingLocation, err=" + std::to_string(folder.error()) + " " + errorText(folder.error()));
    EXPECT_EQ(askedTitle, latin1(GetParam().dialogTitle));
    EXPECT_EQ(askedName, "Ulvorane_Log.txt");
    EXPECT_EQ(askedFolder, folder.path());
    EXPECT_EQ(fileBytes(session.LogFilePath), earlier);  // only looked at, never cut
}

TEST_P(LogFaults, ReportThatCannotBeCreatedIsReportedAndTheSessionIsStillLogged) {
    UnwritableFolder folder;
    ASSERT_NE(folder.error(), 0) << "creating a file in " << folder.path() << " worked";
    takeExam({2, 3, 1});
    const std::string earlier = fileBytes(session.LogFilePath);
    errors.boxes.clear();

    session.ProgramFolder = folder.path();
    takeExam({1, 3, 1});
    ASSERT_EQ(errors.boxes.size(), 1u);
    const std::string reportPath = folder.path() + "/" + session.Exam.MissedReportName;
    EXPECT_EQ(errors.boxes[0].text, latin1(GetParam().reportFailure) + reportPath + "\r\n err=" +
                                        std::to_string(folder.error()) + " " + errorText(folder.error()));
    // The mark is shown all the same, and the log holds both sessions whole.
    ASSERT_EQ(view.informed.size(), 2u);
    const std::string log = fileBytes(session.LogFilePath);
    ASSERT_EQ(log.substr(0, earlier.size()), earlier);
    const std::string added = log.substr(earlier.size());
    EXPECT_EQ(added.rfind("~ Basic Test Bank ~", 0), 0u) << added;
    EXPECT_EQ(added.size() - added.rfind("\r\n\r\n"), 4u) << added;
    EXPECT_EQ(session.Catalogue.Columns[1].Count, 2);
    int counted = 0;
    for (const auto& s : stats()) counted += s[0] + s[1];
    EXPECT_EQ(counted, 6);  // three answers of each session
}

// The disk has no room left at all: the process's file-size limit, set at
// the log's present size, makes the very first byte fail as a full disk
// does (a full device such as /dev/full is no regular file and is refused
// before any write).
TEST_P(LogFaults, FullDiskIsReportedAndTheHistoryInMemoryStaysAsItWas) {
    takeExam({2, 5, 4});
    const std::string earlier = fileBytes(session.LogFilePath);
    const auto before = stats();
    const CatalogueColumn catalogued = session.Catalogue.Columns[1];
    errors.boxes.clear();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = earlier.size();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    takeExam({2, 3, 1});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "myLogSession, " + pathBytes(session.LogFilePath) + "\r\n err=" +
                                        std::to_string(EFBIG) + " " + errorText(EFBIG));
    EXPECT_EQ(stats(), before);  // a session that was not written does not count
    EXPECT_EQ(session.Catalogue.Columns[1].Count, catalogued.Count);
    EXPECT_EQ(reportsIn(dir.path()), 1);  // no report for it either
    EXPECT_EQ(fileBytes(dir.file("Ulvorane_Log.txt")), earlier);
}

// A classmate puts a FIFO where the log is kept: start-up reads no history
// and asks where to log, the end of an exam refuses it, and none of it
// waits for a writer or a reader that never comes.
TEST_P(LogFaults, FifoAtTheLogsNameIsRefusedWithoutWaiting) {
    const std::string fifo = dir.file("Ulvorane_Log.txt");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string refused = GetParam().language == 0
                                    ? "not a regular file (a FIFO, a device or a folder), refused"
                                    : latin1("pas un fichier ordinaire (FIFO, périphérique ou dossier), refusé");
    // Opened to be read, a FIFO is found out after the open (EINVAL); opened
    // to be written, it says at once that nobody reads it (ENXIO).
    const std::string errorPart = " err=" + std::to_string(EINVAL) + " " + refused;
    const std::string writeErrorPart = " err=" + std::to_string(ENXIO) + " " + refused;

    HistoryCatalogue catalogue;
    catalogue.Titles = session.Catalogue.Titles;
    HistorySettings settings;
    std::string last;
    EXPECT_EQ(myReadHistoryFile(fifo, 0, 0, "", last, catalogue, settings, nullptr), 0);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "myReadHistoryFile, " + fifo + "\r\n" + errorPart);

    bool asked = false;
    auto dialog = [&](const std::string&, const std::string&, const std::filesystem::path&, const std::string&,
                      const std::string&, std::filesystem::path&) { return asked = true, false; };
    EXPECT_EQ(myObtainLoggingLocation(dir.path(), dialog), "Ulvorane_Log.txt");
    ASSERT_EQ(errors.boxes.size(), 2u);
    EXPECT_EQ(errors.boxes[1].text, "myObtainLoggingLocation," + writeErrorPart);
    EXPECT_TRUE(asked);

    errors.boxes.clear();
    takeExam({2, 3, 1});
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "myLogSession, " + fifo + "\r\n" + writeErrorPart);
    for (const auto& s : stats()) EXPECT_EQ(s[0] + s[1], 0);
    EXPECT_EQ(reportsIn(dir.path()), 0);
}

// The disk fills up in the middle of a record: here the file-size limit of
// the process stands in for the full disk, as it stops a real file at a
// chosen size.
TEST_P(LogFaults, LogThatStopsGrowingMidRecordKeepsItsHistoryAndNoTornRecord) {
    takeExam({2, 5, 4});
    const std::string earlier = fileBytes(session.LogFilePath);
    const auto before = stats();

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = earlier.size() + 60;  // room for part of the summary line
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    errors.boxes.clear();
    takeExam({2, 3, 1});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "myLogSession, " + pathBytes(session.LogFilePath) + "\r\n err=" +
                                        std::to_string(EFBIG) + " " + errorText(EFBIG));
    EXPECT_EQ(stats(), before);
    EXPECT_EQ(fileBytes(session.LogFilePath), earlier);

    // Once there is room again, the next session follows the earlier ones
    // and the whole history reads back.
    errors.boxes.clear();
    takeExam({1, 3, 1});
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
    BankModel reread = bank;
    for (int q = 1; q <= reread.QuestionCount; ++q) slotOf(reread, q).Stats = {};
    HistoryCatalogue catalogue;
    catalogue.Titles = session.Catalogue.Titles;
    HistorySettings settings;
    std::string last;
    ASSERT_EQ(myReadHistoryFile(session.LogFilePath, 0, 0, "", last, catalogue, settings, nullptr), -1);
    EXPECT_EQ(catalogue.Columns[1].Count, 2);
    ASSERT_EQ(myReadBankHistory(session.LogFilePath, catalogue, 1, reread), -1);
    for (int q = 1; q <= bank.QuestionCount; ++q)
        EXPECT_EQ(slotOf(reread, q).Stats, slotOf(bank, q).Stats) << "question " << q;
}

INSTANTIATE_TEST_SUITE_P(Languages, LogFaults, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return info.param.language == 0 ? "English" : "French"; });

}  // namespace
