// The program folder: where a program finds its banks or diagram files and
// keeps the files it writes (history log, reports, Temp.txt). Decided once at
// start-up, the same way for both programs:
//  - a folder named with "/P=FOLDER" is used as it is, when it can be read;
//  - the folder of the executable, when it holds a file the program reads
//    or its history log (a program run from its own folder, a USB stick);
//  - otherwise the user's data folder for the program, created when missing
//    and, while it holds none of the program's files, given a copy of the
//    samples installed with the program (never over a file already there).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct ProgramFolderInput {
    std::filesystem::path ExecutableFolder;
    std::optional<std::filesystem::path> NamedFolder;  // "/P=": the folder as typed
    std::filesystem::path InstalledSamples;            // where the package put the samples
    std::filesystem::path DataHome;  // $XDG_DATA_HOME; empty or relative: not set
    std::filesystem::path Home;      // $HOME, else the password entry's home folder
    std::string DataFolderName;      // "ulvorane", "ostrilon"
    std::string FilePattern;         // the finder's pattern: "\Questions_*.txt"
    std::string LogName;             // "" when the program keeps no log
};

enum class FolderRule { Named, Portable, Installed };

enum class FolderProblem {
    None,
    NamedEmpty,         // "/P=" with no folder after it
    NamedUnreadable,    // missing, not a folder, or not readable
    DataFolderFailed,   // the user's data folder could not be created
};

struct ProgramFolderChoice {
    FolderRule Rule = FolderRule::Portable;
    std::filesystem::path Folder;
    FolderProblem Problem = FolderProblem::None;
    int Error = 0;  // errno's value behind the problem
    std::vector<std::filesystem::path> Copied;  // samples copied on this start
};

ProgramFolderChoice myDecideProgramFolder(const ProgramFolderInput& input);

// "$XDG_DATA_HOME/<name>", or "$HOME/.local/share/<name>" when the variable is
// unset, empty or not absolute; empty when neither gives a folder (a home
// that is not absolute gives none).
std::filesystem::path userDataFolder(const std::filesystem::path& dataHome,
                                     const std::filesystem::path& home, const std::string& name);

// Where the package installs the samples of both programs, beside bin/.
std::filesystem::path installedSamplesFolder(const std::filesystem::path& executableFolder);

// The input of a program started now: its executable's folder, the folder
// named with "/P=" and the environment of this process.
ProgramFolderInput programFolderInput(const std::filesystem::path& executableFolder,
                                      const std::optional<std::filesystem::path>& namedFolder,
                                      const std::string& dataFolderName, const std::string& filePattern,
                                      const std::string& logName);

// The message for a problem, in both languages, English first as every
// start-up message before a window (Latin-1; the folder shown with "?" for
// what Latin-1 cannot hold). Empty when there is no problem.
std::string programFolderMessage(const ProgramFolderChoice& choice);

// The program's arguments as the system gave them, "/P=FOLDER" taken out: a
// folder holds "/" and letters that would read as other switches. Any case
// ("/p="); the last one counts.
struct ProgramArguments {
    std::optional<std::filesystem::path> NamedFolder;  // empty path: "/P=" with nothing after
    std::vector<std::string> Others;
};
ProgramArguments takeProgramFolderSwitch(const std::vector<std::string>& arguments);
