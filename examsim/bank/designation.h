// Question designations (B-001-002-003) and filing a question under its topic.
#pragma once

#include <cstdint>
#include <string>

#include "bankmodel.h"

// Checks and normalises a designation: on success it holds the normalised
// form, topicKey the first three fields and numberKey the fourth.
bool myParseQuestionNo(std::string& designation, std::string& topicKey, std::string& numberKey);

// Files question `questionIndex` under its topic (opening the topic when new).
bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo);
