// The department's Basic pool imported from its ZIP archive beside a plain
// line-by-line read of the unpacked delimited file; the import should stay
// within 10 times the plain read.
//
// BM_ImportOverPlainRead is the one that tells: each iteration reads the
// unpacked file plainly, then imports the archive into an emptied folder
// (unpacking in memory, reading and checking the pool, composing both banks
// and writing them), back to back, so that both see the same page cache,
// clock speed and machine load. Its counters give the median CPU time of
// each (plain_us, import_us) and their ratio. The department's file is kept
// beside the repository (../shared/data/ised/); without it the benchmarks
// say so and are skipped.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/benchkit.h"
#include "examsim/import/poolimport.h"
#include "examsim/import/tests/zipkit.h"
#include "toolkit/errorbox.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

namespace {

namespace fs = std::filesystem;

const std::string PoolFile = std::string(ISED_DATA_DIR) + "/amat_basic_quest_delim2025.txt";

// The unpacked file and its archive, in a folder of this run's own.
struct BenchFiles {
    fs::path folder;
    std::string unpacked, archive, banks;
    bool ready = false;
    BenchFiles() {
        std::string pool;
        int error = 0;
        if (!readFileBytes(PoolFile, pool, error)) return;
        folder = fs::temp_directory_path() / ("ulvorane-import-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        unpacked = (folder / "amat_basic_quest_delim2025.txt").string();
        archive = (folder / "amat_basic_quest.zip").string();
        banks = (folder / "banks").string();
        TempFolder::writeFile(unpacked, pool);
        TempFolder::writeFile(archive, makeZip({{"amat_basic_quest_delim2025.txt", pool}}));
        ready = true;
    }
    ~BenchFiles() {
        std::error_code ignored;
        if (!folder.empty()) fs::remove_all(folder, ignored);
    }
};

const BenchFiles& files() {
    static const BenchFiles f;
    return f;
}

bool skipped(benchmark::State& state) {
    if (files().ready) return false;
    state.SkipWithError(("the department's Basic pool is not at " + PoolFile +
                         " (it is kept beside the repository, not in it)")
                            .c_str());
    return true;
}

// A fresh import each time: the banks of the last one are removed first,
// outside the time measured by the caller.
void clearBanks() {
    std::error_code ignored;
    fs::remove_all(files().banks, ignored);
}

bool import() {
    const ImportOutcome outcome = myImportOfficialBank(files().archive, files().banks, "", ImportPorts{});
    return outcome.Result == ImportResult::Written && outcome.QuestionCount == 984;
}

void BM_PlainLineRead(benchmark::State& state) {
    if (skipped(state)) return;
    plainRead(files().unpacked);  // warm the page cache
    for (auto _ : state) benchmark::DoNotOptimize(plainRead(files().unpacked));
}

void BM_ImportFromZip(benchmark::State& state) {
    if (skipped(state)) return;
    for (auto _ : state) {
        state.PauseTiming();
        clearBanks();
        state.ResumeTiming();
        if (!import()) state.SkipWithError("import failed");
    }
}

void BM_ImportOverPlainRead(benchmark::State& state) {
    if (skipped(state)) return;
    plainRead(files().unpacked);
    std::vector<double> plain, imported;
    for (auto _ : state) {
        clearBanks();
        const double t0 = threadCpuMicros();
        benchmark::DoNotOptimize(plainRead(files().unpacked));
        const double t1 = threadCpuMicros();
        if (!import()) state.SkipWithError("import failed");
        const double t2 = threadCpuMicros();
        plain.push_back(t1 - t0);
        imported.push_back(t2 - t1);
    }
    setRatioCounters(state, plain, "import", imported, 10);
}

}  // namespace

BENCHMARK(BM_PlainLineRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportFromZip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImportOverPlainRead)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

int main(int argc, char** argv) {
    // Messages of a failed import would only slow the loop down.
    errorBoxPort().systemBox = [](const std::string&, const std::string&) {};
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
