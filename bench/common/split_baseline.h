#pragma once
// The baseline of the script benchmarks: only splitting the same text into words. A benchmark run
// through AgainstSplitting reports "x_split", its time per run divided by the baseline's, so the
// figure survives a noisy machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane::bench {

inline std::string Example(const char* name) {
    std::string text;
    if (!ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, text)) std::abort();
    return text;
}

inline const std::string& MaximumScript() {
    static const std::string text = Example("maximum_4096_codes.txt");
    return text;
}

inline std::size_t SplitWords(std::string_view text) {
    ScriptWordReader reader(text);
    ScriptWord word;
    std::size_t count = 0;
    while (reader.Next(word)) count += word.text.size();
    return count;
}

// Processor time, so that other programs on a busy machine do not skew the ratio.
inline double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

inline double SecondsPerRun(std::string_view text, std::int64_t runs) {
    const double start = CpuSeconds();
    for (std::int64_t i = 0; i < runs; ++i) benchmark::DoNotOptimize(SplitWords(text));
    return (CpuSeconds() - start) / static_cast<double>(runs);
}

// Runs `operation` in the benchmark loop and reports its time against splitting `text`.
template <typename Operation>
void AgainstSplitting(benchmark::State& state, std::string_view text, Operation operation) {
    const double start = CpuSeconds();
    std::int64_t runs = 0;
    for (auto _ : state) {
        operation();
        ++runs;
    }
    const double seconds = (CpuSeconds() - start) / static_cast<double>(runs);
    const double baseline = SecondsPerRun(text, std::max<std::int64_t>(runs, 20));
    state.counters["x_split"] = seconds / baseline;
    state.SetBytesProcessed(runs * static_cast<std::int64_t>(text.size()));
}

}  // namespace corvane::bench
