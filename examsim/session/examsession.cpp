#include "examsim/session/examsession.h"

#include <algorithm>

#include "examsim/session/figures.h"
#include "examsim/session/missedreport.h"
#include "examsim/session/sessiontexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

// Calls a port member only when the window provided it.
template <class F, class... A>
void call(const F& f, A&&... args) {
    if (f) f(std::forward<A>(args)...);
}

bool examShown(const ExamRecord& exam) {
    return exam.ExamSize > 0 && exam.CurrentQuestion >= 1 && exam.CurrentQuestion <= exam.ExamSize;
}

bool isMarked(char result) { return result == '1' || result == '2' || result == '3'; }

std::string withoutTabs(const std::string& text) { return replaceAll(text, "\t", "    "); }

void setArmed(ExamSession& s, bool armed) {
    s.Exam.MarkArmed = armed;
    call(s.View.setMarkArmed, armed);
}

// Back to review: answers are refused, the choices of a new exam come back.
void finishExam(ExamSession& s) {
    s.Exam.ExamStage = StageOver;
    setArmed(s, false);
    call(s.View.setSeekCaption, 3);
    call(s.View.setExamChoicesEnabled, true);
    call(s.View.setLessonMenuEnabled, s.Exam.LessonMenuWasEnabled);
}

// Indicator state 1..6 of answer i (0..4), given the answer a and the
// expected c (indexes, a = -1 when none).
int indicatorState(int i, int a, int c, bool marked) {
    if (!marked) return i == a ? 2 : 1;
    if (i == a) return a == c ? 3 : (a == 4 ? 6 : 5);
    return i == c ? 4 : 1;
}

}  // namespace

int myMarkRange(ExamRecord& exam, BankModel& bank, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, std::min(exam.ExamSize, MaxExamSize));
    char result = '0';
    for (int p = first; p <= last; ++p) {
        int q = exam.ExamOrder[p];
        char given = exam.given(p);
        result = given == bank.ExpectedAnswer[q][0] ? '1' : (given == '5' ? '3' : '2');
        exam.MarkResults[p - 1] = result;
        uint8_t lessonNo = slotOf(bank, q).LessonNo;
        if (lessonNo > MaxLessons) continue;
        auto& tally = bank.Lessons[lessonNo].LessonTally;
        ++tally[result == '1' ? 1 : 0];
    }
    return result == '1' ? -1 : 0;
}

int mySeek(const ExamRecord& exam, int direction) {
    if (!exam.SeekEnabled) return exam.CurrentQuestion + direction;
    std::string_view sought =
        exam.ExamStage == StageDrawn || exam.ExamStage == StageAnswering ? "0" : "023";
    auto wanted = [&](int p) { return sought.find(exam.result(p)) != std::string_view::npos; };
    if (direction > 0) {
        for (int p = exam.CurrentQuestion + 1; p <= MaxExamSize; ++p)
            if (wanted(p)) return p;
    } else {
        for (int p = std::min(exam.CurrentQuestion - 1, MaxExamSize); p >= 1; --p)
            if (wanted(p)) return p;
    }
    return exam.CurrentQuestion;
}

