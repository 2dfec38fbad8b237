#pragma once
// The map window's whole-number fields as the user typed them: which one a save refuses, and
// whether they hold edits that the level's header file does not have yet.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "map/level_data.h"

namespace corvane {

class LevelDocument;

struct MapFieldTexts {
    std::optional<std::array<std::string, 2>> coordinates;  // X and Y, while a marker is selected
    std::array<std::string, kAiPlayerCount> aiScripts{};    // Red, Yellow, Green
    std::array<std::string, kPlayerCount> allianceMasks{};  // Blue, Red, Yellow, Green
};

// "AI script of Yellow", "Alliance mask of Blue": the names the messages give these fields.
std::string AiScriptFieldName(int index);
std::string AllianceMaskFieldName(int player);

// The message for X or, when X is a byte, for Y; nothing when both are bytes.
std::optional<std::string> BadCoordinateMessage(std::string_view x, std::string_view y);
// The message for the first field that is not a byte, in the order X, Y, the AI scripts, the masks.
std::optional<std::string> BadFieldMessage(const MapFieldTexts& fields);

// An edit in the level, a field that is not a byte, or coordinates typed and not yet taken into
// the selected marker: all of it is lost unless saved.
bool HasUnsavedEdits(const LevelDocument& document, const MapFieldTexts& fields);

}  // namespace corvane
