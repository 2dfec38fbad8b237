#include "lang/language_text.h"

#include <vector>

#include "text/windows_1252.h"

namespace corvane {

namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

// The line breaks of `text` in order, each as it is written there.
std::vector<std::u16string_view> LineBreaksOf(std::u16string_view text) {
    std::vector<std::u16string_view> breaks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == kCrLf) {
            breaks.push_back(kCrLf);
            ++i;
        } else if (text[i] == u'\r' || text[i] == u'\n') {
            breaks.push_back(text.substr(i, 1));
        }
    }
    return breaks;
}

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

char16_t CharacterOfUnit(char16_t unit) {
    if (unit <= 0xFF) return UnicodeFromWindows1252(static_cast<unsigned char>(unit));
    return IsSurrogate(unit) ? char16_t{0xFFFD} : unit;
}

}  // namespace

std::u16string TextFromUnits(const std::u16string& units) {
    std::u16string text;
    text.reserve(units.size());
    for (char16_t unit : units) text.push_back(CharacterOfUnit(unit));
    return text;
}

std::u16string ListTextOfUnit(char16_t unit) {
    if (unit <= 0xFF) return std::u16string(1, CharacterOfUnit(unit));
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text = u"\u27E6U+";
    for (int shift = 12; shift >= 0; shift -= 4) text.push_back(kDigits[(unit >> shift) & 0xF]);
    return text + u"\u27E7";
}

std::optional<char16_t> UnitOfTypedCharacter(char16_t character) {
    const auto code = Windows1252FromUnicode(character);
    if (!code || *code == 0) return std::nullopt;
    return *code;
}

std::u16string RestoreLineBreaks(std::u16string_view boxText, std::u16string_view previous) {
    const auto breaks = LineBreaksOf(previous);
    std::u16string text;
    text.reserve(boxText.size() + breaks.size());
    std::size_t used = 0;
    for (char16_t character : boxText) {
        if (character != u'\n') {
            text.push_back(character);
            continue;
        }
        if (used < breaks.size()) {
            text += breaks[used++];
        } else {
            text += breaks.empty() ? kCrLf : breaks.back();
        }
    }
    return text;
}

}  // namespace corvane
