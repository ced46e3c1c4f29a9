// What both programs settle from their command line before anything else:
// the program folder ("/P=FOLDER", the executable's folder, or the user's
// data folder seeded with the installed samples) and the text of the other
// switches.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ProgramStart {
    bool Started = false;            // false: the reason has been shown, the program ends
    std::filesystem::path Folder;    // the program folder
    std::string Arguments;           // the other switches, one Latin-1 text
};

// arguments: the program's arguments without its own name, the bytes main
// was given (after Qt took its own out). Qt's QString arguments would turn
// a folder name that is not UTF-8 into one that does not exist.
// dataFolderName, filePattern and logName as for myDecideProgramFolder. A
// folder that cannot be used is reported through the error box.
ProgramStart myStartInProgramFolder(const std::vector<std::string>& arguments,
                                    const std::string& dataFolderName, const std::string& filePattern,
                                    const std::string& logName);
