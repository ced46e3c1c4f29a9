#include "examsim/session/historylog.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"

#include <gtest/gtest.h>

#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

namespace {

std::vector<std::string> titles(std::initializer_list<std::string> names) {
    std::vector<std::string> t{""};
    for (const std::string& n : names) t.push_back(fixedWidth(n, BankTitleWidth));
    return t;
}

TEST(HistoryPass0, CataloguesTheLastHundredSessionsPerBankAndRestoresSettings) {
    TempFolder dir;
    std::string log = "' comment line ~~~~~~~~~~\r\n\r\n";
    std::vector<long long> basicStarts;
    for (int i = 0; i < 105; ++i) {
        basicStarts.push_back(static_cast<long long>(log.size()));
        log += summaryOf("Basic", "E1") + "B-001-001-001b" + times(24, ".............S") + "\r\n\r\n";
        if (i == 50) log += summaryOf("Advanced", "E2") + "\n   \n";
    }
    long long advancedSecond = static_cast<long long>(log.size());
    log += summaryOf("Advanced", "F2AM");
    std::string path = dir.write("Ulvorane_Log.txt", log);

    HistoryCatalogue catalogue;
    catalogue.Titles = titles({"Advanced", "Basic", "Unused"});
    HistorySettings settings;
    std::string last;
    ASSERT_EQ(myReadHistoryFile(path, 0, 0, "", last, catalogue, settings, nullptr), -1);
    EXPECT_EQ(last, "Advanced");
    EXPECT_TRUE(settings.Found);
    EXPECT_EQ(settings.InterfaceLanguage, 1);
    EXPECT_TRUE(settings.AudibleClues);
    EXPECT_TRUE(settings.ManualAdvance);

    const CatalogueColumn& basic = catalogue.Columns[2];
    ASSERT_EQ(basic.Count, 100);
    EXPECT_EQ(basic.Position[1], basicStarts[5]);  // the five oldest dropped out
    EXPECT_EQ(basic.Position[100], basicStarts[104]);
    ASSERT_EQ(catalogue.Columns[1].Count, 2);
    EXPECT_EQ(catalogue.Columns[1].Position[2], advancedSecond);
    EXPECT_EQ(catalogue.Columns[3].Count, 0);
}

TEST(HistoryPass0, TitlesThatArePrefixesOfEachOtherKeepTheirOwnSessions) {
    TempFolder dir;
    std::string log;
    std::vector<long long> starts;
    for (const char* title : {"Basic", "Basic 2025", "Basic", "", "Basic 2025 and a longer tail"}) {
        starts.push_back(static_cast<long long>(log.size()));
        log += summaryOf(title, "E1") + "\r\n";
    }
    std::string path = dir.write("Ulvorane_Log.txt", log);
    HistoryCatalogue catalogue;
    // The longer title listed first: a prefix match would file "Basic" under it.
    catalogue.Titles = titles({"Basic 2025", "Basic", "", "Basic 2025 and a longer tail"});
    HistorySettings settings;
    std::string last;
    ASSERT_EQ(myReadHistoryFile(path, 0, 0, "", last, catalogue, settings, nullptr), -1);
    ASSERT_EQ(catalogue.Columns[1].Count, 1);
    EXPECT_EQ(catalogue.Columns[1].Position[1], starts[1]);
    ASSERT_EQ(catalogue.Columns[2].Count, 2);
    EXPECT_EQ(catalogue.Columns[2].Position[1], starts[0]);
    EXPECT_EQ(catalogue.Columns[2].Position[2], starts[2]);
    ASSERT_EQ(catalogue.Columns[3].Count, 1);  // the untitled bank
    EXPECT_EQ(catalogue.Columns[3].Position[1], starts[3]);
    ASSERT_EQ(catalogue.Columns[4].Count, 1);  // same first 25 characters
    EXPECT_EQ(catalogue.Columns[4].Position[1], starts[4]);
}

struct QualificationCase {
    const char* name;
    const char* recorded;
    const char* stored;
    bool same;
};

class Qualification : public ::testing::TestWithParam<QualificationCase> {};

TEST_P(Qualification, MatchesWholeTitlesOverTheStoredWidth) {
    const QualificationCase& c = GetParam();
    EXPECT_EQ(mySameQualification(c.recorded, fixedWidth(c.stored, BankTitleWidth)), c.same);
    EXPECT_EQ(myFindBankTitle(titles({"Unrelated", c.stored}), c.recorded), c.same ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, Qualification,
    ::testing::Values(QualificationCase{"Equal", "Basic", "Basic", true},
                      QualificationCase{"SpacesAround", "  Basic  ", "Basic", true},
                      QualificationCase{"RecordedIsPrefix", "Basic", "Basic 2025", false},
                      QualificationCase{"StoredIsPrefix", "Basic 2025", "Basic", false},
                      QualificationCase{"CaseDiffers", "basic", "Basic", false},
                      QualificationCase{"EmptyNamesUntitled", "", "", true},
                      QualificationCase{"EmptyIsNotATitle", "", "Basic", false},
                      QualificationCase{"TitleIsNotEmpty", "Basic", "", false},
                      QualificationCase{"LongerThanStoredWidth", "Advanced Qualification Question Bank",
                                        "Advanced Qualification Question Bank", true},
                      QualificationCase{"DiffersBeyondStoredWidth", "Advanced Qualification Qu... 2014",
                                        "Advanced Qualification Qu... 2025", true},
                      QualificationCase{"DiffersWithinStoredWidth", "Advanced 2014 Qualification",
                                        "Advanced 2025 Qualification", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryPass0, MissingLogIsNoHistoryAndOtherFailuresAreReported) {
    TempFolder dir;
    ErrorRecorder errors;
    HistoryCatalogue catalogue;
    HistorySettings settings;
    std::string last;
    EXPECT_EQ(myReadHistoryFile(dir.file("none.txt"), 0, 0, "", last, catalogue, settings, nullptr), -1);
    EXPECT_FALSE(settings.Found);
    EXPECT_TRUE(errors.boxes.empty());
    EXPECT_EQ(myReadHistoryFile(dir.path(), 0, 0, "", last, catalogue, settings, nullptr), 0);
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text.rfind("myReadHistoryFile, " + dir.path() + "\r\n err=", 0), 0u);
}

class HistoryPass1 : public ::testing::Test {
protected:
    void SetUp() override {
        fillBank(bank, {{"B-001-001-001", '1', 0}, {"B-001-001-002", '2', 0}, {"B-002-001-001", '3', 0}}, {});
    }
    int read(const std::string& log, const std::string& qualification) {
        std::string path = dir.write("Ulvorane_Log.txt", log);
        std::string last;
        HistoryCatalogue catalogue;
        HistorySettings settings;
        return myReadHistoryFile(path, 1, 0, qualification, last, catalogue, settings, &bank);
    }
    std::array<int16_t, 2> stats(int q) { return slotOf(bank, q).Stats; }

    TempFolder dir;
    BankModel bank;
};

TEST_F(HistoryPass1, CountsRightAndWrongOfItsBankOnly) {
    std::string filler = times(22, ".............S");
    std::string log =
        summaryOf("Basic", "E1") +
        // right (b: 1 of 1), "Don't know" (l: expected 2, given 5), unanswered (a)
        "B-001-001-001bB-001-001-002lB-002-001-001a" + filler + "\r\n\r\n" +
        summaryOf("Other", "E1") + "B-001-001-001c" + times(24, ".............S") + "\r\n\r\n" +
        summaryOf("Basic", "E1") +
        // wrong (c: expected 1, given 2), right (p: expected 3, given 3), unknown designation
        "B-001-001-001cB-002-001-001pB-009-009-009b" + filler + "\r\n";
    ASSERT_EQ(read(log, fixedWidth("Basic", BankTitleWidth)), -1);
    EXPECT_EQ(stats(1), (std::array<int16_t, 2>{1, 1}));
    EXPECT_EQ(stats(2), (std::array<int16_t, 2>{1, 0}));
    EXPECT_EQ(stats(3), (std::array<int16_t, 2>{0, 1}));
}

TEST_F(HistoryPass1, CountersStopAt32767) {
    slotOf(bank, 1).Stats = {32766, 32765};
    const std::string session = summaryOf("Basic", "E1") + "B-001-001-001bB-001-001-001c" +
                                times(23, ".............S") + "\r\n\r\n";
    ASSERT_EQ(read(session + session + session, fixedWidth("Basic", BankTitleWidth)), -1);
    EXPECT_EQ(stats(1), (std::array<int16_t, 2>{32767, 32767}));
}

TEST_F(HistoryPass1, ShortOrDamagedLinesAreReadWithinTheirLength) {
    std::string log = summaryOf("Basic", "E1") +
                      "B-001-001-001bB-001-001-0\r\n" +           // second entry cut short
                      "B-001-001-001zB-001-001-001\xff" "B-001-001-001\x01\r\n" +  // beyond x, garbage
                      "B-001-001-001" + std::string(1, '\0') + "\r\n" + "b\r\n";
    ASSERT_EQ(read(log, "Basic"), -1);
    EXPECT_EQ(stats(1), (std::array<int16_t, 2>{0, 1}));
    EXPECT_EQ(stats(2), (std::array<int16_t, 2>{0, 0}));
}

TEST_F(HistoryPass1, TitleLongerThanItsStoredPartStillMatches) {
    std::string longTitle = "Advanced Qualification Question Bank 2014";
    std::string log = summaryOf(longTitle, "E1") + "B-001-001-001b" + times(24, ".............S") + "\r\n";
    std::string stored = fixedWidth(longTitle, BankTitleWidth);
    ASSERT_EQ(read(log, stored), -1);
    EXPECT_EQ(stats(1)[1], 1);
    EXPECT_EQ(myFindBankTitle(titles({"Basic", longTitle}), longTitle), 2);
    EXPECT_EQ(myFindBankTitle(titles({"Basic", longTitle}), "Nothing"), 0);
    EXPECT_EQ(myFindBankTitle(titles({"Basic", longTitle}), ""), 0);
}

TEST(LogLocation, FallsBackToTheSaveDialog) {
    TempFolder dir;
    ErrorRecorder errors;
    EXPECT_EQ(myObtainLoggingLocation(dir.path(), nullptr), dir.file("Ulvorane_Log.txt"));
    EXPECT_TRUE(errors.boxes.empty());

    std::string missing = dir.file("absent");
    std::string askedTitle, askedFilter;
    auto dialog = [&](const std::string& title, const std::string& name, const std::filesystem::path& folder,
                      const std::string& ext, const std::string& filter, std::filesystem::path& chosen) {
        askedTitle = title;
        askedFilter = filter;
        EXPECT_EQ(name, "Ulvorane_Log.txt");
        EXPECT_EQ(pathBytes(folder), missing);
        EXPECT_EQ(ext, "txt");
        chosen = "/elsewhere/log.txt";
        return true;
    };
    EXPECT_EQ(pathBytes(myObtainLoggingLocation(missing, dialog)), "/elsewhere/log.txt");
    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].text, "myObtainLoggingLocation, err=" + std::to_string(ENOENT) + " " + errorText(ENOENT));
    EXPECT_EQ(askedTitle, "Confirm or change LOG location");
    EXPECT_EQ(askedFilter, "Text Files/Fichiers Texte|*.txt");
    auto cancel = [](const std::string&, const std::string&, const std::filesystem::path&, const std::string&,
                     const std::string&, std::filesystem::path&) { return false; };
    EXPECT_EQ(pathBytes(myObtainLoggingLocation(missing, cancel)), "Ulvorane_Log.txt");
}

}  // namespace
