#include "map/level_document.h"

#include "map/level_file.h"
#include "map/map_texts.h"

namespace corvane {

std::string LevelOpenError::Message() const {
    return (part == Part::LevelFile ? "Could not open the map: " : "Could not read the map's header file: ") +
           file.message();
}

std::variant<LevelDocument, LevelOpenError> LevelDocument::Open(const std::string& levelFile) {
    LevelPaths paths = LevelPathsFor(levelFile);
    auto terrain = LoadLevelTerrain(paths.levelFile);
    if (auto* error = std::get_if<FileError>(&terrain)) return LevelOpenError{LevelOpenError::Part::LevelFile, *error};
    auto header = LoadLevelHeader(paths.headerFile);
    if (auto* error = std::get_if<FileError>(&header)) return LevelOpenError{LevelOpenError::Part::HeaderFile, *error};
    return LevelDocument(std::move(paths), std::move(std::get<LevelTerrain>(terrain)), std::get<LevelHeader>(header));
}

LevelDocument::LevelDocument(LevelPaths paths, LevelTerrain terrain, const LevelHeader& header)
    : paths_(std::move(paths)), terrain_(std::move(terrain)), openedMarkers_(header.markers) {
    // The boxes come from the masks as read; a mask whose pair a later mask decided shows what the
    // boxes give, and that is what a save writes.
    LoadedAlliances loaded = AlliancesFromMasks(header.allianceMasks);
    state_.header = header;
    state_.grid = loaded.grid;
    for (int p = 0; p < kPlayerCount; ++p)
        state_.header.allianceMasks[static_cast<std::size_t>(p)] =
            static_cast<std::uint8_t>(loaded.fields[static_cast<std::size_t>(p)]);
    saved_ = state_;
}

std::string LevelDocument::MarkerLine(int number) const {
    const Marker at = MarkerAt(number);
    return at == openedMarkers_[static_cast<std::size_t>(number)] ? MarkerLineAtLoad(number, at)
                                                                  : MarkerLineAfterEdit(number, at);
}

bool LevelDocument::Apply(const std::string& text, const std::string& run, const State& after) {
    if (after == state_) return false;
    steps_.resize(undoneFrom_);  // a new edit drops what was undone
    if (!run.empty() && run == lastRun_ && !steps_.empty()) {
        Step& last = steps_.back();
        last.after = after;
        if (last.after == last.before) {
            steps_.pop_back();
            lastRun_.clear();
        }
    } else {
        steps_.push_back({text, run, state_, after});
        lastRun_ = run;
    }
    undoneFrom_ = steps_.size();
    state_ = after;
    return true;
}

bool LevelDocument::MoveMarker(int number, Marker to, const std::string& run) {
    State after = state_;
    after.header.markers[static_cast<std::size_t>(number)] = to;
    return Apply("Move marker " + std::to_string(number), run, after);
}

bool LevelDocument::SetAiScript(int index, std::uint8_t number, const std::string& run) {
    State after = state_;
    after.header.aiScripts[static_cast<std::size_t>(index)] = number;
    return Apply(std::string("Change the AI script of ") + kPlayerNames[kFirstAiPlayer + index], run, after);
}

bool LevelDocument::SetAllianceMask(int owner, std::uint8_t mask, const std::string& run) {
    State after = state_;
    after.header.allianceMasks[static_cast<std::size_t>(owner)] = mask;
    return Apply(std::string("Change the alliance mask of ") + kPlayerNames[owner], run, after);
}

bool LevelDocument::SetAllied(int owner, int other, bool allied) {
    State after = state_;
    if (!after.grid.Set(owner, other, allied)) return false;
    for (int p = 0; p < kPlayerCount; ++p)
        after.header.allianceMasks[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(after.grid.Mask(p));
    return Apply("Change alliances", {}, after);
}

void LevelDocument::Undo() {
    if (!CanUndo()) return;
    state_ = steps_[--undoneFrom_].before;
    lastRun_.clear();
}

void LevelDocument::Redo() {
    if (!CanRedo()) return;
    state_ = steps_[undoneFrom_++].after;
    lastRun_.clear();
}

std::optional<HeaderSaveError> LevelDocument::Save(bool mayCreate) {
    auto error = SaveLevelHeader(paths_.headerFile, state_.header, mayCreate);
    if (!error) saved_ = state_;
    return error;
}

}  // namespace corvane
