#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/programfolder.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path) {
    std::string bytes;
    int error = 0;
    readFileBytes(path, bytes, error);
    return bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(pathBytes(it->path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// An installed program: bin/ with the executable (read-only, and nothing in
// it), share/ulvorane/samples/ with the samples of both programs, and a home.
class InstalledProgram {
public:
    InstalledProgram() {
        fs::create_directories(prefix() / "bin");
        fs::create_directories(samples());
        for (const char* name : {"Questions_Basic-English.txt", "Questions_Base-Francais.txt",
                                 "Diagrams_Basic-English.txt"})
            TempFolder::writeFile(pathBytes(samples() / name), std::string("sample ") + name);
        fs::create_directories(home());
        chmod(pathBytes(bin()).c_str(), 0555);
    }
    ~InstalledProgram() { chmod(pathBytes(bin()).c_str(), 0755); }

    fs::path prefix() const { return fs::path(root_.path()) / "usr"; }
    fs::path bin() const { return prefix() / "bin"; }
    fs::path samples() const { return prefix() / "share" / "ulvorane" / "samples"; }
    fs::path home() const { return fs::path(root_.path()) / "home" / "candidate"; }
    fs::path dataFolder(const std::string& name) const { return home() / ".local" / "share" / name; }

    ProgramFolderInput input(const std::string& program = "ulvorane") const {
        ProgramFolderInput in;
        in.ExecutableFolder = bin();
        in.InstalledSamples = installedSamplesFolder(bin());
        in.Home = home();
        in.DataFolderName = program;
        in.FilePattern = program == "ulvorane" ? "\\Questions_*.txt" : "\\Diagrams*.txt";
        in.LogName = program == "ulvorane" ? "Ulvorane_Log.txt" : "";
        return in;
    }

private:
    TempFolder root_;
};

}  // namespace

TEST(ProgramFolder, SamplesAreFoundBesideTheBinFolder) {
    EXPECT_EQ(installedSamplesFolder("/usr/bin"), fs::path("/usr/share/ulvorane/samples"));
    EXPECT_EQ(installedSamplesFolder("/opt/x/bin"), fs::path("/opt/x/share/ulvorane/samples"));
}

struct DataHomeCase {
    const char* name;
    const char* dataHome;
    const char* home;
    const char* folder;
};

class UserDataFolder : public ::testing::TestWithParam<DataHomeCase> {};

TEST_P(UserDataFolder, FollowsTheDataHomeOfTheDesktop) {
    EXPECT_EQ(userDataFolder(GetParam().dataHome, GetParam().home, "ostrilon"), fs::path(GetParam().folder));
}

INSTANTIATE_TEST_SUITE_P(
    Environment, UserDataFolder,
    ::testing::Values(DataHomeCase{"DataHomeSet", "/data/me", "/home/me", "/data/me/ostrilon"},
                      DataHomeCase{"DataHomeUnset", "", "/home/me", "/home/me/.local/share/ostrilon"},
                      // A relative value is to be ignored, as the desktop does.
                      DataHomeCase{"DataHomeRelative", "data", "/home/me", "/home/me/.local/share/ostrilon"},
                      DataHomeCase{"NoHome", "", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Portable use: a program run from its own folder (a USB stick, the build
// folder run.sh fills) keeps its files there, even when nobody may write
// there, and nothing is copied anywhere.
TEST(ProgramFolder, AFolderHoldingTheProgramsFilesIsUsedAsItIs) {
    for (const char* own : {"Questions_Mine.txt", "questions_lower.TXT", "Ulvorane_Log.txt"}) {
        InstalledProgram installed;
        chmod(pathBytes(installed.bin()).c_str(), 0755);
        TempFolder::writeFile(pathBytes(installed.bin() / own), "mine");
        chmod(pathBytes(installed.bin()).c_str(), 0555);
        const ProgramFolderChoice choice = myDecideProgramFolder(installed.input());
        EXPECT_EQ(choice.Rule, FolderRule::Portable) << own;
        EXPECT_EQ(choice.Problem, FolderProblem::None);
        EXPECT_EQ(choice.Folder, installed.bin());
        EXPECT_TRUE(choice.Copied.empty());
        EXPECT_EQ(namesIn(installed.bin()), std::vector<std::string>{own});
        EXPECT_FALSE(fs::exists(installed.home() / ".local"));
    }
}

TEST(ProgramFolder, TheOtherProgramsFilesDoNotMakeAFolderPortable) {
    InstalledProgram installed;
    chmod(pathBytes(installed.bin()).c_str(), 0755);
    TempFolder::writeFile(pathBytes(installed.bin() / "Questions_Basic.txt"), "bank");
    chmod(pathBytes(installed.bin()).c_str(), 0555);
    const ProgramFolderChoice choice = myDecideProgramFolder(installed.input("ostrilon"));
    EXPECT_EQ(choice.Rule, FolderRule::Installed);
    EXPECT_EQ(choice.Folder, installed.dataFolder("ostrilon"));
}

// Installed use: the executable's folder is read-only and holds nothing of
// the program's; the user's data folder is created and seeded once.
TEST(ProgramFolder, FirstStartCreatesTheDataFolderWithTheSamplesOfItsProgram) {
    InstalledProgram installed;
    for (const std::string program : {"ulvorane", "ostrilon"}) {
        const ProgramFolderChoice choice = myDecideProgramFolder(installed.input(program));
        EXPECT_EQ(choice.Rule, FolderRule::Installed);
        EXPECT_EQ(choice.Problem, FolderProblem::None);
        EXPECT_EQ(choice.Folder, installed.dataFolder(program));
        const std::vector<std::string> expected =
            program == "ulvorane"
                ? std::vector<std::string>{"Questions_Base-Francais.txt", "Questions_Basic-English.txt"}
                : std::vector<std::string>{"Diagrams_Basic-English.txt"};
        EXPECT_EQ(namesIn(choice.Folder), expected);
        EXPECT_EQ(choice.Copied.size(), expected.size());
        for (const std::string& name : expected)
            EXPECT_EQ(bytesOf(choice.Folder / name), "sample " + name);
    }
    EXPECT_TRUE(namesIn(installed.bin()).empty());
}

TEST(ProgramFolder, SecondStartCopiesNothingAgain) {
    InstalledProgram installed;
    ASSERT_EQ(myDecideProgramFolder(installed.input()).Copied.size(), 2u);
    // The user took one sample out and keeps a log: that is their choice.
    const fs::path folder = installed.dataFolder("ulvorane");
    fs::remove(folder / "Questions_Base-Francais.txt");
    TempFolder::writeFile(pathBytes(folder / "Ulvorane_Log.txt"), "history");
    const ProgramFolderChoice again = myDecideProgramFolder(installed.input());
    EXPECT_EQ(again.Rule, FolderRule::Installed);
    EXPECT_TRUE(again.Copied.empty());
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"Questions_Basic-English.txt", "Ulvorane_Log.txt"}));
}

TEST(ProgramFolder, AUsersEditedBankIsLeftAlone) {
    InstalledProgram installed;
    const fs::path folder = installed.dataFolder("ulvorane");
    fs::create_directories(folder);
    TempFolder::writeFile(pathBytes(folder / "Questions_Basic-English.txt"), "my own edits");
    const ProgramFolderChoice choice = myDecideProgramFolder(installed.input());
    EXPECT_TRUE(choice.Copied.empty());
    EXPECT_EQ(bytesOf(folder / "Questions_Basic-English.txt"), "my own edits");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"Questions_Basic-English.txt"});
}

