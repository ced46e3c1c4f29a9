#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>

#include <filesystem>

#include "toolkit/gui/qtext.h"
#include "toolkit/platform.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/tempfolder.h"

struct QPathCase {
    const char* what;
    const char* utf8Name;
};
class QPathTest : public ::testing::TestWithParam<QPathCase> {};

// A name made in Qt reaches the file system whole, and what the file system
// lists reads back in Qt as it was made: a candidate's folder "Révision" or a
// name in any other script is found again from a dialog's choice.
TEST_P(QPathTest, ANameCrossesToTheFileSystemAndBackWhole) {
    TempFolder dir;
    const QString name = QString::fromUtf8(GetParam().utf8Name);
    const QString folder = toQPath(dir.path());
    const std::filesystem::path file = fromQPath(folder + QLatin1Char('/') + name);
    int error = 0;
    ASSERT_EQ(writeFileWhole(file, "x", false, error), FileOutcome::Done) << error;
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{name});
    EXPECT_TRUE(QFile::exists(toQPath(file)));
    EXPECT_EQ(file.filename(), fromQPath(name));
    EXPECT_EQ(fromQPath(toQPath(file)), file);
}
INSTANTIATE_TEST_SUITE_P(Names, QPathTest,
                         ::testing::Values(QPathCase{"Plain", "Notes.txt"},
                                           QPathCase{"Latin1", "R\xC3\xA9vision \xC3\xA9t\xC3\xA9.txt"},
                                           QPathCase{"Greek", "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1.txt"},
                                           QPathCase{"Japanese", "\xE6\x97\xA5\xE6\x9C\xAC.txt"}),
                         namedBy([](const QPathCase& c) { return c.what; }));
