#pragma once
// One open document seen two ways: as the client holds it (UTF-8, positions as line + UTF-16
// code units) and as the engine reads it (one Windows-1252 byte per character, byte offsets).
// The engine's view is made when first asked for, so a text that a newer one replaces before
// anybody reads it costs nothing but its copy.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/script_text.h"

namespace corvane {

struct LinePosition {
    std::size_t line = 0;       // 0-based
    std::size_t character = 0;  // UTF-16 code units from the start of the line
    bool operator==(const LinePosition&) const = default;
};

class DocumentText {
public:
    explicit DocumentText(std::string utf8 = {}) : utf8_(std::move(utf8)) {}

    const std::string& clientText() const { return text_ ? text_->source() : utf8_; }
    const std::string& engineText() const { return text().engineText(); }

    // The engine offset of a client position. A line past the end gives the end of the text, a
    // character past the end of its line the end of that line.
    std::size_t OffsetAt(LinePosition position) const {
        return text().index().OffsetAt(position.line, position.character);
    }
    // The client position of an engine offset (offsets past the end give the end).
    LinePosition PositionAt(std::size_t offset) const {
        const TextPosition at = text().PositionAt(offset);
        return {at.line, at.utf16};
    }

    // `engineText` (made of this document's words in order, with other blanks between them) in
    // the client's characters: each word comes back exactly as the client wrote it.
    std::string ClientTextOf(std::string_view engineText) const { return text().Encode(engineText); }

    // `message`, engine text about the word at [position, position + length), as UTF-8 in which
    // that word reads as the client wrote it: a character the code page lacks shows as itself,
    // not as the engine's "?" (also where the message gives the word in upper case).
    std::string ClientMessage(std::string_view message, std::size_t position, std::size_t length) const;

private:
    const ScriptText& text() const {
        if (!text_) text_ = ScriptText::FromUtf8(std::move(utf8_));
        return *text_;
    }

    mutable std::string utf8_;  // until text_ is made
    mutable std::optional<ScriptText> text_;
};

}  // namespace corvane
