// Any text: every diagnostic, fix and hover range lies inside the text, completion replaces only text
// before its offset, and the layout keeps its promises (the same compiled bytes, laid out again it
// stays the same, the loader's text is laid out as itself, and words spelled as the loader prints
// them are laid out as the loader's text). Aborts when one does not hold.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "assist/completion.h"
#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/layout.h"
#include "core/compiler.h"
#include "core/loader.h"
#include "core/script_words.h"

namespace corvane {
namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

bool SameCompilation(std::string_view a, std::string_view b, const LanguageTables& tables) {
    const CompileResult first = CompileScript(a, tables);
    const CompileResult second = CompileScript(b, tables);
    if (first.ok() != second.ok()) return false;
    if (first.ok()) return first.script().fileBytes == second.script().fileBytes;
    return first.error().message == second.error().message;
}

bool SameWords(std::string_view a, std::string_view b) {
    ScriptWordReader first(a);
    ScriptWordReader second(b);
    ScriptWord x;
    ScriptWord y;
    while (true) {
        const bool more = first.Next(x);
        if (more != second.Next(y)) return false;
        if (!more) return true;
        if (x.text != y.text) return false;
    }
}

void CheckLayout(std::string_view text, const LanguageTables& tables) {
    const std::string laidOut = LayOutScript(text, tables);
    Require(SameCompilation(text, laidOut, tables));
    Require(LayOutScript(laidOut, tables) == laidOut);
    const CompileResult compiled = CompileScript(text, tables);
    if (!compiled.ok()) return;
    const LoadResult loaded = LoadScript(compiled.script().fileBytes, tables);
    if (!loaded.ok()) return;
    const std::string& loaderText = loaded.script().text;
    Require(LayOutScript(loaderText, tables) == loaderText);
    // Words spelled as the loader prints them are laid out as the loader's text.
    if (SameWords(text, loaderText)) Require(laidOut == loaderText);
}

void CheckRanges(std::string_view text, const LanguageTables& tables, const Grammar& grammar) {
    // Only a text without words has a mark of no length, at its start.
    const bool words = HasScriptWords(text);
    for (const Diagnostic& diagnostic : Diagnose(text, tables, grammar)) {
        Require((diagnostic.length > 0 || !words) && diagnostic.position + diagnostic.length <= text.size());
        Require(!diagnostic.message.empty() && diagnostic.message.find('\n') == std::string::npos);
        for (const TextFix& fix : diagnostic.fixes) Require(fix.position + fix.length <= text.size());
    }
    // A few offsets spread over the text, the ends included.
    for (std::size_t step = 0; step <= 4; ++step) {
        const std::size_t offset = text.size() * step / 4;
        if (const auto hover = HoverAt(text, offset, tables, grammar)) {
            Require(hover->length > 0 && hover->position + hover->length <= text.size());
            Require(hover->position <= offset && offset <= hover->position + hover->length);
        }
        const Completion completion = CompleteAt(text, offset, tables, grammar);
        Require(completion.replaceStart + completion.replaceLength == offset);
        Require(!completion.items.empty() || offset > 0);
    }
}

}  // namespace
}  // namespace corvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const corvane::LanguageTables& tables = corvane::LanguageTables::Standard();
    corvane::CheckLayout(text, tables);
    corvane::CheckRanges(text, tables, corvane::Grammar::Standard());
    return 0;
}
