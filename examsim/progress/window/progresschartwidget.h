// The progress chart painted with QPainter from the palette: the page in
// the Base colour, the axes, their ticks and titles and the legend in the
// Text colour, the line of full exams, the partial exams as squares apart
// and the dashed pass line in colours that stand out from that page. Its
// text alternative (accessible name and description) is set by the window.
#pragma once

#include <QString>
#include <QWidget>

#include "examsim/progress/progresschart.h"

class ProgressChartWidget : public QWidget {
    Q_OBJECT
public:
    struct Texts {
        QString Title, Marks, Partial, Pass, AxisX, AxisY;
    };

    explicit ProgressChartWidget(QWidget* parent = nullptr);

    void setChart(ProgressChartData chart, Texts texts);
    const ProgressChartData& chart() const { return chart_; }
    const Texts& texts() const { return texts_; }
    QString title() const { return texts_.Title; }
    // The plot within the widget at its present size: the axes' corner at
    // its bottom left.
    QRectF plotArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QRectF Title, Plot, Legend;
        QList<QRectF> LegendEntries;
    };
    Layout layOut() const;
    QFont titleFont() const;

    ProgressChartData chart_;
    Texts texts_;
};
