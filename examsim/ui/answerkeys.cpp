#include "examsim/ui/answerkeys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

int answerOfKey(const QKeyEvent& key) {
    // The digits of the keypad as well as those of the row above the letters.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
    switch (key.key()) {
    case Qt::Key_1: return 1;
    case Qt::Key_2: return 2;
    case Qt::Key_3: return 3;
    case Qt::Key_4: return 4;
    case Qt::Key_5:
    case Qt::Key_0: return 5;
    default: return 0;
    }
}

bool keyboardTypesDigits(const QWidget* focus) {
    if (!focus) return false;
    if (qobject_cast<const QComboBox*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus)) return true;
    if (auto* line = qobject_cast<const QLineEdit*>(focus)) return !line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(focus)) return !text->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(focus)) return !text->isReadOnly();
    // The open list of a drop-down list.
    return focus->parentWidget() && qobject_cast<const QComboBox*>(focus->parentWidget());
}

AnswerKeys::AnswerKeys(QWidget* window, std::function<bool()> answerMayBeGiven, std::function<void(int)> click,
                       std::function<bool()> explain, std::function<bool()> next)
    : QObject(window), window_(window), answerMayBeGiven_(std::move(answerMayBeGiven)), click_(std::move(click)),
      explain_(std::move(explain)), next_(std::move(next)) {
    qApp->installEventFilter(this);
}

AnswerKeys::~AnswerKeys() {
    if (qApp) qApp->removeEventFilter(this);
}

bool AnswerKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* target = static_cast<QWidget*>(watched);
    // Only keys typed in this window, never in a dialog, a menu or another window.
    if (target->window() != window_ || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_E && key->modifiers() == Qt::NoModifier && explain_ &&
        !keyboardTypesDigits(target))
        return key->isAutoRepeat() || explain_();
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if ((enter || key->key() == Qt::Key_Space) && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        next_ && !keyboardTypesDigits(target) && (enter || !qobject_cast<QAbstractButton*>(target)))
        return key->isAutoRepeat() ? false : next_();
    const int answer = answerOfKey(*key);
    // The key goes to the control with the keyboard: a list types it itself.
    if (answer == 0 || keyboardTypesDigits(target) || !answerMayBeGiven_()) return false;
    if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) click_(answer);
    return true;
}
