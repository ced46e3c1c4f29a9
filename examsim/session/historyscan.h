// The one walk over the history log that every reader of it shares: the
// catalogue at start-up, the per-question history of a bank and the study
// progress figures. Lines are read, trimmed and classified here, and the
// entries of a question line are decoded here, so that every reader skips
// the same damaged lines and entries in the same way.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/historylog.h"
#include "toolkit/text.h"

// Field `index` (1-based) of a "~"-separated line; empty when absent.
std::string_view logField(std::string_view line, int index, bool* present = nullptr);

// More than six "~" make a summary line; any other line is a question line.
bool isSummaryLine(std::string_view line);

// Trimmed designations of a bank, looked up once per log entry: a small
// open-addressing table keyed by the (at most 16) bytes of the text,
// compact enough to stay in the first-level cache. The first question read
// with a designation wins.
class LogDesignationIndex {
public:
    explicit LogDesignationIndex(const BankModel& bank);
    // Question number (1..) of a trimmed designation, 0 when not in the bank.
    int find(std::string_view text) const;
    // The usual case of a log entry: 13 characters without a space at either end.
    int findWhole13(const char* text) const {
        // Bytes 8..12 taken from one 8-byte load of bytes 5..12: assembling
        // them through memory would stall every lookup.
        static_assert(std::endian::native == std::endian::little);
        Key key;
        std::memcpy(&key.low, text, 8);
        std::memcpy(&key.high, text + 5, 8);
        key.high >>= 24;
        return find(key);
    }

private:
    struct Key {
        uint64_t low = 0, high = 0;
        bool operator==(const Key& o) const { return low == o.low && high == o.high; }
    };
    int find(const Key& key) const {
        for (size_t i = slot(key);; i = (i + 1) & (kSize - 1)) {
            if (questions_[i] == 0) return 0;
            if (keys_[i] == key) return questions_[i];
        }
    }
    static constexpr size_t kSize = 2048;  // about twice the largest bank
    static bool makeKey(std::string_view text, Key& key);
    static size_t slot(const Key& key) {
        uint64_t h = (key.low ^ (key.high << 29 | key.high >> 35)) * 0x9E3779B97F4A7C15ull;
        return static_cast<size_t>(h >> 53) & (kSize - 1);
    }
    std::vector<Key> keys_ = std::vector<Key>(kSize);
    std::vector<int16_t> questions_ = std::vector<int16_t>(kSize);
};

// Walks the log from the reader's position to its end. Blank lines and
// lines that begin with "'" are skipped. For a summary line (trimmed),
// onSummary(line, filePosition) returns whether the question lines that
// follow it count. For every entry of a counted question line that has an
// answer (given not 0) and names a question of `designations`,
// onAnswer(question, expected, given) is called, with the expected answer
// as the log recorded it. Only whole entries within a line are read, so a
// short or damaged line never makes the walk look past its end; entries
// with a code outside "a".."x" are skipped. Returns false on a read error.
template <class OnSummary, class OnAnswer>
bool walkHistoryLog(LineReader& reader, const LogDesignationIndex* designations,
                    OnSummary&& onSummary, OnAnswer&& onAnswer) {
    bool counting = false;
    std::string raw;
    for (;;) {
        const long long at = reader.position();
        if (!reader.next(raw)) break;
        const std::string_view line = trimSpacesView(raw);
        if (line.empty() || line.front() == '\'') continue;
        if (isSummaryLine(line)) {
            counting = onSummary(line, at);
            continue;
        }
        if (!counting || !designations) continue;
        const size_t entries =
            std::min<size_t>(EntriesPerLogLine, line.size() / LogEntryWidth);
        for (size_t k = 0; k < entries; ++k) {
            const std::string_view entry = line.substr(k * LogEntryWidth, LogEntryWidth);
            const unsigned char code = static_cast<unsigned char>(entry[13]);
            if (code < 'a' || code > 'x') continue;
            const int given = (code - 'a') % 6;
            if (given == 0) continue;
            const int question = entry[0] != ' ' && entry[12] != ' '
                                     ? designations->findWhole13(entry.data())
                                     : designations->find(trimSpacesView(entry.substr(0, 13)));
            if (question == 0) continue;
            onAnswer(question, (code - 'a') / 6 + 1, given);
        }
    }
    return !reader.readError();
}