// A folder holding no bank but a file of a sample's name (a bank renamed
// aside, a folder): seeding fills the gaps and keeps what is there.
TEST(ProgramFolder, SeedingNeverWritesOverAFileOfTheSameName) {
    InstalledProgram installed;
    const fs::path folder = installed.dataFolder("ulvorane");
    fs::create_directories(folder / "Questions_Basic-English.txt");  // a folder of that name
    const ProgramFolderChoice choice = myDecideProgramFolder(installed.input());
    EXPECT_EQ(choice.Copied, std::vector<fs::path>{folder / "Questions_Base-Francais.txt"});
    EXPECT_TRUE(fs::is_directory(folder / "Questions_Basic-English.txt"));
    EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"Questions_Base-Francais.txt", "Questions_Basic-English.txt"}));
}

TEST(ProgramFolder, DataHomeFromTheEnvironmentWinsOverHome) {
    InstalledProgram installed;
    TempFolder elsewhere;
    ProgramFolderInput in = installed.input();
    in.DataHome = fs::path(elsewhere.path()) / "data";
    const ProgramFolderChoice choice = myDecideProgramFolder(in);
    EXPECT_EQ(choice.Folder, fs::path(elsewhere.path()) / "data" / "ulvorane");
    EXPECT_EQ(choice.Copied.size(), 2u);
}

