#pragma once
// The words that open and close the blocks of a script. Everything that follows blocks (the
// checker's walk, the outline, the block partners in the editor) reads them from this one table.

#include <string_view>

namespace corvane {

enum class BlockWord { kNone, kOpenBrace, kCloseBrace, kStartScript, kEvery, kIf, kElse, kEndIf };

// Which block word `word` is, letter case ignored as the compiler ignores it; kNone for any other word.
BlockWord BlockWordOf(std::string_view word);

// The word a "}" becomes when it closes the block that `opener` starts ("}IF" for IF, "}SCRIPT"
// for START_SCRIPT); empty for a word that starts no block.
std::string_view BlockCloserOf(BlockWord opener);

}  // namespace corvane
