// What the exam session needs from the outside world: the main window (as a
// port of plain functions, so a test can take a whole exam against a
// recorder) and the clock (so debounce, stamps and elapsed time can be
// driven by a test). Every member may be left empty; the session then
// simply does without it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Control ids of the figures and texts the session writes; they key the
// caption tables of the window.
enum ExamControlId : int {
    IdUnanswered = 2027,
    IdGoodCount = 2028,
    IdIncorrectCount = 2029,
    IdDontKnowCount = 2030,
    IdMarkFigure = 2031,
    IdPositionCaption = 2032,
    IdStatusText = 2038,
};

// What the display is refreshed after (myShowQuestion, myShowFigures).
inline constexpr int ShowNoExam = -1, ShowAfterAnswer = 1, ShowNewExam = 2, ShowAfterNavigation = 3;

enum class FocusTarget { QuestionBox, StatusBox };

struct ExamView {
    // Simplified layout for screen readers: check boxes instead of answer
    // pictures, a status sentence instead of the figures.
    bool SimplifiedLayout = false;

    // Answer indicator 0..4 takes state 1..6 (blank, chosen, chosen and
    // correct, correct not chosen, chosen and incorrect, "Don't know").
    std::function<void(int indicator, int state)> setIndicator;
    std::function<void(const std::string& designation, const std::string& question,
                       const std::array<std::string, 4>& answers)>
        setQuestionTexts;
    std::function<void()> showDefaultQuestionTexts;
    // Figures, position caption and status sentence, by control id.
    std::function<void(int controlId, const std::string& text)> setFigure;
    // Explanation area of the simplified layout: a question's explanation,
    // or the area's own hint caption.
    std::function<void(const std::string& text)> showExplanation;
    std::function<void()> showExplanationHint;
    // Explanation window of the normal layout.
    std::function<bool()> explanationWindowOpen;
    std::function<void()> clearExplanationWindow;
    std::function<void()> postExplanationRefresh;

    // Acknowledgement indicator turns red; the window's 700 ms timer puts it back.
    std::function<void()> acknowledgeClick;
    std::function<void(const std::string& soundName)> playSound;
    // A pause that lets a sound start before what follows (the window keeps
    // its events flowing meanwhile).
    std::function<void(int milliseconds)> wait;
    // Clicks NEXT by itself after the delay.
    std::function<void(int milliseconds)> clickNextAfter;
    std::function<void(FocusTarget)> moveFocus;
    // The status sentence after an answer (in both layouts), to be said by
    // the screen reader at once: before the mark box the last answer opens,
    // whatever the focus does.
    std::function<void(const std::string& text)> sayStatus;

    // Launch, bank list, criteria list and marking-mode list together.
    std::function<void(bool enabled)> setExamChoicesEnabled;
    std::function<bool()> lessonMenuEnabled;
    std::function<void(bool enabled)> setLessonMenuEnabled;
    // Seek check box caption: 1 "...Unanswered or Incorrect", 2 "Unanswered", 3 "Incorrect".
    std::function<void(int field)> setSeekCaption;
    std::function<void(bool armed)> setMarkArmed;

    // Modal boxes: a warning with Yes/No (true for Yes) and an information box.
    std::function<bool(const std::string& title, const std::string& text)> askYesNo;
    std::function<void(const std::string& title, const std::string& text)> inform;

    // A session has just been written to the history log (on the window's
    // thread): figures read from the log are out of date.
    std::function<void()> sessionLogged;

    // Runs the function later on the window's thread. The logging thread
    // uses it to hand its results back; it must never touch a window itself.
    std::function<void(std::function<void()>)> postToWindow;
};

struct LocalMoment {
    int Year = 2000, Month = 1, Day = 1;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

struct SessionClock {
    // System time in 100-nanosecond units (only differences matter).
    std::function<int64_t()> systemTime;
    std::function<LocalMoment()> localNow;
};

// The real clock of the machine.
SessionClock systemClock();

// Seconds since midnight, rounded to whole seconds.
int32_t secondsSinceMidnight(const LocalMoment& moment);
