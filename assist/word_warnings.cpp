#include "assist/word_warnings.h"

#include <algorithm>
#include <utility>

#include "core/code_text.h"
#include "core/number_reader.h"
#include "core/token_table.h"
#include "core/variable_entry.h"
#include "core/word_meaning.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

bool IsHexDigits(std::string_view word) {
    for (char c : word) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

Diagnostic Warning(const ScriptWord& word, std::string message) {
    return Diagnostic{word.position, word.text.size(), DiagnosticSeverity::kWarning, std::move(message), {}};
}

// The word a code stands for, empty for a code that is no word.
std::string WordOfCode(const CodeBytes& code, const LanguageTables& tables) {
    if (code.number() == kStartScriptCode) return std::string(kStartScriptWord);
    const std::string* text = TokenTextOf(code, tables);
    return text ? std::string(TokenTable::BareWord(*text)) : std::string();
}

// The loader writes a code it cannot name as its four hexadecimal digits; such a word is legal but
// unreadable. Four other letters are nearly always a misspelling.
std::optional<Diagnostic> RawCodeWarning(const ScriptWord& word, std::string_view upper, const CodeBytes& code,
                                         const LanguageTables& tables, WordSuggester* suggester) {
    const std::string spelled(word.text);
    if (IsHexDigits(upper)) {
        const std::string named = WordOfCode(code, tables);
        if (named.empty()) return Warning(word, spelled + " is a raw code, which no word of the language stands for");
        Diagnostic warning = Warning(word, spelled + " is a raw code; it compiles as " + named);
        warning.fixes.push_back(ReplaceWordFix(word, named, true));
        return warning;
    }
    Diagnostic warning = Warning(word, spelled + " is no word; it compiles as the raw code " + CodeText(code.number()));
    if (suggester) AddSuggestion(warning, word, suggester->Suggest(upper));
    return warning;
}

std::string_view KindName(std::int32_t type) {
    switch (type) {
        case kConstantNumber:
            return "the number";
        case kUserVariable:
            return "user variable";
        default:
            return "internal value";
    }
}

// The number reader stops at the first character that does not fit: what follows is silently
// dropped (%33X is %33, %ABC is %0).
std::optional<Diagnostic> TrailingCharactersWarning(const ScriptWord& word, std::string_view upper,
                                                    const EntryWord& entry) {
    const std::string_view prefix = EntryPrefix(entry.type);
    if (prefix.empty() || !upper.starts_with(prefix)) return std::nullopt;
    const std::string_view rest = upper.substr(prefix.size());
    const std::size_t read = ScriptNumberLength(rest);
    if (read == rest.size()) return std::nullopt;
    const std::string_view spelled = word.text;
    Diagnostic warning = Warning(word, std::string(spelled) + " compiles as " + std::string(KindName(entry.type)) +
                                           " " + std::to_string(entry.value) + "; " +
                                           std::string(spelled.substr(prefix.size() + read)) + " is not read");
    if (read > 0) {
        warning.fixes.push_back(ReplaceWordFix(word, std::string(spelled.substr(0, prefix.size() + read)), false));
    }
    return warning;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Only four letters or a value word can be a raw code or a cut number; most words are neither, and
// most value words are a prefix and digits (%5, VAR_12).
bool MayWarn(std::string_view word) {
    if (word.size() == kRawCodeLength) return true;
    if (word.starts_with('%')) return !AllDigits(word.substr(1));
    if (word.size() < 4 || word[3] != '_') return false;
    const std::string prefix = ToUpperWindows1252(word.substr(0, 4));
    return (prefix == "VAR_" || prefix == "INT_") && !AllDigits(word.substr(4));
}

}  // namespace

TextFix ReplaceWordFix(const ScriptWord& word, std::string replacement, bool preferred) {
    std::string title = "Replace with " + replacement;
    return TextFix{std::move(title), word.position, word.text.size(), std::move(replacement), preferred};
}

void AddSuggestion(Diagnostic& problem, const ScriptWord& word, std::optional<std::string_view> suggestion) {
    if (!suggestion) return;
    problem.message += "; did you mean " + std::string(*suggestion) + "?";
    problem.fixes.push_back(ReplaceWordFix(word, std::string(*suggestion), true));
}

std::optional<Diagnostic> WordWarning(const ScriptWord& word, const LanguageTables& tables, WordSuggester* suggester) {
    if (!MayWarn(word.text)) return std::nullopt;
    const std::string upper = ToUpperWindows1252(word.text);
    const WordMeaning meaning = FindWordMeaning(upper, tables);
    if (meaning.kind == WordMeaning::Kind::kEntry) {
        // An internal value's name is read whole; only a number after INT_ can trail characters.
        if (tables.internals().FindNumberByName(upper)) return std::nullopt;
        return TrailingCharactersWarning(word, upper, meaning.entry);
    }
    if (meaning.kind != WordMeaning::Kind::kCode || upper.size() != kRawCodeLength ||
        tables.tokens().FindCodeByWord(upper) != nullptr) {
        return std::nullopt;
    }
    return RawCodeWarning(word, upper, meaning.code, tables, suggester);
}

}  // namespace corvane
