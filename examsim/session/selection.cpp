#include "examsim/session/selection.h"

#include <algorithm>
#include <bit>

#include "examsim/bank/lessonpool.h"
#include "examsim/session/sessiontexts.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"

void ExamRandom::seed(float secondsOfDay) { State = std::bit_cast<uint32_t>(secondsOfDay); }

double ExamRandom::next() {
    State = State * 134775813u + 1u;
    return static_cast<double>(State >> 1) * (1.0 / 2147483648.0);
}

float seedSeconds(int hour, int minute, int second, int millisecond) {
    long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<float>(static_cast<double>(ms) / 1000.0);
}

ClassGroups classGroupsOf(int criterion) {
    switch (criterion) {
    case 2: return {0, 1, 2, 1, 2, 1, 2};
    case 3: return {0, 3, 4, 1, 2, 5, 6};
    case 4: return {0, 1, 2, 0, 0, 0, 0};
    case 5: return {0, 0, 0, 1, 2, 0, 0};
    default: return {0, 1, 2, 3, 4, 5, 6};
    }
}

int questionClass(const QuestionSlot& slot, int32_t passMarkPercent) {
    int wrong = slot.Stats[0], right = slot.Stats[1];
    int cls = 1;
    if (wrong + right != 0) {
        float ratio = static_cast<float>(right) / static_cast<float>(wrong + right);
        float percent = 100.0f * ratio;
        cls = roundHalfEven(percent) < passMarkPercent ? 3 : 5;
    }
    if (slot.Picked == "Y") ++cls;
    return cls;
}

int myPickFromTopic(ExamRecord& exam, BankModel& bank, ExamRandom& random, const ClassGroups& groups,
                    int topic, int perTopic, int maximum) {
    std::array<std::string, 7> group;
    TopicRecord& record = bank.Topics[topic];
    for (int n = 1; n <= MaxPerTopic; ++n) {
        const QuestionSlot& slot = record.Question[n];
        if (slot.QuestionIndex == 0 || !admittedByLessons(bank, slot)) continue;
        int g = groups[questionClass(slot, bank.PassMarkPercent)];
        if (g > 0) group[g].push_back(static_cast<char>(64 + n));
    }
    int drawn = 0;
    while (drawn < perTopic && exam.ExamSize < maximum) {
        int g = 1;
        while (g <= 6 && group[g].empty()) ++g;
        if (g > 6) break;
        int length = static_cast<int>(group[g].size());
        int at = length == 1 ? 1 : random.position(length);
        int n = group[g][at - 1] - 64;
        group[g].erase(group[g].begin() + (at - 1));
        QuestionSlot& slot = record.Question[n];
        exam.ExamSize += 1;
        exam.ExamOrder[exam.ExamSize] = slot.QuestionIndex;
        slot.Picked.assign(1, 'Y');
        ++drawn;
    }
    return drawn;
}

bool drillInForce(const BankModel& bank) { return bank.DrillSize > 0 && bank.QuestionsPerTopic > 0; }

namespace {

bool eligible(const BankModel& bank, const QuestionSlot& slot) {
    return slot.QuestionIndex != 0 && admittedByLessons(bank, slot);
}

// Rank of a question in a drill, best first: missed, never met, then
// known; each before itself drawn already in this run.
int drillRank(const QuestionSlot& slot, int32_t passMarkPercent) {
    static constexpr std::array<int, 7> Rank = {0, 2, 4, 1, 3, 5, 6};
    return Rank[static_cast<size_t>(questionClass(slot, passMarkPercent))];
}

// Round after round, a question of the best rank left from a topic that
// has given the fewest so far; in the exam, topic by topic.
void selectDrill(ExamRecord& exam, BankModel& bank, ExamRandom& random, int maximum) {
    struct Candidate {
        int Place;  // the topic's place in TopicOrder
        int Slot;
        int Rank;
    };
    std::vector<Candidate> left;
    for (int i = 1; i <= bank.TopicCount; ++i)
        for (int n = 1; n <= MaxPerTopic; ++n) {
            const QuestionSlot& slot = bank.Topics[bank.TopicOrder[i]].Question[n];
            if (eligible(bank, slot)) left.push_back({i, n, drillRank(slot, bank.PassMarkPercent)});
        }
    std::vector<int> given(static_cast<size_t>(bank.TopicCount) + 1, 0);
    std::vector<Candidate> chosen;
    while (static_cast<int>(chosen.size()) < maximum && !left.empty()) {
        auto better = [&](const Candidate& a, const Candidate& b) {
            return a.Rank != b.Rank ? a.Rank < b.Rank : given[a.Place] < given[b.Place];
        };
        const Candidate best = *std::min_element(left.begin(), left.end(), better);
        std::vector<size_t> ties;
        for (size_t k = 0; k < left.size(); ++k)
            if (!better(best, left[k])) ties.push_back(k);
        const size_t at = ties[static_cast<size_t>(random.position(static_cast<int>(ties.size())) - 1)];
        chosen.push_back(left[at]);
        ++given[left[at].Place];
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(at));
    }
    std::stable_sort(chosen.begin(), chosen.end(),
                     [](const Candidate& a, const Candidate& b) { return a.Place < b.Place; });
    for (const Candidate& c : chosen) {
        QuestionSlot& slot = bank.Topics[bank.TopicOrder[c.Place]].Question[c.Slot];
        exam.ExamSize += 1;
        exam.ExamOrder[exam.ExamSize] = slot.QuestionIndex;
        slot.Picked.assign(1, 'Y');
    }
}

}  // namespace

