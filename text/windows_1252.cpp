#include "text/windows_1252.h"

#include <algorithm>
#include <array>

#include "text/utf8.h"

namespace corvane {

namespace {

// 0x80 to 0x9F are the only codes where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool InHighControlRange(char32_t code) { return code >= 0x80 && code <= 0x9F; }

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char16_t UnicodeFromWindows1252(unsigned char code) {
    if (InHighControlRange(code)) return kHighControlRange[code - 0x80];
    return static_cast<char16_t>(code);
}

std::optional<unsigned char> Windows1252FromUnicode(char32_t character) {
    if (character <= 0xFF && !InHighControlRange(character)) return static_cast<unsigned char>(character);
    for (unsigned i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) AppendUtf8(utf8, UnicodeFromWindows1252(static_cast<unsigned char>(c)));
    return utf8;
}

std::u16string Utf16FromWindows1252(std::string_view text) {
    std::u16string units(text.size(), u'\0');
    std::transform(text.begin(), text.end(), units.begin(),
                   [](char c) { return UnicodeFromWindows1252(static_cast<unsigned char>(c)); });
    return units;
}

char UpperWindows1252(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code == 0x9A || code == 0x9C || code == 0x9E)
        return static_cast<char>(code - 0x10);         // s, oe, z with caron or ligature
    if (code == 0xFF) return static_cast<char>(0x9F);  // y with diaeresis
    if (code >= 0xE0 && code != 0xF7 && code <= 0xFE)
        return static_cast<char>(code - 0x20);  // a grave to thorn, but the division sign
    return UpperAscii(c);
}

std::string ToUpperWindows1252(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), UpperWindows1252);
    return out;
}

bool HasLowerWindows1252(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return UpperWindows1252(c) != c; });
}

std::string_view UpperWindows1252View(std::string_view text, std::string& buffer) {
    if (!HasLowerWindows1252(text)) return text;
    buffer = ToUpperWindows1252(text);
    return buffer;
}

}  // namespace corvane
