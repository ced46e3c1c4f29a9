// The progress chart as figures, apart from its painting: the marks of the
// sessions as points (full exams for the line, partial ones apart), the
// pass line, the axes' ranges and ticks, the mapping of a point onto the
// plot, and the colours of the lines on whatever background the desktop's
// scheme gives the chart. The window paints what this computes.
#pragma once

#include <string>
#include <vector>

#include "examsim/progress/progressfigures.h"
#include "toolkit/colour.h"

struct ChartPoint {
    double X = 0;  // the session's place in the log, 1 for the first
    double Y = 0;  // its mark, per cent
    bool operator==(const ChartPoint&) const = default;
};

struct ChartTick {
    double Value = 0;
    std::string Label;
    bool operator==(const ChartTick&) const = default;
};

struct ProgressChartData {
    // The horizontal axis runs from 0 to one past the last session, so
    // that no session sits on the vertical axis nor on the right edge.
    double XMin = 0, XMax = 1;
    // A little room beyond 0 and 100, so that a mark there shows whole.
    double YMin = -4, YMax = 104;
    std::vector<ChartPoint> Full;     // full exams, joined by the line
    std::vector<ChartPoint> Partial;  // drills and smaller exams, squares apart
    double PassMark = DefaultPassMarkPercent;
    std::vector<ChartTick> XTicks;    // at most about ten, whole sessions
    std::vector<ChartTick> YTicks;    // 0, 20, ... 100
};

// The sessions with a mark, at their place in the log; the pass mark of
// the figures.
ProgressChartData myProgressChart(const ProgressFigures& figures);

// Where the plot is drawn, in pixels (y downwards).
struct ChartArea {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};

// A point of the chart's axes in pixels within the area: XMin at the left
// edge, XMax at the right, YMax at the top, YMin at the bottom.
ChartPoint myChartToPixels(const ProgressChartData& chart, const ChartArea& area, double x, double y);

enum class ChartLine { Marks, Partial, Pass };

// Least contrast of a line or a marker with the chart's background: the
// guidelines' figure for graphics a reader must make out.
inline constexpr double ChartLineContrast = 3.0;

// The colour of a line on the background: its hue in the shade that
// stands out most from it (dark on a light scheme, light on a dark one),
// black or white where no shade of the hue stands out enough.
Rgb myChartLineColour(ChartLine line, Rgb background);
