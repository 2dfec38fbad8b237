#include "cli/level_command.h"

#include <functional>
#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "cli/output_file.h"
#include "map/level_document.h"
#include "map/map_fields.h"
#include "map/map_painter.h"
#include "map/map_png.h"
#include "map/map_texts.h"
#include "support/file_utils.h"
#include "support/message_word.h"

namespace corvane {
namespace {

using nlohmann::json;

// A refused value: the message says which and why.
struct Refusal {
    std::string message;
};

std::optional<LevelDocument> OpenLevel(const std::string& path, std::ostream& err) {
    if (!FileExists(path)) {
        std::error_code ec;
        const bool exists = std::filesystem::exists(PathFromUtf8(path), ec);
        err << path << ": " << (exists ? "is not a regular file" : "does not exist") << '\n';
        return std::nullopt;
    }
    auto opened = LevelDocument::Open(path);
    if (auto* error = std::get_if<LevelOpenError>(&opened)) {
        err << error->Message() << '\n';
        return std::nullopt;
    }
    return std::move(std::get<LevelDocument>(opened));
}

using ordered_json = nlohmann::ordered_json;

ordered_json Point(const MapPoint& at) { return at.x < 0 ? ordered_json(nullptr) : ordered_json::array({at.x, at.y}); }

// Players in their order, one key a line, the markers eight to a line: short enough to read and
// to edit by hand.
std::string LevelJson(const LevelDocument& level) {
    const LevelHeader& header = level.Header();
    ordered_json ai = ordered_json::object(), masks = ordered_json::object(), players = ordered_json::object(),
                 heads = ordered_json::array();
    for (int i = 0; i < kAiPlayerCount; ++i)
        ai[kPlayerNames[kFirstAiPlayer + i]] = header.aiScripts[static_cast<std::size_t>(i)];
    for (int p = 0; p < kPlayerCount; ++p) {
        masks[kPlayerNames[p]] = header.allianceMasks[static_cast<std::size_t>(p)];
        players[kPlayerNames[p]] = Point(level.Terrain().playerPositions[static_cast<std::size_t>(p)]);
    }
    for (const MapPoint& head : level.Terrain().stoneHeads) heads.push_back(Point(head));
    std::string markers;
    for (std::size_t n = 0; n < header.markers.size(); ++n) {
        markers += n == 0 ? "\n    " : n % 8 == 0 ? ",\n    " : ", ";
        markers += "[" + std::to_string(header.markers[n].x) + ", " + std::to_string(header.markers[n].y) + "]";
    }
    return "{\n  \"level\": " + ordered_json(level.Paths().levelFile).dump() +
           ",\n  \"header\": " + ordered_json(level.Paths().headerFile).dump() + ",\n  \"ai_scripts\": " + ai.dump() +
           ",\n  \"alliance_masks\": " + masks.dump() + ",\n  \"markers\": [" + markers +
           "\n  ],\n  \"players\": " + players.dump() + ",\n  \"stone_heads\": " + heads.dump() + "\n}\n";
}

// The player named (any letter case) among the players from `first` on; -1 for none.
int PlayerNamed(const std::string& name, int first) {
    for (int p = first; p < kPlayerCount; ++p)
        if (ToLowerAscii(kPlayerNames[p]) == ToLowerAscii(name)) return p;
    return -1;
}

std::string PlayerList(int first) {
    std::string list;
    for (int p = first; p < kPlayerCount; ++p) list += (list.empty() ? "" : ", ") + std::string(kPlayerNames[p]);
    return list;
}

// One edit of the document, checked before anything is applied.
using Edit = std::function<void(LevelDocument&)>;

std::variant<std::uint8_t, Refusal> Byte(const std::string& fieldName, const std::string& text) {
    auto value = ParseByteField(text);
    if (!value) return Refusal{NotAByteMessage(fieldName, text)};
    return *value;
}

std::variant<std::uint8_t, Refusal> Byte(const std::string& fieldName, const json& value) {
    if (!value.is_number_integer()) return Refusal{NotAByteMessage(fieldName, value.dump())};
    return Byte(fieldName, value.dump());
}

std::variant<Edit, Refusal> PlayerEdit(bool ai, const std::string& player, const auto& value) {
    const int first = ai ? kFirstAiPlayer : 0;
    const int p = PlayerNamed(player, first);
    if (p < 0)
        return Refusal{"No player \"" + WordForMessage(player) + "\" has " +
                       (ai ? "an AI script" : "an alliance mask") + "; the players are " + PlayerList(first) + "."};
    const std::string field = ai ? AiScriptFieldName(p - kFirstAiPlayer) : AllianceMaskFieldName(p);
    auto byte = Byte(field, value);
    if (auto* refusal = std::get_if<Refusal>(&byte)) return *refusal;
    const std::uint8_t number = std::get<std::uint8_t>(byte);
    if (ai) return Edit([p, number](LevelDocument& d) { d.SetAiScript(p - kFirstAiPlayer, number); });
    return Edit([p, number](LevelDocument& d) { d.SetAllianceMask(p, number); });
}

std::variant<Edit, Refusal> MarkerEdit(const std::string& numberText, const auto& x, const auto& y) {
    auto number = ParseByteField(numberText);
    if (!number) return Refusal{NotAByteMessage("Marker number", numberText)};
    auto bx = Byte("Marker X", x);
    if (auto* refusal = std::get_if<Refusal>(&bx)) return *refusal;
    auto by = Byte("Marker Y", y);
    if (auto* refusal = std::get_if<Refusal>(&by)) return *refusal;
    Marker to{std::get<std::uint8_t>(bx), std::get<std::uint8_t>(by)};
    return Edit([n = *number, to](LevelDocument& d) { d.MoveMarker(n, to); });
}

// "--ai RED=7", "--mask BLUE=9", "--marker 5=120,36".
std::variant<Edit, Refusal> OptionEdit(const std::string& option, const std::string& value) {
    const auto equals = value.find('=');
    if (equals == std::string::npos)
        return Refusal{option + " \"" + WordForMessage(value) + "\": the form is " + option +
                       (option == "--marker" ? " NUMBER=X,Y." : " PLAYER=NUMBER.")};
    const std::string key = value.substr(0, equals), rest = value.substr(equals + 1);
    if (option != "--marker") return PlayerEdit(option == "--ai", key, rest);
    const auto comma = rest.find(',');
    if (comma == std::string::npos)
        return Refusal{"--marker \"" + WordForMessage(value) + "\": the form is --marker NUMBER=X,Y."};
    return MarkerEdit(key, rest.substr(0, comma), rest.substr(comma + 1));
}

// A file in the form `level show` prints; what a save cannot change (the files, players and stone
// heads) is passed over.
std::variant<std::vector<Edit>, Refusal> JsonEdits(const json& document) {
    if (!document.is_object()) return Refusal{"the JSON file must hold one object, as level show prints."};
    std::vector<Edit> edits;
    auto take = [&edits](std::variant<Edit, Refusal> edit) -> std::optional<Refusal> {
        if (auto* refusal = std::get_if<Refusal>(&edit)) return *refusal;
        edits.push_back(std::get<Edit>(std::move(edit)));
        return std::nullopt;
    };
    for (const auto& [key, value] : document.items()) {
        if (key == "level" || key == "header" || key == "players" || key == "stone_heads") continue;
        if (key == "ai_scripts" || key == "alliance_masks") {
            if (!value.is_object()) return Refusal{"\"" + key + "\" must be an object of players and numbers."};
            for (const auto& [player, number] : value.items())
                if (auto refusal = take(PlayerEdit(key == "ai_scripts", player, number))) return *refusal;
        } else if (key == "markers") {
            if (!value.is_array() && !value.is_object())
                return Refusal{"\"markers\" must be a list of [X, Y] or an object of marker numbers and [X, Y]."};
            std::size_t index = 0;
            for (const auto& [name, point] : value.items()) {
                const std::string number = value.is_array() ? std::to_string(index++) : name;
                if (!point.is_array() || point.size() != 2)
                    return Refusal{"marker " + WordForMessage(number) + " must be [X, Y], not " + point.dump() + "."};
                if (auto refusal = take(MarkerEdit(number, point[0], point[1]))) return *refusal;
            }
        } else {
            return Refusal{"unknown key \"" + WordForMessage(key) +
                           "\"; a level holds ai_scripts, alliance_masks and markers."};
        }
    }
    return edits;
}

int Show(const std::string& path, std::ostream& out, std::ostream& err) {
    auto level = OpenLevel(path, err);
    if (!level) return kExitUsage;
    out << LevelJson(*level);
    return kExitSuccess;
}

int Set(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    const std::string& path = operands[1];
    std::vector<Edit> edits;
    bool create = false;
    auto refuse = [&err, &path](const std::string& message) {
        // A refused value's message already says that nothing changed.
        err << path << ": " << message << (message.ends_with("Nothing was changed.") ? "" : " Nothing was changed.")
            << '\n';
        return kExitRejected;
    };
    if (operands.size() == 3 && operands[2].substr(0, 2) != "--") {
        std::string text, reason;
        if (!ReadWholeFile(operands[2], text, &reason)) {
            err << operands[2] << ": " << reason << '\n';
            return kExitUsage;
        }
        json document = json::parse(text, nullptr, false);
        if (document.is_discarded()) return refuse(operands[2] + " is not JSON.");
        auto read = JsonEdits(document);
        if (auto* refusal = std::get_if<Refusal>(&read)) return refuse(operands[2] + ": " + refusal->message);
        edits = std::get<std::vector<Edit>>(std::move(read));
    } else {
        for (std::size_t i = 2; i < operands.size(); ++i) {
            const std::string& option = operands[i];
            if (option == "--create") {
                create = true;
                continue;
            }
            if (option != "--ai" && option != "--mask" && option != "--marker")
                return refuse("unknown option \"" + WordForMessage(option) + "\".");
            if (i + 1 == operands.size()) return refuse(option + " needs a value.");
            auto edit = OptionEdit(option, operands[++i]);
            if (auto* refusal = std::get_if<Refusal>(&edit)) return refuse(refusal->message);
            edits.push_back(std::get<Edit>(std::move(edit)));
        }
    }
    if (edits.empty()) return refuse("no change given (--ai, --mask, --marker or a JSON file).");
    auto level = OpenLevel(path, err);
    if (!level) return kExitUsage;
    for (const Edit& edit : edits) edit(*level);
    if (auto error = level->Save(create)) {
        if (error->kind == HeaderSaveError::Kind::Missing)
            err << "The header file " << error->file.path << " does not exist; give --create to create it.\n";
        else
            err << "Could not save the map: " << error->file.message() << '\n';
        return kExitUsage;
    }
    out << "Written to " << level->Paths().headerFile << '\n';
    return kExitSuccess;
}

int Picture(const std::string& path, const std::string& outPath, std::ostream& out, std::ostream& err) {
    if (IsInputFile(path, outPath, err)) return kExitUsage;
    auto level = OpenLevel(path, err);
    if (!level) return kExitUsage;
    MapImage image;
    MapPainter().Paint(image, MapScene{level->Terrain(), level->Markers(), -1, -1});
    if (!WriteOutputFile(outPath, EncodeMapPng(image), err)) return kExitUsage;
    out << "Written to " << outPath << '\n';
    return kExitSuccess;
}

}  // namespace

std::optional<int> RunLevel(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    if (operands.size() == 2 && operands[0] == "show") return Show(operands[1], out, err);
    if (operands.size() >= 3 && operands[0] == "set") return Set(operands, out, err);
    if (operands.size() == 3 && operands[0] == "picture") return Picture(operands[1], operands[2], out, err);
    return std::nullopt;
}

}  // namespace corvane
