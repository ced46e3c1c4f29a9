// Folders whose names Latin-1 cannot hold (a Polish, Russian or Japanese user
// name, "Œuvres"): every file of both programs is found, read and written
// there, and a message naming the folder shows "?" for those characters.
#include <gtest/gtest.h>

#include <filesystem>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/bank/bankdump.h"
#include "examsim/bank/bankreader.h"
#include "examsim/session/examsession.h"
#include "examsim/session/historylog.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "puzzle/diagram/diagramfile.h"
#include "toolkit/paths.h"
#include "toolkit/platformnames.h"
#include "toolkit/programfolder.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace fs = std::filesystem;

namespace {

struct FolderName {
    const char* script;
    const char* name;  // UTF-8, as the file system holds it
};

const FolderName kNames[] = {
    {"Polish", "\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82w"},                           // Łukasz Żółw
    {"Cyrillic", "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B"},  // Документы
    {"Japanese", "\xE5\xB1\xB1\xE7\x94\xB0\xE3\x81\xAE\xE6\x9B\xB8\xE9\xA1\x9E"},      // 山田の書類
    {"Ligature", "\xC5\x92uvres"},                                                    // Œuvres
};

void PrintTo(const FolderName& folder, std::ostream* os) { *os << folder.script; }

std::string copyOfSample(const char* name) {
    std::string bytes;
    int error = 0;
    readFileBytes(fs::path(SAMPLES_DIR) / name, bytes, error);
    return bytes;
}

class FolderNames : public ::testing::TestWithParam<FolderName> {
protected:
    FolderNames() {
        folder = fs::path(dir.path()) / pathFromBytes(GetParam().name) / "ulvorane";
        fs::create_directories(folder);
    }

    // The file's bytes, "" when it is not there.
    static std::string bytesOf(const fs::path& path) {
        std::string bytes;
        int error = 0;
        readFileBytes(path, bytes, error);
        return bytes;
    }

