#include "map/map_fields.h"

#include "map/level_document.h"
#include "map/map_texts.h"

namespace corvane {

std::string AiScriptFieldName(int index) { return std::string("AI script of ") + kPlayerNames[kFirstAiPlayer + index]; }

std::string AllianceMaskFieldName(int player) { return std::string("Alliance mask of ") + kPlayerNames[player]; }

std::optional<std::string> BadCoordinateMessage(std::string_view x, std::string_view y) {
    if (!ParseByteField(x)) return NotAByteMessage("Marker X", x);
    if (!ParseByteField(y)) return NotAByteMessage("Marker Y", y);
    return std::nullopt;
}

std::optional<std::string> BadFieldMessage(const MapFieldTexts& fields) {
    if (fields.coordinates) {
        if (auto message = BadCoordinateMessage((*fields.coordinates)[0], (*fields.coordinates)[1])) return message;
    }
    for (int i = 0; i < kAiPlayerCount; ++i) {
        const std::string& text = fields.aiScripts[static_cast<std::size_t>(i)];
        if (!ParseByteField(text)) return NotAByteMessage(AiScriptFieldName(i), text);
    }
    for (int p = 0; p < kPlayerCount; ++p) {
        const std::string& text = fields.allianceMasks[static_cast<std::size_t>(p)];
        if (!ParseByteField(text)) return NotAByteMessage(AllianceMaskFieldName(p), text);
    }
    return std::nullopt;
}

bool HasUnsavedEdits(const LevelDocument& document, const MapFieldTexts& fields) {
    if (document.IsModified() || BadFieldMessage(fields)) return true;
    const int selected = document.SelectedMarker();
    if (!fields.coordinates || selected < 0) return false;
    const Marker typed{*ParseByteField((*fields.coordinates)[0]), *ParseByteField((*fields.coordinates)[1])};
    return typed != document.MarkerAt(selected);
}

}  // namespace corvane
