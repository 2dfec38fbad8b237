#include "cli/text_location.h"

namespace corvane {

TextLocation LocateOffset(std::string_view text, std::size_t offset) {
    TextLocation location;
    std::size_t lineStart = 0;
    const std::size_t end = offset < text.size() ? offset : text.size();
    for (std::size_t at = 0; at < end; ++at) {
        const char c = text[at];
        if (c == '\n' || (c == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n'))) {
            ++location.line;
            lineStart = at + 1;
        }
    }
    location.column = offset - lineStart + 1;
    return location;
}

}  // namespace corvane
