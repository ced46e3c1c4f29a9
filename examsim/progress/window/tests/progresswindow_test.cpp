#include "examsim/progress/window/progresswindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QScreen>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/progressreport.h"
#include "examsim/progress/progresstexts.h"
#include "examsim/progress/window/progresschartwidget.h"
#include "examsim/progress/window/tests/improvinglog.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/uicontext.h"

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

class Progress : public ::testing::Test {
protected:
    void SetUp() override {
        std::string unused;
        ASSERT_TRUE(myReadQuestionBank(bank, std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt", FullRead, unused));
    }
    void TearDown() override { uiContext().InterfaceLanguage = 0; }
    std::unique_ptr<ProgressWindow> open(int sessions, bool simplified = false, int drillEvery = 0) {
        const std::string log = dir.write("Ulvorane_Log.txt", improvingLog(bank, sessions, drillEvery));
        auto w = std::make_unique<ProgressWindow>(bank, log, simplified, nullptr);
        w->show();
        QCoreApplication::processEvents();
        return w;
    }
    static std::vector<QString> column(QTableView* table, int c, int role = Qt::DisplayRole) {
        std::vector<QString> values;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            values.push_back(table->model()->index(r, c).data(role).toString());
        return values;
    }
    static std::vector<QString> ids(const std::vector<GroupFigure>& groups) {
        std::vector<QString> values;
        for (const GroupFigure& g : groups) values.push_back(toQString(g.Id));
        return values;
    }

    ErrorRecorder errors;
    TempFolder dir;
    BankModel bank;
};

TEST_F(Progress, ChartsEveryMarkWithThePassMarkAndDescribesTheLastTen) {
    auto w = open(30);
    const ProgressFigures& f = w->figures();
    ASSERT_EQ(f.Sessions.size(), 30u);
    const ProgressChartData& chart = w->chartView()->chart();
    const std::vector<ChartPoint>& marks = chart.Full;
    ASSERT_EQ(marks.size(), 30u);
    EXPECT_TRUE(chart.Partial.empty());
    for (size_t s = 0; s < 30; ++s) EXPECT_DOUBLE_EQ(marks[s].Y, f.Sessions[s].Mark);
    EXPECT_GT(marks[29].Y, marks[0].Y);  // the log improves
    EXPECT_EQ(chart.PassMark, 70);
    EXPECT_EQ(w->chartView()->texts().Pass, q("Pass mark 70%"));
    QString lastTen;
    for (size_t s = 20; s < 30; ++s) lastTen += (s > 20 ? ", " : "") + toQString(f.Sessions[s].MarkText);
    // The chances are the window's own lines, not the chart's: a screen
    // reader reads both as the window opens.
    EXPECT_EQ(w->chartView()->accessibleDescription(), "Marks of the last 10 full exams, oldest first: " + lastTen + ".");
    EXPECT_FALSE(w->chartView()->accessibleDescription().contains(q("Chance of passing now")));
    EXPECT_EQ(w->windowTitle(), q("Progress - Basic sample (English)"));
}

TEST_F(Progress, TablesStartWeakestFirstAndSortByTheNumbersOfAColumn) {
    auto w = open(30);
    EXPECT_EQ(column(w->lessonTable(), 0), ids(w->figures().Lessons));
    EXPECT_EQ(column(w->topicTable(), 0), ids(w->figures().Topics));
    ASSERT_GT(w->topicTable()->model()->rowCount(), 3);

    // A click on "Attempts" sorts by the count, not by its text.
    QHeaderView* header = w->topicTable()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 5, 5));
    const std::vector<QString> attempts = column(w->topicTable(), 3);
    for (size_t r = 1; r < attempts.size(); ++r) EXPECT_LE(attempts[r - 1].toInt(), attempts[r].toInt()) << r;
    // Success as numbers too, "100.0%" after "9.1%".
    w->topicTable()->sortByColumn(4, Qt::DescendingOrder);
    const std::vector<QString> rates = column(w->topicTable(), 4);
    auto rate = [](const QString& cell) { return cell == "-" ? -1.0 : cell.chopped(1).toDouble(); };
    for (size_t r = 1; r < rates.size(); ++r) EXPECT_GE(rate(rates[r - 1]), rate(rates[r])) << r;
    // The cells a screen reader reads are the texts of the report.
    const std::vector<std::string> first = myGroupCells(w->figures().Lessons[0], true, 0);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(w->lessonTable()->model()->index(0, c).data().toString(), toQString(first[static_cast<size_t>(c)]));
}

