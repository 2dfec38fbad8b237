#pragma once
// What a script word compiles to: a code, a variable table entry, or nothing. The compiler, the
// layout and the help texts all read a word through this one search.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/compiled_file.h"
#include "core/language_tables.h"

namespace corvane {

// A word of this length that is no other word is read as a code text ("E803").
inline constexpr std::size_t kRawCodeLength = 4;

// A word that names a variable table entry.
struct EntryWord {
    std::int32_t value = 0;
    std::int32_t type = 0;
};

struct WordMeaning {
    enum class Kind { kCode, kEntry, kUnknown, kNumberOutOfRange } kind = Kind::kUnknown;
    CodeBytes code;   // kCode
    EntryWord entry;  // kEntry
};

// The code search, in the game's order: START_SCRIPT, the token table, INT_, VAR_, %, raw code
// text. `upperWord` is the word in upper case.
WordMeaning FindWordMeaning(std::string_view upperWord, const LanguageTables& tables);

// The token table's text for a code (LineBreak prefix included), nullptr for a code that is no
// token: the word the loader prints for it.
const std::string* TokenTextOf(const CodeBytes& code, const LanguageTables& tables);

}  // namespace corvane
