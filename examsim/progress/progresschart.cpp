#include "examsim/progress/progresschart.h"

#include <algorithm>
#include <cmath>

ProgressChartData myProgressChart(const ProgressFigures& figures) {
    ProgressChartData chart;
    const int sessions = static_cast<int>(figures.Sessions.size());
    for (int s = 0; s < sessions; ++s) {
        const SessionFigure& session = figures.Sessions[static_cast<size_t>(s)];
        if (session.Mark < 0) continue;
        (session.Full ? chart.Full : chart.Partial).push_back({static_cast<double>(s + 1), session.Mark});
    }
    const int last = sessions + 1;
    chart.XMax = last;
    chart.PassMark = figures.PassMarkPercent;
    const int step = std::max(1, (last + 9) / 10);
    for (int x = 0; x <= last; x += step) chart.XTicks.push_back({static_cast<double>(x), std::to_string(x)});
    for (int y = 0; y <= 100; y += 20) chart.YTicks.push_back({static_cast<double>(y), std::to_string(y)});
    return chart;
}

ChartPoint myChartToPixels(const ProgressChartData& chart, const ChartArea& area, double x, double y) {
    const double xSpan = chart.XMax - chart.XMin, ySpan = chart.YMax - chart.YMin;
    return {area.Left + (xSpan > 0 ? (x - chart.XMin) / xSpan * area.Width : 0),
            area.Top + (ySpan > 0 ? (chart.YMax - y) / ySpan * area.Height : 0)};
}

Rgb myChartLineColour(ChartLine line, Rgb background) {
    struct Shades {
        Rgb Dark, Light;
    };
    // Blue for the marks, orange for the partial exams, red for the pass line.
    static const Shades shades[] = {
        {{0, 70, 170}, {120, 175, 255}},
        {{160, 80, 0}, {255, 175, 70}},
        {{170, 0, 0}, {255, 120, 120}},
    };
    const Shades& hue = shades[static_cast<int>(line)];
    const Rgb best =
        contrastRatio(hue.Dark, background) >= contrastRatio(hue.Light, background) ? hue.Dark : hue.Light;
    return contrastRatio(best, background) >= ChartLineContrast ? best : readableTextOn(background);
}
