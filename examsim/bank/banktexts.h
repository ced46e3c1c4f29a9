// The question bank core's texts in both interface languages (Latin-1): its
// messages, the status and statistics texts of the reader and the texts of
// the bank list and the lesson pool. They carry the numbers of the window's
// text tables, which take these entries from here so the two never drift
// apart.
#pragma once

#include <string>

enum BankMessage : int {
    MsgNoBank = 1,  // both languages in each column, the column's own first
    MsgSelectBankFirst = 2,
    MsgBankOpenFailed = 3,
    MsgAnswersMissing = 4,
    MsgTooManyQuestions = 5,
    MsgInvalidQuestion = 6,
    MsgTooManyLessons = 7,
    MsgUnknownRecord = 8,
    MsgMissingExplanations = 9,
    MsgNoLessons = 10,
    MsgChooseLessons = 11,
    MsgBadDesignation = 13,
    MsgAnswerTooLong = 14,
    MsgAnswerUnacceptable = 15,
    MsgAnswerMisplaced = 16,
    MsgDashCount = 17,
    MsgTooManyTopics = 18,
    MsgTooManyInTopic = 19,
    MsgDuplicateQuestion = 20,
    // Checks the window's table has no number for: past its end.
    MsgDesignationTooLong = 101,
    MsgNumberBelowOne = 102,
    MsgCharacterRefused = 103,
};

enum BankOtherText : int {
    OtherReadingBank = 1,
    OtherBankRead = 2,
    OtherBankFigures = 3,
    OtherTopicSizeItem = 11,
};

enum BankCaption : int {
    CaptionBankPrompt = 2000,
    CaptionPoolFigures = 2036,
};

// The text in the given language (0 English, 1 French); empty for a number
// the bank core does not own.
const std::string& bankMessageIn(int number, int language);
const std::string& bankOtherTextIn(int number, int language);
const std::string& bankCaptionIn(int id, int language);

// The same in the interface language in force.
const std::string& bankMessage(int number);
const std::string& bankOtherText(int number);
const std::string& bankCaption(int id);
