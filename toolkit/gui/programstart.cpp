#include "toolkit/gui/programstart.h"

#include <QCoreApplication>

#include "toolkit/errorbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/programfolder.h"
#include "toolkit/text.h"

ProgramStart myStartInProgramFolder(const std::vector<std::string>& arguments,
                                    const std::string& dataFolderName, const std::string& filePattern,
                                    const std::string& logName) {
    const ProgramArguments split = takeProgramFolderSwitch(arguments);

    ProgramStart start;
    for (const std::string& other : split.Others) {
        if (!start.Arguments.empty()) start.Arguments += ' ';
        start.Arguments += latin1(other);
    }
    const ProgramFolderChoice choice = myDecideProgramFolder(programFolderInput(
        fromQPath(QCoreApplication::applicationDirPath()), split.NamedFolder, dataFolderName, filePattern,
        logName));
    if (choice.Problem != FolderProblem::None) {
        myErrorBox(programFolderMessage(choice));
        return start;
    }
    start.Started = true;
    start.Folder = choice.Folder;
    return start;
}
