// Messages, captions and file texts of the exam session in both interface
// languages (Latin-1, converted from the source once).
#pragma once

#include <string>

enum class SessionText {
    EmptyExam,
    MarkNotArmed,
    UnansweredWarning,
    NotMarkedWarning,
    WarningTitleSuffix,
    InfoTitleSuffix,
    MarkMessage,
    PositionCaption,     // "pending" field | answered field
    UnansweredCaption,
    MarkCaption,
    StatusCaption,       // four variants
    ReportPrefix,        // "Missed_"
    LessonHeading,
    AnswerIsLine,
    LogOpenFailed,
    ReportOpenFailed,
    LogLocationFailed,
    HistoryReadFailed,
    LogDialogTitle,
    LogDialogFilter,
    PassNotReached,
    PassReached,
    PassReachedHonours,
    PassReachedNotHonours,
    NextExamWhole,
    NextExamLessons,
    NextExamDrill,
    DrillScore,        // the drill's lessons, each a DrillLessonScore
    DrillLessonScore,
    DrillScoreSeparator,
};

// Text in the given language (0 English, 1 French).
const std::string& sessionTextIn(SessionText id, int language);
// Text in the current interface language.
const std::string& sessionText(SessionText id);
// Field (1-based) of a "|"-separated caption.
std::string captionField(const std::string& caption, int field);
