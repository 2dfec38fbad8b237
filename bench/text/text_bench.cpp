// The position of every word of a text, as a language server reports problems: 80,000 words on one
// line (the case that took seconds while each position walked its line), and the 4096-code example,
// each against only splitting the same text into words.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/common/split_baseline.h"
#include "text/script_text.h"

namespace corvane {
namespace {

void PositionsOfEveryWord(benchmark::State& state, const std::string& source) {
    bench::AgainstSplitting(state, source, [&] {
        const ScriptText text = ScriptText::FromUtf8(source);
        ScriptWordReader reader(text.engineText());
        ScriptWord word;
        std::size_t sum = 0;
        while (reader.Next(word)) sum += text.PositionAt(word.position).utf16;
        benchmark::DoNotOptimize(sum);
    });
}

void BM_PositionsOnOneLongLine(benchmark::State& state) {
    std::string line;
    for (int i = 0; i < 80'000; ++i) line += "W\xC3\xA9\xF0\x9F\x98\x80 ";  // a character beyond U+FFFF in each word
    PositionsOfEveryWord(state, line);
}

void BM_PositionsInTheMaximumScript(benchmark::State& state) { PositionsOfEveryWord(state, bench::MaximumScript()); }

BENCHMARK(BM_PositionsOnOneLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PositionsInTheMaximumScript);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
