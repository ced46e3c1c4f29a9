// A full read of a bank of 1050 questions beside a plain line-by-line read
// of the same file; the reader should stay within 3 times the plain read.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bankports.h"
#include "bankreader.h"
#include "errorbox.h"
#include "text.h"

namespace {

const std::string& benchBank() {
    static const std::string path = [] {
        std::string p = (std::filesystem::temp_directory_path() / "Questions_Bench1050.txt").string();
        std::FILE* f = std::fopen(p.c_str(), "wb");
        writeLine(f, "^Benchmark bank^100^70^");
        for (int q = 0; q < 1050; ++q) {
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
        return p;
    }();
    return path;
}

void BM_PlainLineRead(benchmark::State& state) {
    const std::string& path = benchBank();
    for (auto _ : state) {
        LineReader reader;
        reader.open(path);
        std::string line;
        size_t total = 0;
        while (reader.next(line)) total += line.size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_FullBankRead(benchmark::State& state) {
    const std::string& path = benchBank();
    errorBoxPort().systemBox = [](const std::string&, const std::string&) {};
    BankModel model;
    for (auto _ : state) {
        std::string title;
        if (myReadQuestionBank(model, path, FullRead, title) != 1) state.SkipWithError("bank read failed");
        benchmark::DoNotOptimize(model.QuestionCount);
    }
}

}  // namespace

BENCHMARK(BM_PlainLineRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullBankRead)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
