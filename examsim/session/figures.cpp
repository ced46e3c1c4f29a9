#include "examsim/session/figures.h"

#include <algorithm>
#include <cmath>

#include "examsim/session/sessiontexts.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

namespace {

int32_t countOf(const std::string& field, int size, char c) {
    return static_cast<int32_t>(std::count(field.begin(), field.begin() + size, c));
}

std::string keptNumber(int32_t value) {
    return value == -32768 ? std::string("nnn") : std::to_string(value);
}

void show(ExamView& view, int id, const std::string& text) {
    if (view.setFigure) view.setFigure(id, text);
}

}  // namespace

float myMarkRatio(int32_t correct, int32_t incorrect, int32_t dontKnow) {
    int32_t total = incorrect + correct + dontKnow;
    if (total <= 0) return 0.0f;
    return static_cast<float>(correct) / static_cast<float>(total);
}

std::string myFormatMark(float ratio) {
    float percent = 100.0f * ratio;
    float fraction = percent - std::floor(percent);
    bool whole = roundHalfEven(static_cast<double>(fraction) * 10000.0) == 0;
    return formatNumber(ratio, whole ? "###%" : "0.0%");
}

int16_t myMarkValue(float ratio) {
    return static_cast<int16_t>(roundHalfEven(static_cast<double>(ratio) * 1000.0) * 10);
}

std::string myMarkFromValue(int16_t value) {
    if (value == -32768) return "nnn.n%";
    return myFormatMark(static_cast<float>(value) / 10000.0f);
}

void myRecomputeFigures(ExamRecord& exam) {
    int size = std::clamp(exam.ExamSize, 0, MaxExamSize);
    exam.ProgressCounts[0] = countOf(exam.MarkResults, size, '0');
    exam.ProgressCounts[1] = countOf(exam.MarkResults, size, '1');
    exam.ProgressCounts[2] = countOf(exam.MarkResults, size, '2');
    exam.ProgressCounts[3] = countOf(exam.GivenAnswers, size, '5');
    float ratio = myMarkRatio(exam.ProgressCounts[1], exam.ProgressCounts[2], exam.ProgressCounts[3]);
    exam.MarkText = myFormatMark(ratio);
    exam.Figures.Unanswered = exam.ProgressCounts[0];
}

void myResetFigures(ExamRecord& exam) {
    exam.ProgressCounts[1] = exam.ProgressCounts[2] = exam.ProgressCounts[3] = 0;
    exam.MarkText = "nnn.n%";
    exam.Figures.MarkValue = -32768;
    exam.Figures.Unanswered = exam.ExamSize > 0 ? exam.ProgressCounts[0] : -32768;
}

std::string myStatusText(const ExamRecord& exam, const BankModel& bank, std::string* markText) {
    const std::string& caption = sessionText(SessionText::StatusCaption);
    int p = exam.CurrentQuestion;
    if (exam.ExamSize <= 0 || p < 1 || p > exam.ExamSize) {
        if (markText) *markText = "0%";
        return fillMask(captionField(caption, 1), {"0", "0", "x", "0%", "0"});
    }
    int size = std::min(exam.ExamSize, MaxExamSize);
    int32_t unanswered = countOf(exam.MarkResults, size, '0');
    std::string mark = "0%";
    if (unanswered != exam.ExamSize)
        mark = myFormatMark(myMarkRatio(countOf(exam.MarkResults, size, '1'),
                                        countOf(exam.MarkResults, size, '2'),
                                        countOf(exam.GivenAnswers, size, '5')));
    if (markText) *markText = mark;

    int q = exam.ExamOrder[p];
    std::string reference = trimSpaces(bank.Designation[q]);
    std::string given(1, exam.given(p));
    char r = exam.result(p);
    if (r == '0') return fillMask(captionField(caption, 1), {p, exam.ExamSize, reference, mark, unanswered});
    if (r == '-' || r == '1')
        return fillMask(captionField(caption, r == '-' ? 2 : 3),
                        {p, exam.ExamSize, given, reference, mark, unanswered});
    return fillMask(captionField(caption, 4),
                    {p, exam.ExamSize, bank.ExpectedAnswer[q], given, reference, mark, unanswered});
}

