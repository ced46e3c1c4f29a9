#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>

#include "toolkit/tests/casenames.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/tests/testchild.h"
#include "toolkit/tests/testlinks.h"
#include "toolkit/text.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::string bytes;
    int error = 0;
    readRegularFile(path, NoSizeLimit, bytes, error);
    return bytes;
}

// Each kind of name a classmate can leave in a shared folder, and what a
// reader must make of it, at once (a FIFO or device would hang or swallow it).
struct Planted {
    const char* what;
    FileOutcome expected;
};

class PlantedReads : public ::testing::TestWithParam<Planted> {};

TEST_P(PlantedReads, ReadersRefuseAllButRegularFilesWithoutBlocking) {
    TempFolder dir;
    const fs::path name = dir.file("Questions_x.txt");
    const std::string what = GetParam().what;
#ifdef _WIN32
    if (what == "fifo" || what == "zero") GTEST_SKIP() << "no FIFO nor /dev/zero on Windows";
#else
    if (what == "fifo") {
        ASSERT_EQ(::mkfifo(name.c_str(), 0666), 0);
    }
    if (what == "zero") fs::create_symlink("/dev/zero", name);
#endif
    if (what == "folder") fs::create_directory(name);
    if (what == "link" && !plantLink(dir.write("real.txt", "abc\n"), name)) GTEST_SKIP() << NoLinksHere;
    if (what == "big") dir.write("Questions_x.txt", std::string(101, 'x'));
    if (what == "plain") dir.write("Questions_x.txt", std::string(100, 'x'));

    std::string bytes;
    int error = -1;
    EXPECT_EQ(readRegularFile(name, 100, bytes, error), GetParam().expected) << what;
    EXPECT_EQ(GetParam().expected == FileOutcome::Done, error == 0) << what;
    EXPECT_EQ(isRegularFile(name), GetParam().expected == FileOutcome::Done || what == "big") << what;

    FileOutcome outcome{};
    std::FILE* file = openRegularFile(name, 100, outcome, error);
    EXPECT_EQ(outcome, GetParam().expected) << what;
    EXPECT_EQ(file != nullptr, outcome == FileOutcome::Done) << what;
    if (file) {
        // The reader must not inherit the non-blocking open.
        char c = 0;
        EXPECT_EQ(std::fread(&c, 1, 1, file), 1u);
        std::fclose(file);
    }
    std::uint64_t start = 0;
    if (GetParam().expected == FileOutcome::NotRegular) {
        EXPECT_EQ(appendUnderLock(name, "more", start, error), FileOutcome::NotRegular) << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, PlantedReads,
                         ::testing::Values(Planted{"fifo", FileOutcome::NotRegular},
                                           Planted{"zero", FileOutcome::NotRegular},
                                           Planted{"folder", FileOutcome::NotRegular},
                                           Planted{"missing", FileOutcome::Missing},
                                           Planted{"big", FileOutcome::TooLarge},
                                           Planted{"plain", FileOutcome::Done},
                                           Planted{"link", FileOutcome::Done}),
                         namedBy([](const Planted& c) { return std::string(c.what); }));

TEST(ExclusiveCreation, NeverAnExistingNameNorThroughALink) {
    TempFolder dir;
    const std::string victim = dir.write("victim.txt", "mine");
    if (!plantLink(victim, dir.file("planted.txt")) || !plantLink(dir.file("nowhere"), dir.file("dangling.txt")))
        GTEST_SKIP() << NoLinksHere;
    int error = 0;
    for (const char* name : {"victim.txt", "planted.txt", "dangling.txt"}) {
        EXPECT_EQ(writeFreshFile(dir.file(name), "theirs", error), FileOutcome::Exists) << name;
        EXPECT_EQ(error, EEXIST);
    }
    EXPECT_EQ(contents(victim), "mine");
    EXPECT_FALSE(fs::exists(dir.file("nowhere")));
    EXPECT_EQ(writeFreshFile(dir.file("new.txt"), "fresh", error), FileOutcome::Done);
    EXPECT_EQ(contents(dir.file("new.txt")), "fresh");
}

TEST(WholeFileWrite, ReplacesALinkInsteadOfWritingThroughItAndLeavesNoFreshName) {
    TempFolder dir;
    const std::string victim = dir.write("victim.txt", "mine");
    if (!plantLink(victim, dir.file("Temp.txt"))) GTEST_SKIP() << NoLinksHere;
    int error = 0;
    ASSERT_EQ(writeFileWhole(dir.file("Temp.txt"), "dump", true, error), FileOutcome::Done);
    EXPECT_EQ(contents(victim), "mine");
    EXPECT_FALSE(fs::is_symlink(dir.file("Temp.txt")));
    EXPECT_EQ(contents(dir.file("Temp.txt")), "dump");

    // Without replacing, a taken name (a link included) is left alone.
    ASSERT_TRUE(plantLink(victim, dir.file("report.txt")));
    EXPECT_EQ(writeFileWhole(dir.file("report.txt"), "x", false, error), FileOutcome::Exists);
    EXPECT_EQ(writeFileWhole(dir.file("Temp.txt"), "x", false, error), FileOutcome::Exists);
    EXPECT_EQ(writeFileWhole(dir.file("free.txt"), "report", false, error), FileOutcome::Done);
    EXPECT_EQ(contents(dir.file("free.txt")), "report");
    EXPECT_EQ(contents(dir.file("Temp.txt")), "dump");

    const auto names = std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    EXPECT_EQ(names, 4);  // victim, Temp, report, free: no fresh name left
}

// The fresh names a crash may leave are told from everything else, a
// classmate's look-alike included, so that a later start removes only them.
TEST(FreshNameBeside, IsNewEachTimeAndRecognisedByItsFormOnly) {
    TempFolder dir;
    const fs::path target = dir.file("Questions_B_EN.txt");
    // The target a link (a plain file where the system makes none): the fresh
    // name is made beside it, the file it points at left alone.
    if (!plantLink(dir.write("victim.txt", "mine"), target)) dir.write("Questions_B_EN.txt", "");
    fs::path first, second;
    int error = 0;
    ASSERT_EQ(writeFreshFileBeside(target, "one", first, error), FileOutcome::Done);
    ASSERT_EQ(writeFreshFileBeside(target, "two", second, error), FileOutcome::Done);
    EXPECT_NE(first, second);
    EXPECT_EQ(contents(first), "one");
    EXPECT_EQ(contents(dir.file("victim.txt")), "mine");
    for (const fs::path& fresh : {first, second}) {
        EXPECT_EQ(fresh.parent_path(), target.parent_path());
        EXPECT_TRUE(isFreshNameFor(fresh.filename(), "Questions_B_EN.txt")) << fresh;
        EXPECT_FALSE(isFreshNameFor(fresh.filename(), "Questions_B_FR.txt")) << fresh;
        EXPECT_FALSE(isFreshNameFor(fresh.filename(), "Questions_B_EN.tx")) << fresh;
    }
    for (const char* other : {".Questions_B_EN.txt.new", ".Questions_B_EN.txt.1-2.new", ".Questions_B_EN.txt.1-2-3-4.new",
                              ".Questions_B_EN.txt.1-x-3.new", ".Questions_B_EN.txt.1--3.new",
                              ".Questions_B_EN.txt.x_EN.txt.1-2-3.new", "Questions_B_EN.txt.1-2-3.new"})
        EXPECT_FALSE(isFreshNameFor(other, "Questions_B_EN.txt")) << other;
    EXPECT_TRUE(isFreshNameFor(".Questions_B_EN.txt.12-0-99.new", "Questions_B_EN.txt"));
}

TEST(WholeFileWrite, AFailedWriteLeavesTheTargetAsItWas) {
    TempFolder dir;
    const std::string target = dir.write("Temp.txt", "earlier");
    int error = 0;
#ifndef _WIN32
    // A folder that cannot be written: the fresh name cannot be made.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_EQ(writeFileWhole(target, "new", true, error), FileOutcome::Failed);
        EXPECT_EQ(error, EACCES);
    }
    ::chmod(dir.path().c_str(), 0700);
#endif
    EXPECT_EQ(contents(target), "earlier");
    EXPECT_EQ(renameDurably(dir.file("absent"), target, error), FileOutcome::Missing);
    EXPECT_EQ(removeDurably(dir.file("absent"), error), FileOutcome::Done);
}

