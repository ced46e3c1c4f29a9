// Texts of the study progress figures in both interface languages
// (Latin-1): the bank tool's report, the progress window and its menu item.
#pragma once

#include <string>

enum class ProgressText {
    LogReadFailed,
    ReportTitle,
    SessionsLine,
    NoSession,
    LessonsHeading,
    TopicsHeading,
    NoLessons,
    LessonColumns,  // "|"-separated column titles
    TopicColumns,
    NoRate,
    PassChance,
    HonoursChance,
    WindowTitle,
    ChartTitle,
    MarksSeries,
    PassLine,
    AxisSessions,
    AxisMarks,
    ChartDescription,
    ChartNoMarks,
    ChancesHow,
    LessonsCaption,
    TopicsCaption,
    CopyButton,
    CopyHint,
    CloseButton,
    EmptyState,
    Copied,
    PartialSeries,
    ChartPartial,
    NextStepHeading,
    NextLesson,
    NextLessonUntried,
    NextStepNone,
    NextStepNoLessons,
    PractiseButton,
    FullExamButton,
    ChanceRange,
    TooFewAnswers,
};

// Text in the given language (0 English, 1 French).
const std::string& progressTextIn(ProgressText id, int language);
// Text in the interface language in force.
const std::string& progressText(ProgressText id);