TEST_F(Progress, ChancesInLargeTypeAndTheTablesCopiedAsTabSeparatedText) {
    auto w = open(30);
    const std::vector<std::string> chances = myChanceLines(w->figures(), 0);
    ASSERT_EQ(chances.size(), 2u);
    EXPECT_EQ(w->passChanceLabel()->text(), toQString(chances[0]));
    EXPECT_EQ(w->honoursChanceLabel()->text(), toQString(chances[1]));
    EXPECT_TRUE(w->honoursChanceLabel()->isVisible());
    EXPECT_GT(w->passChanceLabel()->font().pointSizeF(), w->font().pointSizeF() * 1.5);

    QApplication::clipboard()->clear();
    QTest::mouseClick(w->copyButton(), Qt::LeftButton);
    QString expected;
    for (const std::string& line : myProgressTables(w->figures(), 0)) expected += toQString(line) + "\n";
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    EXPECT_TRUE(expected.startsWith(q("Lesson\tQuestions\tSeen\tAttempts\tSuccess\tTitle\n")));
}

TEST_F(Progress, FollowsTheLanguageSwitch) {
    auto w = open(30);
    uiContext().InterfaceLanguage = 1;
    w->applyLanguage();
    EXPECT_EQ(w->windowTitle(), q("Progrès - Basic sample (English)"));
    EXPECT_EQ(w->passChanceLabel()->text(), toQString(myChanceLines(w->figures(), 1)[0]));
    EXPECT_TRUE(w->passChanceLabel()->text().startsWith(q("Chance de réussir maintenant : ")));
    EXPECT_EQ(w->lessonTable()->model()->headerData(2, Qt::Horizontal).toString(), q("Vues"));
    EXPECT_EQ(w->chartView()->title(), q("Notes de chaque séance"));
    EXPECT_TRUE(w->chartView()->accessibleDescription().startsWith(q("Notes des 10 derniers examens complets")));
    EXPECT_EQ(w->copyButton()->text(), q("&Copier les tableaux"));
}

TEST_F(Progress, WithoutASessionSaysSoAndDrawsNothing) {
    auto w = open(0);
    EXPECT_TRUE(w->emptyStateLabel()->isVisible());
    EXPECT_EQ(w->emptyStateLabel()->text(), toQString(progressText(ProgressText::EmptyState)));
    EXPECT_FALSE(w->chartView()->isVisible());
    EXPECT_FALSE(w->lessonTable()->isVisible());
    EXPECT_FALSE(w->passChanceLabel()->isVisible());
    EXPECT_FALSE(w->copyButton()->isEnabled());
    // The text is read as the window opens; the keyboard starts on Close,
    // the text one Shift+Tab before it.
    w->focusFirst();
    EXPECT_EQ(QApplication::focusWidget(), w->closeButton());
    QTest::keyClick(w->closeButton(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), w->emptyStateLabel());
}

TEST_F(Progress, ReadAgainWhenASessionIsAdded) {
    auto w = open(0);
    dir.write("Ulvorane_Log.txt", improvingLog(bank, 3));
    w->refresh();
    EXPECT_EQ(w->figures().Sessions.size(), 3u);
    EXPECT_FALSE(w->emptyStateLabel()->isVisible());
    EXPECT_TRUE(w->chartView()->isVisible());
    EXPECT_EQ(w->chartView()->chart().Full.size(), 3u);
}

// Under /S the reading begins with the chances, then the weakest lessons;
// the keyboard is on the next step's button, after the lines a screen reader
// reads as the window opens, so that none is read twice.
TEST_F(Progress, SimplifiedLayoutOpensOnTheChancesThenTheWeakestLessons) {
    auto w = open(30, true);
    w->activateWindow();
    w->focusFirst();
    EXPECT_EQ(QApplication::focusWidget(), w->practiseButton());
    // Shift+Tab reads the lines one by one, back to the chance of passing.
    for (QLabel* line : {w->nextStepLabel(), w->honoursChanceLabel(), w->passChanceLabel()}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), line) << qPrintable(line->text());
    }
    // In the tab order: the chances, the next step and its button, then the lessons.
    std::vector<QWidget*> order;
    const std::vector<QWidget*> wanted = {w->passChanceLabel(), w->honoursChanceLabel(), w->nextStepLabel(),
                                          w->practiseButton(), w->lessonTable()};
    for (QWidget* next = w->passChanceLabel(); order.size() < wanted.size(); next = next->nextInFocusChain()) {
        if (std::find(wanted.begin(), wanted.end(), next) != wanted.end()) order.push_back(next);
        if (next->nextInFocusChain() == w->passChanceLabel()) break;
    }
    EXPECT_EQ(order, wanted);
    EXPECT_LT(w->passChanceLabel()->mapTo(w.get(), QPoint()).y(), w->lessonTable()->mapTo(w.get(), QPoint()).y());
    EXPECT_LT(w->lessonTable()->mapTo(w.get(), QPoint()).y(), w->chartView()->mapTo(w.get(), QPoint()).y());
    EXPECT_EQ(w->lessonTable()->accessibleName(), q("Lessons, weakest first"));
}

