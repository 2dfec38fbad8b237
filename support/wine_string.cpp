#include "support/wine_string.h"

#include <cstdint>

namespace corvane {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

char16_t ControlEscape(char c) {
    switch (c) {
        case 'a':
            return u'\a';
        case 'b':
            return u'\b';
        case 'e':
            return 0x1b;
        case 'f':
            return u'\f';
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case 't':
            return u'\t';
        case 'v':
            return u'\v';
        default:
            return static_cast<unsigned char>(c);
    }
}

// One escape after the backslash at text[pos - 1]; advances pos past it.
char16_t Escape(std::string_view text, std::size_t& pos) {
    char first = text[pos++];
    if (first == 'x') {
        if (pos >= text.size() || HexDigit(text[pos]) < 0) return u'x';
        unsigned unit = 0;
        for (int digits = 0; digits < 4 && pos < text.size() && HexDigit(text[pos]) >= 0; ++digits)
            unit = unit * 16 + static_cast<unsigned>(HexDigit(text[pos++]));
        return static_cast<char16_t>(unit);
    }
    if (IsOctal(first)) {
        unsigned unit = static_cast<unsigned>(first - '0');
        for (int digits = 1; digits < 3 && pos < text.size() && IsOctal(text[pos]); ++digits)
            unit = unit * 8 + static_cast<unsigned>(text[pos++] - '0');
        return static_cast<char16_t>(unit);
    }
    return ControlEscape(first);
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string Utf8FromUtf16(std::u16string_view units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        if (IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            AppendUtf8(out, 0x10000 + ((static_cast<std::uint32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00u));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

std::optional<WineString> UnescapeWineString(std::string_view text, char closing) {
    std::u16string units;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char c = text[pos++];
        if (c == closing) return WineString{Utf8FromUtf16(units), pos};
        if (c == '\\' && pos < text.size())
            units += Escape(text, pos);
        else
            units += static_cast<char16_t>(static_cast<unsigned char>(c));  // raw bytes as Latin-1
    }
    return std::nullopt;
}

}  // namespace corvane
