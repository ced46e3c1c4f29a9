// Question designations (B-001-002-003) and filing a question under its topic.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "examsim/bank/bankmodel.h"

// Checks and normalises a designation: on success it holds the normalised
// form, topicKey the first three fields and numberKey the fourth.
bool myParseQuestionNo(std::string& designation, std::string& topicKey, std::string& numberKey);

// Where each topic of a bank being read was opened. A reader that cleared
// the model itself and files every question through the same index finds
// topics here instead of searching the whole topic table for each question.
class TopicIndex {
public:
    // 0 when the topic was not opened yet.
    int32_t find(const std::string& topicKey) {
        // Questions of a topic mostly come together: try the last one first.
        if (lastTopic_ != 0 && topicKey == lastKey_) return lastTopic_;
        auto it = topics_.find(topicKey);
        if (it == topics_.end()) return 0;
        remember(topicKey, it->second);
        return it->second;
    }
    void add(const std::string& topicKey, int32_t topicNo) {
        topics_.emplace(topicKey, topicNo);
        remember(topicKey, topicNo);
    }

private:
    void remember(const std::string& topicKey, int32_t topicNo) {
        lastKey_ = topicKey;
        lastTopic_ = topicNo;
    }
    std::unordered_map<std::string, int32_t> topics_;
    std::string lastKey_;
    int32_t lastTopic_ = 0;
};

// Files question `questionIndex` under its topic (opening the topic when new).
bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo);
// The same for a model cleared just before its first question and filed
// only through `index` since: topics 1..TopicCount are then exactly those
// of the index and every other one is free.
bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo, TopicIndex& index);
