// The exam window's controls by name. The values key the caption and
// tooltip tables (uitexts.cpp) and the screen-reader names, so they never
// change; a new control takes a free value. The figures and the status box
// are the session's own ids.
#pragma once

#include "examsim/session/examview.h" // the ids of what the session writes

enum ControlId : int {
    BankList = 2000,         // the question bank drop list
    SelectionList = 2001,    // order of precedence in question selection
    SizeList = 2002,         // questions on the exam (the lesson dialog's list)
    MarkingList = 2003,      // marking mode
    SeekBox = 2004,          // Previous/Next seek unanswered or incorrect
    ManualAdvanceBox = 2005, // stay on a missed question until NEXT
    LaunchButton = 2006,
    MarkButton = 2007,
    FirstButton = 2008,
    PreviousButton = 2009,
    NextButton = 2010,
    LastButton = 2011,
    ExplanationButton = 2012,  // shows or hides the explanation window
    UseSelectionButton = 2013, // the lesson dialog's
    CancelSelectionButton = 2014,
    LanguageButton = 2015,
    Logo = 2016,
    SelectionFrame = 2018,
    MarkingFrame = 2019,
    ProgressFrame = 2020,
    NavigationFrame = 2021,
    Answer1Button = 2022, // normal layout: answers 1 to 5 ("Don't know"), 2022 to 2026
    Answer5Button = 2026,
    UnansweredLabel = IdUnanswered,
    GoodCount = IdGoodCount,
    IncorrectCount = IdIncorrectCount,
    DontKnowCount = IdDontKnowCount,
    MarkLabel = IdMarkFigure,
    PositionLabel = IdPositionCaption,
    GoodHeading = 2033,
    IncorrectHeading = 2034,
    DontKnowHeading = 2035,
    PoolFiguresLabel = 2036,  // the lesson dialog's
    ExplanationArea = 2037,   // simplified layout
    StatusBox = IdStatusText, // simplified layout
    QuestionBox = 2039,
    Answer1Box = 2040, // simplified layout: answers 1 to 5, 2040 to 2044
    Answer5Box = 2044,
    AcknowledgeLabel = 2047, // flashes when a click is taken
    DesignationLabel = 2048,
    StatusLine = 2049,  // the line at the foot of the normal layout
    Answer1Mark = 2050, // normal layout: the verdict picture beside each answer, 2050 to 2054
};

// The user slots (controls.h) the exam window keeps on its controls.
inline constexpr int SlotCaptionField =
    1; // which field of a control's caption shows (the bank list: its bank)
inline constexpr int SlotKeptValue = 2; // a figure's value on show (-32768: none)
inline constexpr int SlotKeptTotal = 3; // and the total it is out of
inline constexpr int SlotShrink = 6;    // the window's: how far it has been shrunk to fit
inline constexpr int SlotState = 7;     // a box's checked state, the Mark button's armed state
