#include "toolkit/errorbox.h"

#include <gtest/gtest.h>

#include "toolkit/tests/errorrecorder.h"

TEST(ErrorBox, TitleFollowsProgramAndLanguage) {
    std::string savedName = uiContext().ProgramName;
    for (auto [program, language, title] :
         {std::tuple{"Ulvorane", 0, "Ulvorane - Error Message"},
          std::tuple{"Ulvorane", 1, "Ulvorane - Message d'erreur"},
          std::tuple{"Ostrilon", 0, "Ostrilon - Error Message"},
          std::tuple{"Ostrilon", 1, "Ostrilon - Message d'erreur"}}) {
        ErrorRecorder rec(language);
        uiContext().ProgramName = program;
        EXPECT_EQ(myErrorBox("line one\r\nline two"), 1);
        ASSERT_EQ(rec.boxes.size(), 1u);
        EXPECT_EQ(rec.boxes[0].title, title);
        EXPECT_EQ(rec.boxes[0].text, "line one\r\nline two");
    }
    uiContext().ProgramName = savedName;
}

TEST(ErrorBox, MainWindowBoxTakesOverFromTheSystemBox) {
    ErrorRecorder rec;
    std::vector<std::string> windowShown;
    errorBoxPort().windowBox = [&](const std::string&, const std::string& text) {
        windowShown.push_back(text);
    };
    myErrorBox("after the window");
    errorBoxPort().windowBox = nullptr;
    myErrorBox("window gone");
    EXPECT_EQ(windowShown, std::vector<std::string>{"after the window"});
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "window gone");
}

TEST(StatusLine, SilentWithoutAWindowAndPassedOnWithOne) {
    statusSink() = nullptr;
    EXPECT_EQ(myShowStatus("Reading"), 1);
    ErrorRecorder rec;
    myShowStatus("Reading");
    myShowStatus("");
    EXPECT_EQ(rec.statuses, (std::vector<std::string>{"Reading", ""}));
}
