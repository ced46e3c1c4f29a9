// The exam session as the window drives it: answering, navigation,
// marking, Launch, the end of an exam and the logging thread.
#pragma once

#include <filesystem>
#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"
#include "examsim/session/examview.h"
#include "examsim/session/historylog.h"
#include "examsim/session/logging.h"
#include "examsim/session/selection.h"

struct ExamSession {
    ExamRecord Exam;
    ExamView View;
    SessionClock Clock = systemClock();
    ExamRandom Random;
    std::filesystem::path ProgramFolder;  // where the missed-questions reports go
    std::filesystem::path LogFilePath;
    HistoryCatalogue Catalogue;
    LoggingThread Logging;
};

inline constexpr int64_t AnswerDebounce = 7'000'000;  // 700 ms in 100 ns units
inline constexpr int AdvanceDelayMs = 400;
// Played, whatever the audible clues, for an answer refused while the next
// question is on its way.
inline constexpr const char* RefusedSound = "SoundUncheck";

// An answer control 1..5 was clicked (5: "Don't know"). Returns 1.
int myAnswerChosen(ExamSession& session, BankModel& bank, int answerNo);
// Marks positions first..last; -1 when the last one marked was correct, else 0.
int myMarkRange(ExamRecord& exam, BankModel& bank, int first, int last);
// Position to show after PREVIOUS (-1) or NEXT (+1), seeking when enabled.
int mySeek(const ExamRecord& exam, int direction);
// Refreshes the display: a new exam, after an answer or marking, after
// navigation, or no exam (the Show values). Returns -1.
int myShowQuestion(ExamSession& session, const BankModel& bank, int mode);

// An exam under way stays on an answered question until NEXT (manual
// advance, or a missed answer with manual advance after it), and there is a
// next question: the keys that go on (Enter, Space) may be NEXT.
bool myAwaitsNext(const ExamRecord& exam);

enum class Navigation { Next, Previous, First, Last };
void myNavigate(ExamSession& session, const BankModel& bank, Navigation where);

// The Mark button.
void myMarkButton(ExamSession& session, BankModel& bank);
// "Launch": draws a new exam unless one is under way; false when nothing was drawn.
bool myLaunchExam(ExamSession& session, BankModel& bank);
// Forgets an exam drawn but not started (an empty draw, a lesson choice).
void myDiscardDrawnExam(ExamSession& session, const BankModel& bank);
// Another bank was read: an exam drawn from the one before, or ended and
// under review, is forgotten and the window shows no exam. An exam under
// way is left alone (the bank list is disabled then).
void myDiscardExamOfOtherBank(ExamSession& session, const BankModel& bank);

// How an exam ends, and the answer when the user chose to go back to it.
inline constexpr int EndAfterLastMark = 0, EndOnLeaving = 1, EndGoneBack = 3;
// End of the exam: after the last mark or when the user leaves. Returns
// EndGoneBack when the user chose to go back to the exam, else kind.
int myEndExam(ExamSession& session, BankModel& bank, int kind);
// Starts the logging thread and shows the mark. Returns 1.
int myStartLogging(ExamSession& session, BankModel& bank);
// Waits without limit for the logging thread, then, on this (the window's)
// thread, adds the session to the in-memory history and the catalogue and
// shows what failed. Before Launch, a bank choice and closing.
void myWaitForLogging(ExamSession& session, BankModel& bank);
