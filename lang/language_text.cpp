#include "lang/language_text.h"

#include "lang/windows_1252.h"

namespace corvane {

namespace {

bool isSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

char16_t characterOfUnit(char16_t unit) {
    if (unit <= 0xFF) return UnicodeFromWindows1252(static_cast<unsigned char>(unit));
    return isSurrogate(unit) ? char16_t{0xFFFD} : unit;
}

}  // namespace

std::u16string TextFromUnits(const std::u16string& units) {
    std::u16string text;
    text.reserve(units.size());
    for (char16_t unit : units) text.push_back(characterOfUnit(unit));
    return text;
}

LanguageTextEncoding UnitsFromText(const std::u16string& text) {
    LanguageTextEncoding result;
    std::u16string units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = Windows1252FromUnicode(text[i]);
        if (!code || *code == 0) {
            result.position = i;
            result.character = text[i];
            return result;
        }
        units.push_back(*code);
    }
    result.units = std::move(units);
    return result;
}

}  // namespace corvane
