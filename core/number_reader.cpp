#include "core/number_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace corvane {
namespace {

constexpr std::int64_t kInt32Min = -2147483648LL;
constexpr std::int64_t kInt32Max = 2147483647;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

std::size_t RadixDigitCount(std::string_view digits, int base) {
    std::size_t count = 0;
    while (count < digits.size() && DigitValue(digits[count], base) >= 0) ++count;
    return count;
}

// "&H..." or "&O...": digits of the base as far as they go; none gives 0.
std::optional<std::int32_t> ReadRadixNumber(std::string_view digits, int base) {
    std::int64_t value = 0;
    for (char c : digits.substr(0, RadixDigitCount(digits, base))) {
        value = value * base + DigitValue(c, base);
        if (value > kInt32Max) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// The parts of a decimal number at the start of a text.
struct DecimalParts {
    std::string_view text;      // sign, mantissa and exponent as far as they fit
    std::string_view integer;   // digits before the point
    std::string_view fraction;  // digits after the point
    std::int64_t exponent = 0;  // saturated, so that a huge exponent cannot overflow
};

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

std::int64_t SaturatedExponent(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    for (char c : digits) value = std::min<std::int64_t>(value * 10 + (c - '0'), 100000000);
    return negative ? -value : value;
}

DecimalParts SplitDecimal(std::string_view text) {
    DecimalParts parts;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t intStart = at;
    at = SkipDigits(text, at);
    parts.integer = text.substr(intStart, at - intStart);
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracStart = at + 1;
        at = SkipDigits(text, fracStart);
        parts.fraction = text.substr(fracStart, at - fracStart);
    }
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e') &&
        !(parts.integer.empty() && parts.fraction.empty())) {
        std::size_t expAt = at + 1;
        const bool negative = expAt < text.size() && text[expAt] == '-';
        if (expAt < text.size() && (text[expAt] == '+' || text[expAt] == '-')) ++expAt;
        const std::size_t expEnd = SkipDigits(text, expAt);
        if (expEnd > expAt) {  // an "E" without digits is not part of the number
            parts.exponent = SaturatedExponent(text.substr(expAt, expEnd - expAt), negative);
            at = expEnd;
        }
    }
    parts.text = text.substr(0, at);
    return parts;
}

// The power of ten of the number's first significant digit plus one (1 for 1..9.99, 3 for
// 100..999); nothing when every digit is 0.
std::optional<std::int64_t> Magnitude(const DecimalParts& parts) {
    const std::size_t firstInt = parts.integer.find_first_not_of('0');
    if (firstInt != std::string_view::npos) {
        return static_cast<std::int64_t>(parts.integer.size() - firstInt) + parts.exponent;
    }
    const std::size_t firstFrac = parts.fraction.find_first_not_of('0');
    if (firstFrac == std::string_view::npos) return std::nullopt;
    return -static_cast<std::int64_t>(firstFrac) + parts.exponent;
}

// Whole numbers, the common case, without floating point.
std::optional<std::int32_t> ReadWholeNumber(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kInt32Max + 1) return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > kInt32Max) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The exact decimal value rounded half to even, digit by digit: a double would round
// "1.49999999999999999" to 1.5 first and then to 2.
std::optional<std::int32_t> RoundDecimal(const DecimalParts& parts, bool negative) {
    const std::string_view integer = parts.integer;
    const std::string_view fraction = parts.fraction;
    const auto digitAt = [&](std::int64_t i) {
        return i < static_cast<std::int64_t>(integer.size()) ? integer[i] : fraction[i - integer.size()];
    };
    const auto total = static_cast<std::int64_t>(integer.size() + fraction.size());
    const std::int64_t point = static_cast<std::int64_t>(integer.size()) + parts.exponent;  // digits before the point
    if (point < 0) return 0;                                                                // below 0.1

    std::int64_t whole = 0;
    for (std::int64_t i = 0; i < std::min(point, total); ++i) whole = whole * 10 + (digitAt(i) - '0');
    for (std::int64_t i = total; i < point; ++i) {
        whole *= 10;
        if (whole > kInt32Max + 1) return std::nullopt;
    }
    const char first = point < total ? digitAt(point) : '0';
    bool restNonZero = false;
    for (std::int64_t i = point + 1; i < total && !restNonZero; ++i) restNonZero = digitAt(i) != '0';
    if (first > '5' || (first == '5' && (restNonZero || whole % 2 != 0))) ++whole;

    const std::int64_t value = negative ? -whole : whole;
    if (value < kInt32Min || value > kInt32Max) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ReadDecimalNumber(std::string_view text) {
    const DecimalParts parts = SplitDecimal(text);
    const bool negative = parts.text.starts_with('-');
    if (parts.text.find_first_of(".Ee") == std::string_view::npos) return ReadWholeNumber(parts.integer, negative);
    const auto magnitude = Magnitude(parts);
    if (!magnitude) return 0;                  // no digits, or only zeros
    if (*magnitude > 10) return std::nullopt;  // at least 10^10
    if (*magnitude < -5) return 0;             // below 10^-6: rounds to 0
    return RoundDecimal(parts, negative);
}

// 16 or 8 for a text that begins "&H" or "&O"; 0 for a decimal one.
int RadixOf(std::string_view text) {
    if (text.size() < 2 || text[0] != '&') return 0;
    if (text[1] == 'H' || text[1] == 'h') return 16;
    if (text[1] == 'O' || text[1] == 'o') return 8;
    return 0;
}

}  // namespace

std::optional<std::int32_t> ReadScriptNumber(std::string_view text) {
    if (const int base = RadixOf(text)) return ReadRadixNumber(text.substr(2), base);
    return ReadDecimalNumber(text);
}

std::size_t ScriptNumberLength(std::string_view text) {
    if (const int base = RadixOf(text)) return 2 + RadixDigitCount(text.substr(2), base);
    const DecimalParts parts = SplitDecimal(text);
    return parts.integer.empty() && parts.fraction.empty() ? 0 : parts.text.size();
}

}  // namespace corvane