std::string myPositionCaption(const FigureValues& kept) {
    return fillMask(captionField(sessionText(SessionText::PositionCaption), kept.PositionField),
                    {keptNumber(kept.Position), keptNumber(kept.Size)});
}

void myShowFigures(ExamRecord& exam, const BankModel& bank, ExamView& view, int mode) {
    if (view.SimplifiedLayout) return;
    bool reset = mode == ShowNoExam || mode == ShowNewExam;
    show(view, IdUnanswered,
         fillMask(sessionText(SessionText::UnansweredCaption), {keptNumber(exam.Figures.Unanswered)}));
    show(view, IdDontKnowCount, reset ? std::string("nnn") : std::to_string(exam.ProgressCounts[3]));
    bool marked = false;
    if (exam.CurrentQuestion >= 1 && exam.CurrentQuestion <= exam.ExamSize) {
        char r = exam.result(exam.CurrentQuestion);
        marked = r == '1' || r == '2' || r == '3';
    }
    if (!reset && !marked) return;
    show(view, IdGoodCount, reset ? std::string("nnn") : std::to_string(exam.ProgressCounts[1]));
    show(view, IdIncorrectCount, reset ? std::string("nnn") : std::to_string(exam.ProgressCounts[2]));
    // The value kept for a language switch is the one on show: answers
    // waiting for the Mark button must not put a mark there that the label
    // never showed.
    if (!reset)
        exam.Figures.MarkValue = myMarkValue(
            myMarkRatio(exam.ProgressCounts[1], exam.ProgressCounts[2], exam.ProgressCounts[3]));
    show(view, IdMarkFigure,
         fillMask(sessionText(SessionText::MarkCaption), {myMarkFromValue(exam.Figures.MarkValue)}));
}

void myRerenderFigures(ExamRecord& exam, const BankModel& bank, ExamView& view) {
    if (view.SimplifiedLayout) {
        std::string mark;
        show(view, IdStatusText, myStatusText(exam, bank, &mark));
        return;
    }
    show(view, IdUnanswered,
         fillMask(sessionText(SessionText::UnansweredCaption), {keptNumber(exam.Figures.Unanswered)}));
    show(view, IdMarkFigure,
         fillMask(sessionText(SessionText::MarkCaption), {myMarkFromValue(exam.Figures.MarkValue)}));
    show(view, IdPositionCaption, myPositionCaption(exam.Figures));
}

std::string myPassMarkLine(const ExamRecord& exam, int passMarkPercent) {
    const auto& counts = exam.ProgressCounts;
    if (counts[1] + counts[2] + counts[3] == 0) return {};
    // Hundredths of a per cent, as the mark shown is rounded.
    const int value = myMarkValue(myMarkRatio(counts[1], counts[2], counts[3]));
    SessionText line = SessionText::PassNotReached;
    if (value >= passMarkPercent * 100) {
        if (passMarkPercent >= HonoursPercent)
            line = SessionText::PassReached;
        else
            line = value >= HonoursPercent * 100 ? SessionText::PassReachedHonours : SessionText::PassReachedNotHonours;
    }
    return fillMask(sessionText(line), {passMarkPercent});
}

std::string myDrillScoreLine(const BankModel& bank) {
    std::string scores;
    for (int i = 1; i <= bank.LessonCount && i <= MaxLessons; ++i) {
        const LessonRecord& lesson = bank.Lessons[bank.LessonIndex[i]];
        const int right = lesson.LessonTally[1], total = lesson.LessonTally[0] + lesson.LessonTally[1];
        if (total <= 0) continue;
        if (!scores.empty()) scores += sessionText(SessionText::DrillScoreSeparator);
        scores += fillMask(sessionText(SessionText::DrillLessonScore),
                           {trimSpaces(lesson.LessonId), right, total, (right * 200 + total) / (2 * total)});
    }
    return scores.empty() ? std::string() : fillMask(sessionText(SessionText::DrillScore), {scores});
}
