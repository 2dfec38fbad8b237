#pragma once
// One open document seen two ways: as the client holds it (UTF-8, positions as line + UTF-16
// code units) and as the engine reads it (one Windows-1252 byte per character, byte offsets).
// A character that Windows-1252 lacks becomes '?', as the Windows code page conversion writes
// it: one non-blank byte, so it stays part of its word, while the mapping keeps its UTF-16 width.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct LinePosition {
    std::size_t line = 0;       // 0-based
    std::size_t character = 0;  // UTF-16 code units from the start of the line
    bool operator==(const LinePosition&) const = default;
};

class DocumentText {
public:
    explicit DocumentText(std::string utf8 = {});

    const std::string& clientText() const { return utf8_; }
    const std::string& engineText() const { return engine_; }

    // The engine offset of a client position. A line past the end gives the end of the text, a
    // character past the end of its line the end of that line.
    std::size_t OffsetAt(LinePosition position) const;
    // The client position of an engine offset (offsets past the end give the end).
    LinePosition PositionAt(std::size_t offset) const;

    // `engineText` (made of this document's words in order, with other blanks between them) in
    // the client's characters: each word comes back exactly as the client wrote it.
    std::string ClientTextOf(std::string_view engineText) const;

private:
    std::size_t Utf16UnitsAt(std::size_t offset) const;
    std::size_t LineContentEnd(std::size_t line) const;

    std::string utf8_;
    std::string engine_;
    std::vector<std::uint32_t> utf8Starts_;  // per engine byte, then the end: where it starts in utf8_
    std::vector<std::size_t> lineStarts_;    // engine offsets
};

}  // namespace corvane
