#include "examsim/session/historyscan.h"

std::string_view logField(std::string_view line, int index, bool* present) {
    size_t start = 0;
    for (int i = 1; i < index; ++i) {
        const size_t t = line.find('~', start);
        if (t == std::string_view::npos) {
            if (present) *present = false;
            return {};
        }
        start = t + 1;
    }
    if (present) *present = true;
    const size_t end = line.find('~', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// Question lines hold no "~": memchr passes over them about as fast as the
// line was read.
bool isSummaryLine(std::string_view line) {
    int tildes = 0;
    const char* at = line.data();
    const char* end = at + line.size();
    while (at < end) {
        const void* found = std::memchr(at, '~', static_cast<size_t>(end - at));
        if (!found) break;
        if (++tildes > 6) return true;
        at = static_cast<const char*>(found) + 1;
    }
    return false;
}

LogDesignationIndex::LogDesignationIndex(const BankModel& bank) {
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        Key key;
        if (!makeKey(trimSpacesView(bank.Designation[q]), key)) continue;
        size_t i = slot(key);
        while (questions_[i] != 0 && !(keys_[i] == key)) i = (i + 1) & (kSize - 1);
        if (questions_[i] == 0) {
            keys_[i] = key;
            questions_[i] = static_cast<int16_t>(q);
        }
    }
}

int LogDesignationIndex::find(std::string_view text) const {
    Key key;
    if (!makeKey(text, key)) return 0;
    return find(key);
}

bool LogDesignationIndex::makeKey(std::string_view text, Key& key) {
    if (text.empty() || text.size() > 16) return false;
    char bytes[16] = {};
    std::memcpy(bytes, text.data(), text.size());
    std::memcpy(&key.low, bytes, 8);
    std::memcpy(&key.high, bytes + 8, 8);
    return true;
}
