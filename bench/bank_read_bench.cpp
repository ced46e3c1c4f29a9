// A full read of a bank of 1050 questions beside a plain line-by-line read
// of the same file; the reader should stay within 3 times the plain read.
//
// BM_ReaderOverPlainRead is the one that tells: each of its iterations reads
// the same file once plainly and once fully, back to back, so that both see
// the same page cache, clock speed and machine load. Its counters give the
// median CPU time of each (plain_us, reader_us) and their ratio; the two
// other benchmarks show each read on its own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/benchkit.h"
#include "examsim/bank/bankports.h"
#include "examsim/bank/bankreader.h"
#include "toolkit/errorbox.h"
#include "toolkit/text.h"

namespace {

constexpr int BenchQuestions = 1050;

// The bank lives in the temporary folder for the run only; the process id
// keeps two runs from writing into each other's file.
struct BenchBank {
    std::string path;
    BenchBank() {
        path = (std::filesystem::temp_directory_path() /
                ("Questions_Bench1050_" + std::to_string(::getpid()) + ".txt"))
                   .string();
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return;
        writeLine(f, "^Benchmark bank^100^70^");
        for (int q = 0; q < BenchQuestions; ++q) {
            if (q % 60 == 0) writeLine(f, "{L" + std::to_string(q / 60 + 1) + "} Lesson " + std::to_string(q / 60 + 1));
            char designation[32];
            std::snprintf(designation, sizeof designation, "B-%03d-%03d-%03d", q / 15 / 10 + 1, q / 15 % 10 + 1,
                          q % 15 + 1);
            writeLine(f, std::string(designation) + " (" + std::to_string(q % 4 + 1) +
                             ") What is the answer to this fairly ordinary question number " + std::to_string(q) + "?");
            for (int a = 1; a <= 4; ++a)
                writeLine(f, std::to_string(a) + ". A proposed answer of moderate length, number " + std::to_string(a));
            writeLine(f, "> An explanation of a few dozen words that tells the candidate why the answer is right.");
        }
        std::fclose(f);
    }
    ~BenchBank() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::string& benchBank() {
    static const BenchBank bank;
    return bank.path;
}

// The boxes a full read shows are built as in the program, then dropped.
void quietPorts() {
    errorBoxPort().systemBox = [](const std::string&, const std::string&) {};
    bankPorts().informationBox = [](const std::string&, const std::string&) {};
    bankPorts().plainBox = [](const std::string&) {};
}

bool fullRead(BankModel& model, const std::string& path) {
    std::string title;
    return myReadQuestionBank(model, path, FullRead, title) == 1 && model.QuestionCount == BenchQuestions;
}

void BM_PlainLineRead(benchmark::State& state) {
    const std::string& path = benchBank();
    plainRead(path);  // warm the page cache
    for (auto _ : state) benchmark::DoNotOptimize(plainRead(path));
}

void BM_FullBankRead(benchmark::State& state) {
    const std::string& path = benchBank();
    quietPorts();
    BankModel model;
    if (!fullRead(model, path)) state.SkipWithError("bank read failed");
    for (auto _ : state) {
        if (!fullRead(model, path)) state.SkipWithError("bank read failed");
        benchmark::DoNotOptimize(model.QuestionCount);
    }
}

void BM_ReaderOverPlainRead(benchmark::State& state) {
    const std::string& path = benchBank();
    quietPorts();
    BankModel model;
    plainRead(path);
    if (!fullRead(model, path)) state.SkipWithError("bank read failed");
    std::vector<double> plain, reader;
    for (auto _ : state) {
        double t0 = threadCpuMicros();
        benchmark::DoNotOptimize(plainRead(path));
        double t1 = threadCpuMicros();
        if (!fullRead(model, path)) state.SkipWithError("bank read failed");
        double t2 = threadCpuMicros();
        plain.push_back(t1 - t0);
        reader.push_back(t2 - t1);
    }
    setRatioCounters(state, plain, "reader", reader, 3);
}

}  // namespace

BENCHMARK(BM_PlainLineRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullBankRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReaderOverPlainRead)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK_MAIN();
