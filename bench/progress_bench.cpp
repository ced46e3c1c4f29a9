// Study progress figures against the history pass 1 over the same log: a
// log of 10,000 sessions of 100 questions on a bank of the Basic pool's
// size (100 topics of 10 questions). The progress figures keep every
// attempt and every session where pass 1 only adds up counters; they must
// stay within three times pass 1 (the ratio counter of ProgressVsPass1).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/benchkit.h"
#include "examsim/bank/bankmodel.h"
#include "examsim/progress/progressfigures.h"
#include "examsim/session/historylog.h"
#include "toolkit/text.h"

namespace {

constexpr int kSessions = 10000;
constexpr int kTopics = 100;
constexpr int kPerTopic = 10;
const char* const kTitle = "Basic Benchmark Bank";

const BankModel& bank() {
    static BankModel* model = [] {
        auto* b = new BankModel;
        clearBankModel(*b);
        b->CurrentBankTitle = fixedWidth(kTitle, BankTitleWidth);
        b->LessonCount = 10;
        for (int l = 1; l <= 10; ++l) b->Lessons[l].LessonId = fixedWidth("L" + std::to_string(l), LessonIdWidth);
        for (int t = 1; t <= kTopics; ++t) {
            b->TopicCount = t;
            b->TopicOrder[t] = t;
            b->Topics[t].TopicKey = benchDesignation(t, 1).substr(0, 9);
            for (int n = 1; n <= kPerTopic; ++n) {
                int q = ++b->QuestionCount;
                b->Designation[q] = benchDesignation(t, n);
                b->ExpectedAnswer[q] = std::string(1, static_cast<char>('1' + q % 4));
                b->QuestionRef[q] = t * 16 + n;
                b->Topics[t].Count = static_cast<int16_t>(n);
                b->Topics[t].Question[n].QuestionIndex = static_cast<int16_t>(q);
                b->Topics[t].Question[n].LessonNo = static_cast<uint8_t>(1 + (t - 1) / 10);
            }
        }
        return b;
    }();
    return *model;
}

// Every session of the bank, one question of each topic, marks improving.
const std::string& logPath() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "ulvorane_progress_bench_log.txt").string();
        writeSessionLog(p, kSessions, kTopics, kPerTopic, [](int s) {
            const int mark = 50 + s * 50 / kSessions;
            return "~ " + std::string(kTitle) + " ~ 2026/04/25 14:30 ~ " + std::to_string(mark) +
                   "% ~  0=unans ~ 100 Qstns ~  1=Mode ~ 64=Stage ~ 80=ok~ 15=wrg~  5=dk~ Elapsed 00:45:00 ~ E1A ~";
        });
        return p;
    }();
    return path;
}

void pass1() {
    static BankModel* b = new BankModel(bank());
    HistoryCatalogue unused;
    HistorySettings settings;
    std::string last;
    myReadHistoryFile(logPath(), 1, 0, fixedWidth(kTitle, BankTitleWidth), last, unused, settings, b);
    benchmark::DoNotOptimize(b->Topics[1].Question[1].Stats[0]);
}

void progress() {
    ProgressFigures figures;
    myReadProgress(logPath(), bank(), figures);
    benchmark::DoNotOptimize(figures.PassChance);
}

void HistoryPass1(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    for (auto _ : state) pass1();
}
BENCHMARK(HistoryPass1)->Unit(benchmark::kMillisecond);

void ProgressFiguresOfTheWholeLog(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    for (auto _ : state) progress();
}
BENCHMARK(ProgressFiguresOfTheWholeLog)->Unit(benchmark::kMillisecond);

// Both in turn within one run, so that the ratio sees the same machine load.
void ProgressVsPass1(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    using Clock = std::chrono::steady_clock;
    double pass1Seconds = 0, progressSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        pass1();
        const auto t1 = Clock::now();
        progress();
        const auto t2 = Clock::now();
        pass1Seconds += std::chrono::duration<double>(t1 - t0).count();
        progressSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["ratio"] = pass1Seconds > 0 ? progressSeconds / pass1Seconds : 0;
}
BENCHMARK(ProgressVsPass1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
