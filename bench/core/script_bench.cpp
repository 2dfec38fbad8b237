// Compile, load and check against a baseline of only splitting the same text into words. Each
// benchmark reports "x_split": its time per run divided by the baseline's, so the figure survives
// a noisy machine.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <string>

#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/loader.h"
#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

std::string Example(const char* name) {
    std::string text;
    if (!ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, text)) std::abort();
    return text;
}

const std::string& MaximumScript() {
    static const std::string text = Example("maximum_4096_codes.txt");
    return text;
}

// A script of about `bytes` bytes: the skirmish example's statements repeated inside one block.
std::string LargeScript(std::size_t bytes) {
    const std::string example = Example("skirmish.txt");
    const std::string body = example.substr(example.find("{ ") + 2, example.rfind("} ") - example.find("{ ") - 2);
    std::string text = "START_SCRIPT \r\n{ ";
    while (text.size() < bytes) text += body;
    return text + "} \r\nENDSCRIPT ";
}

std::size_t SplitWords(std::string_view text) {
    ScriptWordReader reader(text);
    ScriptWord word;
    std::size_t count = 0;
    while (reader.Next(word)) count += word.text.size();
    return count;
}

// Processor time, so that other programs on a busy machine do not skew the ratio.
double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double SecondsPerRun(std::string_view text, std::int64_t runs) {
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

void BM_SplitMaximumScript(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SplitWords(MaximumScript()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(MaximumScript().size()));
}

void BM_CompileMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    AgainstSplitting(state, MaximumScript(), [&] { benchmark::DoNotOptimize(CompileScript(MaximumScript(), tables)); });
}

void BM_LoadMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    const std::string file = CompileScript(MaximumScript(), tables).script().fileBytes;
    AgainstSplitting(state, MaximumScript(), [&] { benchmark::DoNotOptimize(LoadScript(file, tables)); });
}

void BM_CheckMaximumScript(benchmark::State& state) {
    const Grammar& grammar = Grammar::Standard();
    AgainstSplitting(state, MaximumScript(), [&] { benchmark::DoNotOptimize(CheckScript(MaximumScript(), grammar)); });
}

void BM_SplitLargeScript(benchmark::State& state) {
    const std::string text = LargeScript(static_cast<std::size_t>(state.range(0)) << 20);
    for (auto _ : state) benchmark::DoNotOptimize(SplitWords(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void BM_CheckLargeScript(benchmark::State& state) {
    const std::string text = LargeScript(static_cast<std::size_t>(state.range(0)) << 20);
    const Grammar& grammar = Grammar::Standard();
    if (!CheckScript(text, grammar).ok()) std::abort();
    AgainstSplitting(state, text, [&] { benchmark::DoNotOptimize(CheckScript(text, grammar)); });
}

BENCHMARK(BM_SplitMaximumScript);
BENCHMARK(BM_CompileMaximumScript);
BENCHMARK(BM_LoadMaximumScript);
BENCHMARK(BM_CheckMaximumScript);
BENCHMARK(BM_SplitLargeScript)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLargeScript)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
