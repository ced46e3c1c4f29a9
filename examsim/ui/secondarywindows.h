// The exam simulator's small modeless windows: the explanation window that
// may stay up during an exam, and the help and about boxes. All take their
// size from the main window's shrink factors.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QPoint>
#include <string>

#include "mainlayout.h"
#include "metrics.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

inline constexpr int ExplanationTextId = 2105;
inline constexpr int ExplanationGrabLineId = 2106;
inline constexpr int HelpTextId = 2100;
inline constexpr int AboutTextId = 2101;

// What the explanation window's text shows (its user slot 1).
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
