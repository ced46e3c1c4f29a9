// The main window's events beyond its controls' own: the secondary windows
// it closes, the answer-box filter of the simplified layout, proportional
// resizing and what screen readers are told.
#include <QKeyEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>

#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlids.h"
#include "examsim/ui/mainwindow.h"
#include "examsim/ui/screenreadertexts.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/accessiblelabel.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/filedialogs.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

ExplanationWindow* MainWindow::explanationWindow() const { return explanation_->window(); }

InfoBox* MainWindow::infoBox(int kind) const {
    return kind == 1 || kind == 2 ? infoBoxes_->box(static_cast<InfoKind>(kind)) : nullptr;
}

void MainWindow::closeSecondaryWindows() {
    infoBoxes_->closeAll();
    explanation_->close();
}

void MainWindow::showOpenFileDialog() {
    // The menu item stays greyed; the name chosen is not used.
    std::filesystem::path name = "*.txt";
    unsigned flags = OfnFileMustExist | OfnHideReadOnly | OfnExplorer;
    myOpenFileDialog(this, "", name, program_.ProgramFolder, "Text Files|*.txt|All Files|*.*", "txt",
                     flags);
}

void MainWindow::registerResizing() {
    QWidget* client = centralWidget();
    // The client area must have its first size before it is recorded.
    if (QLayout* l = layout()) l->activate();
    myResizeInit(client, resize_);
    auto add = [this](int id, int flags, int widthPercent = 0, int heightPercent = 0,
                      int repaint = 0, int xMove = 0, int yMove = 0) {
        myResizeAddControl(resize_, id, flags, widthPercent, heightPercent, repaint, xMove, yMove);
    };
    add(StatusLine, RsKeepBottom | RsWidth, 0, 0, 1);
    add(ProgressFrame, RsKeepRight, 0, 0, 1);
    for (int id : {PositionLabel, GoodHeading, IncorrectHeading, DontKnowHeading, GoodCount,
                   IncorrectCount, DontKnowCount, UnansweredLabel, MarkLabel})
        add(id, RsKeepRight);
    add(Logo, RsMoveX, 60);
    add(QuestionBox, RsWidth | RsHeight | RsKeepRight, 100, 15);
    for (int i = 0; i < 5; ++i) {
        add(Answer1Button + i, RsWidth | RsHeight | RsMoveY, 100, 15, 0, 0, 15 * i);
        add(Answer1Mark + i, RsMoveY, 100, 22, 1, 0, 15 * i);
    }
    add(MarkingFrame, RsMoveX, 20);
    add(MarkingList, RsMoveX, 20);
    add(NavigationFrame, RsKeepOffsetFromMiddleX | RsMoveY, 0, 0, 1);
    for (int id : {FirstButton, PreviousButton, NextButton, LastButton, SeekBox, ManualAdvanceBox,
                   ExplanationButton})
        add(id, RsKeepOffsetFromMiddleX | RsMoveY);

    // The window may not shrink below 85 % of its width and 95 % of its
    // height (outer sizes), nor grow past the screen.
    const QSize outer = frameGeometry().size();
    const QSize frame = outer - size();
    setMinimumSize(static_cast<int>(roundHalfEven(0.85 * outer.width())) - frame.width(),
                   static_cast<int>(roundHalfEven(0.95 * outer.height())) - frame.height());
    // (A window built for a larger work area than its screen keeps its size.)
    if (QScreen* s = screen()) setMaximumSize((s->size() - frame).expandedTo(size()));
    client->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget()) {
        if (event->type() == QEvent::Resize && !isMinimized() && isVisible())
            myResizeOnSize(resize_);
        return false;
    }
    const int id = controlId(watched);
    if (simplified_ && id >= Answer1Box && id <= Answer5Box)
        return answerBoxEvent(static_cast<QWidget*>(watched), event);
    return QMainWindow::eventFilter(watched, event);
}

// The check mark of an answer box changes only through the exam: "+" or
// "=" choose an unchecked answer, "-" takes back a checked one, the space
// bar and the mouse choose on release.
bool MainWindow::answerBoxEvent(QWidget* box, QEvent* event) {
    const int id = controlId(box);
    const bool checked = userSlot(box, SlotState) != 0;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed == QLatin1String("+") || typed == QLatin1String("=")) {
            if (!checked) command(id);
            return true;
        }
        if (typed == QLatin1String("-")) {
            if (checked) command(id);
            return true;
        }
        return key->key() == Qt::Key_Space;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space) return false;
        if (!key->isAutoRepeat()) command(id);
        return true;
    }
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        box->setFocus(Qt::MouseFocusReason);
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        command(id);
        return true;
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    default:
        return false;
    }
}

// Buttons and boxes are announced by their own texts; lists and text boxes
// get a name (the two lists of one frame each their own), and every control
// with a tooltip gets it as description, so that a screen reader says what
// the mouse user reads in the tip.
void MainWindow::describeForScreenReaders() {
    const int language = uiContext().InterfaceLanguage;
    for (const auto& [id, widget] : controls_) {
        const std::string tip = examToolTips().tip(id, language);
        widget->setAccessibleDescription(tip.empty() ? QString() : toQLines(tip));
    }
    auto name = [this](int id, const std::string& text) {
        if (QWidget* widget = control(id)) setAccessibleLabel(widget, toQString(text));
    };
    for (int id : {BankList, SelectionList, MarkingList, ExplanationArea, StatusBox, QuestionBox})
        name(id, screenReaderNameIn(id, language));
    // The explanation area's help, said after its short name.
    if (QWidget* area = control(ExplanationArea))
        area->setAccessibleDescription(toQLines(captionField(caption(ExplanationArea), 1)));
}
