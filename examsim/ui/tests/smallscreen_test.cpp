// Ulvorane on a laptop's 1366x768 screen with the font enlarged by /A=4 (the
// screen comes from the offscreen platform's configuration, see CMakeLists):
// the main window, the progress window, the lesson dialog and the help and
// about boxes all fit the work area, and the progress window's buttons are
// whole inside it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "examsim/progress/window/progresswindow.h"
#include "examsim/progress/window/tests/improvinglog.h"
#include "examsim/session/tests/sessiontestkit.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/startup.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

// The outer size a window manager gives the window: its own frame when it
// has one, else the desktop's caption and borders added. A maximized window
// is given the work area, frame and all.
QSize outerSize(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    if (frame.size() != window->size() || window->isMaximized()) return frame.size();
    const WindowMetrics m = systemWindowMetrics();
    return window->size() + QSize(2 * m.DialogFrame, m.CaptionHeight + 2 * m.DialogFrame);
}

void expectWithinWorkArea(const QWidget* window, const std::string& what) {
    const QRect area = window->screen()->availableGeometry();
    const QSize outer = outerSize(window);
    EXPECT_LE(outer.width(), area.width()) << what << " is " << outer.width() << " wide";
    EXPECT_LE(outer.height(), area.height()) << what << " is " << outer.height() << " high";
    const QRect frame = window->frameGeometry();
    EXPECT_GE(frame.left(), area.left()) << what;
    EXPECT_GE(frame.top(), area.top()) << what;
}

// Whole inside its window, not cut by the window's edge.
void expectWhole(const QWidget* control, const std::string& what) {
    const QRect inWindow(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    EXPECT_TRUE(control->window()->rect().contains(inWindow))
        << what << " at " << inWindow.left() << "-" << inWindow.right() << " in a window "
        << control->window()->width() << " wide";
}

// With SMALLSCREEN_SHOTS set to a folder, the windows are saved there for
// looking at.
void shot(QWidget* window, const std::string& name) {
    const QString folder = qEnvironmentVariable("SMALLSCREEN_SHOTS");
    if (!folder.isEmpty()) window->grab().save(folder + "/ulvorane-" + QString::fromStdString(name) + ".png");
}

void settle() {
    for (int i = 0; i < 4; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

struct Case {
    int language;
    bool simplified;
};

class SmallScreen : public ::testing::TestWithParam<Case> {};

TEST_P(SmallScreen, EveryWindowFitsTheWorkAreaAtFourPointsMore) {
    ASSERT_EQ(QApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    const Case c = GetParam();
    const QFont kept = QApplication::font();
    // The desktop's message font as Debian sets it.
    QApplication::setFont(QFont("DejaVu Sans", 10));
    TempFolder folder;
    const char* bank = c.language ? "Questions_Base-Francais.txt" : "Questions_Basic-English.txt";
    folder.write(bank, fileBytes(std::string(SAMPLES_DIR) + "/" + bank));
    BoxAnswers boxes;
    ProgramState p;
    auto window = myStartUlvorane(p, {c.simplified ? "/A=4 /S" : "/A=4", folder.path(),
                                      c.language ? "fr_CA" : "en_CA"});
    ASSERT_TRUE(window);
    window->show();
    settle();
    ASSERT_GT(p.Shelf.LoadedBank, 0);
    expectWithinWorkArea(window.get(), "the main window");
    const std::string name = std::string(c.language ? "fr" : "en") + (c.simplified ? "-s" : "");
    shot(window.get(), "main-" + name);
    window->showMaximized();
    settle();
    expectWithinWorkArea(window.get(), "the maximized main window");
    window->showNormal();
    settle();

    TempFolder::writeFile(p.Session.LogFilePath.string(), improvingLog(p.Bank, 12));
    window->command(CmdProgress);
    settle();
    ProgressWindow* progress = window->progressWindow();
    ASSERT_TRUE(progress);
    expectWithinWorkArea(progress, "the progress window");
    shot(progress, "progress-" + name);
    expectWhole(progress->copyButton(), "the copy button");
    expectWhole(progress->practiseButton(), "the practise button");
    for (QPushButton* button : progress->findChildren<QPushButton*>())
        if (button->isVisible()) expectWhole(button, fromQString(button->text()));
    // Wrapped lines have the height they need: nothing is drawn over them.
    for (QLabel* label : progress->findChildren<QLabel*>())
        if (label->isVisible() && label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << fromQString(label->text());
    progress->close();

    window->command(CmdHelp);
    window->command(CmdAbout);
    settle();
    for (int k : {1, 2}) {
        ASSERT_TRUE(window->infoBox(k));
        expectWithinWorkArea(window->infoBox(k), "info box " + std::to_string(k));
    }

    bool lessonsSeen = false;
    boxes.answerWith([&](const ModalRequest& r) -> std::optional<int> {
        if (r.Kind == ModalKind::Dialog && r.Dialog) {
            lessonsSeen = true;
            r.Dialog->show();
            settle();
            expectWithinWorkArea(r.Dialog, "the lesson dialog");
            shot(r.Dialog, "lessons-" + name);
        }
        return 0;
    });
    window->command(CmdLessons);
    EXPECT_TRUE(lessonsSeen);

    p.Session.Exam.ExamStage = StageNoExam;
    window.reset();
    QApplication::setFont(kept);
}

INSTANTIATE_TEST_SUITE_P(BothLanguagesBothLayouts, SmallScreen,
                         ::testing::Values(Case{0, false}, Case{1, false}, Case{0, true}, Case{1, true}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.language ? "French" : "English") +
                                    (info.param.simplified ? "Simplified" : "Normal");
                         });

}  // namespace
