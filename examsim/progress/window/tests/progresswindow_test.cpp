#include "progresswindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QScreen>

#include "bankreader.h"
#include "errorrecorder.h"
#include "improvinglog.h"
#include "progressreport.h"
#include "progresstexts.h"
#include "qtext.h"
#include "tempfolder.h"
#include "uicontext.h"

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
    const QList<QAbstractSeries*> series = w->chartView()->chart()->series();
    ASSERT_EQ(series.size(), 3);  // the pass mark, full exams, partial ones
    auto* pass = static_cast<QLineSeries*>(series[0]);
    auto* marks = static_cast<QLineSeries*>(series[1]);
    ASSERT_EQ(marks->count(), 30);
    for (int s = 0; s < 30; ++s) EXPECT_DOUBLE_EQ(marks->at(s).y(), f.Sessions[static_cast<size_t>(s)].Mark);
    EXPECT_GT(marks->at(29).y(), marks->at(0).y());  // the log improves
    EXPECT_EQ(pass->at(0).y(), 70);
    EXPECT_EQ(pass->name(), q("Pass mark 70%"));
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
    EXPECT_EQ(w->chartView()->chart()->title(), q("Notes de chaque séance"));
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
    w->focusFirst();
    EXPECT_EQ(QApplication::focusWidget(), w->emptyStateLabel());
}

TEST_F(Progress, ReadAgainWhenASessionIsAdded) {
    auto w = open(0);
    dir.write("Ulvorane_Log.txt", improvingLog(bank, 3));
    w->refresh();
    EXPECT_EQ(w->figures().Sessions.size(), 3u);
    EXPECT_FALSE(w->emptyStateLabel()->isVisible());
    EXPECT_TRUE(w->chartView()->isVisible());
    EXPECT_EQ(static_cast<QLineSeries*>(w->chartView()->chart()->series()[1])->count(), 3);
}

// Under /S the reading begins with the chances, then the weakest lessons.
TEST_F(Progress, SimplifiedLayoutOpensOnTheChancesThenTheWeakestLessons) {
    auto w = open(30, true);
    w->activateWindow();
    w->focusFirst();
    EXPECT_EQ(QApplication::focusWidget(), w->passChanceLabel());
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
        QChart* chart = w->chartView()->chart();
        const QList<QAbstractSeries*> series = chart->series();
        ASSERT_EQ(series.size(), 3);
        auto* line = static_cast<QXYSeries*>(series[1]);
        auto* apart = static_cast<QXYSeries*>(series[2]);
        EXPECT_EQ(series[1]->type(), QAbstractSeries::SeriesTypeLine);
        EXPECT_EQ(series[2]->type(), QAbstractSeries::SeriesTypeScatter);
        QStringList full, partial;
        for (size_t s = 0; s < all.size(); ++s)
            ((all[s].Questions == bank.TopicCount) ? full : partial) << toQString(all[s].MarkText);
        EXPECT_EQ(line->count(), full.size()) << sessions;
        EXPECT_EQ(apart->count(), partial.size()) << sessions;
        auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal)[0]);
        for (QXYSeries* marks : {line, apart})
            for (const QPointF& point : marks->points()) {
                EXPECT_GT(point.x(), x->min()) << sessions;  // never on the vertical axis
                EXPECT_LT(point.x(), x->max()) << sessions;
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

}  // namespace
