// What the benchmarks share: the thread's CPU clock, the median of the
// iterations, the plain line read every reader is measured against, the
// ratio counters, and the history logs the log readers are timed on.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/text.h"

// CPU time of the calling thread, in microseconds.
inline double threadCpuMicros() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The file read line by line and nothing more: the yardstick.
inline size_t plainRead(const std::filesystem::path& path) {
    LineReader reader;
    reader.open(path);
    std::string line;
    size_t total = 0;
    while (reader.next(line)) total += line.size();
    return total;
}

// The medians of the plain reads and of the reads measured against them
// (plain_us, <name>_us), their ratio and the target it should stay within.
inline void setRatioCounters(benchmark::State& state, const std::vector<double>& plain, const std::string& name,
                             const std::vector<double>& measured, double target) {
    const double plainMedian = median(plain);
    const double measuredMedian = median(measured);
    state.counters["plain_us"] = plainMedian;
    state.counters[name + "_us"] = measuredMedian;
    state.counters["ratio"] = plainMedian > 0 ? measuredMedian / plainMedian : 0;
    state.counters["target"] = target;
}

// Question n of topic ("B-ttt-001-nnn").
inline std::string benchDesignation(int topic, int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "B-%03d-001-%03d", topic, n);
    return buf;
}

// A history log of sessions, each of one question of every topic (question
// 1 + (session + topic) % perTopic), 25 answers to a line; header(s) is the
// first line of session s.
inline void writeSessionLog(const std::filesystem::path& path, int sessions, int topics, int perTopic,
                            const std::function<std::string(int)>& header) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    for (int s = 0; s < sessions; ++s) {
        writeLine(f, header(s));
        std::string line;
        for (int t = 1; t <= topics; ++t) {
            line += benchDesignation(t, 1 + (s + t) % perTopic);
            line += static_cast<char>('a' + (s * 7 + t) % 24);
            if (t % 25 == 0) {
                writeLine(f, line);
                line.clear();
            }
        }
        writeLine(f, "");
    }
    std::fclose(f);
}
