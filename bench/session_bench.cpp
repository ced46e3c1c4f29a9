// History log reading against a plain line read of the same file, and the
// draw of a full exam. Reading the log must stay within three times the
// plain read (compare the rows of one run).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/benchkit.h"
#include "examsim/bank/bankmodel.h"
#include "examsim/session/historylog.h"
#include "examsim/session/selection.h"
#include "toolkit/text.h"

namespace {

constexpr int kSessions = 10000;
constexpr int kTopics = 100;

// A bank of 100 topics of 10 questions, filled as the reader would.
void fillBank(BankModel& bank) {
    clearBankModel(bank);
    bank.CurrentBankTitle = "Basic Benchmark Bank";
    for (int t = 1; t <= kTopics; ++t) {
        bank.TopicCount = t;
        bank.TopicOrder[t] = t;
        bank.Topics[t].TopicKey = benchDesignation(t, 1).substr(0, 9);
        for (int n = 1; n <= 10; ++n) {
            int q = ++bank.QuestionCount;
            bank.Designation[q] = benchDesignation(t, n);
            bank.ExpectedAnswer[q] = std::string(1, static_cast<char>('1' + q % 4));
            bank.QuestionRef[q] = t * 16 + n;
            bank.Topics[t].Question[n].QuestionIndex = static_cast<int16_t>(q);
        }
    }
}

// 10,000 sessions of 100 questions, alternating between two banks.
const std::string& logPath() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "ulvorane_bench_log.txt").string();
        writeSessionLog(p, kSessions, kTopics, 10, [](int s) {
            const std::string title = s % 2 ? "Advanced Benchmark Bank" : "Basic Benchmark Bank";
            return "~ " + title + " ~ 2014/04/25 14:30 ~ 83.3% ~  0=unans ~ 100 Qstns ~  1=Mode ~ "
                                  "64=Stage ~ 80=ok~ 15=wrg~  5=dk~ Elapsed 00:45:00 ~ E1A ~";
        });
        return p;
    }();
    return path;
}

void PlainLineRead(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    for (auto _ : state) benchmark::DoNotOptimize(plainRead(logPath()));
}
BENCHMARK(PlainLineRead)->Unit(benchmark::kMillisecond);

void HistoryPass0(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    for (auto _ : state) {
        HistoryCatalogue catalogue;
        catalogue.Titles = {"", fixedWidth("Advanced Benchmark Bank", BankTitleWidth),
                            fixedWidth("Basic Benchmark Bank", BankTitleWidth)};
        HistorySettings settings;
        std::string last;
        myReadHistoryFile(logPath(), 0, 0, "", last, catalogue, settings, nullptr);
        benchmark::DoNotOptimize(catalogue.Columns[2].Count);
    }
}
BENCHMARK(HistoryPass0)->Unit(benchmark::kMillisecond);

void HistoryPass1(benchmark::State& state) {
    logPath();  // written once, before any clock starts
    static BankModel bank;
    fillBank(bank);
    for (auto _ : state) {
        HistoryCatalogue unused;
        HistorySettings settings;
        std::string last;
        myReadHistoryFile(logPath(), 1, 0, fixedWidth("Basic Benchmark Bank", BankTitleWidth), last, unused,
                          settings, &bank);
        benchmark::DoNotOptimize(bank.Topics[1].Question[1].Stats[0]);
    }
}
BENCHMARK(HistoryPass1)->Unit(benchmark::kMillisecond);

void Draw125Questions(benchmark::State& state) {
    static BankModel bank;
    fillBank(bank);
    bank.QuestionsPerTopic = 2;
    bank.Lessons[0].LessonSelected = 1;
    ExamRecord exam;
    ExamRandom random;
    random.seed(43200.5f);
    for (auto _ : state) {
        mySelectQuestions(exam, bank, random, MaxExamSize);
        benchmark::DoNotOptimize(exam.ExamSize);
    }
}
BENCHMARK(Draw125Questions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
