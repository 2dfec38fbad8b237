#include "support/message_word.h"

namespace corvane {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

void appendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

}  // namespace

std::string WordForMessage(std::string_view word) {
    const std::string_view shown = word.substr(0, kMessageWordLimit);
    std::string text;
    text.reserve(shown.size() + 32);
    for (const char c : shown) {
        if (isControl(static_cast<unsigned char>(c))) {
            appendEscaped(text, static_cast<unsigned char>(c));
        } else {
            text += c;
        }
    }
    if (word.size() > shown.size()) text += "... (" + std::to_string(word.size()) + " characters)";
    return text;
}

}  // namespace corvane