    TempFolder dir;
    fs::path folder;
    ErrorRecorder errors;
};

TEST_P(FolderNames, ShownWithAQuestionMarkForEachCharacterLatin1CannotHold) {
    const std::string shown = displayPath(folder);
    EXPECT_EQ(shown.find(GetParam().name), std::string::npos);
    EXPECT_NE(shown.find('?'), std::string::npos);
    EXPECT_EQ(shown, dir.path() + Slash + latin1(GetParam().name) + Slash + "ulvorane");
}

TEST_P(FolderNames, BanksAreFoundAndRead) {
    TempFolder::writeFile(pathBytes(folder / "Questions_Basic-English.txt"), copyOfSample("Questions_Basic-English.txt"));
    // A bank named in the folder's script as well: listed under a "?" label, still read.
    const fs::path ownName = folder / pathFromBytes(std::string("Questions_") + GetParam().name + ".txt");
    TempFolder::writeFile(pathBytes(ownName), copyOfSample("Questions_Q-Signals-ABCD.txt"));

    BankShelf shelf;
    ASSERT_TRUE(myDiscoverBanks(shelf, folder)) << errors.lastText();
    ASSERT_EQ(shelf.BankCount, 2);
    EXPECT_EQ(shelf.BankList[1].FullPath, folder / "Questions_Basic-English.txt");
    EXPECT_EQ(shelf.BankList[2].FullPath, ownName);
    EXPECT_EQ(trimSpaces(shelf.BankList[2].Label), latin1(GetParam().name));
    for (int b = 1; b <= 2; ++b) {
        BankModel model;
        shelf.SelectedBank = 0;
        shelf.LoadedBank = 0;
        EXPECT_EQ(myChooseBank(model, shelf, shelf.BankList[b].Label), BankChoice::Loaded) << errors.lastText();
        EXPECT_GT(model.QuestionCount, 0);
    }
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
}

TEST_P(FolderNames, TheDumpWritesTempTxtThere) {
    const fs::path bank = folder / "Questions_Basic-English.txt";
    TempFolder::writeFile(pathBytes(bank), copyOfSample("Questions_Basic-English.txt"));
    BankModel model;
    std::string unused;
    ASSERT_EQ(myReadQuestionBank(model, bank, FullRead, unused), 1) << errors.lastText();
    ASSERT_TRUE(myDumpBank(model, folder, "4", "", ""));
    EXPECT_NE(bytesOf(folder / "Temp.txt").find("B-001-001-001"), std::string::npos);
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
}

TEST_P(FolderNames, TheLogAndTheReportAreWrittenThereAndReadBack) {
    EXPECT_EQ(myObtainLoggingLocation(folder, nullptr), folder / LogFileName);
    ASSERT_TRUE(fs::exists(folder / LogFileName));

    BankModel bank;
    fillBank(bank, {{"B-001-001-001", '2', 0}, {"B-001-002-001", '3', 0}, {"B-002-001-001", '1', 0}}, {});
    RecordingView view;
    ManualClock clock;
    ExamSession session;
    attachSession(session, folder, view, clock);
    ASSERT_TRUE(myLaunchExam(session, bank));
    for (int answer : {2, 3, 4}) {
        clock.advanceSeconds(30);
        myAnswerChosen(session, bank, answer);
        myNavigate(session, bank, Navigation::Next);
    }
    ASSERT_EQ(session.Exam.ExamStage, StageOver);
    myWaitForLogging(session, bank);
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();

    EXPECT_EQ(bytesOf(folder / LogFileName).rfind("~ Basic Test Bank ~", 0), 0u);
    const fs::path report = folder / "Missed_2014-04-25_h14-m30.txt";
    EXPECT_NE(bytesOf(report).find("B-002-001-001"), std::string::npos);
    // The mark message names the folder in Latin-1, "?" where it must.
    ASSERT_EQ(view.informed.size(), 1u);
    EXPECT_NE(view.informed[0].second.find(displayPath(folder) + "/"), std::string::npos);

    HistoryCatalogue catalogue;
    catalogue.Titles = session.Catalogue.Titles;
    HistorySettings settings;
    std::string last;
    EXPECT_EQ(myReadHistoryFile(folder / LogFileName, 0, 0, "", last, catalogue, settings, nullptr), -1);
    EXPECT_EQ(catalogue.Columns[1].Count, 1);
    EXPECT_EQ(trimSpaces(last), "Basic Test Bank");
}

TEST_P(FolderNames, AFailureNamesTheFolderWithQuestionMarks) {
    const fs::path missing = folder / "gone" / LogFileName;
    HistoryCatalogue catalogue;
    HistorySettings settings;
    std::string last;
    TempFolder::writeFile(pathBytes(folder / "gone"), "a file where a folder should be");
    EXPECT_EQ(myReadHistoryFile(missing, 0, 0, "", last, catalogue, settings, nullptr), 0);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_NE(errors.boxes[0].text.find(displayPath(missing)), std::string::npos) << errors.lastText();
}

TEST_P(FolderNames, DiagramFilesAreFoundAndRead) {
    TempFolder::writeFile(pathBytes(folder / "Diagrams_Basic-English.txt"), copyOfSample("Diagrams_Basic-English.txt"));
    PuzzleFiles files;
    files.ProgramFolder = folder;
    ASSERT_TRUE(findDiagramFiles(files));
    ASSERT_EQ(files.DiagramFileCount, 1);
    EXPECT_EQ(files.Files[1].Path, folder / "Diagrams_Basic-English.txt");
    DiagramTables tables;
    std::string widest;
    EXPECT_TRUE(readDiagramFile(files.Files[1].Path, "", tables, widest)) << errors.lastText();
    EXPECT_GT(tables.DiagramCount, 0);
}

// The user's home folder itself in such a script: the data folder is made
// and seeded there; /P= takes such a folder as it is.
TEST_P(FolderNames, TheProgramFolderMayBeNamedInAnyScript) {
    const fs::path home = fs::path(dir.path()) / pathFromBytes(GetParam().name) / "home";
    fs::create_directories(home);
    ProgramFolderInput in;
    in.ExecutableFolder = fs::path(dir.path()) / "bin";
    in.InstalledSamples = SAMPLES_DIR;
    in.Home = home;
    in.DataFolderName = "ulvorane";
    in.FilePattern = BankFilePattern;
    in.LogName = LogFileName;
    const ProgramFolderChoice installed = myDecideProgramFolder(in);
    EXPECT_EQ(installed.Problem, FolderProblem::None) << programFolderMessage(installed);
    EXPECT_EQ(installed.Folder, home / ".local/share/ulvorane");
    EXPECT_EQ(installed.Copied.size(), 3u);

    in.NamedFolder = folder;
    const ProgramFolderChoice named = myDecideProgramFolder(in);
    EXPECT_EQ(named.Rule, FolderRule::Named);
    EXPECT_EQ(named.Problem, FolderProblem::None);
    EXPECT_EQ(named.Folder, folder);

    in.NamedFolder = folder / "missing";
    const ProgramFolderChoice refused = myDecideProgramFolder(in);
    EXPECT_EQ(refused.Problem, FolderProblem::NamedUnreadable);
    EXPECT_NE(programFolderMessage(refused).find(displayPath(folder / "missing")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Scripts, FolderNames, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return std::string(info.param.script); });

}  // namespace
