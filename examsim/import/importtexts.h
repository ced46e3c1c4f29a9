// Messages of the import core in both interface languages (Latin-1,
// converted from the source once).
#pragma once

#include <string>

enum class ImportText {
    PairLockFailed,     // the pair's lock file, err=& &
    RecoveryFailed,     // the bank, err=& &
    // Reading a pool file: what is wrong and where.
    NotLatin1Character, // line, field, character
    ControlCharacter,   // line, field, character
    NotUtf8,            // line, field
    MixedEncodings,     // Latin-1 line, UTF-8 line
    TooManyInTopic,     // line, question, limit
    TooManyTopics,      // line, topic, limit
    TooManyLessons,     // line, section, limit
    TooManyQuestions,   // line, question, limit
    WrongFieldCount,    // line, fields
    InvalidId,          // line, id
    NotAQualification,  // line, question
    OtherQualification, // line, question, first line, its id
    DuplicateQuestion,  // line, question, earlier line
    EmptyText,          // line, field
    NoQuestion,         // source
    OpenFailed,         // file, err=& &
    NotAFile,           // file
    TooLarge,           // file
    MemberOfArchive,    // member, archive: where a message says the fault lies
};

// Text in the given language (0 English, 1 French).
const std::string& importTextIn(ImportText id, int language);
// Text in the current interface language.
const std::string& importText(ImportText id);
