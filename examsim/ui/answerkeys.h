// Answering from the keyboard: keys 1 to 4 choose the proposed answers, 5
// and 0 "Don't know", in both layouts, exactly as a click on that answer
// would. A hundred questions are a hundred keys, not a hundred trips of the
// mouse; and a screen-reader user answers without finding the box first.
#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// The answer (1..5) a key chooses, 0 for any other key or with a modifier
// other than the keypad's.
int answerOfKey(const QKeyEvent& key);

// True while the keyboard belongs to something that types digits itself:
// a list, a spin box, an editable text.
bool keyboardTypesDigits(const QWidget* focus);

// Watches the keys of one window (installed on the application, so that it
// sees them before the focused control): while an answer may be given and
// no dialog, menu or list has the keyboard, a key of an answer is that
// answer's click. After a verdict that waits for NEXT, Enter is NEXT, and
// so is Space where no button or box has the keyboard (Space is theirs).
class AnswerKeys : public QObject {
public:
    // explain, when given, is the key E: it says the explanation on show
    // again and tells whether there was one (else the key goes on). next,
    // when given, goes to the next question if a verdict waits for it and
    // tells whether it did.
    AnswerKeys(QWidget* window, std::function<bool()> answerMayBeGiven, std::function<void(int)> click,
               std::function<bool()> explain = {}, std::function<bool()> next = {});
    ~AnswerKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<bool()> answerMayBeGiven_;
    std::function<void(int)> click_;
    std::function<bool()> explain_;
    std::function<bool()> next_;
};
