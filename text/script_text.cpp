#include "text/script_text.h"

#include <algorithm>

#include "core/script_words.h"
#include "text/utf8.h"
#include "text/windows_1252.h"

namespace corvane {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr char32_t kByteOrderMark = 0xFEFF;
constexpr char32_t kReplacement = 0xFFFD;

bool IsAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto next = NextUtf8(bytes, at);
        if (!next) return false;
        at += next->second;
    }
    return true;
}

char EngineByte(char32_t character) {
    const auto code = Windows1252FromUnicode(character);
    return code ? static_cast<char>(*code) : kNotInCodePage;
}

}  // namespace

std::string Utf16Refusal(std::string_view fileName) {
    return std::string(fileName) + " is UTF-16 text; save it as ANSI or UTF-8";
}

ScriptText ScriptText::FromFile(std::string_view bytes) {
    const bool mark = bytes.starts_with(kUtf8Mark);
    if (mark) bytes.remove_prefix(kUtf8Mark.size());
    if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        ScriptText refused;
        refused.encoding_ = TextEncoding::kUtf16;
        return refused;
    }
    // ASCII reads the same either way; a marked file stays UTF-8 so that it is written back so.
    const bool utf8 = (mark || !IsAscii(bytes)) && IsUtf8(bytes);
    ScriptText text = utf8 ? Build(bytes, false) : ScriptText();
    if (!utf8) {
        text.source_ = std::string(bytes);
        text.engine_ = text.source_;
        text.index_ = TextIndex(text.engine_);
    }
    text.utf8Mark_ = mark;
    return text;
}

ScriptText ScriptText::FromUtf8(std::string utf8) { return Build(utf8, true); }

ScriptText ScriptText::Build(std::string_view source, bool lenient) {
    ScriptText text;
    text.encoding_ = TextEncoding::kUtf8;
    text.source_ = std::string(source);
    text.engine_.reserve(source.size());
    text.sourceStarts_.reserve(source.size() + 1);
    std::vector<std::size_t> wide;
    for (std::size_t at = 0; at < source.size();) {
        const auto next = NextUtf8(source, at);  // never empty unless lenient: the source was checked
        const std::size_t length = next ? next->second : 1;
        if (length == 4) wide.push_back(text.engine_.size());  // beyond U+FFFF: two UTF-16 units
        const bool leadingMark = lenient && at == 0 && next && next->first == kByteOrderMark;
        text.engine_ += leadingMark ? ' ' : (next ? EngineByte(next->first) : kNotInCodePage);
        text.sourceStarts_.push_back(static_cast<std::uint32_t>(at));
        at += length;
    }
    text.sourceStarts_.push_back(static_cast<std::uint32_t>(source.size()));
    text.index_ = TextIndex(text.engine_, std::move(wide));
    return text;
}

std::string_view ScriptText::SourceOf(std::size_t from, std::size_t to) const {
    if (encoding_ != TextEncoding::kUtf8) return std::string_view(source_).substr(from, to - from);
    return std::string_view(source_).substr(sourceStarts_[from], sourceStarts_[to] - sourceStarts_[from]);
}

std::size_t ScriptText::OffsetOfSourceByte(std::size_t at) const {
    if (encoding_ != TextEncoding::kUtf8) return std::min(at, engine_.size());
    const auto after = std::upper_bound(sourceStarts_.begin(), sourceStarts_.end() - 1, at);
    return static_cast<std::size_t>(after - sourceStarts_.begin()) - 1;
}

std::string ScriptText::Encode(std::string_view engineText) const {
    std::string out(utf8Mark_ ? kUtf8Mark : std::string_view());
    if (encoding_ != TextEncoding::kUtf8) return out.append(engineText);
    ScriptWordReader own(engine_);
    ScriptWordReader given(engineText);
    ScriptWord ownWord;
    ScriptWord word;
    std::size_t at = 0;
    while (given.Next(word)) {
        out += engineText.substr(at, word.position - at);  // blanks are ASCII
        if (own.Next(ownWord) && ownWord.text == word.text) {
            out += SourceOf(ownWord.position, ownWord.position + word.text.size());
        } else {
            out += Utf8FromWindows1252(word.text);
        }
        at = word.position + word.text.size();
    }
    return out.append(engineText.substr(at));
}

std::u16string ScriptText::Utf16() const {
    if (encoding_ != TextEncoding::kUtf8) return Utf16FromWindows1252(source_);
    std::u16string units;
    units.reserve(source_.size());
    for (std::size_t at = 0; at < source_.size();) {
        const auto next = NextUtf8(source_, at);
        const char32_t c = next ? next->first : kReplacement;
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
        at += next ? next->second : 1;
    }
    return units;
}

std::string EngineTextFromUtf16Units(std::u16string_view units) {
    std::string bytes(units.size(), '\0');
    std::transform(units.begin(), units.end(), bytes.begin(), [](char16_t unit) { return EngineByte(unit); });
    return bytes;
}

std::optional<std::string> EncodeUtf16(std::u16string_view units, FileEncoding file, std::size_t* offending) {
    const bool utf8 = file.encoding == TextEncoding::kUtf8;
    std::string bytes(file.utf8Mark ? kUtf8Mark : std::string_view());
    bytes.reserve(units.size() + 8);
    for (std::size_t at = 0; at < units.size();) {
        const auto next = NextUtf16(units, at);
        const auto code = next && !utf8 ? Windows1252FromUnicode(next->first) : std::nullopt;
        if (!next || (!utf8 && !code)) {
            if (offending != nullptr) *offending = at;
            return std::nullopt;
        }
        if (code) {
            bytes.push_back(static_cast<char>(*code));
        } else {
            AppendUtf8(bytes, next->first);
        }
        at += next->second;
    }
    return bytes;
}

}  // namespace corvane
