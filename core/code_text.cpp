#include "core/code_text.h"

namespace corvane {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A pair of characters read as hexadecimal as far as it holds hexadecimal digits.
std::uint8_t ReadHexPair(std::string_view pair) {
    unsigned value = 0;
    for (char c : pair) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint8_t>(value);
}

void AppendHexByte(std::string& out, unsigned byte) {
    out += kHexDigits[(byte >> 4) & 0xF];
    out += kHexDigits[byte & 0xF];
}

}  // namespace

std::string CodeText(std::uint16_t code) {
    std::string text;
    text.reserve(4);
    AppendHexByte(text, code & 0xFFu);
    AppendHexByte(text, code >> 8);
    return text;
}

std::array<std::uint8_t, 2> CodeBytesFromText(std::string_view codeText) {
    const std::string_view first = codeText.substr(0, 2);
    const std::string_view second = codeText.size() > 2 ? codeText.substr(codeText.size() - 2) : std::string_view();
    return {ReadHexPair(first), ReadHexPair(second)};
}

std::uint16_t CodeFromText(std::string_view codeText) {
    const auto bytes = CodeBytesFromText(codeText);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

}  // namespace corvane
