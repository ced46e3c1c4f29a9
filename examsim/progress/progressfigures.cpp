#include "examsim/progress/progressfigures.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>

#include "examsim/progress/progresstexts.h"
#include "examsim/session/historylog.h"
#include "examsim/session/historyscan.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"

namespace {

// "83.3%" -> 83.3; the reset text "nnn.n%" or anything damaged -> -1.
double markOf(std::string_view text) {
    text = trimSpacesView(text);
    if (text.size() < 2 || text.back() != '%') return -1;
    double value = -1;
    const char* end = text.data() + text.size() - 1;
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 0 || value > 100) return -1;
    return value;
}

SessionFigure sessionOf(std::string_view summary) {
    SessionFigure s;
    s.Date = std::string(trimSpacesView(logField(summary, 3)));
    s.MarkText = std::string(trimSpacesView(logField(summary, 4)));
    s.Mark = markOf(s.MarkText);
    s.Questions = static_cast<int>(std::clamp<long long>(leadingNumber(logField(summary, 6)), 0, 999));
    s.MarkingMode = static_cast<int>(std::clamp<long long>(leadingNumber(logField(summary, 7)), 0, 99));
    return s;
}

// A record takes at least its summary line and one question line, and an
// attempt one entry: room for what the log can hold at most, reserved but
// not touched, spares a long log the copies of growing one step at a time.
void reserveForLog(const std::filesystem::path& logPath, ProgressFigures& figures) {
    std::error_code error;
    const auto bytes = std::filesystem::file_size(logPath, error);
    if (error || figures.Attempts.size() < 2) return;
    constexpr uintmax_t MinRecordBytes = 100 + EntriesPerLogLine * LogEntryWidth;
    figures.Sessions.reserve(static_cast<size_t>(std::min<uintmax_t>(bytes / MinRecordBytes, 1u << 20)));
    const uintmax_t perQuestion = bytes / LogEntryWidth / (figures.Attempts.size() - 1);
    for (auto& attempts : figures.Attempts) attempts.reserve(static_cast<size_t>(std::min<uintmax_t>(perQuestion, 4096)));
}

void addAttempts(GroupFigure& group, const std::vector<QuestionAttempt>& attempts, double chance) {
    ++group.Questions;
    if (!attempts.empty()) ++group.Seen;
    group.Attempts += static_cast<int>(attempts.size());
    for (const QuestionAttempt& a : attempts) group.Correct += a.correct() ? 1 : 0;
    group.Chance += chance;
}

// Groups never tried come first (nothing learnt there yet), then the lowest
// success rate; the id decides ties so that the order never depends on the
// bank's order.
void sortWeakestFirst(std::vector<GroupFigure>& groups) {
    std::sort(groups.begin(), groups.end(), [](const GroupFigure& a, const GroupFigure& b) {
        if (a.hasRate() != b.hasRate()) return !a.hasRate();
        // Compared as fractions so that equal rates are equal exactly.
        const long long left = static_cast<long long>(a.Correct) * b.Attempts;
        const long long right = static_cast<long long>(b.Correct) * a.Attempts;
        if (left != right) return left < right;
        return a.Id < b.Id;
    });
}

}  // namespace

int myReadProgress(const std::filesystem::path& logPath, const BankModel& bank, ProgressFigures& figures) {
    figures = ProgressFigures{};
    figures.Title = trimSpaces(bank.CurrentBankTitle);
    figures.PassMarkPercent = bank.PassMarkPercent;
    figures.Attempts.assign(static_cast<size_t>(std::max(bank.QuestionCount, 0)) + 1, {});

    LineReader reader;
    bool readWhole = true;
    if (reader.open(logPath)) {
        reserveForLog(logPath, figures);
        const LogDesignationIndex designations(bank);
        readWhole = walkHistoryLog(
            reader, &designations,
            [&](std::string_view line, long long) {
                if (!mySameQualification(logField(line, 2), bank.CurrentBankTitle)) return false;
                figures.Sessions.push_back(sessionOf(line));
                return true;
            },
            [&](int question, int expected, int given) {
                figures.Attempts[static_cast<size_t>(question)].push_back(
                    {static_cast<uint8_t>(expected), static_cast<uint8_t>(given),
                     static_cast<uint32_t>(figures.Sessions.size() - 1)});
            });
    } else if (reader.error() != ENOENT) {
        readWhole = false;
    }
    if (!readWhole) {
        myErrorBox(fillMask(progressText(ProgressText::LogReadFailed),
                            {displayPath(logPath), CRLF, reader.error(), errorText(reader.error())}));
        myComputeProgress(bank, figures);
        return 0;
    }
    myComputeProgress(bank, figures);
    return -1;
}

