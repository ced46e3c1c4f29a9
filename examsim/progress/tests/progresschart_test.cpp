#include "examsim/progress/progresschart.h"

#include <gtest/gtest.h>

namespace {

SessionFigure session(double mark, bool full) {
    SessionFigure s;
    s.Mark = mark;
    s.Full = full;
    return s;
}

struct ChartCase {
    const char* name;
    std::vector<SessionFigure> sessions;
    int passMark;
    std::vector<ChartPoint> full, partial;
    double xMax;
    std::vector<double> xTicks;
};

// The sessions at their place in the log: a session without a mark leaves
// its place empty, a partial one is apart from the line; the ticks stay
// about ten whatever the number of sessions.
const ChartCase kCharts[] = {
    {"one full exam", {session(81, true)}, 70, {{1, 81}}, {}, 2, {0, 1, 2}},
    {"a drill between two exams, an unmarked session",
     {session(40, true), session(100, false), session(-1, true), session(62.5, true)},
     65, {{1, 40}, {4, 62.5}}, {{2, 100}}, 5, {0, 1, 2, 3, 4, 5}},
    {"nine sessions: eleven ticks", std::vector<SessionFigure>(9, session(50, true)), 70,
     {{1, 50}, {2, 50}, {3, 50}, {4, 50}, {5, 50}, {6, 50}, {7, 50}, {8, 50}, {9, 50}}, {}, 10,
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    {"ten sessions: a tick every second", std::vector<SessionFigure>(10, session(0, false)), 70, {},
     {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}, 11,
     {0, 2, 4, 6, 8, 10}},
    {"no session", {}, 70, {}, {}, 1, {0, 1}},
};

TEST(ProgressChart, SessionsBecomePointsAtTheirPlaceAndTheTicksStayFew) {
    for (const ChartCase& c : kCharts) {
        ProgressFigures figures;
        figures.Sessions = c.sessions;
        figures.PassMarkPercent = c.passMark;
        const ProgressChartData chart = myProgressChart(figures);
        EXPECT_EQ(chart.Full, c.full) << c.name;
        EXPECT_EQ(chart.Partial, c.partial) << c.name;
        EXPECT_EQ(chart.PassMark, c.passMark) << c.name;
        EXPECT_EQ(chart.XMin, 0) << c.name;
        EXPECT_EQ(chart.XMax, c.xMax) << c.name;
        std::vector<double> xTicks;
        for (const ChartTick& t : chart.XTicks) {
            xTicks.push_back(t.Value);
            EXPECT_EQ(t.Label, std::to_string(static_cast<int>(t.Value))) << c.name;
        }
        EXPECT_EQ(xTicks, c.xTicks) << c.name;
        const std::vector<ChartTick> yTicks = {{0, "0"}, {20, "20"}, {40, "40"}, {60, "60"}, {80, "80"}, {100, "100"}};
        EXPECT_EQ(chart.YTicks, yTicks) << c.name;
        // Every mark within the axes, none on the vertical one.
        for (const auto* points : {&chart.Full, &chart.Partial})
            for (const ChartPoint& p : *points) {
                EXPECT_GT(p.X, chart.XMin) << c.name;
                EXPECT_LT(p.X, chart.XMax) << c.name;
                EXPECT_GT(p.Y, chart.YMin) << c.name;
                EXPECT_LT(p.Y, chart.YMax) << c.name;
            }
    }
}

TEST(ProgressChart, PointsMapOntoTheAreaWithTheMarksUpwards) {
    ProgressChartData chart;
    chart.XMax = 11;
    const ChartArea area{50, 20, 1100, 540};
    struct {
        double x, y, px, py;
    } const cases[] = {
        {0, 104, 50, 20}, {11, -4, 1150, 560}, {5.5, 50, 600, 290}, {1, 100, 150, 40}, {10, 0, 1050, 540},
    };
    for (const auto& c : cases) {
        const ChartPoint p = myChartToPixels(chart, area, c.x, c.y);
        EXPECT_NEAR(p.X, c.px, 1e-9) << c.x << "," << c.y;
        EXPECT_NEAR(p.Y, c.py, 1e-9) << c.x << "," << c.y;
    }
}

// The lines stand out from every background a scheme may give the chart:
// the greys from black to white, and the pages of the usual light and
// dark schemes; and the three stay apart from each other on the usual ones.
TEST(ProgressChart, LineColoursStandOutFromAnyBackground) {
    std::vector<Rgb> pages;
    for (int v = 0; v <= 255; v += 5) pages.push_back({v, v, v});
    const Rgb light{255, 255, 255}, fusionDark{42, 42, 42}, darker{35, 38, 41}, solarized{0, 43, 54};
    for (Rgb page : {light, fusionDark, darker, solarized, Rgb{255, 255, 220}}) pages.push_back(page);
    for (const Rgb& page : pages)
        for (ChartLine line : {ChartLine::Marks, ChartLine::Partial, ChartLine::Pass})
            EXPECT_GE(contrastRatio(myChartLineColour(line, page), page), ChartLineContrast)
                << page.Red << "," << page.Green << "," << page.Blue << " line " << static_cast<int>(line);
    for (const Rgb& page : {light, fusionDark, darker}) {
        const Rgb marks = myChartLineColour(ChartLine::Marks, page);
        const Rgb partial = myChartLineColour(ChartLine::Partial, page);
        const Rgb pass = myChartLineColour(ChartLine::Pass, page);
        auto apart = [](Rgb a, Rgb b) {
            return std::abs(a.Red - b.Red) + std::abs(a.Green - b.Green) + std::abs(a.Blue - b.Blue);
        };
        EXPECT_GT(apart(marks, partial), 150) << page.Red;
        EXPECT_GT(apart(marks, pass), 150) << page.Red;
        EXPECT_GT(apart(partial, pass), 80) << page.Red;
    }
    // A dark scheme's page gets the light shades, a light one the dark.
    EXPECT_GT(relativeLuminance(myChartLineColour(ChartLine::Marks, darker)), relativeLuminance(darker));
    EXPECT_LT(relativeLuminance(myChartLineColour(ChartLine::Marks, light)), relativeLuminance(light));
}

}  // namespace
