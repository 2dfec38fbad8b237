#pragma once
// "Insert }": where the } of a block that is never closed goes, laid out as the file is (its line
// breaks, the block's indentation).

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "assist/diagnostics.h"
#include "assist/recovering_walk.h"

namespace corvane {

// The fix that closes the last of `blocks` (innermost first), and so each block inside it: each }
// on a line of its own before the word at `before` (ENDIF, ENDSCRIPT, ...), or after the last line
// of the text when `before` is nothing. A text of one line gets each } between blanks instead.
TextFix InsertBraceFix(std::string_view text, std::span<const BlockStart> blocks, std::optional<std::size_t> before);

}  // namespace corvane
