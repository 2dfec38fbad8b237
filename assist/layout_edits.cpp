#include "assist/layout_edits.h"

#include "assist/layout.h"
#include "core/script_words.h"

namespace corvane {

namespace {

std::vector<ScriptWord> WordsOf(std::string_view text) {
    std::vector<ScriptWord> words;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) words.push_back(word);
    return words;
}

// The blanks before word `i` (i == words.size(): after the last word).
std::pair<std::size_t, std::size_t> BlanksBefore(const std::vector<ScriptWord>& words, std::size_t i,
                                                 std::size_t textSize) {
    const std::size_t start = i == 0 ? 0 : words[i - 1].position + words[i - 1].text.size();
    const std::size_t end = i < words.size() ? words[i].position : textSize;
    return {start, end - start};
}

}  // namespace

std::optional<std::vector<BlankEdit>> LayoutEdits(std::string_view text, const LanguageTables& tables) {
    const std::string laidOut = LayOutScript(text, tables);
    const std::vector<ScriptWord> before = WordsOf(text);
    const std::vector<ScriptWord> after = WordsOf(laidOut);
    if (before.size() != after.size()) return std::nullopt;
    std::vector<BlankEdit> edits;
    for (std::size_t i = before.size() + 1; i-- > 0;) {
        if (i < before.size() && before[i].text != after[i].text) return std::nullopt;
        const auto [from, length] = BlanksBefore(before, i, text.size());
        const auto [newFrom, newLength] = BlanksBefore(after, i, laidOut.size());
        const std::string_view blanks = std::string_view(laidOut).substr(newFrom, newLength);
        if (text.substr(from, length) != blanks) edits.push_back({from, length, std::string(blanks)});
    }
    return edits;
}

}  // namespace corvane