TEST(FileLock, ExcludesAnotherProcessAndLeavesNoFileBehind) {
    TempFolder dir;
    const fs::path lockFile = dir.file("pair.lock");
    FileLock lock;
    int error = 0;
    ASSERT_EQ(lock.acquire(lockFile, true, error), FileOutcome::Done);
    auto otherProcessGets = [&](bool wait) {
#ifdef _WIN32
        TestChild child = startTestChild("FileLock.DISABLED_TakenByAnotherProcess", "ULVORANE_LOCK_FILE",
                                         pathBytes(lockFile));
        return waitTestChild(child) == 0;
#else
        const pid_t child = ::fork();
        if (child == 0) {
            FileLock theirs;
            int e = 0;
            const bool got = theirs.acquire(lockFile, wait, e) == FileOutcome::Done;
            theirs.release();
            ::_exit(got ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
    };
    EXPECT_FALSE(otherProcessGets(false));
    lock.release();
    EXPECT_FALSE(fs::exists(lockFile));
    EXPECT_TRUE(otherProcessGets(false));
    EXPECT_FALSE(fs::exists(lockFile));
}

TEST(FileLock, RefusesALinkAtItsName) {
    TempFolder dir;
    const fs::path lockFile = dir.file("pair.lock");
    if (!plantLink(dir.write("victim.txt", ""), lockFile)) GTEST_SKIP() << NoLinksHere;
    FileLock lock;
    int error = 0;
    EXPECT_EQ(lock.acquire(lockFile, false, error), FileOutcome::NotRegular);
}

// The other process of the test above, on Windows: takes the lock without
// waiting, exits 0 when it got it.
TEST(FileLock, DISABLED_TakenByAnotherProcess) {
    const char* lockFile = std::getenv("ULVORANE_LOCK_FILE");
    if (!lockFile) GTEST_SKIP() << "run by FileLock.ExcludesAnotherProcessAndLeavesNoFileBehind";
    FileLock theirs;
    int error = 0;
    const bool got = theirs.acquire(pathFromBytes(lockFile), false, error) == FileOutcome::Done;
    theirs.release();
    std::_Exit(got ? 0 : 1);
}

}  // namespace
