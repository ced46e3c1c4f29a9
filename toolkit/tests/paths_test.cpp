#include "toolkit/paths.h"

#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

struct ShownCase {
    const char* name;
    const char* onDisk;  // UTF-8, as the file system names it
    const char* shown;   // Latin-1
};

class DisplayPath : public ::testing::TestWithParam<ShownCase> {};

TEST_P(DisplayPath, ShowsLatin1WithAQuestionMarkForWhatItCannotHold) {
    EXPECT_EQ(displayPath(pathFromBytes(GetParam().onDisk)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DisplayPath,
    ::testing::Values(ShownCase{"Ascii", "/home/ann/banks", "/home/ann/banks"},
                      ShownCase{"Accented", "/home/ren\xC3\xA9/T\xC3\xA9l\xC3\xA9" "chargements", "/home/ren\xE9/T\xE9l\xE9" "chargements"},
                      ShownCase{"Polish", "/home/\xC5\x81ukasz", "/home/?ukasz"},
                      ShownCase{"Cyrillic", "/home/i/\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B",
                                "/home/i/?????????"},
                      ShownCase{"Japanese", "/home/\xE5\xB1\xB1\xE7\x94\xB0/x.txt", "/home/?" "?/x.txt"},
                      ShownCase{"Ligature", "/home/i/\xC5\x92uvres", "/home/i/?uvres"},
                      // Bytes that are not UTF-8 (an old Latin-1 name) are shown as they are.
                      ShownCase{"NotUtf8", "/old/caf\xE9", "/old/caf\xE9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PathFromLatin1, ANameTheProgramMakesBecomesTheFileSystemsForm) {
    EXPECT_EQ(pathBytes(pathFromLatin1("Erron\xE9" "es_2014.txt")), "Erron\xC3\xA9" "es_2014.txt");
    EXPECT_EQ(pathBytes(pathFromLatin1("Temp.txt")), "Temp.txt");
}

TEST(WithoutTrailingSeparator, KeepsOneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("/a/b/")), "/a/b");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("/a/b//")), "/a/b");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("/a/b")), "/a/b");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("/")), "/");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("")), "");
#ifdef _WIN32
    // Either separator; a drive's root keeps its own.
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("C:\\a\\b\\")), "C:\\a\\b");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("C:\\")), "C:\\");
    EXPECT_EQ(pathBytes(withoutTrailingSeparator("\\\\server\\share\\")), "\\\\server\\share");
#endif
}
