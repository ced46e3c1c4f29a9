// What both programs settle from their command line before anything else:
// the program folder ("/P=FOLDER", the executable's folder, or the user's
// data folder seeded with the installed samples) and the text of the other
// switches.
#pragma once

#include <filesystem>
#include <string>

#include <QStringList>

struct ProgramStart {
    bool Started = false;            // false: the reason has been shown, the program ends
    std::filesystem::path Folder;    // the program folder
    std::string Arguments;           // the other switches, one Latin-1 text
};

// arguments: the program's arguments without its own name. dataFolderName,
// filePattern and logName as for myDecideProgramFolder. A folder that cannot
// be used is reported through the error box.
ProgramStart myStartInProgramFolder(const QStringList& arguments, const std::string& dataFolderName,
                                    const std::string& filePattern, const std::string& logName);