int myShowQuestion(ExamSession& s, const BankModel& bank, int mode) {
    ExamRecord& exam = s.Exam;
    ExamView& view = s.View;
    if (mode == ShowNoExam || mode == ShowNewExam)
        myResetFigures(exam);
    else if (mode == ShowAfterAnswer)
        myRecomputeFigures(exam);
    bool explanationOpen = view.explanationWindowOpen && view.explanationWindowOpen();

    if (!examShown(exam)) {
        for (int i = 0; i < 5; ++i) call(view.setIndicator, i, 1);
        exam.AnswerChecked.fill(false);
        exam.Figures.PositionField = 1;
        exam.Figures.Position = exam.Figures.Size = -32768;
        if (!view.SimplifiedLayout) call(view.setFigure, IdPositionCaption, myPositionCaption(exam.Figures));
        if (explanationOpen) call(view.clearExplanationWindow);
        if (view.SimplifiedLayout) call(view.showExplanationHint);
        if (mode == ShowNoExam) call(view.showDefaultQuestionTexts);
    } else {
        int p = exam.CurrentQuestion;
        int q = exam.ExamOrder[p];
        char given = exam.given(p);
        char result = exam.result(p);
        bool marked = isMarked(result);
        int a = given - '1';
        int c = bank.ExpectedAnswer[q][0] - '1';
        for (int i = 0; i < 5; ++i) {
            int state = indicatorState(i, a, c, marked);
            exam.AnswerChecked[i] = state == 2 || state == 3 || state == 5 || state == 6;
            call(view.setIndicator, i, state);
        }
        exam.Figures.PositionField = given == '0' ? 1 : 2;
        exam.Figures.Position = p;
        exam.Figures.Size = exam.ExamSize;
        if (!view.SimplifiedLayout) call(view.setFigure, IdPositionCaption, myPositionCaption(exam.Figures));
        if (given != '0' && given != bank.ExpectedAnswer[q][0] && explanationOpen &&
            ((exam.ExamStage >= StageAnswering && marked) || exam.ExamStage == StageOver))
            call(view.postExplanationRefresh);
        if (mode == ShowNewExam || mode == ShowAfterNavigation) {
            std::array<std::string, 4> answers;
            for (int i = 0; i < 4; ++i) answers[i] = withoutTabs(bank.Answers[q][i + 1]);
            call(view.setQuestionTexts, withoutTabs(bank.Designation[q]), withoutTabs(bank.QuestionText[q]),
                 answers);
        }
        if (explanationOpen) call(view.clearExplanationWindow);
        if (view.SimplifiedLayout) {
            if (marked || exam.ExamStage == StageOver)
                call(view.showExplanation, bank.Explanation[q]);
            else
                call(view.showExplanationHint);
        }
    }

    if (mode == ShowNoExam || mode == ShowAfterAnswer || mode == ShowNewExam)
        myShowFigures(exam, bank, view, mode);
    if (view.SimplifiedLayout) {
        std::string mark;
        std::string sentence = myStatusText(exam, bank, &mark);
        if (examShown(exam)) {
            exam.MarkText = mark;
            char r = exam.result(exam.CurrentQuestion);
            exam.Figures.StatusVariant = r == '0' ? 1 : r == '-' ? 2 : r == '1' ? 3 : 4;
        } else {
            exam.Figures.StatusVariant = 1;
        }
        call(view.setFigure, IdStatusText, sentence);
    }
    return -1;
}

