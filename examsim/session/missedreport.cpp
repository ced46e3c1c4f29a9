#include "examsim/session/missedreport.h"

#include <filesystem>
#include <system_error>

#include "examsim/session/figures.h"
#include "examsim/session/historylog.h"
#include "examsim/session/sessiontexts.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"

namespace {

std::string two(int value) { return formatNumber(value, "00"); }

// Items of the lesson table start on columns that are multiples of 14.
void printZone(std::string& line, const std::string& item) {
    line += item;
    line.append(14 - line.size() % 14, ' ');
}

void addLine(std::string& out, const std::string& line) {
    out += line;
    out += CRLF;
}

}  // namespace

std::string mySessionStamp(const LocalMoment& m) {
    return formatNumber(m.Year, "0000") + "/" + two(m.Month) + "/" + two(m.Day) + " " + two(m.Hour) +
           ":" + two(m.Minute);
}

std::string myMissedReportName(const LocalMoment& m, int language) {
    return sessionTextIn(SessionText::ReportPrefix, language) + formatNumber(m.Year, "0000") + "-" +
           two(m.Month) + "-" + two(m.Day) + "_h" + two(m.Hour) + "-m" + two(m.Minute) + ".txt";
}

std::string myUniqueReportName(const std::filesystem::path& folder, const std::string& name) {
    std::string stem = name.size() > 4 ? name.substr(0, name.size() - 4) : name;
    std::string candidate = name;
    // Any name in the folder counts as taken, a link or a folder included.
    for (int n = 2;; ++n) {
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(folder / pathFromLatin1(candidate), ec)) ||
            n > 10000)
            return candidate;
        candidate = stem + "_" + std::to_string(n) + ".txt";
    }
}

std::string myMissedReport(const ExamRecord& exam, const BankModel& bank, const std::string& summaryLine,
                           int language) {
    std::string out;
    addLine(out, summaryLine);
    addLine(out, "");

    bool headed = false;
    for (int i = 1; i <= bank.LessonCount && i <= MaxLessons; ++i) {
        const LessonRecord& lesson = bank.Lessons[bank.LessonIndex[i]];
        int wrong = lesson.LessonTally[0], right = lesson.LessonTally[1];
        if (wrong == 0 && right == 0) continue;
        if (!headed) {
            addLine(out, "");
            addLine(out, sessionTextIn(SessionText::LessonHeading, language));
            headed = true;
        }
        std::string row;
        printZone(row, fixedWidth(lesson.LessonId, LessonIdWidth));
        printZone(row, std::to_string(wrong + right));
        printZone(row, myFormatMark(myMarkRatio(right, wrong, 0)));
        row += fixedWidth(lesson.LessonTitle, LessonTitleWidth);
        addLine(out, row);
    }

    int size = std::min(exam.ExamSize, MaxExamSize);
    for (int p = 1; p <= size; ++p) {
        if (exam.result(p) == '1') continue;
        int q = exam.ExamOrder[p];
        char given = exam.given(p);
        int givenNo = given >= '1' && given <= '5' ? given - '0' : 0;
        int expected = static_cast<int>(leadingNumber(bank.ExpectedAnswer[q]));
        if (expected < 0 || expected > AnswerLabelCount) expected = 0;
        int lessonNo = slotOf(bank, q).LessonNo;
        std::string lessonId = lessonNo <= MaxLessons ? bank.Lessons[lessonNo].LessonId : std::string();
        addLine(out, "");
        addLine(out, fixedWidth(bank.Designation[q], DesignationWidth) + " " + bank.QuestionText[q]);
        addLine(out, fillMask(sessionTextIn(SessionText::AnswerIsLine, language),
                              {bank.AnswerLabels[expected].AnswerLetter,
                               bank.AnswerLabels[givenNo].AnswerLetter, lessonId}));
        for (int a = 1; a <= AnswersPerQuestion; ++a) addLine(out, bank.Answers[q][a]);
        addLine(out, bank.Explanation[q]);
    }
    return out;
}
