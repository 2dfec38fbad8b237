// The editor's work at a pause in typing on the largest script the game takes: the engine text of
// the whole box, every problem, the block partners at the caret and the syntax colours of every
// line. Reported against splitting the same text into words ("x_split"), and in milliseconds:
// it must stay well within one 60 Hz frame (16 ms).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QSyntaxHighlighter>
#include <QTextDocument>
#include <cstdlib>
#include <ctime>
#include <string>

#include "assist/block_match.h"
#include "assist/diagnostics.h"
#include "core/script_words.h"
#include "support/file_utils.h"
#include "ui/box_text.h"
#include "ui/script_highlighter.h"

namespace corvane {
namespace {

const std::string& MaximumScript() {
    static const std::string text = [] {
        std::string bytes;
        if (!ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/maximum_4096_codes.txt", bytes)) std::abort();
        return bytes;
    }();
    return text;
}

std::size_t SplitWords(std::string_view text) {
    ScriptWordReader reader(text);
    ScriptWord word;
    std::size_t count = 0;
    while (reader.Next(word)) count += word.text.size();
    return count;
}

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

void BM_SplitMaximumScript(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SplitWords(MaximumScript()));
}

// Diagnostics of the whole text, the block partners and the colours of every line at once (the
// editor colours only the lines that changed, so this is the worst case).
void BM_KeystrokeOnMaximumScript(benchmark::State& state) {
    QTextDocument document;
    document.setPlainText(boxTextFromEngine(MaximumScript()));
    ScriptHighlighter highlighter(&document, LanguageTables::Standard(), Grammar::Standard());
    highlighter.setColouring(true);
    const double start = CpuSeconds();
    std::int64_t runs = 0;
    for (auto _ : state) {
        const std::string text = engineBytesFromBoxText(typedText(document));
        benchmark::DoNotOptimize(Diagnose(text, LanguageTables::Standard(), Grammar::Standard()));
        benchmark::DoNotOptimize(MatchingWordsAt(text, text.size() / 2));
        highlighter.rehighlight();
        ++runs;
    }
    const double seconds = (CpuSeconds() - start) / static_cast<double>(runs);
    const double splitStart = CpuSeconds();
    for (std::int64_t i = 0; i < runs; ++i) benchmark::DoNotOptimize(SplitWords(MaximumScript()));
    state.counters["x_split"] = seconds / ((CpuSeconds() - splitStart) / static_cast<double>(runs));
}

BENCHMARK(BM_SplitMaximumScript);
BENCHMARK(BM_KeystrokeOnMaximumScript)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the document's layout
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
