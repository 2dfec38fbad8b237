#include "lsp/document_text.h"

#include <algorithm>
#include <optional>

#include "core/script_words.h"
#include "lang/windows_1252.h"
#include "support/wine_string.h"

namespace corvane {
namespace {

constexpr char kNotInCodePage = '?';

struct Utf8Character {
    char32_t code = 0;
    std::size_t bytes = 1;
    bool valid = false;
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One character at `at`. A byte that does not start a well-formed sequence is one invalid
// character of its own, so that decoding always moves on.
Utf8Character DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t bytes = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        bytes = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        bytes = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        bytes = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (at + bytes > text.size()) return {};
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) return {};
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, bytes, true};
}

char EngineByte(const Utf8Character& character) {
    if (!character.valid || character.code > 0xFFFF) return kNotInCodePage;
    const std::optional<unsigned char> code = Windows1252FromUnicode(static_cast<char16_t>(character.code));
    return code ? static_cast<char>(*code) : kNotInCodePage;
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::u16string units;
    for (char c : bytes) units += UnicodeFromWindows1252(static_cast<unsigned char>(c));
    return Utf8FromUtf16(units);
}

DocumentText::DocumentText(std::string utf8) : utf8_(std::move(utf8)) {
    engine_.reserve(utf8_.size());
    utf8Starts_.reserve(utf8_.size() + 1);
    lineStarts_.push_back(0);
    for (std::size_t at = 0; at < utf8_.size();) {
        const Utf8Character character = DecodeAt(utf8_, at);
        const char byte = EngineByte(character);
        engine_ += byte;
        utf8Starts_.push_back(static_cast<std::uint32_t>(at));
        at += character.bytes;
        const bool lineBreak = byte == '\n' || (byte == '\r' && (at >= utf8_.size() || utf8_[at] != '\n'));
        if (lineBreak) lineStarts_.push_back(engine_.size());
    }
    utf8Starts_.push_back(static_cast<std::uint32_t>(utf8_.size()));
}

std::size_t DocumentText::Utf16UnitsAt(std::size_t offset) const {
    // Only a four-byte sequence lies outside the Basic Multilingual Plane.
    return utf8Starts_[offset + 1] - utf8Starts_[offset] == 4 ? 2 : 1;
}

std::size_t DocumentText::LineContentEnd(std::size_t line) const {
    if (line + 1 >= lineStarts_.size()) return engine_.size();
    std::size_t end = lineStarts_[line + 1] - 1;
    if (engine_[end] == '\n' && end > lineStarts_[line] && engine_[end - 1] == '\r') --end;
    return end;
}

std::size_t DocumentText::OffsetAt(LinePosition position) const {
    if (position.line >= lineStarts_.size()) return engine_.size();
    const std::size_t end = LineContentEnd(position.line);
    std::size_t offset = lineStarts_[position.line];
    for (std::size_t units = 0; offset < end && units < position.character; ++offset) units += Utf16UnitsAt(offset);
    return offset;
}

LinePosition DocumentText::PositionAt(std::size_t offset) const {
    offset = std::min(offset, engine_.size());
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    LinePosition position{static_cast<std::size_t>(after - lineStarts_.begin()) - 1, 0};
    for (std::size_t at = lineStarts_[position.line]; at < offset; ++at) position.character += Utf16UnitsAt(at);
    return position;
}

std::string DocumentText::ClientTextOf(std::string_view engineText) const {
    ScriptWordReader own(engine_);
    ScriptWordReader given(engineText);
    ScriptWord ownWord;
    ScriptWord word;
    std::string out;
    std::size_t at = 0;
    while (given.Next(word)) {
        out += engineText.substr(at, word.position - at);  // blanks are ASCII
        if (own.Next(ownWord) && ownWord.text == word.text) {
            const std::size_t from = utf8Starts_[ownWord.position];
            out.append(utf8_, from, utf8Starts_[ownWord.position + word.text.size()] - from);
        } else {
            out += Utf8FromWindows1252(word.text);
        }
        at = word.position + word.text.size();
    }
    out += engineText.substr(at);
    return out;
}

}  // namespace corvane
