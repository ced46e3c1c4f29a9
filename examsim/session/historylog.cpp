#include "historylog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <bit>
#include <cstring>
#include <optional>

#include "errorbox.h"
#include "filefinder.h"
#include "masks.h"
#include "sessiontexts.h"
#include "text.h"

namespace {

std::string_view trimView(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// Field `index` (1-based) of a "~"-separated line; empty when absent.
std::string_view tildeField(std::string_view line, int index, bool* present = nullptr) {
    size_t start = 0;
    for (int i = 1; i < index; ++i) {
        size_t t = line.find('~', start);
        if (t == std::string_view::npos) {
            if (present) *present = false;
            return {};
        }
        start = t + 1;
    }
    if (present) *present = true;
    size_t end = line.find('~', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// More than six "~" make a summary line; question lines hold none, and
// memchr passes over them about as fast as the line was read.
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

// Trimmed designations of the loaded bank, looked up once per log entry:
// a small open-addressing table keyed by the (at most 16) bytes of the
// text, compact enough to stay in the first-level cache.
class DesignationIndex {
public:
    explicit DesignationIndex(const BankModel& bank) {
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            Key key;
            if (!makeKey(trimView(bank.Designation[q]), key)) continue;
            size_t i = slot(key);
            while (questions_[i] != 0 && !(keys_[i] == key)) i = (i + 1) & (kSize - 1);
            if (questions_[i] == 0) {  // the first one read wins
                keys_[i] = key;
                questions_[i] = static_cast<int16_t>(q);
            }
        }
    }
    int find(std::string_view text) const {
        Key key;
        if (!makeKey(text, key)) return 0;
        return find(key);
    }
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

    static bool makeKey(std::string_view text, Key& key) {
        if (text.empty() || text.size() > 16) return false;
        char bytes[16] = {};
        std::memcpy(bytes, text.data(), text.size());
        std::memcpy(&key.low, bytes, 8);
        std::memcpy(&key.high, bytes + 8, 8);
        return true;
    }
    static size_t slot(const Key& key) {
        uint64_t h = (key.low ^ (key.high << 29 | key.high >> 35)) * 0x9E3779B97F4A7C15ull;
        return static_cast<size_t>(h >> 53) & (kSize - 1);
    }
    std::vector<Key> keys_ = std::vector<Key>(kSize);
    std::vector<int16_t> questions_ = std::vector<int16_t>(kSize);
};

// The recorded qualification as far as a stored title can hold it.
std::string_view storedPart(std::string_view recorded) {
    return trimView(trimView(recorded).substr(0, BankTitleWidth));
}

void reportReadFailure(const std::string& path, int error) {
    myErrorBox(fillMask(sessionText(SessionText::HistoryReadFailed), {path, CRLF, error, errorText(error)}));
}

}  // namespace

int myFindBankTitle(const std::vector<std::string>& titles, std::string_view recorded) {
    std::string_view key = storedPart(recorded);
    for (size_t b = 1; b < titles.size(); ++b) {
        std::string_view title = titles[b];
        if (key.empty() ? trimView(title).empty() : title.substr(0, key.size()) == key)
            return static_cast<int>(b);
    }
    return 0;
}

bool mySameQualification(std::string_view recorded, std::string_view storedTitle) {
    return storedPart(recorded) == trimView(storedTitle);
}

void myCatalogueSession(HistoryCatalogue& catalogue, int bank, long long position) {
    if (bank < 1 || bank > MaxBanks) return;
    CatalogueColumn& column = catalogue.Columns[bank];
    if (column.Count < CatalogueDepth) {
        column.Position[++column.Count] = position;
    } else {
        std::move(column.Position.begin() + 2, column.Position.end(), column.Position.begin() + 1);
        column.Position[CatalogueDepth] = position;
    }
}

int myReadHistoryFile(const std::string& path, int pass, long long startPosition,
                      const std::string& qualification, std::string& lastQualification,
                      HistoryCatalogue& catalogue, HistorySettings& settings, BankModel* bank) {
    LineReader reader;
    if (!reader.open(fileSystemPath(path))) {
        if (reader.error() == ENOENT) return -1;
        reportReadFailure(path, reader.error());
        return 0;
    }
    if (startPosition > 0 && !reader.seek(startPosition)) {
        reportReadFailure(path, reader.error());
        return 0;
    }

    // Pass 1 counts into a compact table first and adds it to the slots at the end.
    std::optional<DesignationIndex> designations;
    std::vector<std::array<int32_t, 2>> counts;
    if (pass == 1 && bank) {
        designations.emplace(*bank);
        counts.resize(bank->QuestionCount + 1);
    }

    bool counting = false;
    std::string raw;
    for (;;) {
        long long at = reader.position();
        if (!reader.next(raw)) break;
        std::string_view line = trimView(raw);
        if (line.empty() || line.front() == '\'') continue;
        bool summary = isSummaryLine(line);
        if (pass == 0) {
            if (!summary) continue;
            std::string_view title = trimView(tildeField(line, 2));
            lastQualification.assign(title);
            int b = myFindBankTitle(catalogue.Titles, title);
            if (b > 0) myCatalogueSession(catalogue, b, at);
            bool present = false;
            std::string_view field = tildeField(line, 13, &present);
            if (present) {
                settings.Found = true;
                settings.InterfaceLanguage = field.find('F') != std::string_view::npos ? 1 : 0;
                settings.AudibleClues = field.find('A') != std::string_view::npos;
                settings.ManualAdvance = field.find('M') != std::string_view::npos;
            }
            continue;
        }
        if (summary) {
            counting = mySameQualification(tildeField(line, 2), qualification);
            continue;
        }
        if (!counting || !designations) continue;
        // Only whole entries within the line: short or damaged lines must
        // never make the reader look past their end.
        size_t entries = std::min<size_t>(EntriesPerLogLine, line.size() / LogEntryWidth);
        for (size_t k = 0; k < entries; ++k) {
            std::string_view entry = line.substr(k * LogEntryWidth, LogEntryWidth);
            unsigned char code = static_cast<unsigned char>(entry[13]);
            if (code < 'a' || code > 'x') continue;
            int given = (code - 'a') % 6;
            if (given == 0) continue;
            int question = entry[0] != ' ' && entry[12] != ' '
                               ? designations->findWhole13(entry.data())
                               : designations->find(trimView(entry.substr(0, 13)));
            if (question == 0) continue;
            int expected = (code - 'a') / 6 + 1;
            ++counts[question][given == expected ? 1 : 0];
        }
    }
    for (size_t q = 1; q < counts.size(); ++q) {
        if (counts[q][0] == 0 && counts[q][1] == 0) continue;
        auto& stats = slotOf(*bank, static_cast<int>(q)).Stats;
        for (int k = 0; k < 2; ++k)
            stats[k] = static_cast<int16_t>(std::min<int32_t>(INT16_MAX, stats[k] + counts[q][k]));
    }
    if (reader.readError()) {
        reportReadFailure(path, reader.error());
        return 0;
    }
    return -1;
}

int myReadBankHistory(const std::string& path, const HistoryCatalogue& catalogue, int bankNo,
                      BankModel& bank) {
    if (bankNo < 1 || bankNo >= static_cast<int>(catalogue.Titles.size())) return -1;
    const CatalogueColumn& column = catalogue.Columns[bankNo];
    if (column.Count == 0) return -1;
    std::string last;
    HistoryCatalogue unused;
    HistorySettings ignored;
    return myReadHistoryFile(path, 1, column.Position[1], catalogue.Titles[bankNo], last, unused,
                             ignored, &bank);
}

std::string myObtainLoggingLocation(const std::string& programFolder, const SaveDialogPort& saveDialog) {
    std::string path = joinPath(programFolder, LogFileName);
    errno = 0;
    if (std::FILE* f = std::fopen(fileSystemPath(path).c_str(), "ab")) {
        std::fclose(f);
        return path;
    }
    int error = errno ? errno : EACCES;
    myErrorBox(fillMask(sessionText(SessionText::LogLocationFailed), {error, errorText(error)}));
    std::string chosen;
    if (saveDialog && saveDialog(sessionText(SessionText::LogDialogTitle), LogFileName, programFolder,
                                 "txt", sessionText(SessionText::LogDialogFilter), chosen) &&
        !chosen.empty())
        return chosen;
    return LogFileName;
}

std::string myElapsedText(int32_t startSeconds, int32_t nowSeconds) {
    int32_t seconds = nowSeconds - startSeconds;
    if (seconds < 0) seconds += 86400;
    int32_t hours = seconds / 3600;
    int32_t rest = seconds % 3600;
    return formatNumber(hours, "00") + ":" + formatNumber(rest / 60, "00") + ":" +
           formatNumber(rest % 60, "00");
}

std::string mySettingsField(int language, const ExamRecord& exam) {
    std::string field = language == 1 ? "F" : "E";
    field += std::to_string(exam.SelectionCriterion);
    if (exam.AudibleClues) field += 'A';
    if (exam.ManualAdvance) field += 'M';
    return field;
}

std::string mySummaryLine(const ExamRecord& exam, const BankModel& bank, const std::string& elapsed,
                          const std::string& settings) {
    int size = std::clamp(exam.ExamSize, 0, MaxExamSize);
    auto count = [&](const std::string& field, char c) {
        return static_cast<int>(std::count(field.begin(), field.begin() + size, c));
    };
    return fillMask(
        "~ & ~ & ~ & ~###=unans ~ ### Qstns ~ ##=Mode ~ ##=Stage ~###=ok~###=wrg~###=dk~ Elapsed & ~ & ~",
        {bank.CurrentBankTitle, exam.SessionStamp, exam.MarkText, count(exam.MarkResults, '0'),
         exam.ExamSize, exam.MarkingMode, exam.ExamStage, count(exam.MarkResults, '1'),
         count(exam.MarkResults, '2'), count(exam.GivenAnswers, '5'), elapsed, settings});
}

std::vector<std::string> myQuestionLines(const ExamRecord& exam, const BankModel& bank) {
    std::vector<std::string> lines;
    int size = std::clamp(exam.ExamSize, 0, MaxExamSize);
    std::string line;
    for (int p = 1; p <= size; ++p) {
        int q = exam.ExamOrder[p];
        int expected = static_cast<int>(leadingNumber(bank.ExpectedAnswer[q]));
        char given = exam.given(p);
        int givenNo = given >= '1' && given <= '5' ? given - '0' : 0;
        line += fixedWidth(bank.Designation[q], DesignationWidth);
        line += static_cast<char>('a' + 6 * (std::clamp(expected, 1, 4) - 1) + givenNo);
        if (p % EntriesPerLogLine == 0) lines.push_back(std::move(line)), line.clear();
    }
    if (!line.empty()) {
        while (line.size() < EntriesPerLogLine * LogEntryWidth) line += std::string(13, '.') + "S";
        lines.push_back(std::move(line));
    }
    return lines;
}
