#include "core/word_meaning.h"

#include <optional>

#include "core/code_text.h"
#include "core/number_reader.h"
#include "core/variable_entry.h"

namespace corvane {
namespace {

WordMeaning Code(std::string_view codeText) {
    const auto bytes = CodeBytesFromText(codeText);
    WordMeaning meaning;
    meaning.kind = WordMeaning::Kind::kCode;
    meaning.code = CodeBytes{bytes[0], bytes[1]};
    return meaning;
}

WordMeaning Entry(std::int32_t value, std::int32_t type) {
    WordMeaning meaning;
    meaning.kind = WordMeaning::Kind::kEntry;
    meaning.entry = EntryWord{value, type};
    return meaning;
}

WordMeaning Meaning(WordMeaning::Kind kind) {
    WordMeaning meaning;
    meaning.kind = kind;
    return meaning;
}

// "INT_" + a name of the internal value table, or + a number greater than 0. A number too far
// below 0 to fit is no internal value either, like any other number not above 0.
std::optional<WordMeaning> InternalValueMeaning(std::string_view word, const InternalTable& internals) {
    const std::string_view prefix = EntryPrefix(kInternalValue);
    if (!word.starts_with(prefix)) return std::nullopt;
    if (const auto number = internals.FindNumberByName(word)) return Entry(*number, kInternalValue);
    const std::string_view digits = word.substr(prefix.size());
    const auto number = ReadScriptNumber(digits);
    if (!number && digits.starts_with('-')) return std::nullopt;
    if (!number) return Meaning(WordMeaning::Kind::kNumberOutOfRange);
    if (*number > 0) return Entry(*number, kInternalValue);
    return std::nullopt;
}

std::optional<WordMeaning> PrefixedNumberMeaning(std::string_view word, std::int32_t type) {
    const std::string_view prefix = EntryPrefix(type);
    if (!word.starts_with(prefix)) return std::nullopt;
    const auto number = ReadScriptNumber(word.substr(prefix.size()));
    if (!number) return Meaning(WordMeaning::Kind::kNumberOutOfRange);
    return Entry(*number, type);
}

}  // namespace

WordMeaning FindWordMeaning(std::string_view word, const LanguageTables& tables) {
    if (word == kStartScriptWord) return Code(CodeText(kStartScriptCode));
    if (const std::string* code = tables.tokens().FindCodeByWord(word)) return Code(*code);
    if (auto meaning = InternalValueMeaning(word, tables.internals())) return *meaning;
    if (auto meaning = PrefixedNumberMeaning(word, kUserVariable)) return *meaning;
    if (auto meaning = PrefixedNumberMeaning(word, kConstantNumber)) return *meaning;
    if (word.size() == kRawCodeLength) return Code(word);
    return Meaning(WordMeaning::Kind::kUnknown);
}

const std::string* TokenTextOf(const CodeBytes& code, const LanguageTables& tables) {
    return tables.tokens().FindTextByCode(code.number());
}

}  // namespace corvane
