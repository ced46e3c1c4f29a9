// The exam simulator's small modeless windows: the explanation window that
// may stay up during an exam, and the help and about boxes; each with the
// handler that opens, refreshes and closes it for the main window. All take
// their size from the main window's shrink factors. And the authors' dump
// utility, which asks its one question in a box of its own.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"
#include "examsim/ui/mainlayout.h"
#include "toolkit/gui/metrics.h"

class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;

inline constexpr int ExplanationTextId = 2105;
inline constexpr int ExplanationGrabLineId = 2106;
inline constexpr int HelpTextId = 2100;
inline constexpr int AboutTextId = 2101;
inline constexpr int InfoOkButtonId = 1;  // the help and about boxes' OK, a dialog's OK

// The user slots (controls.h) the secondary windows keep.
inline constexpr int SlotExplanationContent = 1;  // the explanation text's: what it shows
inline constexpr int SlotInfoKind = 3;            // a help or about box's: which of the two it is

// What the explanation window's text shows (its SlotExplanationContent).
enum ExplanationContent : int { ShowsNothing = 0, ShowsHint = 1, ShowsExplanation = 2 };

// Thin border, no caption, owned by the main window; a drag on its border
// or its coloured line moves it.
class ExplanationWindow : public QFrame {
    Q_OBJECT
public:
    // geometry: the window's place on the screen, pixels. dlu converts the
    // inner layout.
    ExplanationWindow(QWidget* owner, const QRect& geometry, const DialogUnits& dlu);

    void showHint();
    void showExplanation(const std::string& latin1Text);
    void clear();
    ExplanationContent content() const;
    QPlainTextEdit* text() const { return text_; }
    QLabel* grabLine() const { return grabLine_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setContent(const QString& text, ExplanationContent content);

    QLabel* grabLine_;
    QPlainTextEdit* text_;
    bool dragging_ = false;
    QPoint grabOffset_;
};

enum class InfoKind : int { Help = 1, About = 2 };

// Help or about box: unowned, captioned, Escape or OK closes it.
class InfoBox : public QDialog {
    Q_OBJECT
public:
    InfoBox(InfoKind kind, const ShrinkFactors& shrink, const DialogUnits& dlu);

    InfoKind kind() const { return kind_; }
    // Texts of the interface language now in force.
    void applyLanguage();
    // The control that takes the focus when the box is asked for again.
    QWidget* focusTarget() const;

private:
    InfoKind kind_;
    QWidget* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// The explanation window as the main window drives it: EXPLANATION opens it
// over the window's left part and closes it, and it follows the question on
// show. window: its owner, over which it is placed; progressFrame: the
// frame it stops at; button: EXPLANATION, greyed for a question without an
// explanation; captionButton(field) shows that field of the button's
// caption (1 while the window is closed, 2 while it is open). The question on show is exam's, its
// explanation bank's.
class ExplanationHandler : public QObject {
public:
    ExplanationHandler(QMainWindow* window, QWidget* progressFrame, QWidget* button, const ExamRecord& exam,
                       const BankModel& bank, std::function<void(int)> captionButton);

    // The window while it is open, else null.
    ExplanationWindow* window() const { return explanation_.data(); }
    // EXPLANATION: opens the window, or closes it.
    void toggle();
    // A question without an explanation (the official pools give none)
    // greys the button; an open window can still be closed with it.
    void syncButton();
    // The open window shows the explanation of the question on show (after
    // an answer).
    void refresh();
    void clear();
    // The hint follows the interface language.
    void applyLanguage();
    // Closes the window, as the main window closes.
    void close();

private:
    bool open();

    QMainWindow* owner_;
    QWidget* progressFrame_;
    QWidget* button_;
    const ExamRecord& exam_;
    const BankModel& bank_;
    std::function<void(int)> captionButton_;
    QPointer<ExplanationWindow> explanation_;
};

// The help and about boxes while they are open: at most one of each, raised
// when asked for again. window gives the boxes their dialog units.
class InfoBoxes : public QObject {
public:
    InfoBoxes(QWidget* window, const ShrinkFactors& shrink);
    // The boxes have no owner to take them along.
    ~InfoBoxes() override;

    InfoBox* box(InfoKind kind) const { return boxes_[static_cast<size_t>(kind)].data(); }
    void show(InfoKind kind);
    void applyLanguage();
    void closeAll();
    void deleteAll();

private:
    QWidget* window_;
    ShrinkFactors shrink_;
    std::array<QPointer<InfoBox>, 3> boxes_;  // entries 1 help, 2 about
};

// Tools > Dump Utility: asks which dump, then writes it in the program folder.
void runDumpUtility(QWidget* window, const BankModel& bank, const std::filesystem::path& programFolder);
