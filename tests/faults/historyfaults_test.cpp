// A history log that has been damaged over the years: a line of a
// megabyte, NUL bytes, binary garbage. Reading it must neither fail nor lose
// the sessions around the damage.
#include <gtest/gtest.h>

#include "examsim/session/historylog.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"

namespace {

const std::string kTitle = "Basic Test Bank";

std::string summary(const std::string& title, const std::string& settings) {
    return "~ " + title + " ~ 2014/04/25 14:30 ~ 50% ~  0=unans ~   2 Qstns ~  1=Mode ~ 64=Stage ~  1=ok~"
           "  1=wrg~  0=dk~ Elapsed 00:01:00 ~ " + settings + " ~\r\n";
}

// One session: the first question answered right (expected 2, given 2: "i"),
// the second wrong (expected 3, given 1: "n").
std::string session(const std::string& settings) {
    return summary(kTitle, settings) + "B-001-001-001iB-001-002-001n" + times(23, ".............S") +
           "\r\n\r\n";
}

std::string garbage(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(seed >> 16);
    }
    return bytes;
}

struct DamageCase {
    const char* name;
    std::string damage;
};

std::vector<DamageCase> damages() {
    const std::string megabyte(1 << 20, 'x');
    return {
        {"MegabyteLine", megabyte + "\r\n"},
        {"MegabyteOfTildes", std::string(1 << 20, '~') + "\r\n"},
        {"MegabyteQuestionLine", times(75000, "B-001-001-001i") + "\r\n"},
        {"NulBytes", std::string("B-001-001-001\0h\0\0\0", 18) + std::string(400, '\0') + "\r\n"},
        {"BinaryGarbage", garbage(300000, 7)},
        {"GarbageWithoutLineEnd", garbage(5000, 11) + "\r\n"},
        {"LoneCarriageReturns", std::string(1000, '\r') + "\r\n"},
    };
}

class DamagedHistory : public ::testing::TestWithParam<DamageCase> {
protected:
    DamagedHistory() {
        fillBank(bank, {{"B-001-001-001", '2', 0}, {"B-001-002-001", '3', 0}}, {}, kTitle);
        catalogue.Titles = {"", fixedWidth(kTitle, BankTitleWidth)};
    }
    ErrorRecorder errors;
    TempFolder dir;
    BankModel bank;
    HistoryCatalogue catalogue;
};

TEST_P(DamagedHistory, SessionsBeforeAndAfterTheDamageAllCount) {
    // The damage cannot end a line of its own, so whatever it leaves open
    // is closed before the next session.
    const std::string first = session("E1");
    const std::string damaged = first + GetParam().damage + "\r\n";
    const std::string log = damaged + session("F2AM");
    const std::string path = dir.write("Ulvorane_Log.txt", log);

    HistorySettings settings;
    std::string last;
    ASSERT_EQ(myReadHistoryFile(path, 0, 0, "", last, catalogue, settings, nullptr), -1);
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
    // Both sessions are found where they begin; the last one sets the interface.
    ASSERT_GE(catalogue.Columns[1].Count, 2);
    EXPECT_EQ(catalogue.Columns[1].Position[1], 0);
    EXPECT_EQ(catalogue.Columns[1].Position[catalogue.Columns[1].Count],
              static_cast<long long>(damaged.size()));
    EXPECT_EQ(last, kTitle);
    EXPECT_EQ(settings.InterfaceLanguage, 1);
    EXPECT_TRUE(settings.AudibleClues);
    EXPECT_TRUE(settings.ManualAdvance);

    ASSERT_EQ(myReadBankHistory(path, catalogue, 1, bank), -1);
    EXPECT_TRUE(errors.boxes.empty()) << errors.lastText();
    // Each session adds one right answer to the first question and one wrong
    // to the second; damage may add to them, never take away.
    EXPECT_GE(slotOf(bank, 1).Stats[1], 2);
    EXPECT_GE(slotOf(bank, 2).Stats[0], 2);
    EXPECT_EQ(slotOf(bank, 2).Stats[1], 0);
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedHistory, ::testing::ValuesIn(damages()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
