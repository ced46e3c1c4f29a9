#include "examsim/import/bankpair.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "examsim/import/poolimport.h"
#include "examsim/import/tests/isedkit.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

namespace {

namespace fs = std::filesystem;

const char* const EnglishBank = "Questions_Basic_EN.txt";
const char* const FrenchBank = "Questions_Basic_FR.txt";

// A folder with an edition's pool file in it; the banks go to program/.
class BankPair : public ::testing::Test {
protected:
    std::string pool(const std::string& edition) {
        return dir.write("amat_basic_quest_delim" + edition + ".txt",
                         crlf({IsedHeader, isedRow("B-001-001-001"), isedRow("B-002-001-00" + edition.substr(3))}));
    }
    ImportResult import(const std::string& edition, const PairStepHook& hook = {}) {
        ImportPorts ports;
        ports.reachedStep = hook;
        return myImportOfficialBank(pool(edition), program(), "", ports).Result;
    }
    std::string program() const { return dir.file("program"); }
    std::string bank(const char* name) const { return fileBytes(program() + "/" + name); }
    // The edition both banks come from ("2025"), or what is wrong with the pair.
    std::string pairEdition() const {
        const std::string en = bank(EnglishBank), fr = bank(FrenchBank);
        if (en.size() < 13 || fr.size() < 12) return "missing";
        const std::string edition = en.substr(8, 4);
        if (en.rfind("' Basic " + edition + " English", 0) != 0 || fr.rfind("' Base " + edition + " fran", 0) != 0)
            return "mixed";
        return edition;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(program())) left.push_back(pathBytes(entry.path().filename()));
        std::sort(left.begin(), left.end());
        return left;
    }
    const std::vector<std::string> pairOnly{EnglishBank, FrenchBank};

    ErrorRecorder rec;
    TempFolder dir;
};

// Runs fn in a child process and returns its exit code, -1 when killed.
template <typename Fn>
int inChild(Fn fn) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(fn());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

constexpr int Stopped = 42;

// The import dies at its n-th step; whatever the step, the window's next
// start (or the next import) finds the earlier pair before the journal is
// written and the new pair after it, and nothing else in the folder.
struct CrashCase {
    const char* name;
    bool earlierPair;  // a pair is there before the import
    bool startRepairs; // the window's start repairs, else the next import
};

class CrashedImport : public BankPair, public ::testing::WithParamInterface<CrashCase> {};

TEST_P(CrashedImport, LeavesTheEarlierPairOrTheNewOneAndNothingElse) {
    int stops = 0;
    for (int n = 0;; ++n) {
        fs::remove_all(program());
        if (GetParam().earlierPair) {
            ASSERT_EQ(import("2025"), ImportResult::Written) << rec.lastText();
        }
        bool committed = false;
        const int code = inChild([&] {
            int seen = 0;
            const ImportResult r = import("2026", [&](PairStep step, int) {
                if (seen++ == n) ::_exit(Stopped + (step >= PairStep::JournalWritten ? 1 : 0));
            });
            return r == ImportResult::Written ? 0 : 1;
        });
        if (code == 0) break;
        ASSERT_TRUE(code == Stopped || code == Stopped + 1) << "step " << n << " code " << code;
        committed = code == Stopped + 1;
        ++stops;
        if (GetParam().startRepairs) {
            EXPECT_TRUE(myRecoverInterruptedImports(program())) << rec.lastText();
            if (GetParam().earlierPair || committed)
                EXPECT_EQ(pairEdition(), committed ? "2026" : "2025") << "step " << n;
            else
                EXPECT_TRUE(names().empty()) << "step " << n << " " << names().front();
        } else {
            EXPECT_EQ(import("2027"), ImportResult::Written) << rec.lastText();
            EXPECT_EQ(pairEdition(), "2027") << "step " << n;
        }
        if (GetParam().earlierPair || committed) {
            EXPECT_EQ(names(), pairOnly) << "step " << n;
        }
    }
    // Locked, two new banks, two earlier ones kept, the journal, two
    // renames, the leftovers, the journal removed.
    EXPECT_EQ(stops, GetParam().earlierPair ? 10 : 8);
    EXPECT_TRUE(rec.boxes.empty()) << rec.lastText();
}

