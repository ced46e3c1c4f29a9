#include "designation.h"

#include <algorithm>
#include <string_view>

#include "errorbox.h"
#include "masks.h"
#include "text.h"
#include "uicontext.h"

bool myParseQuestionNo(std::string& designation, std::string& topicKey, std::string& numberKey) {
    if (std::count(designation.begin(), designation.end(), '-') != 3) {
        myErrorBox(fillMask(inLanguage("myParseQuestionNo, wrong number of dashes in question designation for &",
                                       latin1("myParseQuestionNo, nombre de tirets incorrect à &")),
                            {designation}));
        return false;
    }
    std::vector<std::string> f = splitFields(designation, '-');
    // The number picture "000": at least three digits, zero-filled.
    auto number = [](const std::string& field) {
        std::string digits = std::to_string(leadingNumber(field));
        if (digits[0] != '-' && digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
        return digits;
    };
    std::string topic = f[0] + "-" + number(f[1]) + "-" + number(f[2]);
    std::string normalised = topic + "-" + number(f[3]);
    // TopicKey and the history log keep 13 characters: a longer designation
    // would be cut there and no longer match itself.
    if (normalised.size() > DesignationWidth) {
        myErrorBox(fillMask(inLanguage("myParseQuestionNo, question designation & is longer than & characters once written as &",
                                       latin1("myParseQuestionNo, désignation de question & dépasse & caractères une fois écrite &")),
                            {designation, static_cast<int>(DesignationWidth), normalised}));
        return false;
    }
    topicKey = topic;
    numberKey = number(f[3]);
    designation = normalised;
    return true;
}

namespace {
std::string_view keyOf(const std::string& fixed) {
    std::string_view v(fixed);
    while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
    return v;
}
// Keys of one bank differ mostly in their last digits: compare from the end.
bool sameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i]) return false;
    return true;
}
}  // namespace

bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo) {
    const long long n = leadingNumber(numberKey);
    // Slot 0 does not exist: such a question could never be drawn nor found again.
    if (n < 1) {
        myErrorBox(fillMask(inLanguage("myRegisterQuestion, QuestionNo = &_-& number within topic must be 1 to &",
                                       latin1("myRegisterQuestion, QuestionNo = &_-& le numéro dans le sujet doit être de 1 à &")),
                            {topicKey, numberKey, MaxPerTopic}));
        return false;
    }
    int32_t found = 0;
    for (int32_t t = 1; t <= MaxTopics; ++t) {
        TopicRecord& topic = model.Topics[t];
        std::string_view key = keyOf(topic.TopicKey);
        if (sameKey(key, topicKey)) {
            ++topic.Count;
            found = t;
            break;
        }
        if (key.empty()) {
            for (int s = 1; s <= MaxPerTopic; ++s) topic.Question[s].QuestionIndex = 0;
            model.TopicCount = t;
            topic.TopicKey = fixedWidth(topicKey, TopicKeyWidth);
            topic.Count = 1;
            model.TopicOrder[t] = t;
            found = t;
            break;
        }
    }
    if (found == 0) {
        myErrorBox(fillMask(inLanguage("myRegisterQuestion, TopicNo = && exceeds array size of &",
                                       latin1("myRegisterQuestion, TopicNo = && dépasse le tableau limité à &")),
                            {topicKey, CRLF, MaxTopics}));
        return false;
    }
    if (n > MaxPerTopic) {
        myErrorBox(fillMask(inLanguage("myRegisterQuestion, TopicNo = && NbrWithinTopic & exceeds array size of &",
                                       latin1("myRegisterQuestion, TopicNo = && NbrWithinTopic & dépasse le tableau limité à &")),
                            {topicKey, CRLF, n, MaxPerTopic}));
        return false;
    }
    QuestionSlot& slot = model.Topics[found].Question[n];
    if (slot.QuestionIndex != 0) {
        myErrorBox(fillMask(inLanguage("myRegisterQuestion, QuestionNo = &_-& is a DUPLICATE question",
                                       latin1("myRegisterQuestion, QuestionNo = &_-& est un numéro trouvé en double")),
                            {topicKey, numberKey}));
        return false;
    }
    slot.NbrWithinTopic = fixedWidth(numberKey, NbrWithinTopicWidth);
    slot.QuestionIndex = static_cast<int16_t>(questionIndex);
    slot.LessonNo = lesson;
    slot.Stats = {};
    topicNo = found;
    slotNo = static_cast<int32_t>(n);
    return true;
}
