// Diagnostics, completion, hover and layout of the 4096-code example against only splitting it:
// an editor runs them at every pause in typing, so each should stay within a few times the split.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "assist/completion.h"
#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/layout.h"
#include "bench/common/split_baseline.h"

namespace corvane {
namespace {

using bench::AgainstSplitting;
using bench::MaximumScript;

void BM_DiagnoseMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    if (!Diagnose(MaximumScript(), tables, grammar).empty()) std::abort();
    AgainstSplitting(state, MaximumScript(),
                     [&] { benchmark::DoNotOptimize(Diagnose(MaximumScript(), tables, grammar)); });
}

// A text with a misspelt word in every statement: the suggestions are the costly part.
void BM_DiagnoseMisspeltScript(benchmark::State& state) {
    std::string text = MaximumScript();
    for (std::size_t at = text.find("STATE_"); at != std::string::npos; at = text.find("STATE_", at + 1))
        text[at + 1] = 'X';
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    if (Diagnose(text, tables, grammar).empty()) std::abort();
    AgainstSplitting(state, text, [&] { benchmark::DoNotOptimize(Diagnose(text, tables, grammar)); });
}

// Every statement broken (its last word dropped): the walk recovers at each next one, and the errors
// past the hundredth are only counted.
void BM_DiagnoseScriptWithAnErrorInEveryStatement(benchmark::State& state) {
    std::string text = MaximumScript();
    for (std::size_t at = text.find(" ON"); at != std::string::npos; at = text.find(" ON", at)) text.erase(at, 3);
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    if (Diagnose(text, tables, grammar).size() < 100) std::abort();
    AgainstSplitting(state, text, [&] { benchmark::DoNotOptimize(Diagnose(text, tables, grammar)); });
}

void BM_CompleteAtTheEndOfMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    const std::string& text = MaximumScript();
    const std::size_t end = text.rfind("ENDSCRIPT");
    AgainstSplitting(state, text, [&] { benchmark::DoNotOptimize(CompleteAt(text, end, tables, grammar)); });
}

void BM_HoverAtTheEndOfMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Grammar& grammar = Grammar::Standard();
    const std::string& text = MaximumScript();
    const std::size_t end = text.rfind("ENDSCRIPT");
    if (!HoverAt(text, end, tables, grammar)) std::abort();
    AgainstSplitting(state, text, [&] { benchmark::DoNotOptimize(HoverAt(text, end, tables, grammar)); });
}

void BM_LayOutMaximumScript(benchmark::State& state) {
    const LanguageTables& tables = LanguageTables::Standard();
    AgainstSplitting(state, MaximumScript(), [&] { benchmark::DoNotOptimize(LayOutScript(MaximumScript(), tables)); });
}

BENCHMARK(BM_DiagnoseMaximumScript);
BENCHMARK(BM_DiagnoseMisspeltScript);
BENCHMARK(BM_DiagnoseScriptWithAnErrorInEveryStatement);
BENCHMARK(BM_CompleteAtTheEndOfMaximumScript);
BENCHMARK(BM_HoverAtTheEndOfMaximumScript);
BENCHMARK(BM_LayOutMaximumScript);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
