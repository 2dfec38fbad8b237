#include "map/map_window.h"

#include "ui/common/show_window.h"

#include "map/alliance_frame.h"
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/map_picture.h"
#include "map/map_texts.h"
#include "map/marker_picking.h"
#include "support/file_utils.h"
#include "support/game_folder.h"
#include "ui/common/prompter.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace corvane {
namespace {

const QString kCaption = QStringLiteral("Marker Editor");
const QString kMarkersTab = QStringLiteral("Markers");
const QString kScriptsTab = QStringLiteral("Scripts && Alliances");
const char* const kAiFieldNames[kAiPlayerCount] = {"AIRed", "AIYellow", "AIGreen"};
const char* AiPlayerName(int i) { return kPlayerNames[kFirstAiPlayer + i]; }

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QLineEdit* NumberField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaximumWidth(60);
    return field;
}

}  // namespace

MapWindow::MapWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry, QWidget* parent)
    : QWidget(parent), prompter_(prompter), paths_(paths), registry_(registry) {
    setObjectName(QStringLiteral("frmMap"));
    setWindowTitle(kCaption);
    tabStrip_ = new QTabBar(this);
    tabStrip_->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip_->addTab(kMarkersTab);
    tabStrip_->addTab(kScriptsTab);
    frameMarkers_ = createMarkersPage();
    frameSN_ = createScriptsPage();
    frameSN_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabStrip_);
    layout->addWidget(frameMarkers_);  // both pages in the same spot below the tabs
    layout->addWidget(frameSN_);
    connect(tabStrip_, &QTabBar::currentChanged, this, &MapWindow::tabClicked);
}

QGroupBox* MapWindow::createMarkersPage() {
    auto* page = new QGroupBox(kMarkersTab, this);
    page->setObjectName(QStringLiteral("frameMarkers"));
    picMap_ = new MapPicture(image_, page);
    lstMarkers_ = new QListWidget(page);
    lstMarkers_->setObjectName(QStringLiteral("lstMarkers"));
    lstStoneHeads_ = new QListWidget(page);
    lstStoneHeads_->setObjectName(QStringLiteral("lstStoneHeads"));
    txtX_ = NumberField("txtX", page);
    txtY_ = NumberField("txtY", page);
    lblSelectedMarker_ = new QLabel(tr("Selected Marker"), page);
    lblSelectedMarker_->setObjectName(QStringLiteral("lblSelectedMarker"));
    lblMousePos_ = new QLabel(page);
    lblMousePos_->setObjectName(QStringLiteral("lblMousePos"));

    auto* coordinates = new QFormLayout;
    coordinates->addRow(tr("X"), txtX_);
    coordinates->addRow(tr("Y"), txtY_);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("Markers:"), page));
    side->addWidget(lstMarkers_, 2);
    side->addWidget(new QLabel(tr("Stoneheads:"), page));
    side->addWidget(lstStoneHeads_, 1);
    side->addWidget(lblSelectedMarker_);
    side->addLayout(coordinates);
    side->addWidget(lblMousePos_);
    auto* row = new QHBoxLayout(page);
    row->addWidget(picMap_, 0, Qt::AlignTop);
    row->addLayout(side);

    connect(lstMarkers_, &QListWidget::currentRowChanged, this, &MapWindow::markerRowChanged);
    connect(lstStoneHeads_, &QListWidget::currentRowChanged, this, [this] { drawMap(); });
    connect(picMap_, &MapPicture::mouseMovedTo, this, &MapWindow::mouseMovedTo);
    connect(picMap_, &MapPicture::mousePressedAt, this, &MapWindow::mousePressedAt);
    return page;
}