INSTANTIATE_TEST_SUITE_P(Steps, CrashedImport,
                         ::testing::Values(CrashCase{"OverAPairRepairedAtStart", true, true},
                                           CrashCase{"OverAPairRepairedByTheNextImport", true, false},
                                           CrashCase{"IntoAnEmptyFolderRepairedAtStart", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A rename that fails once the journal says forward (here the French bank's
// name is taken by a folder meanwhile) turns the pair back: the English bank
// is the earlier one again, even when that too is cut short.
TEST_F(BankPair, AFailedRenameTurnsBackEvenAcrossACrash) {
    for (bool crashWhileTurning : {false, true}) {
        fs::remove_all(program());
        ASSERT_EQ(import("2025"), ImportResult::Written);
        const std::string english = bank(EnglishBank);
        const int code = inChild([&] {
            const ImportResult r = import("2026", [&](PairStep step, int) {
                if (step == PairStep::JournalWritten) {
                    fs::remove(program() + "/" + FrenchBank);
                    fs::create_directories(program() + "/" + FrenchBank + "/kept");
                }
                if (step == PairStep::TurnedBack && crashWhileTurning) ::_exit(Stopped);
            });
            return r == ImportResult::Failed ? 0 : 1;
        });
        EXPECT_EQ(code, crashWhileTurning ? Stopped : 0);
        EXPECT_TRUE(myRecoverInterruptedImports(program()));
        EXPECT_EQ(bank(EnglishBank), english);
        EXPECT_EQ(names(), pairOnly);
    }
}

// Two imports into one folder take turns: while another process holds the
// pair's lock, an import waits and writes nothing.
TEST_F(BankPair, AnImportWaitsForTheOneUnderWay) {
    ASSERT_EQ(import("2025"), ImportResult::Written);
    pool("2026");
    FileLock held;
    int error = 0;
    ASSERT_EQ(held.acquire(bankPairLockPath(program(), "Basic"), true, error), FileOutcome::Done);
    const pid_t child = ::fork();
    if (child == 0) ::_exit(import("2026") == ImportResult::Written ? 0 : 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "the import did not wait";
    EXPECT_EQ(pairEdition(), "2025");
    held.release();
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(pairEdition(), "2026");
    EXPECT_EQ(names(), pairOnly);
}

// A link a classmate plants at any name the import may write through leads
// to a file of theirs (or of the user's): it is never written, and the banks
// come out as regular files.
class PlantedLink : public BankPair, public ::testing::WithParamInterface<const char*> {};

TEST_P(PlantedLink, IsNeverWrittenThrough) {
    ASSERT_EQ(import("2025"), ImportResult::Written);
    const std::string victim = dir.write("victim.txt", "mine");
    const std::string planted = program() + "/" + GetParam();
    fs::remove(planted);
    fs::create_symlink(victim, planted);
    EXPECT_EQ(import("2026"), ImportResult::Written) << rec.lastText();
    EXPECT_EQ(fileBytes(victim), "mine");
    EXPECT_EQ(pairEdition(), "2026");
    for (const char* name : {EnglishBank, FrenchBank})
        EXPECT_EQ(fs::symlink_status(program() + "/" + name).type(), fs::file_type::regular) << name;
}

INSTANTIATE_TEST_SUITE_P(Names, PlantedLink,
                         ::testing::Values("Questions_Basic_EN.txt.part", "Questions_Basic_FR.txt.part",
                                           "Questions_Basic_EN.txt.earlier", ".Questions_Basic_EN.txt.earlier",
                                           ".Questions_Basic.import", ".Questions_Basic.lock",
                                           "Questions_Basic_EN.txt"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

}  // namespace