TEST(ProgramFolder, ADataFolderThatCannotBeMadeStopsTheProgramWithItsReason) {
    InstalledProgram installed;
    ProgramFolderInput in = installed.input();
    TempFolder::writeFile(pathBytes(installed.home() / "file"), "x");
    in.DataHome = installed.home() / "file";  // a file where a folder should go
    const ProgramFolderChoice choice = myDecideProgramFolder(in);
    EXPECT_EQ(choice.Problem, FolderProblem::DataFolderFailed);
    EXPECT_EQ(choice.Error, ENOTDIR);
    const std::string shown = pathBytes(choice.Folder);
    EXPECT_EQ(programFolderMessage(choice),
              "Cannot create the folder for your files: " + shown + " err=20 " + errorText(ENOTDIR) + "\r\n" +
                  latin1("Impossible de créer le dossier de vos fichiers: ") + shown + " err=20 " +
                  errorText(ENOTDIR));
}

// "/P=": a classroom share or a stick named outright, used as it is: no
// seeding, no data folder, even when the executable's folder holds banks.
TEST(ProgramFolder, ANamedFolderIsUsedAsItIs) {
    InstalledProgram installed;
    TempFolder share;
    ProgramFolderInput in = installed.input();
    in.NamedFolder = share.path() + "/";
    const ProgramFolderChoice choice = myDecideProgramFolder(in);
    EXPECT_EQ(choice.Rule, FolderRule::Named);
    EXPECT_EQ(choice.Problem, FolderProblem::None);
    EXPECT_EQ(choice.Folder, fs::path(share.path()));
    EXPECT_TRUE(namesIn(share.path()).empty());
    EXPECT_FALSE(fs::exists(installed.home() / ".local"));
}

struct NamedCase {
    const char* name;
    const char* folder;  // under a fresh temporary folder; "" for "/P=" alone
    FolderProblem problem;
    int error;
};

class NamedFolderProblems : public ::testing::TestWithParam<NamedCase> {};