QGroupBox* MapWindow::createScriptsPage() {
    auto* page = new QGroupBox(kScriptsTab, this);
    page->setObjectName(QStringLiteral("frameSN"));
    alliances_ = new AllianceFrame(page);
    auto* scripts = new QGroupBox(tr("AI Scripts (numbers):"), page);
    scripts->setObjectName(QStringLiteral("Frame2"));
    auto* form = new QFormLayout(scripts);
    for (int i = 0; i < kAiPlayerCount; ++i) {
        aiFields_[static_cast<std::size_t>(i)] = NumberField(kAiFieldNames[i], scripts);
        form->addRow(QString::fromLatin1(AiPlayerName(i)), aiFields_[static_cast<std::size_t>(i)]);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(alliances_);
    layout->addWidget(scripts);
    layout->addStretch();
    return page;
}

void MapWindow::tabClicked(int index) {
    frameMarkers_->hide();
    frameSN_->hide();
    QString caption = tabStrip_->tabText(index);
    if (caption == kMarkersTab) frameMarkers_->show();
    if (caption == kScriptsTab) frameSN_->show();
}

void MapWindow::openMapCommand() {
    std::string initial = GameFolderDialogName(registry_, toEnginePath(paths_.programFolder), "\\levels\\levl*.dat");
    auto chosen = prompter_.chooseFileToOpen(QStringLiteral("Open a map file"), fromEnginePath(initial),
                                             QStringLiteral("Populous Level Files (*.dat)|*.dat"));
    if (!chosen || !FileExists(toEnginePath(*chosen))) return;
    loadLevel(*chosen);
}

bool MapWindow::loadLevel(const QString& fileName) {
    LevelPaths paths = LevelPathsFor(toEnginePath(fileName));
    auto terrain = LoadLevelTerrain(paths.levelFile);
    if (auto* error = std::get_if<FileError>(&terrain)) {
        prompter_.tell(tr("Could not open the map: %1").arg(Text(error->message())));
        return false;
    }
    auto header = LoadLevelHeader(paths.headerFile);
    if (auto* error = std::get_if<FileError>(&header)) {
        prompter_.tell(tr("Could not read the map's header file: %1").arg(Text(error->message())));
        return false;
    }
    level_ = paths;
    terrain_ = std::move(std::get<LevelTerrain>(terrain));
    selectedMarker_ = -1;
    painter_.invalidateAll();
    fillLists(std::get<LevelHeader>(header));
    showHeaderFields(std::get<LevelHeader>(header));
    lstMarkers_->setCurrentRow(0);  // selects marker 0, fills X and Y, paints
    setWindowTitle(Text(paths.stem) + QStringLiteral(" - ") + kCaption);
    ShowWindowWithFrame(*this);
    return true;
}

void MapWindow::fillLists(const LevelHeader& header) {
    QSignalBlocker blockMarkers(lstMarkers_);
    QSignalBlocker blockHeads(lstStoneHeads_);
    lstMarkers_->clear();
    lstStoneHeads_->clear();
    markers_ = header.markers;
    for (int n = 0; n < kMarkerCount; ++n)
        lstMarkers_->addItem(Text(MarkerLineAtLoad(n, markers_[static_cast<std::size_t>(n)])));
    for (const MapPoint& head : terrain_.stoneHeads) lstStoneHeads_->addItem(Text(StoneHeadLine(head)));
}

void MapWindow::showHeaderFields(const LevelHeader& header) {
    for (int i = 0; i < kAiPlayerCount; ++i)
        aiFields_[static_cast<std::size_t>(i)]->setText(QString::number(header.aiScripts[static_cast<std::size_t>(i)]));
    alliances_->showLoaded(AlliancesFromMasks(header.allianceMasks));
}

void MapWindow::markerRowChanged(int row) {
    if (row < 0 || row == selectedMarker_) return;
    if (!commitFields()) {
        QSignalBlocker block(lstMarkers_);
        lstMarkers_->setCurrentRow(selectedMarker_);
        return;
    }
    selectMarker(row);
}

void MapWindow::selectMarker(int number) {
    selectedMarker_ = number;
    lblSelectedMarker_->setText(tr("Selected: %1").arg(number));
    const Marker& marker = markers_[static_cast<std::size_t>(number)];
    txtX_->setText(QString::number(marker.x));
    txtY_->setText(QString::number(marker.y));
    drawMap();
}

void MapWindow::mouseMovedTo(QPoint pixel) {
    MapPoint at = MapPositionOfPixel(pixel.x(), pixel.y());
    lblMousePos_->setText(QStringLiteral("X: %1, Y: %2").arg(at.x).arg(at.y));
}

void MapWindow::mousePressedAt(QPoint pixel, Qt::MouseButtons buttons) {
    mouseMovedTo(pixel);
    if (!level_) return;
    MapPoint at = MapPositionOfPixel(pixel.x(), pixel.y());
    if (buttons == Qt::RightButton) {
        txtX_->setText(QString::number(at.x));
        txtY_->setText(QString::number(at.y));
        commitFields();
        drawMap();
    } else if (buttons == Qt::LeftButton) {
        // Choosing a marker commits the fields first, also when the nearest is the one selected.
        int nearest = NearestMarker(markers_, at);
        if (nearest != selectedMarker_)
            lstMarkers_->setCurrentRow(nearest);
        else if (commitFields())
            selectMarker(nearest);
        drawMap();
    }
}

void MapWindow::drawMap() {
    if (!level_) return;
    painter_.paint(image_, MapScene{terrain_, markers_, selectedMarker_, lstStoneHeads_->currentRow()});
    picMap_->update();
}

std::optional<Marker> MapWindow::fieldMarker() {
    auto x = ParseByteField(toEnginePath(txtX_->text()));
    auto y = ParseByteField(toEnginePath(txtY_->text()));
    if (!x || !y) {
        QLineEdit* bad = x ? txtY_ : txtX_;
        prompter_.tell(Text(NotAByteMessage(x ? "Marker Y" : "Marker X", toEnginePath(bad->text()))));
        return std::nullopt;
    }
    return Marker{*x, *y};
}

bool MapWindow::commitFields() {
    if (selectedMarker_ < 0) return true;
    auto marker = fieldMarker();
    if (!marker) return false;
    markers_[static_cast<std::size_t>(selectedMarker_)] = *marker;
    lstMarkers_->item(selectedMarker_)->setText(Text(MarkerLineAfterEdit(selectedMarker_, *marker)));
    return true;
}

std::optional<LevelHeader> MapWindow::headerFromFields() {
    LevelHeader header;
    auto read = [this](QLineEdit* field, const std::string& name) -> std::optional<std::uint8_t> {
        auto value = ParseByteField(toEnginePath(field->text()));
        if (!value) prompter_.tell(Text(NotAByteMessage(name, toEnginePath(field->text()))));
        return value;
    };
    for (int i = 0; i < kAiPlayerCount; ++i) {
        auto value = read(aiFields_[static_cast<std::size_t>(i)], std::string("AI script of ") + AiPlayerName(i));
        if (!value) return std::nullopt;
        header.aiScripts[static_cast<std::size_t>(i)] = *value;
    }
    for (int p = 0; p < kPlayerCount; ++p) {
        auto value = read(alliances_->maskField(p), std::string("Alliance mask of ") + kPlayerNames[p]);
        if (!value) return std::nullopt;
        header.allianceMasks[static_cast<std::size_t>(p)] = *value;
    }
    return header;
}

void MapWindow::saveMapCommand() {
    if (!level_) return;
    if (selectedMarker_ >= 0 && !fieldMarker()) return;
    auto header = headerFromFields();
    if (!header) return;
    commitFields();  // cannot fail now
    header->markers = markers_;
    drawMap();
    writeHeader(*header);
}

void MapWindow::writeHeader(const LevelHeader& header) {
    const std::string& path = level_->headerFile;
    auto error = SaveLevelHeader(path, header, false);
    if (error && error->kind == HeaderSaveError::Kind::Missing) {
        if (!prompter_.askYesNo(tr("The header file %1 does not exist. Create it?").arg(Text(path)))) return;
        error = SaveLevelHeader(path, header, true);
    }
    if (error) prompter_.tell(tr("Could not save the map: %1").arg(Text(error->file.message())));
}

void MapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit saveMapAvailable(true);
}

void MapWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit saveMapAvailable(false);
}

}  // namespace corvane
