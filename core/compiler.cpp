#include "core/compiler.h"

#include <optional>
#include <unordered_map>
#include <utility>

#include "core/code_text.h"
#include "core/compiled_file.h"
#include "core/number_reader.h"
#include "core/script_messages.h"
#include "core/script_words.h"
#include "core/variable_table_builder.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

constexpr std::string_view kInternalPrefix = "INT_";
constexpr std::string_view kUserVariablePrefix = "VAR_";
constexpr std::string_view kConstantPrefix = "%";
constexpr std::size_t kRawCodeLength = 4;

// A word that names a variable table entry.
struct EntryWord {
    std::int32_t value = 0;
    std::int32_t type = 0;
};

// What a word compiles to, before entries are created.
struct WordMeaning {
    enum class Kind { kCode, kEntry, kUnknown, kNumberOutOfRange } kind = Kind::kUnknown;
    CodeBytes code;
    EntryWord entry;
};

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
    if (!word.starts_with(kInternalPrefix)) return std::nullopt;
    if (const auto number = internals.FindNumberByName(word)) return Entry(*number, kInternalValue);
    const std::string_view digits = word.substr(kInternalPrefix.size());
    const auto number = ReadScriptNumber(digits);
    if (!number && digits.starts_with('-')) return std::nullopt;
    if (!number) return Meaning(WordMeaning::Kind::kNumberOutOfRange);
    if (*number > 0) return Entry(*number, kInternalValue);
    return std::nullopt;
}

std::optional<WordMeaning> PrefixedNumberMeaning(std::string_view word, std::string_view prefix, std::int32_t type) {
    if (!word.starts_with(prefix)) return std::nullopt;
    const auto number = ReadScriptNumber(word.substr(prefix.size()));
    if (!number) return Meaning(WordMeaning::Kind::kNumberOutOfRange);
    return Entry(*number, type);
}

// The code search, in the game's order: START_SCRIPT, the token table, INT_, VAR_, %, raw code text.
WordMeaning FindMeaning(std::string_view word, const LanguageTables& tables) {
    if (word == kStartScriptWord) return Code(CodeText(kStartScriptCode));
    if (const std::string* code = tables.tokens().FindCodeByWord(word)) return Code(*code);
    if (auto meaning = InternalValueMeaning(word, tables.internals())) return *meaning;
    if (auto meaning = PrefixedNumberMeaning(word, kUserVariablePrefix, kUserVariable)) return *meaning;
    if (auto meaning = PrefixedNumberMeaning(word, kConstantPrefix, kConstantNumber)) return *meaning;
    if (word.size() == kRawCodeLength) return Code(word);
    return Meaning(WordMeaning::Kind::kUnknown);
}

// An entry reference. Entries from 256 on (written only after the author's Yes) keep their whole
// number, so the high byte is not 0: the game and the loader never take them for a lower entry.
CodeBytes EntryReference(std::size_t index) {
    return CodeBytes{static_cast<std::uint8_t>(index & 0xFFu), static_cast<std::uint8_t>(index >> 8)};
}

class ScriptCompiler {
public:
    ScriptCompiler(const LanguageTables& tables, const CompileOptions& options) : tables_(tables), options_(options) {}

    CompileResult Run(std::string_view text) {
        ScriptWordReader reader(text);
        ScriptWord word;
        while (reader.Next(word)) {
            if (auto error = CompileWord(word)) return CompileResult::Failure(std::move(*error));
        }
        return Finish();
    }

private:
    std::optional<CompileError> CompileWord(const ScriptWord& word) {
        if (codes_.size() >= kMaxCodes) {
            const std::string upper = ToUpperWindows1252(word.text);
            return Error(CompileErrorKind::kTooManyCodes, ScriptWord{upper, word.position}, TooManyCodesMessage(upper));
        }
        // A word always compiles to the same code, so a spelling seen before costs one lookup;
        // words are compared in upper case only when they are new.
        if (const auto known = knownCodes_.find(word.text); known != knownCodes_.end()) {
            codes_.push_back(known->second);
            return std::nullopt;
        }
        const std::string upper = ToUpperWindows1252(word.text);
        auto error = CompileNewWord(ScriptWord{upper, word.position});
        if (!error) knownCodes_.emplace(word.text, codes_.back());
        return error;
    }

    std::optional<CompileError> CompileNewWord(const ScriptWord& word) {
        const WordMeaning meaning = FindMeaning(word.text, tables_);
        switch (meaning.kind) {
            case WordMeaning::Kind::kCode:
                codes_.push_back(meaning.code);
                return std::nullopt;
            case WordMeaning::Kind::kEntry:
                return AddEntryReference(word, meaning.entry);
            case WordMeaning::Kind::kNumberOutOfRange:
                return Error(CompileErrorKind::kNumberOutOfRange, word, NumberOutOfRangeMessage(word.text));
            case WordMeaning::Kind::kUnknown:
                break;
        }
        return Error(CompileErrorKind::kUnknownWord, word, UnknownCommandMessage(word.text));
    }

    std::optional<CompileError> AddEntryReference(const ScriptWord& word, const EntryWord& entry) {
        if (variables_.count() >= kMaxVariableEntries && !variables_.Has(word.text, entry.value, entry.type)) {
            return Error(CompileErrorKind::kTooManyEntries, word, TooManyEntriesMessage(word.text));
        }
        const std::size_t index = variables_.CreateNewVar(word.text, entry.value, entry.type);
        if (index == kReferableVariableEntries && !firstUnreferable_) {
            firstUnreferable_ = OwnedWord{std::string(word.text), word.position};
        }
        codes_.push_back(EntryReference(index));
        return std::nullopt;
    }

    CompileResult Finish() {
        if (variables_.count() > kReferableVariableEntries && !options_.allowMoreThan256Entries) {
            CompileError error = Error(CompileErrorKind::kNeedsConfirmation,
                                       ScriptWord{firstUnreferable_->text, firstUnreferable_->position},
                                       std::string(kTooManyVariablesWarning));
            error.entryCount = variables_.count();
            return CompileResult::Failure(std::move(error));
        }
        CompiledScript script;
        script.fileBytes = BuildCompiledFile(codes_, variables_.entries());
        script.codeCount = codes_.size();
        script.variables = variables_.Take();
        return CompileResult::Success(std::move(script));
    }

    static CompileError Error(CompileErrorKind kind, const ScriptWord& word, std::string message) {
        CompileError error;
        error.kind = kind;
        error.word = std::string(word.text);
        error.position = word.position;
        error.length = word.text.size();
        error.message = std::move(message);
        return error;
    }

    const LanguageTables& tables_;
    const CompileOptions& options_;
    std::vector<CodeBytes> codes_;
    VariableTableBuilder variables_;
    struct OwnedWord {
        std::string text;
        std::size_t position = 0;
    };
    std::optional<OwnedWord> firstUnreferable_;  // the word that created entry 256
    std::unordered_map<std::string_view, CodeBytes> knownCodes_;  // views into the script text, as spelled
};

}  // namespace

CompileResult CompileScript(std::string_view text, const LanguageTables& tables, const CompileOptions& options) {
    return ScriptCompiler(tables, options).Run(text);
}

}  // namespace corvane
