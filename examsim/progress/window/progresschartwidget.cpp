#include "examsim/progress/window/progresschartwidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

namespace {

QColor toQColor(Rgb c) { return QColor(c.Red, c.Green, c.Blue); }
Rgb toRgb(const QColor& c) { return {c.red(), c.green(), c.blue()}; }

// Between two colours: 0 the first, 1 the second.
QColor mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                            float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

QPointF toPixels(const ProgressChartData& chart, const QRectF& plot, double x, double y) {
    const ChartPoint p = myChartToPixels(chart, {plot.left(), plot.top(), plot.width(), plot.height()}, x, y);
    return {p.X, p.Y};
}

// A screen reader is told the widget is a chart, not a bare pane.
QAccessibleInterface* chartAccessible(const QString& key, QObject* object) {
    if (key == QLatin1String("ProgressChartWidget") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

}  // namespace

ProgressChartWidget::ProgressChartWidget(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ProgressChartWidget::setChart(ProgressChartData chart, Texts texts) {
    chart_ = std::move(chart);
    texts_ = std::move(texts);
    updateGeometry();
    update();
}

QFont ProgressChartWidget::titleFont() const {
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    return f;
}

QSize ProgressChartWidget::sizeHint() const {
    const QFontMetrics m(font());
    return {m.averageCharWidth() * 100, m.height() * 20};
}

QSize ProgressChartWidget::minimumSizeHint() const {
    const QFontMetrics m(font());
    return {m.averageCharWidth() * 40, m.height() * 12};
}

ProgressChartWidget::Layout ProgressChartWidget::layOut() const {
    const QFontMetricsF m(font());
    const double line = m.height(), margin = line / 2, tick = line / 3;
    const QRectF page = QRectF(rect()).adjusted(margin, margin / 2, -margin, -margin / 2);
    Layout out;
    out.Title = QRectF(page.left(), page.top(), page.width(), QFontMetricsF(titleFont()).height());

    // The legend's entries in rows, each a sample of the line and its name,
    // as many to a row as the width holds.
    const double sample = line * 2, gap = line / 2;
    const QString names[] = {texts_.Marks, texts_.Partial, texts_.Pass};
    QList<QSizeF> sizes;
    for (const QString& name : names) sizes << QSizeF(sample + gap + m.horizontalAdvance(name), line);
    QList<QList<int>> rows{{}};
    double rowWidth = 0;
    for (int e = 0; e < 3; ++e) {
        const double w = sizes[e].width() + (rows.back().isEmpty() ? 0 : line * 1.5);
        if (!rows.back().isEmpty() && rowWidth + w > page.width()) {
            rows.append(QList<int>());
            rowWidth = 0;
        }
        rowWidth += rows.back().isEmpty() ? sizes[e].width() : w;
        rows.back() << e;
    }
    const double legendHeight = rows.size() * line * 1.2;
    out.Legend = QRectF(page.left(), page.bottom() - legendHeight, page.width(), legendHeight);
    for (int e = 0; e < 3; ++e) out.LegendEntries << QRectF();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        double width = 0;
        for (int e : rows[r]) width += sizes[e].width();
        width += (rows[r].size() - 1) * line * 1.5;
        double x = out.Legend.center().x() - width / 2;
        for (int e : rows[r]) {
            out.LegendEntries[e] = QRectF(QPointF(x, out.Legend.top() + r * line * 1.2 + line * 0.1), sizes[e]);
            x += sizes[e].width() + line * 1.5;
        }
    }

    double labelWidth = 0;
    for (const ChartTick& t : chart_.YTicks)
        labelWidth = std::max(labelWidth, m.horizontalAdvance(QString::fromStdString(t.Label)));
    const double lastLabel =
        chart_.XTicks.empty() ? 0 : m.horizontalAdvance(QString::fromStdString(chart_.XTicks.back().Label));
    const double left = page.left() + line * 1.3 + labelWidth + tick * 2;
    const double right = page.right() - std::max(margin, lastLabel / 2);
    const double top = out.Title.bottom() + line * 0.8;
    // Below the plot: the ticks, their labels, the axis title, a gap.
    const double bottom = out.Legend.top() - line * 0.6 - line - line - tick * 2;
    out.Plot = QRectF(QPointF(left, top), QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
    return out;
}

QRectF ProgressChartWidget::plotArea() const { return layOut().Plot; }

void ProgressChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor base = pal.color(QPalette::Base), ink = pal.color(QPalette::Text);
    const QColor grid = mixed(base, ink, 0.18);
    p.fillRect(rect(), base);

    const Layout lay = layOut();
    const QRectF& plot = lay.Plot;
    const QFontMetricsF m(font());
    const double line = m.height(), tick = line / 3;

    p.setPen(ink);
    p.setFont(titleFont());
    p.drawText(lay.Title, Qt::AlignHCenter | Qt::AlignVCenter, texts_.Title);
    p.setFont(font());

    // The grid and the ticks' labels; on a low chart every other mark's
    // label, so that they never touch.
    const double tickSpacing =
        chart_.YTicks.size() > 1 ? plot.height() * (chart_.YTicks[1].Value - chart_.YTicks[0].Value) /
                                       (chart_.YMax - chart_.YMin)
                                 : line * 2;
    const size_t labelEvery = tickSpacing < line * 1.2 ? 2 : 1;
    for (size_t i = 0; i < chart_.YTicks.size(); ++i) {
        const ChartTick& t = chart_.YTicks[i];
        const double y = toPixels(chart_, plot, chart_.XMin, t.Value).y();
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        if (i % labelEvery == 0)
            p.drawText(QRectF(plot.left() - tick * 2 - line * 4, y - line / 2, line * 4, line),
                       Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(t.Label));
    }
    for (const ChartTick& t : chart_.XTicks) {
        const double x = toPixels(chart_, plot, t.Value, chart_.YMin).x();
        p.setPen(QPen(grid, 1));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        p.drawText(QRectF(x - line * 2, plot.bottom() + tick * 1.5, line * 4, line), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(t.Label));
    }
    p.setPen(QPen(ink, 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The axes' titles: the sessions under their labels, the marks upright.
    p.drawText(QRectF(plot.left(), plot.bottom() + tick * 1.5 + line, plot.width(), line),
               Qt::AlignHCenter | Qt::AlignTop, texts_.AxisX);
    {
        // Upright beside the tick labels, whatever their width.
        double labelWidth = 0;
        for (const ChartTick& t : chart_.YTicks)
            labelWidth = std::max(labelWidth, m.horizontalAdvance(QString::fromStdString(t.Label)));
        p.save();
        p.translate(plot.left() - tick * 2 - labelWidth - line * 0.3, plot.center().y());
        p.rotate(-90);
        p.drawText(QRectF(-plot.height() / 2, -line, plot.height(), line), Qt::AlignHCenter | Qt::AlignBottom,
                   texts_.AxisY);
        p.restore();
    }

    const Rgb page = toRgb(base);
    const QColor marks = toQColor(myChartLineColour(ChartLine::Marks, page));
    const QColor partial = toQColor(myChartLineColour(ChartLine::Partial, page));
    const QColor pass = toQColor(myChartLineColour(ChartLine::Pass, page));
    QPen passPen(pass, 2, Qt::DashLine);
    const double dot = std::max(3.0, line * 0.22), square = std::max(6.0, line * 0.6);
    auto drawDot = [&](QPointF at) {
        p.setPen(QPen(base, 1));
        p.setBrush(marks);
        p.drawEllipse(at, dot, dot);
    };
    auto drawSquare = [&](QPointF at) {
        p.setPen(QPen(base, 1));
        p.setBrush(partial);
        p.drawRect(QRectF(at.x() - square / 2, at.y() - square / 2, square, square));
    };

    p.save();
    p.setClipRect(plot.adjusted(-square, -square, square, square));
    p.setPen(passPen);
    p.drawLine(toPixels(chart_, plot, chart_.XMin, chart_.PassMark), toPixels(chart_, plot, chart_.XMax, chart_.PassMark));
    if (!chart_.Full.empty()) {
        QPainterPath path(toPixels(chart_, plot, chart_.Full.front().X, chart_.Full.front().Y));
        for (const ChartPoint& point : chart_.Full) path.lineTo(toPixels(chart_, plot, point.X, point.Y));
        p.setPen(QPen(marks, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        for (const ChartPoint& point : chart_.Full) drawDot(toPixels(chart_, plot, point.X, point.Y));
    }
    for (const ChartPoint& point : chart_.Partial) drawSquare(toPixels(chart_, plot, point.X, point.Y));
    p.restore();

    // The legend: a sample of each line before its name.
    const QString names[] = {texts_.Marks, texts_.Partial, texts_.Pass};
    for (int e = 0; e < 3; ++e) {
        const QRectF entry = lay.LegendEntries[e];
        const QRectF swatch(entry.left(), entry.top(), line * 2, entry.height());
        const double y = swatch.center().y();
        if (e == 0) {
            p.setPen(QPen(marks, 2));
            p.drawLine(QPointF(swatch.left(), y), QPointF(swatch.right(), y));
            drawDot(swatch.center());
        } else if (e == 1) {
            drawSquare(swatch.center());
        } else {
            p.setPen(passPen);
            p.drawLine(QPointF(swatch.left(), y), QPointF(swatch.right(), y));
        }
        p.setPen(ink);
        p.drawText(QRectF(swatch.right() + line / 2, entry.top(), entry.width() - swatch.width() - line / 2,
                          entry.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, names[e]);
    }

    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}
