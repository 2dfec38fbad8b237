#include "ui/map/alliance_frame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

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
            box->setObjectName(QString(QChar::fromLatin1(kPlayerLetters[owner])) +
                               QChar::fromLatin1(kPlayerLetters[other]));
            box->setChecked(owner == other);
            box->setEnabled(owner != other);  // each player is its own ally
            connect(box, &QCheckBox::clicked, this,
                    [=, this](bool checked) { emit boxClicked(owner, other, checked); });
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

void AllianceFrame::showGrid(const AllianceGrid& grid) {
    for (int owner = 0; owner < kPlayerCount; ++owner)
        for (int other = 0; other < kPlayerCount; ++other) box(owner, other)->setChecked(grid.Allied(owner, other));
}

}  // namespace corvane
