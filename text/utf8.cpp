#include "text/utf8.h"

namespace corvane {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

}  // namespace

std::optional<std::pair<char32_t, std::size_t>> NextUtf8(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if (lead < 0x80) return std::make_pair(char32_t{lead}, std::size_t{1});
    if ((lead & 0xE0) == 0xC0) {
        length = 2, character = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, character = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, character = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - at < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + i]);
        if (!IsContinuation(byte)) return std::nullopt;
        character = (character << 6) | (byte & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF || IsSurrogate(character)) return std::nullopt;
    return std::make_pair(character, length);
}

std::optional<std::pair<char32_t, std::size_t>> NextUtf16(std::u16string_view units, std::size_t at) {
    const char32_t unit = units[at];
    if (!IsSurrogate(unit)) return std::make_pair(unit, std::size_t{1});
    if (unit >= 0xDC00 || at + 1 >= units.size()) return std::nullopt;
    const char32_t low = units[at + 1];
    if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
    return std::make_pair(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), std::size_t{2});
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace corvane
