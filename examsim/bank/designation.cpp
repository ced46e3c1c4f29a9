#include "examsim/bank/designation.h"

#include <string_view>

#include "examsim/bank/banktexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

namespace {
// A field in the number picture "000": at least three digits, zero-filled
// (a negative number keeps its sign and is not filled).
struct NumberText {
    char digits[24];
    size_t start = sizeof digits;
    std::string_view view() const { return {digits + start, sizeof digits - start}; }
};

NumberText numberText(std::string_view field) {
    NumberText out;
    const long long value = leadingNumber(field);
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
    do {
        out.digits[--out.start] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        out.digits[--out.start] = '-';
    else
        while (sizeof out.digits - out.start < 3) out.digits[--out.start] = '0';
    return out;
}

// Banks mostly write their designations whole, one letter and three
// numbers of three digits (B-001-002-003): such a one is its own normal form.
bool alreadyNormal(std::string_view d) {
    if (d.size() != DesignationWidth || d[0] == '-') return false;
    bool normal = true;
    for (size_t i = 1; i < DesignationWidth; ++i) {
        const bool dashHere = i % 4 == 1;
        normal &= dashHere ? d[i] == '-' : (d[i] >= '0' && d[i] <= '9');
    }
    return normal;
}
}  // namespace

bool myParseQuestionNo(std::string& designation, std::string& topicKey, std::string& numberKey) {
    if (alreadyNormal(designation)) {
        topicKey.assign(designation, 0, TopicKeyWidth);
        numberKey.assign(designation, TopicKeyWidth + 1);
        return true;
    }
    size_t dash[3];
    int dashes = 0;
    for (size_t i = 0; i < designation.size(); ++i) {
        if (designation[i] != '-') continue;
        if (dashes < 3) dash[dashes] = i;
        ++dashes;
    }
    if (dashes != 3) {
        myErrorBox(fillMask(bankMessage(MsgDashCount), {designation}));
        return false;
    }
    const std::string_view d(designation);
    const std::string_view first = d.substr(0, dash[0]);
    const NumberText second = numberText(d.substr(dash[0] + 1, dash[1] - dash[0] - 1));
    const NumberText third = numberText(d.substr(dash[1] + 1, dash[2] - dash[1] - 1));
    const NumberText fourth = numberText(d.substr(dash[2] + 1));
    const size_t topicSize = first.size() + 1 + second.view().size() + 1 + third.view().size();
    // Written in place: a designation of normal length stays off the heap.
    std::string normalised(topicSize + 1 + fourth.view().size(), '-');
    char* at = normalised.data();
    for (std::string_view part : {first, second.view(), third.view(), fourth.view()}) {
        part.copy(at, part.size());
        at += part.size() + 1;
    }
    // TopicKey and the history log keep 13 characters: a longer designation
    // would be cut there and no longer match itself.
    if (normalised.size() > DesignationWidth) {
        myErrorBox(fillMask(bankMessage(MsgDesignationTooLong),
                            {designation, static_cast<int>(DesignationWidth), normalised}));
        return false;
    }
    topicKey.assign(normalised, 0, topicSize);
    numberKey.assign(fourth.view());
    designation = std::move(normalised);
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

void openTopic(BankModel& model, int32_t t, const std::string& topicKey) {
    TopicRecord& topic = model.Topics[t];
    for (int s = 1; s <= MaxPerTopic; ++s) topic.Question[s].QuestionIndex = 0;
    model.TopicCount = t;
    topic.TopicKey = fixedWidth(topicKey, TopicKeyWidth);
    topic.Count = 1;
    model.TopicOrder[t] = t;
}

bool numberAtLeastOne(long long n, const std::string& topicKey, const std::string& numberKey) {
    // Slot 0 does not exist: such a question could never be drawn nor found again.
    if (n >= 1) return true;
    myErrorBox(fillMask(bankMessage(MsgNumberBelowOne), {topicKey, numberKey, MaxPerTopic}));
    return false;
}

// Files the question in slot n of topic `found` (0: no topic could be had).
bool fileInSlot(BankModel& model, int32_t found, long long n, const std::string& topicKey, const std::string& numberKey,
                int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo) {
    if (found == 0) {
        myErrorBox(fillMask(bankMessage(MsgTooManyTopics), {topicKey, CRLF, MaxTopics}));
        return false;
    }
    if (n > MaxPerTopic) {
        myErrorBox(fillMask(bankMessage(MsgTooManyInTopic), {topicKey, CRLF, n, MaxPerTopic}));
        return false;
    }
    QuestionSlot& slot = model.Topics[found].Question[n];
    if (slot.QuestionIndex != 0) {
        myErrorBox(fillMask(bankMessage(MsgDuplicateQuestion), {topicKey, numberKey}));
        return false;
    }
    slot.NbrWithinTopic.assign(numberKey, 0, NbrWithinTopicWidth);
    slot.NbrWithinTopic.resize(NbrWithinTopicWidth, ' ');
    slot.QuestionIndex = static_cast<int16_t>(questionIndex);
    slot.LessonNo = lesson;
    slot.Stats = {};
    topicNo = found;
    slotNo = static_cast<int32_t>(n);
    return true;
}
}  // namespace

bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo) {
    const long long n = leadingNumber(numberKey);
    if (!numberAtLeastOne(n, topicKey, numberKey)) return false;
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
            openTopic(model, t, topicKey);
            found = t;
            break;
        }
    }
    return fileInSlot(model, found, n, topicKey, numberKey, questionIndex, lesson, topicNo, slotNo);
}

bool myRegisterQuestion(BankModel& model, const std::string& topicKey, const std::string& numberKey,
                        int32_t questionIndex, uint8_t lesson, int32_t& topicNo, int32_t& slotNo, TopicIndex& index) {
    const long long n = leadingNumber(numberKey);
    if (!numberAtLeastOne(n, topicKey, numberKey)) return false;
    int32_t found = index.find(topicKey);
    if (found != 0) {
        ++model.Topics[found].Count;
    } else if (model.TopicCount < MaxTopics) {
        found = model.TopicCount + 1;
        openTopic(model, found, topicKey);
        index.add(topicKey, found);
    }
    return fileInSlot(model, found, n, topicKey, numberKey, questionIndex, lesson, topicNo, slotNo);
}
