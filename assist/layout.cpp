#include "assist/layout.h"

#include <unordered_map>

#include "core/code_text.h"
#include "core/script_printer.h"
#include "core/script_words.h"
#include "core/word_meaning.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

const std::string kNoToken;

// The token text the loader would print for the word's code; empty for a word that is no token.
const std::string& TokenTextOfWord(std::string_view word, const LanguageTables& tables) {
    std::string buffer;
    const WordMeaning meaning = FindWordMeaning(UpperWindows1252View(word, buffer), tables);
    if (meaning.kind != WordMeaning::Kind::kCode) return kNoToken;
    const std::string* text = TokenTextOf(meaning.code, tables);
    return text ? *text : kNoToken;
}

}  // namespace

std::string LayOutScript(std::string_view text, const LanguageTables& tables) {
    ScriptPrinter printer;
    printer.Reserve(text.size() + text.size() / 4 + 16);
    // A spelling always means the same word; each is looked up once.
    std::unordered_map<std::string_view, const std::string*> known;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) {
        auto [at, isNew] = known.try_emplace(word.text, nullptr);
        if (isNew) at->second = &TokenTextOfWord(word.text, tables);
        printer.Add(*at->second, word.text);
    }
    std::string laidOut = printer.Take();
    // A script that begins with a statement word does not begin with an empty line.
    if (laidOut.starts_with(kLineBreak)) laidOut.erase(0, kLineBreak.size());
    return laidOut;
}

}  // namespace corvane
