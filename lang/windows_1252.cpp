#include "lang/windows_1252.h"

#include <array>

namespace corvane {

namespace {

// 0x80 to 0x9F are the only codes where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool inHighControlRange(unsigned code) { return code >= 0x80 && code <= 0x9F; }

}  // namespace

char16_t UnicodeFromWindows1252(unsigned char code) {
    if (inHighControlRange(code)) return kHighControlRange[code - 0x80];
    return static_cast<char16_t>(code);
}

std::optional<unsigned char> Windows1252FromUnicode(char16_t character) {
    if (character <= 0xFF && !inHighControlRange(character)) return static_cast<unsigned char>(character);
    for (unsigned i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace corvane