int mySelectQuestions(ExamRecord& exam, BankModel& bank, ExamRandom& random, int maximum) {
    maximum = std::clamp(maximum, 0, MaxExamSize);
    exam.ExamSize = 0;
    exam.ExamOrder.fill(0);
    exam.Drill = drillInForce(bank);
    ClassGroups groups = classGroupsOf(exam.SelectionCriterion);
    int perTopic = bank.QuestionsPerTopic > 0 ? bank.QuestionsPerTopic : 1;
    if (exam.Drill)
        selectDrill(exam, bank, random, maximum);
    else
        for (int i = 1; i <= bank.TopicCount && exam.ExamSize < maximum; ++i)
            myPickFromTopic(exam, bank, random, groups, bank.TopicOrder[i], perTopic, maximum);
    exam.MarkResults.assign(MaxExamSize, ' ');
    std::fill_n(exam.MarkResults.begin(), exam.ExamSize, '0');
    exam.GivenAnswers = exam.MarkResults;
    // Entry 0 gathers questions read before any lesson; clearing it too keeps
    // its counters from growing from one exam to the next.
    for (int l = 0; l <= bank.LessonCount && l <= MaxLessons; ++l) bank.Lessons[l].LessonTally = {0, 0};
    exam.ProgressCounts.fill(0);
    return -1;
}

void mySortList(std::vector<int32_t>& list, int count, char kind, const BankModel& bank) {
    auto key = [&](int32_t entry) -> const std::string& {
        return kind == 'T' ? bank.Topics[entry].TopicKey : bank.Lessons[entry].LessonId;
    };
    count = std::min<int>(count, static_cast<int>(list.size()) - 1);
    for (int i = 1; i < count; ++i)
        for (int j = i + 1; j <= count; ++j)
            if (key(list[i]) > key(list[j])) std::swap(list[i], list[j]);
}

int myExamLength(const BankModel& bank) {
    if (drillInForce(bank)) return std::min(bank.DrillSize, MaxExamSize);
    return bank.QuestionsPerTopic > 0 ? MaxExamSize : bank.QuestionsExpected;
}

int myExamSizeAtMost(const BankModel& bank) {
    const int perTopic = bank.QuestionsPerTopic > 0 ? bank.QuestionsPerTopic : 1;
    int size = 0;
    for (int t = 1; t <= bank.TopicCount; ++t) {
        int count = 0;
        for (int n = 1; n <= MaxPerTopic; ++n)
            if (eligible(bank, bank.Topics[t].Question[n])) ++count;
        // A drill may take every question of a topic.
        size += drillInForce(bank) ? count : std::min(count, perTopic);
    }
    return std::min(size, std::clamp(myExamLength(bank), 0, MaxExamSize));
}

std::string myNextExamText(const BankModel& bank) {
    if (bank.QuestionCount <= 0) return {};
    if (bank.QuestionsPerTopic <= 0)
        return fillMask(sessionText(SessionText::NextExamWhole), {myExamSizeAtMost(bank)});
    std::string lessons;
    for (int i = 1; i <= bank.LessonCount; ++i) {
        const LessonRecord& lesson = bank.Lessons[bank.LessonIndex[i]];
        if (lesson.LessonSelected == 0) continue;
        lessons += (lessons.empty() ? "" : ", ") + trimSpaces(lesson.LessonId);
    }
    return fillMask(sessionText(drillInForce(bank) ? SessionText::NextExamDrill : SessionText::NextExamLessons),
                    {lessons, myExamSizeAtMost(bank)});
}
