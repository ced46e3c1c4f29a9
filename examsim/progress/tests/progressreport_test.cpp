#include "examsim/progress/progressreport.h"

#include <gtest/gtest.h>

#include "examsim/progress/progresstexts.h"

namespace {

ProgressFigures twoGroups() {
    ProgressFigures f;
    GroupFigure lesson{"L01", "Regulations", 3, 2, 5, 4, 0.6};
    GroupFigure topic{"B-001-001", "", 2, 0, 0, 0, 0.5};
    f.Lessons = {lesson};
    f.Topics = {topic, GroupFigure{"B-001-002", "", 1, 1, 3, 1, 0.4}};
    return f;
}

TEST(ProgressTables, TabSeparatedWithHeadingsInTheLanguageAndAnEmptyLineBetween) {
    const std::vector<std::string> english = {
        "Lesson\tQuestions\tSeen\tAttempts\tSuccess\tTitle",
        "L01\t3\t2\t5\t80.0%\tRegulations",
        "",
        "Topic\tQuestions\tSeen\tAttempts\tSuccess",
        "B-001-001\t2\t0\t0\t-",
        "B-001-002\t1\t1\t3\t33.3%",
    };
    EXPECT_EQ(myProgressTables(twoGroups(), 0), english);
    const std::vector<std::string> french = myProgressTables(twoGroups(), 1);
    ASSERT_EQ(french.size(), english.size());
    EXPECT_EQ(french[0], "Le\xe7on\tQuestions\tVues\tEssais\tSucc\xe8s\tTitre");
    EXPECT_EQ(french[4], english[4]);
}

TEST(ProgressTexts, EveryTextExistsInBothLanguages) {
    for (int id = 0; id <= static_cast<int>(ProgressText::PractiseButton); ++id) {
        const auto t = static_cast<ProgressText>(id);
        EXPECT_FALSE(progressTextIn(t, 0).empty()) << id;
        EXPECT_FALSE(progressTextIn(t, 1).empty()) << id;
        // The same number of fields to fill, so one call serves both.
        EXPECT_EQ(std::count(progressTextIn(t, 0).begin(), progressTextIn(t, 0).end(), '&'),
                  std::count(progressTextIn(t, 1).begin(), progressTextIn(t, 1).end(), '&'))
            << id;
    }
}

}  // namespace
