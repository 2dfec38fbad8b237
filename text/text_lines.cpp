#include "text/text_lines.h"

#include <algorithm>

namespace corvane {

std::size_t LineStartOf(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    while (offset > 0 && !IsLineBreak(text[offset - 1])) --offset;
    return offset;
}

std::size_t NextLineStart(std::string_view text, std::size_t offset) {
    while (offset < text.size() && !IsLineBreak(text[offset])) ++offset;
    if (offset < text.size() && text[offset] == '\r') ++offset;
    if (offset < text.size() && text[offset] == '\n') ++offset;
    return offset;
}

std::string_view LineBreakOf(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return {};
    if (text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace corvane
