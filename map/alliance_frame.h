#pragma once
// Frame1 "Allies and enemies:": the 4 x 4 alliance boxes (BB ... GG, row = the mask's owner) and
// the four mask fields (txtB, txtR, txtY2, txtG). A click on a box sets its partner too and
// recomputes the four masks.

#include "map/alliance_grid.h"

#include <QGroupBox>
#include <QString>

#include <array>

class QCheckBox;
class QLineEdit;

namespace corvane {

// What the frame shows: the boxes and the texts of the four mask fields.
struct AllianceState {
    AllianceGrid grid;
    std::array<QString, kPlayerCount> fields;
};

class AllianceFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit AllianceFrame(QWidget* parent = nullptr);

    // The boxes and fields as a level opens.
    void showLoaded(const LoadedAlliances& loaded);
    QLineEdit* maskField(int owner) const { return maskFields_[static_cast<std::size_t>(owner)]; }
    QCheckBox* box(int owner, int other) const { return boxes_[index(owner, other)]; }

    AllianceState state() const;
    void showState(const AllianceState& state);

signals:
    // A click on a box changed the alliances; `before` is what the frame showed until then.
    void edited(const corvane::AllianceState& before);

private:
    AllianceGrid grid_;
    std::array<QCheckBox*, kPlayerCount * kPlayerCount> boxes_{};
    std::array<QLineEdit*, kPlayerCount> maskFields_{};

    static std::size_t index(int owner, int other) { return static_cast<std::size_t>(owner * kPlayerCount + other); }
    void boxClicked(int owner, int other, bool checked);
    void showBoxes();
    void updateAlliances();
};

}  // namespace corvane
