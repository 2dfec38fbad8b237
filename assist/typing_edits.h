#pragma once
// What the script box changes by itself while the author types: the indentation of a new line, the
// tabs that Tab and Shift+Tab add to or take from selected lines, and the closing words of a block
// just opened. Texts are the box's characters as engine bytes, line breaks LF or CR LF.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "assist/layout_edits.h"

namespace corvane {

// Tabs at the start of the line that Enter makes after `lineBeforeCaret` (its line up to the caret):
// every tab in it, wherever it stands, and one more after an opening brace, as the loader lays out
// a block's words one tab deeper than its braces.
std::size_t NewLineTabs(std::string_view lineBeforeCaret);

// One tab more at the start of every line from the line of `from` to the line of `to`, or one blank
// less (a tab, else up to four spaces) when `outdent`. A selection that ends at the start of a line
// leaves that line alone. Edits from the last to the first.
std::vector<BlankEdit> ShiftLines(std::string_view text, std::size_t from, std::size_t to, bool outdent);

// The words that close the block whose "{" stands just before `caret` (blanks between allowed):
// "}" when the text holds more "{" than "}", and ENDIF after it when the brace opens an IF's block
// and the text holds more IF than ENDIF. Empty when nothing is missing.
std::vector<std::string_view> MissingClosers(std::string_view text, std::size_t caret);

}  // namespace corvane