// Drills among whole exams: the line joins the whole exams only, the drills
// are squares apart at their place in time, and the text alternative says so.
TEST_F(Progress, OnlyFullExamsMakeTheLineAndPartialOnesAreShownApart) {
    for (int sessions : {30, 1}) {
        auto w = open(sessions, false, 4);
        const std::vector<SessionFigure>& all = w->figures().Sessions;
        const ProgressChartData& chart = w->chartView()->chart();
        QStringList full, partial;
        for (size_t s = 0; s < all.size(); ++s)
            ((all[s].Questions == bank.TopicCount) ? full : partial) << toQString(all[s].MarkText);
        EXPECT_EQ(chart.Full.size(), static_cast<size_t>(full.size())) << sessions;
        EXPECT_EQ(chart.Partial.size(), static_cast<size_t>(partial.size())) << sessions;
        for (const auto* marks : {&chart.Full, &chart.Partial})
            for (const ChartPoint& point : *marks) {
                EXPECT_GT(point.X, chart.XMin) << sessions;  // never on the vertical axis
                EXPECT_LT(point.X, chart.XMax) << sessions;
            }
        QString expected = "Marks of the last " + QString::number(std::min<qsizetype>(full.size(), 10)) +
                           " full exams, oldest first: " + full.mid(std::max<qsizetype>(0, full.size() - 10)).join(", ") + ".";
        if (!partial.isEmpty())
            expected += " Partial exams, shown apart as squares and left out of the line: " +
                        QString::number(partial.size()) + "; the last marks: " +
                        partial.mid(std::max<qsizetype>(0, partial.size() - 10)).join(", ") + ".";
        EXPECT_EQ(w->chartView()->accessibleDescription(), expected) << sessions;
        if (sessions == 30) {
            EXPECT_EQ(partial.size(), 7);
        }
    }
}

TEST_F(Progress, NextStepNamesTheWeakLessonsAndItsButtonAsksToPractiseThem) {
    auto w = open(30, false, 4);
    const ProgressFigures& f = w->figures();
    ASSERT_FALSE(f.NextLessons.empty());
    QStringList lines;
    for (const std::string& line : myNextStepLines(f, 0)) lines << toQString(line);
    EXPECT_EQ(w->nextStepLabel()->text(), lines.join("\n"));
    EXPECT_EQ(lines[0], q("Next step: the lessons whose study would raise your chance of passing most:"));
    EXPECT_EQ(w->practiseButton()->text(), q("Practise these lessons"));
    uiContext().InterfaceLanguage = 1;
    w->applyLanguage();
    EXPECT_EQ(w->practiseButton()->text(), q("Réviser ces leçons"));
    EXPECT_TRUE(w->nextStepLabel()->text().startsWith(q("Prochaine étape : les leçons dont l'étude augmenterait le plus")));

    std::vector<int> asked;
    QObject::connect(w.get(), &ProgressWindow::practiseRequested, [&](const std::vector<int>& l) { asked = l; });
    QTest::mouseClick(w->practiseButton(), Qt::LeftButton);
    std::vector<int> expected;
    for (const GroupFigure& g : f.NextLessons) expected.push_back(g.Number);
    EXPECT_EQ(asked, expected);
    EXPECT_FALSE(w->isVisible());
}

