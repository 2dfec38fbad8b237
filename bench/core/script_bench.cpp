// Compile, load and check against a baseline of only splitting the same text into words.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/common/split_baseline.h"
#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/loader.h"
#include "support/safe_file.h"

namespace corvane {
namespace {

using bench::AgainstSplitting;
using bench::Example;
using bench::MaximumScript;
using bench::SplitWords;

// A script of about `bytes` bytes: the skirmish example's statements repeated inside one block.
std::string LargeScript(std::size_t bytes) {
    const std::string example = Example("skirmish.txt");
    const std::string body = example.substr(example.find("{ ") + 2, example.rfind("} ") - example.find("{ ") - 2);
    std::string text = "START_SCRIPT \r\n{ ";
    while (text.size() < bytes) text += body;
    return text + "} \r\nENDSCRIPT ";
}

void BM_SplitMaximumScript(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SplitWords(MaximumScript()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(MaximumScript().size()));
}

void BM_CompileMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    AgainstSplitting(state, MaximumScript(), [&] { benchmark::DoNotOptimize(CompileScript(MaximumScript(), tables)); });
}

// A save as the editor and `compile` make it: the compile, then the file written through the safe
// path (scratch file, its data synced, the rename, the folder synced). Wall time, in the current
// folder (a disk, where /tmp may be memory): the syncs wait for the disk, not the processor.
void BM_CompileAndWriteMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    const std::string target = "bench-compile-output.dat";
    for (auto _ : state) {
        const CompileResult result = CompileScript(MaximumScript(), tables);
        if (!WriteFileAtomically(target, result.script().fileBytes)) std::abort();
    }
    std::filesystem::remove(target);
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
BENCHMARK(BM_CompileAndWriteMaximumScript)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMaximumScript);
BENCHMARK(BM_CheckMaximumScript);
BENCHMARK(BM_SplitLargeScript)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckLargeScript)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
