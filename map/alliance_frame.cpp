#include "map/alliance_frame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace corvane {
namespace {

const char kPlayerLetters[kPlayerCount] = {'B', 'R', 'Y', 'G'};
const char* const kMaskFieldNames[kPlayerCount] = {"txtB", "txtR", "txtY2", "txtG"};

}  // namespace

AllianceFrame::AllianceFrame(QWidget* parent) : QGroupBox(tr("Allies and enemies:"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Mask"), this), 0, kPlayerCount + 1);
    for (int p = 0; p < kPlayerCount; ++p) {
        grid->addWidget(new QLabel(QString::fromLatin1(kPlayerNames[p]), this), 0, p + 1, Qt::AlignHCenter);
        grid->addWidget(new QLabel(QString::fromLatin1(kPlayerNames[p]), this), p + 1, 0);
    }
    for (int owner = 0; owner < kPlayerCount; ++owner) {
        for (int other = 0; other < kPlayerCount; ++other) {
            auto* box = new QCheckBox(this);
            box->setObjectName(QString(QChar::fromLatin1(kPlayerLetters[owner])) + QChar::fromLatin1(kPlayerLetters[other]));
            box->setChecked(owner == other);
            box->setEnabled(owner != other);  // each player is its own ally
            connect(box, &QCheckBox::clicked, this, [=, this](bool checked) { boxClicked(owner, other, checked); });
            boxes_[index(owner, other)] = box;
            grid->addWidget(box, owner + 1, other + 1, Qt::AlignHCenter);
        }
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(kMaskFieldNames[owner]));
        field->setMaximumWidth(60);
        maskFields_[static_cast<std::size_t>(owner)] = field;
        grid->addWidget(field, owner + 1, kPlayerCount + 1);
    }
    grid->setColumnStretch(kPlayerCount + 2, 1);  // the boxes stay together on a wide window
}

void AllianceFrame::showLoaded(const LoadedAlliances& loaded) {
    grid_ = loaded.grid;
    showBoxes();
    for (int p = 0; p < kPlayerCount; ++p) maskField(p)->setText(QString::number(loaded.fields[static_cast<std::size_t>(p)]));
}

void AllianceFrame::boxClicked(int owner, int other, bool checked) {
    AllianceState before = state();
    grid_.set(owner, other, checked);
    showBoxes();
    updateAlliances();
    emit edited(before);
}

AllianceState AllianceFrame::state() const {
    AllianceState state{grid_, {}};
    for (int p = 0; p < kPlayerCount; ++p) state.fields[static_cast<std::size_t>(p)] = maskField(p)->text();
    return state;
}

void AllianceFrame::showState(const AllianceState& state) {
    grid_ = state.grid;
    showBoxes();
    for (int p = 0; p < kPlayerCount; ++p) maskField(p)->setText(state.fields[static_cast<std::size_t>(p)]);
}

void AllianceFrame::showBoxes() {
    for (int owner = 0; owner < kPlayerCount; ++owner)
        for (int other = 0; other < kPlayerCount; ++other) box(owner, other)->setChecked(grid_.allied(owner, other));
}

void AllianceFrame::updateAlliances() {
    for (int p = 0; p < kPlayerCount; ++p) maskField(p)->setText(QString::number(grid_.mask(p)));
}

}  // namespace corvane