// Every lesson title shows whole, wrapped in its column, and the window
// stays within the screen, in both layouts.
TEST_F(Progress, LessonTitlesWholeAndTheWindowWithinTheScreen) {
    for (int language : {0, 1})
    for (bool simplified : {false, true}) {
        uiContext().InterfaceLanguage = language;
        auto w = open(30, simplified);
        QTest::qWait(50);  // the layout settles its wrapped texts
        QTableView* table = w->lessonTable();
        const int width = table->columnWidth(5);
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            const QString title = table->model()->index(r, 5).data().toString();
            EXPECT_EQ(table->model()->index(r, 5).data(Qt::ToolTipRole).toString(), title);
            const QRect needed = table->fontMetrics().boundingRect(QRect(0, 0, width - 8, 10000), Qt::TextWordWrap, title);
            EXPECT_LE(needed.height(), table->rowHeight(r)) << title.toStdString();
        }
        const QRect room = w->screen()->availableGeometry();
        EXPECT_LE(w->height(), room.height()) << simplified;
        // A 1366 x 768 screen, less a panel and the title bar.
        EXPECT_LE(w->minimumSizeHint().height(), 768 - 60) << simplified << language;
        EXPECT_LE(w->minimumSizeHint().width(), 1024) << simplified << language;
    }
}

// The chart as painted, light and dark: its page in the palette's Base,
// the pass line dashed at the pass mark's height, each full exam a dot of
// the line's colour, each partial one a square of its own, at its place.
TEST_F(Progress, ChartPaintedFromThePaletteWithItsLinesWhereTheMarksAre) {
    auto w = open(30, false, 4);
    ProgressChartWidget* chartWidget = w->chartView();
    const ProgressChartData& chart = chartWidget->chart();
    ASSERT_FALSE(chart.Full.empty());
    ASSERT_FALSE(chart.Partial.empty());
    QPalette dark = chartWidget->palette();
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, QColor(238, 238, 238));
    for (const QPalette& palette : {chartWidget->palette(), dark}) {
        chartWidget->setPalette(palette);
        const QImage image = chartWidget->grab().toImage();
        const QColor base = palette.color(QPalette::Base);
        SCOPED_TRACE(base.name().toStdString());
        const QRectF plot = chartWidget->plotArea();
        const ChartArea area{plot.left(), plot.top(), plot.width(), plot.height()};
        auto near = [&](QPoint at, const QColor& colour) {
            const QColor c = image.pixelColor(at);
            return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                       std::abs(c.blue() - colour.blue()) < 60;
        };
        auto pixel = [&](double x, double y) {
            const ChartPoint p = myChartToPixels(chart, area, x, y);
            return QPoint(static_cast<int>(p.X), static_cast<int>(p.Y));
        };
        EXPECT_TRUE(near(QPoint(2, image.height() / 2), base));
        EXPECT_TRUE(near(pixel(0.5, 90), base));
        auto colourOf = [&](ChartLine line) {
            const Rgb c = myChartLineColour(line, {base.red(), base.green(), base.blue()});
            return QColor(c.Red, c.Green, c.Blue);
        };
        // Columns of the plot where the pass colour is within a pixel of a mark's height.
        auto passColumns = [&](double mark) {
            const int y = pixel(0, mark).y();
            int found = 0;
            for (int x = static_cast<int>(plot.left()) + 1; x < static_cast<int>(plot.right()); ++x)
                for (int dy = -1; dy <= 1; ++dy)
                    if (near(QPoint(x, y + dy), colourOf(ChartLine::Pass))) {
                        ++found;
                        break;
                    }
            return found / plot.width();
        };
        EXPECT_GT(passColumns(70), 0.35);
        for (double elsewhere : {30.0, 60.0, 80.0, 95.0}) EXPECT_LT(passColumns(elsewhere), 0.05) << elsewhere;
        // The row the dashes fill most: 70 on an axis from YMin at the
        // plot's bottom to YMax at its top.
        int passRow = -1, most = 0;
        for (int y = static_cast<int>(plot.top()); y < static_cast<int>(plot.bottom()); ++y) {
            int found = 0;
            for (int x = static_cast<int>(plot.left()) + 1; x < static_cast<int>(plot.right()); ++x)
                found += near(QPoint(x, y), colourOf(ChartLine::Pass));
            if (found > most) most = found, passRow = y;
        }
        EXPECT_NEAR(passRow, plot.bottom() - plot.height() * (70 - chart.YMin) / (chart.YMax - chart.YMin), 2.0);
        for (const ChartPoint& p : chart.Full)
            EXPECT_TRUE(near(pixel(p.X, p.Y), colourOf(ChartLine::Marks))) << p.X << " " << p.Y;
        for (const ChartPoint& p : chart.Partial)
            EXPECT_TRUE(near(pixel(p.X, p.Y), colourOf(ChartLine::Partial))) << p.X << " " << p.Y;
    }
}

}  // namespace