int myAnswerChosen(ExamSession& s, BankModel& bank, int answerNo) {
    ExamRecord& exam = s.Exam;
    ExamView& view = s.View;
    int64_t now = s.Clock.systemTime ? s.Clock.systemTime() : 0;
    // While the program is about to show the next question, a click cannot
    // be meant for the answered one: refused, and heard to be refused. The
    // wait ends with the advance, or with the pause between two answers.
    if (exam.AdvancePending && now - exam.LastAnswerTime < AnswerDebounce) {
        call(view.playSound, RefusedSound);
        return 1;
    }
    if (now - exam.LastAnswerTime < AnswerDebounce) return 1;
    exam.LastAnswerTime = now;
    // No question on show (no exam yet): there is nowhere to put the answer.
    if (answerNo < 1 || answerNo > 5 || !examShown(exam)) return 1;
    if (exam.ExamStage == StageOver) return 1;
    int p = exam.CurrentQuestion;
    if (exam.MarkingMode == MarkAsYouGo && exam.given(p) != '0') return 1;

    call(view.acknowledgeClick);
    char answer = static_cast<char>('0' + answerNo);
    bool removed = view.SimplifiedLayout && exam.AnswerChecked[answerNo - 1];
    if (removed) answer = '0';
    exam.GivenAnswers[p - 1] = answer;

    if (exam.ExamStage < StageAnswering) {
        exam.ExamStage = StageAnswering;
        LocalMoment moment = s.Clock.localNow ? s.Clock.localNow() : LocalMoment{};
        int language = uiContext().InterfaceLanguage;
        exam.SessionStamp = mySessionStamp(moment);
        exam.MissedReportName = myMissedReportName(moment, language);
        exam.ExamStartSeconds = secondsSinceMidnight(moment);
        call(view.setExamChoicesEnabled, false);
        exam.LessonMenuWasEnabled = view.lessonMenuEnabled ? view.lessonMenuEnabled() : true;
        call(view.setLessonMenuEnabled, false);
    }

    bool advance = true;
    std::string sound;
    if (exam.MarkingMode == MarkAsYouGo) {
        if (myMarkRange(exam, bank, p, p) != 0) {
            sound = "SoundGood";
        } else {
            sound = "SoundBad";
            advance = !exam.ManualAdvanceAfterIncorrect;
        }
    } else if (removed) {
        exam.MarkResults[p - 1] = '0';
        sound = "SoundUncheck";
    } else {
        exam.MarkResults[p - 1] = '-';
        sound = "SoundCheck";
    }

    myShowQuestion(s, bank, ShowAfterAnswer);
    // In both layouts: a candidate with a screen reader may have started
    // the program without /S. Under /S a missed question's explanation,
    // now in its area, follows the verdict when the program stays on the
    // question (said later it would cut the verdict off, said before a
    // question that comes by itself it would be cut off).
    std::string verdict = myStatusText(exam, bank);
    const char result = exam.result(p);
    const std::string explanation = trimSpaces(bank.Explanation[exam.ExamOrder[p]]);
    if (view.SimplifiedLayout && (result == '2' || result == '3') && !explanation.empty() &&
        (!advance || exam.ManualAdvance))
        verdict += "\n" + explanation;
    call(view.sayStatus, verdict);
    if (exam.AudibleClues) call(view.playSound, sound);

    if (exam.ProgressCounts[0] == 0) {
        advance = false;
        if (exam.MarkingMode == MarkAsYouGo) {
            exam.ExamStage = StageMarkedAsWent;
            if (exam.AudibleClues) call(view.wait, AdvanceDelayMs);
            myEndExam(s, bank, EndAfterLastMark);
        } else {
            exam.ExamStage = StageAllAnswered;
            setArmed(s, true);
        }
    } else if (removed) {
        setArmed(s, false);
        // Not every question is answered any more.
        if (exam.ExamStage == StageAllAnswered) exam.ExamStage = StageAnswering;
    }

    if (advance) {
        if (!exam.ManualAdvance) {
            exam.AdvancePending = true;
            call(view.clickNextAfter, AdvanceDelayMs);
        }
    } else if (view.SimplifiedLayout) {
        // Also after the last answer, which ended the exam: the status box
        // then reads the mark out.
        call(view.moveFocus, FocusTarget::StatusBox);
    }
    return 1;
}

bool myAwaitsNext(const ExamRecord& exam) {
    if (exam.ExamStage != StageAnswering && exam.ExamStage != StageAllAnswered) return false;
    const int p = exam.CurrentQuestion;
    if (p < 1 || p >= exam.ExamSize || exam.AdvancePending) return false;
    return exam.given(p) != '0';
}

void myNavigate(ExamSession& s, const BankModel& bank, Navigation where) {
    ExamRecord& exam = s.Exam;
    exam.AdvancePending = false;
    if (exam.ExamSize > 0 && exam.CurrentQuestion >= 1) {
        // NEXT and PREVIOUS refresh whenever they may move, also when a seek
        // finds nothing; FIRST and LAST only when they move.
        bool allowed = false;
        int target = exam.CurrentQuestion;
        switch (where) {
        case Navigation::Next:
            allowed = exam.CurrentQuestion < exam.ExamSize;
            if (allowed) target = mySeek(exam, +1);
            break;
        case Navigation::Previous:
            allowed = exam.CurrentQuestion > 1;
            if (allowed) target = mySeek(exam, -1);
            break;
        case Navigation::First:
            allowed = exam.CurrentQuestion > 1;
            target = 1;
            break;
        case Navigation::Last:
            allowed = exam.CurrentQuestion < exam.ExamSize;
            target = exam.ExamSize;
            break;
        }
        if (allowed && target >= 1 && target <= exam.ExamSize) {
            // The wait between two answers guards one question against a
            // double click; a question just shown takes its first click.
            if (target != exam.CurrentQuestion) exam.LastAnswerTime = INT64_MIN / 2;
            exam.CurrentQuestion = target;
            if (s.View.SimplifiedLayout) call(s.View.moveFocus, FocusTarget::QuestionBox);
            myShowQuestion(s, bank, ShowAfterNavigation);
            return;
        }
    }
    if (s.View.SimplifiedLayout) call(s.View.moveFocus, FocusTarget::QuestionBox);
}

