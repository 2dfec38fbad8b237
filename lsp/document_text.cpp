#include "lsp/document_text.h"

#include <algorithm>
#include <optional>

#include "core/script_words.h"
#include "lang/script_file_text.h"
#include "lang/windows_1252.h"

namespace corvane {
namespace {

constexpr char kNotInCodePage = '?';

// One Windows-1252 byte for the character at `at`, and the UTF-8 bytes it took. A byte that does
// not start a well-formed sequence is a character of its own, so that decoding always moves on.
std::pair<char, std::size_t> EngineCharacter(std::string_view utf8, std::size_t at) {
    const auto next = NextUtf8(utf8, at);
    if (!next) return {kNotInCodePage, 1};
    const auto code = next->first <= 0xFFFF ? Windows1252FromUnicode(static_cast<char16_t>(next->first)) : std::nullopt;
    return {code ? static_cast<char>(*code) : kNotInCodePage, next->second};
}

}  // namespace

DocumentText::DocumentText(std::string utf8) : utf8_(std::move(utf8)) {
    engine_.reserve(utf8_.size());
    utf8Starts_.reserve(utf8_.size() + 1);
    lineStarts_.push_back(0);
    for (std::size_t at = 0; at < utf8_.size();) {
        const auto [byte, length] = EngineCharacter(utf8_, at);
        engine_ += byte;
        utf8Starts_.push_back(static_cast<std::uint32_t>(at));
        at += length;
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
