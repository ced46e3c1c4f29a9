#include <gtest/gtest.h>

#include <algorithm>

#include "examsim/ui/mainlayout.h"
#include "toolkit/tests/casenames.h"

namespace {

LayoutInput input(bool simplified, int kx = 0, int ky = 0) {
    LayoutInput in;
    in.Simplified = simplified;
    in.Shrink = {kx, ky};
    in.BankCount = 3;
    in.MenuBarDlu = 10;
    in.LogoWidthDlu = 53;
    in.LogoHeightDlu = 47;
    in.PictureWidthDlu = 21;
    in.PictureHeightDlu = 16;
    return in;
}

const ControlPlace* find(const std::vector<ControlPlace>& places, int id) {
    auto it = std::find_if(places.begin(), places.end(), [id](const ControlPlace& p) { return p.Id == id; });
    return it == places.end() ? nullptr : &*it;
}

struct PlaceCase {
    bool simplified;
    int kx, ky;
    int id;
    int x, y, width, height;
};
class ControlPlaces : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(ControlPlaces, FollowTheTableAtTheShrinkFactors) {
    const PlaceCase& c = GetParam();
    const auto places = myMainLayout(input(c.simplified, c.kx, c.ky));
    const ControlPlace* p = find(places, c.id);
    ASSERT_NE(p, nullptr) << c.id;
    EXPECT_EQ(p->X, c.x) << c.id;
    EXPECT_EQ(p->Y, c.y) << c.id;
    EXPECT_EQ(p->Width, c.width) << c.id;
    EXPECT_EQ(p->Height, c.height) << c.id;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlPlaces,
    ::testing::Values(
        PlaceCase{false, 0, 0, 2000, 4, 10, 148, 70},     // list height for 3 banks + prompt
        PlaceCase{false, 0, 0, 2022, 24, 110, 464, 32},
        PlaceCase{false, 0, 0, 2026, 24, 246, 464, 20},
        PlaceCase{false, 0, 0, 2012, 420, 278, 52, 28},
        PlaceCase{false, 0, 0, 2016, 277, 7, 56, 48},      // 53 -> 56, 47 -> 48, centred in 50 x 62
        PlaceCase{false, 0, 0, 2050, 0, 114, 24, 24},      // 21 -> 24 wide, 16 -> 24 high
        PlaceCase{false, 0, 0, 2049, 1, 314, 510, 12},     // above the menu bar's height
        PlaceCase{true, 0, 0, 2001, 154, 10, 134, 84},
        PlaceCase{true, 0, 0, 2044, 10, 270, 492, 14},
        PlaceCase{true, 0, 0, 2005, 386, 296, 120, 24},
        // Shrunk 10 % each way: the answers' 24-unit margin and the text
        // boxes' left edge stay; each product is rounded on its own.
        PlaceCase{false, 5, 5, 2022, 24, 99, 439 - 16, 29},
        PlaceCase{false, 5, 5, 2039, 2, 65, 457, 32},
        PlaceCase{false, 0, 5, 2006, 6, 40, 50, 14},       // Launch's height follows fx
        PlaceCase{true, 5, 0, 2040, 9, 134, 452 - 7, 32},
        PlaceCase{false, 5, 5, 2047, 65, 56, 7, 7}),
                         namedBy([](const PlaceCase& c) {
                             std::string name = std::string(c.simplified ? "Simplified " : "Normal ") + std::to_string(c.id);
                             if (c.kx || c.ky) name += " shrunk " + std::to_string(c.kx) + " " + std::to_string(c.ky);
                             return name;
                         }));

TEST(MainLayout, SimplifiedLayoutHasNoPicturesProgressOrLanguageButton) {
    const auto places = myMainLayout(input(true));
    for (int id : {2015, 2012, 2016, 2049, 2050, 2054, 2020, 2027, 2031, 2032, 2022, 2026})
        EXPECT_EQ(find(places, id), nullptr) << id;
    for (int id : {2037, 2038, 2039, 2040, 2044, 2000, 2001, 2003}) EXPECT_NE(find(places, id), nullptr) << id;
    const auto normal = myMainLayout(input(false));
    for (int id : {2037, 2038, 2040}) EXPECT_EQ(find(normal, id), nullptr) << id;
}

TEST(MainLayout, AnswerPicturesAreCentredOnTheirButtons) {
    const auto places = myMainLayout(input(false, 3, 7));
    for (int i = 0; i < 5; ++i) {
        const ControlPlace* button = find(places, 2022 + i);
        const ControlPlace* picture = find(places, 2050 + i);
        ASSERT_TRUE(button && picture);
        EXPECT_LE(std::abs((button->Y + button->Height / 2) - (picture->Y + picture->Height / 2)), 1) << i;
    }
}

TEST(ShrinkFactors, SlotHoldsPercentWidthLowHeightHigh) {
    EXPECT_EQ(ShrinkFactors{}.slotValue(), (100 << 16) | 100);
    EXPECT_EQ((ShrinkFactors{3, 10}.slotValue()), (80 << 16) | 94);
}

int px(int dlu) { return dlu * 2; }  // a font of 8 x 16 pixels

TEST(FitWorkArea, ShrinksHeightFirstInTwoPercentSteps) {
    // 1024 x 672 at full size, plus a 10 x 30 frame.
    EXPECT_EQ(myFitWorkArea(2000, 2000, 10, 30, px, px).Kx, 0);
    const ShrinkFactors tall = myFitWorkArea(2000, 700, 10, 30, px, px);
    EXPECT_EQ(tall.Kx, 0);
    EXPECT_EQ(tall.Ky, 1);  // 329 units: 658 + 30 fits 700
    const ShrinkFactors narrow = myFitWorkArea(900, 2000, 10, 30, px, px);
    EXPECT_EQ(narrow.Ky, 0);
    EXPECT_EQ(narrow.Kx, 7);  // 512 * 0.86 = 440: 880 + 10 fits 900
    const ShrinkFactors both = myFitWorkArea(900, 700, 10, 30, px, px);
    EXPECT_EQ(both.Kx, 7);
    EXPECT_EQ(both.Ky, 1);
}

TEST(FitWorkArea, GivesUpAtHalfSize) {
    const ShrinkFactors f = myFitWorkArea(10, 10, 0, 0, px, px);
    EXPECT_EQ(f.Kx, MaxShrinkSteps);
    EXPECT_EQ(f.Ky, MaxShrinkSteps);
}

}  // namespace