void myMarkButton(ExamSession& s, BankModel& bank) {
    if (!s.Exam.MarkArmed) {
        myErrorBox(sessionText(SessionText::MarkNotArmed));
        return;
    }
    setArmed(s, false);
    myMarkRange(s.Exam, bank, 1, s.Exam.ExamSize);
    s.Exam.ExamStage = StageMarked;
    myShowQuestion(s, bank, ShowAfterAnswer);
    myEndExam(s, bank, EndAfterLastMark);
    if (s.View.SimplifiedLayout) call(s.View.moveFocus, FocusTarget::StatusBox);
}

namespace {

void forgetExam(ExamSession& s, const BankModel& bank) {
    s.Exam.GivenAnswers.assign(MaxExamSize, ' ');
    s.Exam.MarkResults.assign(MaxExamSize, ' ');
    s.Exam.CurrentQuestion = 0;
    s.Exam.ExamSize = 0;
    s.Exam.ExamStage = StageNoExam;
    s.Exam.ExamOrder.fill(0);
    s.Exam.ProgressCounts.fill(0);
    myShowQuestion(s, bank, ShowNoExam);
}

}  // namespace

void myDiscardDrawnExam(ExamSession& s, const BankModel& bank) {
    if (s.Exam.ExamStage != StageDrawn) return;
    forgetExam(s, bank);
}

void myDiscardExamOfOtherBank(ExamSession& s, const BankModel& bank) {
    if (s.Exam.ExamStage == StageDrawn) {
        forgetExam(s, bank);
    } else if (s.Exam.ExamStage == StageOver) {
        // Its positions name questions of the bank read before: shown
        // against this one they would be other questions, answers and
        // explanations.
        forgetExam(s, bank);
        call(s.View.setSeekCaption, 1);
    }
}

bool myLaunchExam(ExamSession& s, BankModel& bank) {
    ExamRecord& exam = s.Exam;
    if (exam.ExamStage >= StageAnswering) return false;
    LocalMoment now = s.Clock.localNow ? s.Clock.localNow() : LocalMoment{};
    s.Random.seed(seedSeconds(now.Hour, now.Minute, now.Second, now.Millisecond));
    myWaitForLogging(s, bank);
    setArmed(s, false);
    exam.AdvancePending = false;
    mySelectQuestions(exam, bank, s.Random, myExamLength(bank));
    if (exam.ExamSize == 0) {
        // The draw has already replaced the exam under review: nothing is
        // left to show, whatever the stage was.
        exam.ExamStage = StageDrawn;
        myDiscardDrawnExam(s, bank);
        myErrorBox(sessionText(SessionText::EmptyExam));
        return false;
    }
    exam.ProgressCounts[0] = exam.ExamSize;
    exam.CurrentQuestion = 1;
    exam.ExamStage = StageDrawn;
    // The keyboard goes to the question box, in both layouts and however
    // Launch was pressed (its accessible action leaves the keyboard where it
    // was, on a list that would take the keys 1 to 4): the keys answer the
    // exam. It goes there before the box's text changes: a screen reader
    // then reads the box it arrives at, new text and all. A box whose text
    // changes first is taken (Orca) for the focus already, and its focus
    // then goes unsaid.
    call(s.View.moveFocus, FocusTarget::QuestionBox);
    myShowQuestion(s, bank, ShowNewExam);
    call(s.View.setSeekCaption, 2);
    return true;
}

int myEndExam(ExamSession& s, BankModel& bank, int kind) {
    ExamRecord& exam = s.Exam;
    switch (exam.ExamStage) {
    case StageMarkedAsWent:
    case StageMarked:
        myStartLogging(s, bank);
        finishExam(s);
        return kind;
    case StageAnswering:
    case StageAllAnswered: {
        std::string title = uiContext().ProgramName + sessionText(SessionText::WarningTitleSuffix);
        std::string text = sessionText(exam.ExamStage == StageAnswering ? SessionText::UnansweredWarning
                                                                        : SessionText::NotMarkedWarning);
        bool yes = s.View.askYesNo ? s.View.askYesNo(title, text) : true;
        if (!yes) return EndGoneBack;
        if (exam.ExamStage == StageAllAnswered) {
            myMarkRange(exam, bank, 1, exam.ExamSize);
            myShowQuestion(s, bank, ShowAfterAnswer);
        }
        myStartLogging(s, bank);
        finishExam(s);
        return kind;
    }
    default:
        return kind;
    }
}

