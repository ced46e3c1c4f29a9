#include "toolkit/programfolder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"

namespace fs = std::filesystem;

namespace {

bool holdsProgramFiles(const fs::path& folder, const ProgramFolderInput& in) {
    int32_t limit = INT32_MAX;  // only "any?" matters: never the too-many message
    if (!myFindFiles(folder, in.FilePattern, limit, false).empty()) return true;
    std::error_code ec;
    return !in.LogName.empty() && fs::exists(folder / in.LogName, ec);
}

// Writes the copy under a name the finder does not list, then links it to its
// own name: the link fails rather than replace a file the user has there.
bool copyWithoutReplacing(const fs::path& from, const fs::path& to) {
    fs::path part = to;
    part += ".part";
    std::error_code ec;
    if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) {
        fs::remove(part, ec);
        return false;
    }
    fs::create_hard_link(part, to, ec);
    bool copied = !ec;
    std::error_code exists;
    if (ec && ec != std::errc::file_exists && !fs::exists(fs::symlink_status(to, exists))) {
        // A file system without hard links: the name is still free.
        fs::rename(part, to, ec);
        copied = !ec;
    }
    fs::remove(part, ec);
    return copied;
}

std::vector<fs::path> copySamples(const fs::path& samples, const fs::path& folder,
                                  const std::string& pattern) {
    std::vector<fs::path> copied;
    int32_t limit = INT32_MAX;
    for (const FoundFile& sample : myFindFiles(samples, pattern, limit, false)) {
        const fs::path target = folder / sample.FullPath.filename();
        if (copyWithoutReplacing(sample.FullPath, target)) copied.push_back(target);
    }
    return copied;
}

}  // namespace

fs::path userDataFolder(const fs::path& dataHome, const fs::path& home, const std::string& name) {
    if (!dataHome.empty() && dataHome.is_absolute()) return dataHome / name;
    if (!home.empty() && home.is_absolute()) return home / ".local" / "share" / name;
    return fs::path();
}

fs::path installedSamplesFolder(const fs::path& executableFolder) {
    return executableFolder.parent_path() / "share" / "ulvorane" / "samples";
}

ProgramFolderInput programFolderInput(const fs::path& executableFolder,
                                      const std::optional<fs::path>& namedFolder,
                                      const std::string& dataFolderName, const std::string& filePattern,
                                      const std::string& logName) {
    ProgramFolderInput in;
    in.ExecutableFolder = withoutTrailingSeparator(executableFolder);
    in.NamedFolder = namedFolder;
    in.InstalledSamples = installedSamplesFolder(in.ExecutableFolder);
    const UserDataPlace place = userDataPlace();
    in.DataHome = place.DataHome;
    in.Home = place.Home;
    in.DataFolderName = dataFolderNameFor(dataFolderName);
    in.FilePattern = filePattern;
    in.LogName = logName;
    return in;
}

ProgramFolderChoice myDecideProgramFolder(const ProgramFolderInput& in) {
    ProgramFolderChoice choice;
    if (in.NamedFolder) {
        choice.Rule = FolderRule::Named;
        choice.Folder = withoutTrailingSeparator(*in.NamedFolder);
        if (in.NamedFolder->empty()) {
            choice.Problem = FolderProblem::NamedEmpty;
        } else if (int error = folderReadError(choice.Folder)) {
            choice.Problem = FolderProblem::NamedUnreadable;
            choice.Error = error;
        }
        return choice;
    }
    choice.Folder = withoutTrailingSeparator(in.ExecutableFolder);
    if (holdsProgramFiles(choice.Folder, in)) return choice;

    choice.Rule = FolderRule::Installed;
    choice.Folder = userDataFolder(in.DataHome, in.Home, in.DataFolderName);
    if (choice.Folder.empty()) {
        choice.Problem = FolderProblem::DataFolderFailed;
        choice.Error = ENOENT;
        return choice;
    }
    std::error_code ec;
    fs::create_directories(choice.Folder, ec);
    if (ec || !fs::is_directory(choice.Folder, ec)) {
        choice.Problem = FolderProblem::DataFolderFailed;
        choice.Error = ec ? ec.value() : ENOTDIR;
        return choice;
    }
    // Only an empty start is seeded: a user who removed a sample meant it.
    int32_t limit = INT32_MAX;
    if (myFindFiles(choice.Folder, in.FilePattern, limit, false).empty())
        choice.Copied = copySamples(in.InstalledSamples, choice.Folder, in.FilePattern);
    return choice;
}

std::string programFolderMessage(const ProgramFolderChoice& choice) {
    const std::string folder = displayPath(choice.Folder);
    switch (choice.Problem) {
    case FolderProblem::NamedEmpty:
        return "Specify the folder of the program's files as  /P=folder  where folder is an existing "
               "folder." + std::string(CRLF) +
               latin1("Spécifiez le dossier des fichiers du programme comme suit:  /P=dossier  où "
                      "dossier est un dossier existant.");
    case FolderProblem::NamedUnreadable:
        return fillMask("The folder named with /P= cannot be read: & err=& &" + std::string(CRLF) +
                            latin1("Le dossier nommé avec /P= ne peut être lu: & err=& &"),
                        {folder, choice.Error, errorText(choice.Error), folder, choice.Error,
                         errorText(choice.Error)});
    case FolderProblem::DataFolderFailed:
        return fillMask("Cannot create the folder for your files: & err=& &" + std::string(CRLF) +
                            latin1("Impossible de créer le dossier de vos fichiers: & err=& &"),
                        {folder, choice.Error, errorText(choice.Error), folder, choice.Error,
                         errorText(choice.Error)});
    case FolderProblem::None:
        break;
    }
    return std::string();
}

ProgramArguments takeProgramFolderSwitch(const std::vector<std::string>& arguments) {
    ProgramArguments result;
    for (const std::string& argument : arguments) {
        const bool isSwitch = argument.size() >= 3 && argument[0] == '/' &&
                              (argument[1] == 'P' || argument[1] == 'p') && argument[2] == '=';
        if (!isSwitch) {
            result.Others.push_back(argument);
            continue;
        }
        result.NamedFolder = pathFromBytes(std::string_view(argument).substr(3));
    }
    return result;
}
