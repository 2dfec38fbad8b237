#pragma once
// Lines of a script text as bytes: where a line starts, where the next one does, and which line
// break the text uses. A line ends at LF, CR LF or a lone CR, as editors and the language
// protocol count lines.

#include <cstddef>
#include <string_view>

namespace corvane {

inline bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// The start of the line that holds `offset` (offsets past the end count as in the last line).
std::size_t LineStartOf(std::string_view text, std::size_t offset);
// The start of the line after the one that holds `offset`; the end of the text on its last line.
std::size_t NextLineStart(std::string_view text, std::size_t offset);
// The text's own line break, the first one it has ("\r\n", "\n" or "\r"); empty for one line.
std::string_view LineBreakOf(std::string_view text);

}  // namespace corvane
