#pragma once
// The script compiler: script text -> the 12552 bytes of a compiled script file.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/language_tables.h"
#include "core/script_result.h"
#include "core/variable_entry.h"

namespace corvane {

struct CompileOptions {
    // More than 256 variable table entries need the author's Yes; with this false the compiler
    // answers kNeedsConfirmation instead of a file.
    bool allowMoreThan256Entries = false;
};

enum class CompileErrorKind {
    kUnknownWord,        // a word that fits nothing
    kNumberOutOfRange,   // a number that does not fit in a signed 32-bit integer
    kTooManyCodes,       // more than 4096 codes
    kTooManyEntries,     // more than 512 variable table entries
    kNeedsConfirmation,  // more than 256 entries and allowMoreThan256Entries is false
};

struct CompileError {
    CompileErrorKind kind = CompileErrorKind::kUnknownWord;
    // The word in upper case; for kNeedsConfirmation the word that needed entry 257.
    std::string word;
    std::size_t position = 0;    // 0-based byte offset of the word in the given text
    std::size_t length = 0;      // length of the word in bytes
    std::string message;         // the program's message text
    std::size_t entryCount = 0;  // entries the script needs (kNeedsConfirmation)
};

struct CompiledScript {
    std::string fileBytes;                 // always kCompiledFileSize bytes
    std::vector<VariableEntry> variables;  // entries 0 .. count-1 in order of creation
    std::size_t codeCount = 0;
};

using CompileResult = ScriptResult<CompiledScript, CompileError>;

// Compiles `text` word by word (blanks, CR, LF and tabs separate words; the end of the text ends
// the last word). Nothing is written anywhere: the caller writes script().fileBytes.
CompileResult CompileScript(std::string_view text, const LanguageTables& tables, const CompileOptions& options = {});

// Every problem of a text instead of only the first, in text order: each word that cannot be
// read, the first word past 4096 codes, the first word past 512 entries, and (kNeedsConfirmation)
// the word that needs entry 257. Empty when the text compiles without a question.
std::vector<CompileError> FindCompileErrors(std::string_view text, const LanguageTables& tables);

}  // namespace corvane