void myComputeProgress(const BankModel& bank, ProgressFigures& figures) {
    figures.Attempts.resize(static_cast<size_t>(std::max(bank.QuestionCount, 0)) + 1);
    figures.PassMarkPercent = bank.PassMarkPercent;

    int topics = 0;
    for (int t = 1; t <= bank.TopicCount; ++t)
        for (const QuestionSlot& slot : bank.Topics[t].Question)
            if (slot.QuestionIndex >= 1 && slot.QuestionIndex <= bank.QuestionCount) {
                ++topics;
                break;
            }
    figures.FullExamQuestions = topics;
    std::vector<bool> full;
    for (SessionFigure& session : figures.Sessions) {
        session.Full = topics > 0 && session.Questions == topics;
        full.push_back(session.Full);
    }
    figures.HonoursShown = bank.PassMarkPercent < HonoursPercent;
    figures.Model = myPassModel(bank, figures.Attempts, full, bank.PassMarkPercent, figures.HonoursShown);
    const PassModel& model = figures.Model;

    figures.Lessons.clear();
    for (int l = 1; l <= bank.LessonCount; ++l) {
        GroupFigure g;
        g.Id = trimSpaces(bank.Lessons[l].LessonId);
        g.Title = trimSpaces(bank.Lessons[l].LessonTitle);
        g.Number = l;
        g.Gain = model.LessonGain[static_cast<size_t>(l)];
        figures.Lessons.push_back(std::move(g));
    }
    figures.Topics.clear();
    for (int t = 1; t <= bank.TopicCount; ++t) {
        GroupFigure topic;
        topic.Id = trimSpaces(bank.Topics[t].TopicKey);
        for (const QuestionSlot& slot : bank.Topics[t].Question) {
            const int q = slot.QuestionIndex;
            if (q < 1 || q > bank.QuestionCount) continue;
            const auto& attempts = figures.Attempts[static_cast<size_t>(q)];
            const double chance = model.QuestionChance[static_cast<size_t>(q)];
            addAttempts(topic, attempts, chance);
            if (slot.LessonNo >= 1 && slot.LessonNo <= figures.Lessons.size())
                addAttempts(figures.Lessons[slot.LessonNo - 1u], attempts, chance);
        }
        if (topic.Questions == 0) continue;  // a topic the exam cannot draw from
        topic.Chance /= topic.Questions;
        figures.Topics.push_back(std::move(topic));
    }
    for (GroupFigure& lesson : figures.Lessons)
        if (lesson.Questions > 0) lesson.Chance /= lesson.Questions;

    // The next step: where a question studied raises the chances most. A
    // lesson without a question cannot be practised; one whose study would
    // bring nothing is not worth the time.
    std::vector<GroupFigure> next;
    for (const GroupFigure& lesson : figures.Lessons)
        if (lesson.Questions > 0 && lesson.Gain > 0) next.push_back(lesson);
    std::stable_sort(next.begin(), next.end(),
                     [](const GroupFigure& a, const GroupFigure& b) { return a.Gain > b.Gain; });
    if (next.size() > NextLessonsShown) next.resize(NextLessonsShown);
    figures.NextLessons = std::move(next);
    sortWeakestFirst(figures.Lessons);
    sortWeakestFirst(figures.Topics);

    figures.TopicsNeeded = myTopicsNeeded(topics, bank.PassMarkPercent);
    figures.PassChance = model.Pass.Point;
    figures.HonoursTopicsNeeded = figures.HonoursShown ? myTopicsNeeded(topics, HonoursPercent) : 0;
    figures.HonoursChance = figures.HonoursShown ? model.Honours.Point : 0.0;
}

std::string myPercentText(double fraction) {
    const long long tenths = roundHalfEven(fraction * 1000.0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}
