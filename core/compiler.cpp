#include "core/compiler.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>

#include "core/code_text.h"
#include "core/compiled_file.h"
#include "core/script_messages.h"
#include "core/script_words.h"
#include "core/variable_table_builder.h"
#include "core/word_meaning.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

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

    // Goes on after each error: a word that cannot be read still takes its code slot, and each
    // limit is reported once, at the first word past it.
    std::vector<CompileError> CollectErrors(std::string_view text) {
        std::vector<CompileError> errors;
        ScriptWordReader reader(text);
        ScriptWord word;
        while (reader.Next(word)) {
            auto error = CompileWord(word);
            if (!error) continue;
            if (error->kind == CompileErrorKind::kTooManyCodes) {
                codesReported_ = true;
            } else if (error->kind == CompileErrorKind::kTooManyEntries) {
                entriesReported_ = true;
            }
            if (codes_.size() < kMaxCodes || codesReported_) codes_.push_back(CodeBytes{});
            errors.push_back(std::move(*error));
        }
        if (firstUnreferable_) {
            CompileError warning = Error(CompileErrorKind::kNeedsConfirmation,
                                         ScriptWord{firstUnreferable_->text, firstUnreferable_->position},
                                         std::string(kTooManyVariablesWarning));
            warning.entryCount = variables_.count();
            errors.push_back(std::move(warning));
        }
        std::stable_sort(errors.begin(), errors.end(),
                         [](const CompileError& a, const CompileError& b) { return a.position < b.position; });
        return errors;
    }

private:
    std::optional<CompileError> CompileWord(const ScriptWord& word) {
        if (codes_.size() >= kMaxCodes && !codesReported_) {
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
        const WordMeaning meaning = FindWordMeaning(word.text, tables_);
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
            if (entriesReported_) {
                codes_.push_back(CodeBytes{});
                return std::nullopt;
            }
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
    std::optional<OwnedWord> firstUnreferable_;                   // the word that created entry 256
    std::unordered_map<std::string_view, CodeBytes> knownCodes_;  // views into the script text, as spelled
    // Only while collecting every error: each limit is reported once.
    bool codesReported_ = false;
    bool entriesReported_ = false;
};

}  // namespace

CompileResult CompileScript(std::string_view text, const LanguageTables& tables, const CompileOptions& options) {
    return ScriptCompiler(tables, options).Run(text);
}

std::vector<CompileError> FindCompileErrors(std::string_view text, const LanguageTables& tables) {
    const CompileOptions options;
    return ScriptCompiler(tables, options).CollectErrors(text);
}

}  // namespace corvane
