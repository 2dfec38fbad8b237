#pragma once
// Line and column of a byte offset, for messages of the form FILE:LINE:COLUMN.

#include <cstddef>
#include <string_view>

namespace corvane {

struct TextLocation {
    std::size_t line = 1;    // 1-based
    std::size_t column = 1;  // 1-based, in bytes
};

// CR LF, a lone LF and a lone CR each end a line.
TextLocation LocateOffset(std::string_view text, std::size_t offset);

}  // namespace corvane
