#pragma once
// Frame1 "Allies and enemies:": the 4 x 4 alliance boxes (BB ... GG, row = the mask's owner) and
// the four mask fields (txtB, txtR, txtY2, txtG). It shows the level document's alliances; a click
// on a box is reported, and the document decides what the boxes and masks become.

#include <QGroupBox>
#include <array>

#include "map/alliance_grid.h"

class QCheckBox;
class QLineEdit;

namespace corvane {

class AllianceFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit AllianceFrame(QWidget* parent = nullptr);

    void showGrid(const AllianceGrid& grid);
    QLineEdit* maskField(int owner) const { return maskFields_[static_cast<std::size_t>(owner)]; }
    QCheckBox* box(int owner, int other) const { return boxes_[index(owner, other)]; }

signals:
    void boxClicked(int owner, int other, bool allied);

private:
    std::array<QCheckBox*, kPlayerCount * kPlayerCount> boxes_{};
    std::array<QLineEdit*, kPlayerCount> maskFields_{};

    static std::size_t index(int owner, int other) { return static_cast<std::size_t>(owner * kPlayerCount + other); }
};

}  // namespace corvane
