#include "lang/script_file_text.h"

#include "lang/windows_1252.h"

#include <algorithm>
#include <optional>

namespace corvane {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr char kMissingCharacter = '?';

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Windows-1252 text of valid UTF-8; nothing when the bytes are not valid UTF-8.
std::optional<std::string> Windows1252FromUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto next = NextUtf8(bytes, at);
        if (!next) return std::nullopt;
        const auto code = next->first <= 0xFFFF ? Windows1252FromUnicode(static_cast<char16_t>(next->first)) : std::nullopt;
        text.push_back(code ? static_cast<char>(*code) : kMissingCharacter);
        at += next->second;
    }
    return text;
}

}  // namespace

std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead < 0x80) return std::make_pair(char32_t{lead}, std::size_t{1});
    if ((lead & 0xE0) == 0xC0) { length = 2; character = lead & 0x1F; smallest = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; character = lead & 0x0F; smallest = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; character = lead & 0x07; smallest = 0x10000; }
    else return std::nullopt;
    if (bytes.size() - at < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(byte)) return std::nullopt;
        character = (character << 6) | (byte & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) return std::nullopt;
    return std::make_pair(character, length);
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) {
        const char16_t character = UnicodeFromWindows1252(static_cast<unsigned char>(c));
        if (character < 0x80) {
            utf8.push_back(static_cast<char>(character));
        } else if (character < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (character >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xE0 | (character >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (character & 0x3F)));
        }
    }
    return utf8;
}

ScriptFileText DecodeScriptFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) return {ScriptFileEncoding::kUtf16, {}};
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return {ScriptFileEncoding::kWindows1252, std::string(bytes)};
    if (auto text = Windows1252FromUtf8(bytes)) return {ScriptFileEncoding::kUtf8, std::move(*text)};
    return {ScriptFileEncoding::kWindows1252, std::string(bytes)};
}

}  // namespace corvane
