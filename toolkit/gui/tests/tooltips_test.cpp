#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/text.h"

namespace {
ToolTipTable sampleTable() {
    ToolTipTable table;
    table.FirstId = 2000;
    table.Texts = {
        {"Question Bank from which to draw questions.", latin1("Banque de Questions à utiliser.")},
        {"", "Seulement en français"},
        {"Two\r\nlines", "Deux\r\nlignes"},
    };
    return table;
}

// A window of three controls in the table, one outside it and one nested.
struct TipWindow {
    TipWindow() {
        window.resize(400, 200);
        auto* frame = new QWidget(&window);
        frame->setGeometry(0, 100, 400, 100);
        for (int id : {2000, 2001, 2003}) {
            auto* b = new QPushButton(QStringLiteral("b%1").arg(id), &window);
            b->setGeometry((id - 2000) * 90, 10, 80, 24);
            setControlId(b, id);
        }
        auto* nested = new QLabel(QStringLiteral("nested"), frame);
        setControlId(nested, 2002);
        nested->setGeometry(10, 10, 80, 24);
    }
    QWidget* control(int id) { return findControl(&window, id); }
    QWidget window;
};

QString tipShownFor(QWidget* control) {
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(control, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

struct StateGuard {
    StateGuard() : saved(toolTipState()) {}
    ~StateGuard() { toolTipState() = saved; }
    ToolTipState saved;
};

// A shown window with its tips set up, the tooltip state and the error box
// put back afterwards.
struct TippedWindow {
    explicit TippedWindow(int language) : rec(language) {
        w.window.show();
        added = myAddToolTips(&w.window, sampleTable());
    }
    StateGuard guard;
    ErrorRecorder rec;
    TipWindow w;
    int added = 0;
};
} // namespace

struct TipCase {
    int id;
    int language;
    std::string expected; // Latin-1, after wrapping
};
class ToolTipShowTest : public ::testing::TestWithParam<TipCase> {};

TEST_P(ToolTipShowTest, TextOfTheCurrentLanguageAtShowTime) {
    TippedWindow t(0);
    ASSERT_EQ(t.added, 1);
    const TipCase c = GetParam();
    // The language changes after set-up: the tip must follow.
    uiContext().InterfaceLanguage = c.language;
    EXPECT_EQ(fromQString(tipShownFor(t.w.control(c.id))), c.expected);
    QToolTip::hideText();
    EXPECT_TRUE(t.rec.boxes.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Table, ToolTipShowTest,
    ::testing::Values(
        TipCase{2000, 0, wrapTip("Question Bank from which to draw questions.", MaxTipWidth)},
        TipCase{2000, 1, wrapTip(latin1("Banque de Questions à utiliser."), MaxTipWidth)},
        TipCase{2002, 1, "Deux\nlignes"}, // nested control
        TipCase{2001, 1, ""},             // French text only: no tip
        TipCase{2003, 0, ""}),
                         namedBy([](const TipCase& c) { return "Control " + std::to_string(c.id) + (c.language ? " French" : " English"); }));           // outside the table

TEST(ToolTips, TableCutsLongTipsAndNeedsEnglish) {
    ToolTipTable table = sampleTable();
    table.Texts[0][0] = std::string(250, 'x');
    EXPECT_EQ(table.tip(2000, 0).size(), size_t(MaxTipChars));
    EXPECT_FALSE(table.hasTip(2001));
    EXPECT_FALSE(table.hasTip(1999));
    EXPECT_FALSE(table.hasTip(2003));
    EXPECT_TRUE(table.hasTip(2002));
    EXPECT_EQ(table.tip(2001, 1), "");
}

TEST(ToolTips, WrappedLinesFitTheTipWidth) {
    const std::string text =
        "Launch an exam drawn from the selected lessons, one question per topic until the "
        "expected number of questions is reached; Supercalifragilisticexpialidociousandmore"
        "wordswithoutanybreakatall";
    const QString wrapped = toQString(wrapTip(text, MaxTipWidth));
    const QFontMetrics fm(QToolTip::font());
    EXPECT_GT(wrapped.count('\n'), 1);
    for (const QString& line : wrapped.split('\n'))
        EXPECT_LE(fm.horizontalAdvance(line), MaxTipWidth);
    EXPECT_EQ(QString(wrapped).remove('\n').remove(' '), toQString(text).remove(' '));
}

TEST(ToolTips, StatusLineHintsWhenTooltipsAreUnavailable) {
    TippedWindow t(1);
    ASSERT_EQ(t.added, 1);
    TipWindow& w = t.w;
    ErrorRecorder& rec = t.rec;
    toolTipState().ToolTipsAvailable = false;

    QTest::mouseMove(&w.window, QPoint(390, 50)); // the window itself
    ASSERT_FALSE(rec.statuses.empty());
    EXPECT_EQ(rec.statuses.back(), "");
    rec.statuses.clear();
    QTest::mouseMove(w.control(2002));
    EXPECT_EQ(rec.statuses, std::vector<std::string>{" Deux lignes"});
    QTest::mouseMove(w.control(2001)); // no English tip: status left alone
    EXPECT_EQ(rec.statuses.size(), 1u);
    QTest::mouseMove(&w.window, QPoint(390, 50));
    EXPECT_EQ(rec.statuses.back(), "");
    EXPECT_TRUE(tipShownFor(w.control(2000)).isEmpty());
}

TEST(ToolTips, SetUpFailureReportedUnlessSwitchedOff) {
    StateGuard guard;
    for (bool report : {true, false}) {
        ErrorRecorder rec(0);
        toolTipState() = ToolTipState();
        toolTipState().ReportToolTipFailures = report;
        EXPECT_EQ(myAddToolTips(nullptr, sampleTable()), 0);
        EXPECT_FALSE(toolTipState().ToolTipsAvailable);
        if (report) {
            ASSERT_EQ(rec.boxes.size(), 1u);
            EXPECT_EQ(rec.boxes[0].text, "Failure on CreateWindowEx for \"tooltips_class32\"");
        } else {
            EXPECT_TRUE(rec.boxes.empty());
        }
    }
}

// The set-up itself fails (no tooltip window): the failure is reported and
// the hints go to the status line from then on.
TEST(ToolTips, SetUpFailureStillGivesStatusLineHints) {
    StateGuard guard;
    toolTipState() = ToolTipState();
    toolTipState().CanMakeTipWindow = [] { return false; };
    ErrorRecorder rec(1);
    TipWindow w;
    w.window.show();
    EXPECT_EQ(myAddToolTips(&w.window, sampleTable()), 0);
    EXPECT_FALSE(toolTipState().ToolTipsAvailable);
    ASSERT_EQ(rec.boxes.size(), 1u);
    EXPECT_EQ(rec.boxes[0].text, "Failure on CreateWindowEx for \"tooltips_class32\"");
    QTest::mouseMove(w.control(2002));
    ASSERT_FALSE(rec.statuses.empty());
    EXPECT_EQ(rec.statuses.back(), " Deux lignes");
    QTest::mouseMove(&w.window, QPoint(390, 50));  // the window itself
    EXPECT_EQ(rec.statuses.back(), "");
    EXPECT_TRUE(tipShownFor(w.control(2000)).isEmpty());
}

TEST(ToolTips, StatusHintJoinsLines) {
    EXPECT_EQ(statusHint("Two\r\nlines\r\nhere"), " Two lines here");
    EXPECT_EQ(statusHint(""), " ");
}
