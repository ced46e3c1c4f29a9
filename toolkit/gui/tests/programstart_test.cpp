#include "toolkit/gui/programstart.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

namespace {

// A folder named in bytes that are not UTF-8 (an old Latin-1 name on a USB
// stick) is still a folder the system can open: /P= takes it byte for byte.
TEST(ProgramStart, AFolderNamedInBytesThatAreNotUtf8IsUsedAsItIs) {
    ErrorRecorder rec;
    TempFolder dir;
    const std::string folder = dir.path() + "/Caf\xE9 de l'\xE9t\xE9";
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::vector<std::string> arguments{"/S", "/P=" + folder};
    const ProgramStart start =
        myStartInProgramFolder(arguments, "ulvorane", "\\Questions_*.txt", "Ulvorane_Log.txt");
    EXPECT_TRUE(start.Started) << rec.lastText();
    EXPECT_EQ(pathBytes(start.Folder), folder);
    EXPECT_EQ(start.Arguments, "/S");
}

}  // namespace