TEST_P(NamedFolderProblems, AreToldInBothLanguagesAndStopTheProgram) {
    InstalledProgram installed;
    TempFolder dir;
    TempFolder::writeFile(dir.file("a-file"), "x");
    ProgramFolderInput in = installed.input();
    in.NamedFolder = *GetParam().folder ? fs::path(dir.path()) / GetParam().folder : fs::path();
    const ProgramFolderChoice choice = myDecideProgramFolder(in);
    EXPECT_EQ(choice.Problem, GetParam().problem);
    EXPECT_EQ(choice.Error, GetParam().error);
    EXPECT_FALSE(fs::exists(installed.home() / ".local"));
    const std::string shown = *GetParam().folder ? dir.file(GetParam().folder) : "";
    const std::string expected =
        GetParam().problem == FolderProblem::NamedEmpty
            ? "Specify the folder of the program's files as  /P=folder  where folder is an existing folder.\r\n" +
                  latin1("Spécifiez le dossier des fichiers du programme comme suit:  /P=dossier  où dossier "
                         "est un dossier existant.")
            : "The folder named with /P= cannot be read: " + shown + " err=" + std::to_string(GetParam().error) +
                  " " + errorText(GetParam().error) + "\r\n" + latin1("Le dossier nommé avec /P= ne peut être lu: ") +
                  shown + " err=" + std::to_string(GetParam().error) + " " + errorText(GetParam().error);
    EXPECT_EQ(programFolderMessage(choice), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NamedFolderProblems,
    ::testing::Values(NamedCase{"Missing", "no-such-folder", FolderProblem::NamedUnreadable, ENOENT},
                      NamedCase{"AFile", "a-file", FolderProblem::NamedUnreadable, ENOTDIR},
                      NamedCase{"Nothing", "", FolderProblem::NamedEmpty, 0}),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32  // modes and the password entry are POSIX's
TEST(ProgramFolder, ANamedFolderNobodyMayReadIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    TempFolder dir;
    const fs::path locked = fs::path(dir.path()) / "locked";
    fs::create_directory(locked);
    chmod(pathBytes(locked).c_str(), 0);
    ProgramFolderInput in;
    in.NamedFolder = locked;
    const ProgramFolderChoice choice = myDecideProgramFolder(in);
    chmod(pathBytes(locked).c_str(), 0755);
    EXPECT_EQ(choice.Problem, FolderProblem::NamedUnreadable);
    EXPECT_EQ(choice.Error, EACCES);
}

#endif

TEST(ProgramFolder, NoProblemNoMessage) {
    EXPECT_EQ(programFolderMessage(ProgramFolderChoice{}), "");
}

#ifdef _WIN32
// The known folder the system gives, checked against the variable that
// names it for scripts.
TEST(ProgramFolder, TheDataFolderIsUlvoraneUnderTheRoamingApplicationData) {
    const ProgramFolderInput in = programFolderInput("C:\\Program", std::nullopt, "ulvorane", "", "");
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    EXPECT_EQ(in.DataFolderName, "Ulvorane");
    EXPECT_EQ(userDataFolder(in.DataHome, in.Home, in.DataFolderName), fs::path(appData) / "Ulvorane");
}
#else

// Without a usable HOME (unset, empty, or relative and so read from
// wherever the program was started) the home folder comes from the
// password entry, never from the current folder.
class HomeFolder : public ::testing::TestWithParam<const char*> {};

TEST_P(HomeFolder, ComesFromThePasswordEntryWhenHomeIsNoFolder) {
    const char* saved = std::getenv("HOME");
    const std::string kept = saved ? saved : "";
    if (GetParam())
        setenv("HOME", GetParam(), 1);
    else
        unsetenv("HOME");
    const struct passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    const ProgramFolderInput in = programFolderInput("/usr/bin", std::nullopt, "ulvorane", "", "");
    if (saved)
        setenv("HOME", kept.c_str(), 1);
    else
        unsetenv("HOME");
    EXPECT_EQ(in.Home, fs::path(entry->pw_dir));
}

std::string homeCaseName(const ::testing::TestParamInfo<const char*>& info) {
    if (!info.param) return "Unset";
    return *info.param ? "Relative" : "Empty";
}

INSTANTIATE_TEST_SUITE_P(Environment, HomeFolder, ::testing::Values(nullptr, "", "relative/home"),
                         homeCaseName);
#endif

struct SwitchCase {
    std::string name;
    std::vector<std::string> arguments;
    bool named;
    std::string folder;
    std::vector<std::string> others;
};

class ProgramFolderSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ProgramFolderSwitch, IsTakenOutOfTheArgumentsWhole) {
    const ProgramArguments split = takeProgramFolderSwitch(GetParam().arguments);
    ASSERT_EQ(split.NamedFolder.has_value(), GetParam().named);
    if (GetParam().named) {
        EXPECT_EQ(pathBytes(*split.NamedFolder), GetParam().folder);
    }
    EXPECT_EQ(split.Others, GetParam().others);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ProgramFolderSwitch,
    ::testing::Values(
        SwitchCase{"NoSwitch", {"/S", "/A=2"}, false, "", {"/S", "/A=2"}},
        // The folder's "/D" and "/Stick" must not read as switches.
        SwitchCase{"FolderWithSlashes", {"/P=/media/D/Stick", "/X"}, true, "/media/D/Stick", {"/X"}},
        SwitchCase{"LowerCaseWithSpace", {"/p=My Folder"}, true, "My Folder", {}},
        // Names are kept in the file system's bytes (UTF-8 here), never cut to Latin-1.
        SwitchCase{"NonLatin1", {"/S", "/P=/home/\xC5\x81ukasz/\xD0\x94\xD0\xBE\xD0\xBA"}, true,
                   "/home/\xC5\x81ukasz/\xD0\x94\xD0\xBE\xD0\xBA", {"/S"}},
        SwitchCase{"Empty", {"/P="}, true, "", {}},
        SwitchCase{"NoEqualsSign", {"/P"}, false, "", {"/P"}},
        SwitchCase{"LastOneWins", {"/P=/a", "/P=/b"}, true, "/b", {}}),
    [](const auto& info) { return info.param.name; });
