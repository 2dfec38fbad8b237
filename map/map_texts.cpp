#include "map/map_texts.h"

#include "support/message_word.h"

namespace corvane {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string MarkerLineAtLoad(int number, Marker marker) {
    return std::to_string(number) + " (" + std::to_string(marker.x) + ", " + std::to_string(marker.y) + ")";
}

std::string MarkerLineAfterEdit(int number, Marker marker) {
    return std::to_string(number) + " (" + std::to_string(marker.x) + " ," + std::to_string(marker.y) + ")";
}

std::string StoneHeadLine(MapPoint at) { return "StoneH X: " + std::to_string(at.x) + ", Y: " + std::to_string(at.y); }

std::optional<std::uint8_t> ParseByteField(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > 255) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::string NotAByteMessage(std::string_view fieldName, std::string_view text) {
    return std::string(fieldName) + " must be a whole number from 0 to 255, not \"" + WordForMessage(text) +
           "\". Nothing was changed.";
}

}  // namespace corvane