int myStartLogging(ExamSession& s, BankModel& bank) {
    ExamRecord& exam = s.Exam;
    int language = uiContext().InterfaceLanguage;
    LocalMoment now = s.Clock.localNow ? s.Clock.localNow() : LocalMoment{};

    LogJob job;
    job.LogPath = s.LogFilePath;
    job.SummaryLine = mySummaryLine(exam, bank, myElapsedText(exam.ExamStartSeconds, secondsSinceMidnight(now)),
                                    mySettingsField(language, exam));
    job.QuestionLines = myQuestionLines(exam, bank);
    job.ReportBaseName = exam.MissedReportName;
    exam.MissedReportName = myUniqueReportName(s.ProgramFolder, exam.MissedReportName);
    job.ReportPath = s.ProgramFolder / pathFromLatin1(exam.MissedReportName);
    job.ReportBytes = myMissedReport(exam, bank, job.SummaryLine, language);
    for (int p = 1; p <= std::min(exam.ExamSize, MaxExamSize); ++p) {
        char given = exam.given(p);
        if (given == '0') continue;
        int q = exam.ExamOrder[p];
        job.Answers.emplace_back(q, given == bank.ExpectedAnswer[q][0]);
    }
    job.CatalogueBank = myFindBankTitle(s.Catalogue.Titles, bank.CurrentBankTitle);

    myWaitForLogging(s, bank);
    std::function<void()> finished;
    if (s.View.postToWindow) {
        ExamSession* session = &s;
        BankModel* model = &bank;
        finished = [session, model] {
            session->View.postToWindow([session, model] { myWaitForLogging(*session, *model); });
        };
    }
    s.Logging.start(std::move(job), std::move(finished));

    std::string title = uiContext().ProgramName + sessionText(SessionText::InfoTitleSuffix);
    // Under the mark, whether it passes: the figure alone leaves that to the candidate.
    // A drill's, its lessons' scores: it is practice, not an exam to pass.
    const std::string passLine =
        exam.Drill ? myDrillScoreLine(bank) : myPassMarkLine(exam, bank.PassMarkPercent);
    call(s.View.inform, title,
         fillMask(sessionText(SessionText::MarkMessage),
                  {exam.MarkText + (passLine.empty() ? "" : CRLF + passLine), CRLF, CRLF, CRLF,
                   exam.MissedReportName, CRLF, CRLF, displayPath(s.ProgramFolder) + "/"}));
    return 1;
}

void myWaitForLogging(ExamSession& s, BankModel& bank) {
    auto done = s.Logging.collect();
    if (!done) return;
    const LogJob& job = done->first;
    const LogOutcome& outcome = done->second;
    if (!outcome.LogWritten) {
        myErrorBox(fillMask(sessionText(SessionText::LogOpenFailed),
                            {displayPath(job.LogPath), CRLF, outcome.LogError,
                             fileErrorText(outcome.LogRefusal, outcome.LogError, NoSizeLimit)}));
        return;
    }
    // The next exam of this run already sees this session.
    for (auto [q, right] : job.Answers) {
        if (q < 1 || q > bank.QuestionCount) continue;
        int16_t& counter = slotOf(bank, q).Stats[right ? 1 : 0];
        if (counter < INT16_MAX) ++counter;
    }
    // So that re-opening the bank later in the run reads this session back.
    myCatalogueSession(s.Catalogue, job.CatalogueBank, outcome.SummaryPosition);
    call(s.View.sessionLogged);
    if (!outcome.ReportWritten)
        myErrorBox(fillMask(sessionText(SessionText::ReportOpenFailed),
                            {displayPath(outcome.ReportPath.empty() ? job.ReportPath : outcome.ReportPath), CRLF,
                             outcome.ReportError, errorText(outcome.ReportError)}));
}
