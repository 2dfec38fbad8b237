#pragma once
// The level being edited: its terrain (read only), the header as it will be saved (markers, AI
// script numbers, alliance masks), the alliance boxes, the selected marker, the undo history and
// whether anything differs from what was opened or last saved. The map window and the command
// line's `level` commands are views of it; neither keeps a level of its own.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "map/alliance_grid.h"
#include "map/level_data.h"
#include "map/level_header.h"
#include "map/level_paths.h"

namespace corvane {

// Why a level could not be opened: which of the two files, and why.
struct LevelOpenError {
    enum class Part { LevelFile, HeaderFile };
    Part part;
    FileError file;

    // "Could not open the map: ..." or "Could not read the map's header file: ...".
    std::string Message() const;
};

class LevelDocument {
public:
    // Reads the level file and its header file. A missing header file reads as zeros and is not
    // created until a save.
    static std::variant<LevelDocument, LevelOpenError> Open(const std::string& levelFile);
    LevelDocument(LevelPaths paths, LevelTerrain terrain, const LevelHeader& header);

    const LevelPaths& Paths() const { return paths_; }
    const LevelTerrain& Terrain() const { return terrain_; }
    const LevelHeader& Header() const { return state_.header; }
    const AllianceGrid& Alliances() const { return state_.grid; }
    const std::array<Marker, kMarkerCount>& Markers() const { return state_.header.markers; }
    Marker MarkerAt(int number) const { return Markers()[static_cast<std::size_t>(number)]; }

    // The marker being edited, -1 when none. Choosing one is no edit.
    int SelectedMarker() const { return selectedMarker_; }
    void SelectMarker(int number) { selectedMarker_ = number; }

    // The marker's list line: as a level is opened while the marker stands where the file has it,
    // in the edited form once it has moved.
    std::string MarkerLine(int number) const;

    // Each edit below is one undo step; consecutive edits with the same non-empty `run` merge into
    // one (the keys typed into one field, the steps of one drag or one run of arrow keys), and a run
    // that ends where it began leaves no step. False when nothing changed.
    bool MoveMarker(int number, Marker to, const std::string& run = {});
    bool SetAiScript(int index, std::uint8_t number, const std::string& run = {});
    bool SetAllianceMask(int owner, std::uint8_t mask, const std::string& run = {});
    // Sets the pair of boxes and recomputes all four masks from the boxes.
    bool SetAllied(int owner, int other, bool allied);
    // The next edit starts a step of its own even when its run matches the last one.
    void EndRun() { lastRun_.clear(); }

    bool CanUndo() const { return undoneFrom_ > 0; }
    bool CanRedo() const { return undoneFrom_ < steps_.size(); }
    void Undo();
    void Redo();
    // The steps that Undo can take back.
    std::size_t UndoCount() const { return undoneFrom_; }
    std::string UndoText() const { return CanUndo() ? steps_[undoneFrom_ - 1].text : std::string(); }
    std::string RedoText() const { return CanRedo() ? steps_[undoneFrom_].text : std::string(); }

    // Whether the header would be written differently from what was opened or last saved.
    bool IsModified() const { return !(state_ == saved_); }

    // Writes the header into the header file, keeping its other bytes. A missing header file is
    // created only when `mayCreate`. Afterwards the document counts as unmodified.
    std::optional<HeaderSaveError> Save(bool mayCreate);

private:
    struct State {
        LevelHeader header;
        AllianceGrid grid;
        friend bool operator==(const State&, const State&) = default;
    };
    struct Step {
        std::string text;
        std::string run;
        State before, after;
    };

    bool Apply(const std::string& text, const std::string& run, const State& after);

    LevelPaths paths_;
    LevelTerrain terrain_;
    std::array<Marker, kMarkerCount> openedMarkers_{};
    State state_;
    State saved_;
    int selectedMarker_ = -1;
    std::vector<Step> steps_;
    std::size_t undoneFrom_ = 0;  // steps_[0, undoneFrom_) are done, the rest undone
    std::string lastRun_;
};

}  // namespace corvane
