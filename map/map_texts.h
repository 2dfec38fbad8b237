#pragma once
// The lines of the marker and stone-head lists, and the whole-number fields of the map window.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "map/level_data.h"

namespace corvane {

// "5 (120, 36)": the form of the lines made when a level is opened.
std::string MarkerLineAtLoad(int number, Marker marker);
// "5 (120 ,36)": the form of a line rewritten after the marker was edited.
std::string MarkerLineAfterEdit(int number, Marker marker);
// "StoneH X: 12, Y: 34".
std::string StoneHeadLine(MapPoint at);

// A whole number from 0 to 255 in decimal digits, blanks around it allowed; nothing otherwise.
std::optional<std::uint8_t> ParseByteField(std::string_view text);

// The message for a field whose text is not such a number.
std::string NotAByteMessage(std::string_view fieldName, std::string_view text);

}  // namespace corvane
