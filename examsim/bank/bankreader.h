// Reading a question bank file into the bank model.
#pragma once

#include <filesystem>
#include <string>

#include "examsim/bank/bankmodel.h"

inline constexpr int HeaderPass = 0;
inline constexpr int FullRead = 1;

// mode HeaderPass: learns the bank's title into headerTitle and stops at the
// header record, leaving the model untouched. mode FullRead: clears the
// model, reads the whole file and reports its statistics. Returns 1 on
// success, 0 after an error it has reported.
int myReadQuestionBank(BankModel& model, const std::filesystem::path& path, int mode, std::string& headerTitle);

// Splits a question record into designation, expected answer ("1".."4") and
// question text, by the answer labels in force.
bool myParseQuestionRecord(const BankModel& model, const std::string& line, std::string& designation,
                           std::string& expectedAnswer, std::string& questionText);

// "N": text after the last separator; "P": up to and including it; else the
// whole path. Both "\" and "/" separate. Spaces trimmed at both ends.
std::string myGetPathPart(const std::string& path, const std::string& part);

// The texts shown after a full read; exposed for the bank checker tool.
std::string bankStatisticsText(const BankModel& model, const std::filesystem::path& path, bool simplified);
// Empty when no list is due.
std::string missingExplanationsText(const BankModel& model);
