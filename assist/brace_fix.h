#pragma once
// "Insert }": where the } of a block that is never closed goes (or the ENDIF an IF lacks), laid out
// as the file is (its line breaks, the block's indentation).

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "assist/diagnostics.h"
#include "assist/recovering_walk.h"

namespace corvane {

// The blanks that begin the line of `offset`.
std::string_view LineIndent(std::string_view text, std::size_t offset);
// The blanks before the word at `offset` when nothing else stands before it on its line.
std::optional<std::string_view> IndentBeforeWord(std::string_view text, std::size_t offset);

// The fix that closes the last of `blocks` (innermost first), and so each block inside it: each }
// on a line of its own before the word at `before` (ENDIF, ENDSCRIPT, ...), or after the last line
// of the text when `before` is nothing. A text of one line gets each } between blanks instead.
// With `word` ENDIF, the same for the ENDIF that ends an IF statement after its }.
TextFix InsertBraceFix(std::string_view text, std::span<const BlockStart> blocks, std::optional<std::size_t> before,
                       std::string_view word = "}");

}  // namespace corvane
