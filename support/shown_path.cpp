#include "support/shown_path.h"

namespace corvane {

namespace {

bool IsBidiControl(char16_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string WithVisibleControls(std::u16string_view path) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string shown;
    shown.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char16_t c = path[i];
        if (IsHighSurrogate(c) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
            shown += path.substr(i++, 2);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            shown += u'\uFFFD';
        } else if (IsBidiControl(c)) {
            shown += u"\u27E6U+";
            for (int shift = 12; shift >= 0; shift -= 4) shown += kDigits[(c >> shift) & 0xF];
            shown += u'\u27E7';
        } else {
            shown += c;
        }
    }
    return shown;
}

std::u16string CaptionPath(std::u16string_view path) {
    const std::u16string shown = WithVisibleControls(path);
    if (shown.size() <= kMaxCaptionPathLength) return shown;
    const std::size_t half = (kMaxCaptionPathLength - 1) / 2;
    return shown.substr(0, half) + u'\u2026' + shown.substr(shown.size() - (kMaxCaptionPathLength - 1 - half));
}

}  // namespace corvane
