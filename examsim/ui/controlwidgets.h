// The few controls the window needs beyond the toolkit's own: buttons and
// check boxes whose text wraps and sits left, vertically centred. The
// graphic controls are the toolkit's PictureControl.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "toolkit/gui/picturecontrol.h"

// Multi-line push button: the caption wraps within the button, vertically
// centred, at the left or centred.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr, bool centred = false)
        : QPushButton(text, parent), centred_(centred) {}
    QSize sizeHint() const override { return size(); }

    // Keeps the keyboard focus but stops drawing it until the focus moves:
    // an answer just clicked must not stay drawn as the focused button, yet
    // the next Tab goes on from it.
    void hideFocusUntilItMoves();
    bool focusDrawn() const { return hasFocus() && !focusHidden_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool centred_ = false;
    bool focusHidden_ = false;
};

// Multi-line check box, text vertically centred beside the box; with the
// text on the left the box sits at the right edge.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    WrapCheckBox(const QString& text, bool textOnLeft, QWidget* parent = nullptr)
        : QCheckBox(text, parent), textOnLeft_(textOnLeft) {}

    // An answer box shows the exam's state: a click (or an accessibility
    // action, which clicks) is reported but leaves the check mark alone.
    void setTogglesItself(bool toggles) { togglesItself_ = toggles; }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void nextCheckState() override {
        if (togglesItself_) QCheckBox::nextCheckState();
    }
    void paintEvent(QPaintEvent* event) override;

private:
    bool textOnLeft_ = false;
    bool togglesItself_ = true;
};

// Read-only text boxes a screen reader reads from the start: focus never
// arrives with text selected, and a click only gives the focus (the caret
// goes to the start).
void installTextBoxFilter(QWidget* textBox);

// Mnemonic marks in a text that must show as it is (question and answer
// texts from a bank).
QString literalAmpersands(const QString& text);
