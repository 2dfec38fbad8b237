#pragma once
// Lines and columns of a text, indexed once: an offset becomes a position by two binary searches,
// however long its line, and back.

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

struct TextPosition {
    std::size_t line = 0;    // 0-based
    std::size_t column = 0;  // 0-based, in characters
    std::size_t utf16 = 0;   // 0-based, in UTF-16 code units from the start of the line
    bool operator==(const TextPosition&) const = default;
};

class TextIndex {
public:
    // `text` holds one byte per character; `wide` lists, ascending, the offsets of the characters
    // that take two UTF-16 units. CR LF, a lone LF and a lone CR each end a line.
    explicit TextIndex(std::string_view text = {}, std::vector<std::size_t> wide = {});

    // Offsets past the end give the end.
    TextPosition PositionAt(std::size_t offset) const;
    // The offset of a line and UTF-16 unit. A line past the end gives the end of the text, a unit
    // past the end of its line the end of that line (before its line break); a unit inside a
    // character that takes two gives the offset after it.
    std::size_t OffsetAt(std::size_t line, std::size_t utf16) const;
    std::size_t LineCount() const { return lineStarts_.size(); }

private:
    std::size_t size_ = 0;
    std::vector<std::size_t> lineStarts_;
    std::vector<std::size_t> lineEnds_;  // where each line's characters end, before its line break
    std::vector<std::size_t> wide_;
};

}  // namespace corvane
