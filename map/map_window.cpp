#include "map/map_window.h"

#include "ui/common/show_window.h"

#include "map/ai_script_file.h"
#include "map/alliance_frame.h"
#include "map/field_history.h"
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/map_edit_command.h"
#include "map/map_picture.h"
#include "map/map_texts.h"
#include "map/map_view.h"
#include "map/map_view_controls.h"
#include "map/marker_picking.h"
#include "support/file_utils.h"
#include "support/game_folder.h"
#include "ui/common/prompter.h"
#include "ui/common/unsaved_work.h"

#include <QAction>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace corvane {
namespace {

const QString kCaption = QStringLiteral("Marker Editor");
const QString kMarkersTab = QStringLiteral("Markers");
const QString kScriptsTab = QStringLiteral("Scripts && Alliances");
const char* const kAiFieldNames[kAiPlayerCount] = {"AIRed", "AIYellow", "AIGreen"};
const char* const kEditButtonNames[kAiPlayerCount] = {"cmdEditRed", "cmdEditYellow", "cmdEditGreen"};
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
    createActions();
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
    connect(&undo_, &QUndoStack::indexChanged, this, &MapWindow::updateModified);
    connect(&undo_, &QUndoStack::cleanChanged, this, &MapWindow::updateModified);
}

void MapWindow::createActions() {
    undoAction_ = undo_.createUndoAction(this, tr("&Undo"));
    redoAction_ = undo_.createRedoAction(this, tr("&Redo"));
    undoAction_->setObjectName(QStringLiteral("mapUndo"));
    redoAction_->setObjectName(QStringLiteral("mapRedo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {undoAction_, redoAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        // A drag under way is put back first, so that the marker it holds is not left moved
        // outside the history.
        action->disconnect(&undo_);
        connect(action, &QAction::triggered, this, [this, action] {
            cancelDrag();
            action == undoAction_ ? undo_.undo() : undo_.redo();
        });
    }
    editSeparator_ = new QAction(this);
    editSeparator_->setSeparator(true);
}

QGroupBox* MapWindow::createMarkersPage() {
    auto* page = new QGroupBox(kMarkersTab, this);
    page->setObjectName(QStringLiteral("frameMarkers"));
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
    row->addWidget(createView(page), 1);
    row->addLayout(side);
    auto* controls = new MapViewControls(*view_, page);
    addActions(controls->zoomActions());  // the zoom keys work wherever the window's focus is
    side->addWidget(controls);

    connect(lstMarkers_, &QListWidget::currentRowChanged, this, &MapWindow::markerRowChanged);
    connect(lstMarkers_, &QListWidget::itemClicked, this, &MapWindow::markerLineClicked);
    connect(lstStoneHeads_, &QListWidget::currentRowChanged, this, [this] { drawMap(); });
    connect(txtX_, &QLineEdit::textChanged, this, &MapWindow::updateModified);
    connect(txtY_, &QLineEdit::textChanged, this, &MapWindow::updateModified);
    return page;
}

MapView* MapWindow::createView(QWidget* page) {
    picMap_ = new MapPicture(image_, markers_);
    view_ = new MapView(picMap_, page);
    connect(picMap_, &MapPicture::mouseMovedTo, this, &MapWindow::mouseMovedTo);
    connect(picMap_, &MapPicture::mousePressedAt, this, &MapWindow::mousePressedAt);
    connect(picMap_, &MapPicture::mouseReleased, this, &MapWindow::mouseReleased);
    connect(picMap_, &MapPicture::escapePressed, this, &MapWindow::cancelDrag);
    return view_;
}

QGroupBox* MapWindow::createScriptsPage() {
    auto* page = new QGroupBox(kScriptsTab, this);
    page->setObjectName(QStringLiteral("frameSN"));
    alliances_ = new AllianceFrame(page);
    auto* scripts = new QGroupBox(tr("AI Scripts (numbers):"), page);
    scripts->setObjectName(QStringLiteral("Frame2"));
    auto* form = new QFormLayout(scripts);
    auto* history = new FieldHistory(undo_, this);
    for (int i = 0; i < kAiPlayerCount; ++i) {
        QLineEdit* field = NumberField(kAiFieldNames[i], scripts);
        aiFields_[static_cast<std::size_t>(i)] = field;
        auto* edit = new QPushButton(tr("Edit"), scripts);
        edit->setObjectName(QString::fromLatin1(kEditButtonNames[i]));
        edit->setToolTip(tr("Open this computer player's script (cpscrNNN.dat beside the level) in the script window"));
        connect(edit, &QPushButton::clicked, this, [this, i] { editAiScript(i); });
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        line->addWidget(edit);
        line->addStretch();
        form->addRow(QString::fromLatin1(AiPlayerName(i)), line);
        history->watch(field);
    }
    for (int p = 0; p < kPlayerCount; ++p) history->watch(alliances_->maskField(p));
    connect(alliances_, &AllianceFrame::edited, this, [this](const AllianceState& before) {
        AllianceState after = alliances_->state();
        undo_.push(new MapEditCommand(tr("Change alliances"), [this, before] { alliances_->showState(before); },
                                      [this, after] { alliances_->showState(after); }));
    });
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
    if (auto problem = LevelLayoutProblem(paths.levelFile, paths.headerFile)) {
        QString question = tr("%1 does not look like a level: %2. Open it anyway?").arg(fileName, Text(*problem));
        if (!prompter_.askYesNo(question)) return false;
    }
    if (!maybeSave()) return false;
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
    drag_.reset();
    painter_.invalidateAll();
    fillLists(std::get<LevelHeader>(header));
    showHeaderFields(std::get<LevelHeader>(header));
    lstMarkers_->setCurrentRow(0);  // selects marker 0, fills X and Y, paints
    undo_.clear();
    setWindowTitle(Text(paths.stem) + QStringLiteral(" - ") + kCaption + QStringLiteral("[*]"));
    updateModified();
    ShowWindowWithFrame(*this);
    // The MDI area gives a new frame a size of its own; the whole picture at zoom 1 needs more.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->resize(frame->size().expandedTo(frame->minimumSizeHint()));
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

void MapWindow::markerLineClicked(QListWidgetItem* item) {
    // A click on the line already selected changes no row, yet commits the typed coordinates.
    int row = lstMarkers_->row(item);
    if (row == selectedMarker_ && commitFields()) selectMarker(row);
}

void MapWindow::selectMarker(int number) {
    selectedMarker_ = number;
    lblSelectedMarker_->setText(tr("Selected: %1").arg(number));
    const Marker& marker = markers_[static_cast<std::size_t>(number)];
    txtX_->setText(QString::number(marker.x));
    txtY_->setText(QString::number(marker.y));
    drawMap();
}

void MapWindow::mouseMovedTo(QPoint pixel, Qt::MouseButtons buttons) {
    MapPoint at = MapPositionOfPixel(pixel.x(), pixel.y());
    lblMousePos_->setText(QStringLiteral("X: %1, Y: %2").arg(at.x).arg(at.y));
    if (!drag_ || !(buttons & Qt::LeftButton)) return;
    Marker to{static_cast<std::uint8_t>(at.x), static_cast<std::uint8_t>(at.y)};
    if (to != markers_[static_cast<std::size_t>(drag_->marker)])
        showMarker(drag_->marker, to, Text(MarkerLineAfterEdit(drag_->marker, to)));
}

void MapWindow::mousePressedAt(QPoint pixel, Qt::MouseButtons buttons, QPoint widgetPosition) {
    mouseMovedTo(pixel, Qt::NoButton);
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
        const Marker& marker = markers_[static_cast<std::size_t>(nearest)];
        // Only a press on the marker itself may drag it; a press elsewhere only selects.
        if (selectedMarker_ == nearest && GrabsMarker(marker, widgetPosition.x(), widgetPosition.y(), picMap_->zoom()))
            drag_ = Drag{nearest, marker, lstMarkers_->item(nearest)->text()};
    }
}

void MapWindow::mouseReleased() {
    if (!drag_) return;
    Drag drag = *drag_;
    drag_.reset();
    Marker to = markers_[static_cast<std::size_t>(drag.marker)];
    if (to != drag.from) moveMarker(drag.marker, drag.from, to, drag.lineBefore);
}

void MapWindow::cancelDrag() {
    if (!drag_) return;
    showMarker(drag_->marker, drag_->from, drag_->lineBefore);
    drag_.reset();
}

void MapWindow::drawMap() {
    if (!level_) return;
    painter_.paint(image_, MapScene{terrain_, markers_, selectedMarker_, lstStoneHeads_->currentRow()});
    picMap_->setSelectedMarker(selectedMarker_);
    picMap_->update();
}

void MapWindow::showMarker(int number, Marker marker, const QString& line) {
    markers_[static_cast<std::size_t>(number)] = marker;
    lstMarkers_->item(number)->setText(line);
    if (number == selectedMarker_) {
        txtX_->setText(QString::number(marker.x));
        txtY_->setText(QString::number(marker.y));
    }
    drawMap();
}

void MapWindow::moveMarker(int number, Marker from, Marker to, const QString& lineBefore) {
    QString lineAfter = Text(MarkerLineAfterEdit(number, to));
    undo_.push(new MapEditCommand(tr("Move marker %1").arg(number),
                                  [=, this] { showMarker(number, from, lineBefore); },
                                  [=, this] { showMarker(number, to, lineAfter); }));
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
    const Marker current = markers_[static_cast<std::size_t>(selectedMarker_)];
    QListWidgetItem* line = lstMarkers_->item(selectedMarker_);
    if (*marker == current)
        line->setText(Text(MarkerLineAfterEdit(selectedMarker_, *marker)));  // rewritten all the same
    else
        moveMarker(selectedMarker_, current, *marker, line->text());
    return true;
}

bool MapWindow::hasUnsavedEdits() const {
    if (!level_) return false;
    if (!undo_.isClean()) return true;
    if (selectedMarker_ < 0) return false;
    // Coordinates typed but not yet committed would be lost as well.
    auto x = ParseByteField(toEnginePath(txtX_->text()));
    auto y = ParseByteField(toEnginePath(txtY_->text()));
    return !x || !y || Marker{*x, *y} != markers_[static_cast<std::size_t>(selectedMarker_)];
}

void MapWindow::updateModified() { setWindowModified(hasUnsavedEdits()); }

bool MapWindow::maybeSave() {
    if (!hasUnsavedEdits()) return true;
    return MayDiscardUnsavedWork(prompter_, QStringLiteral("map ") + Text(level_->stem),
                                 [this] { return saveMapCommand(); });
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

bool MapWindow::saveMapCommand() {
    if (!level_) return false;
    if (selectedMarker_ >= 0 && !fieldMarker()) return false;
    auto header = headerFromFields();
    if (!header) return false;
    commitFields();  // cannot fail now
    header->markers = markers_;
    drawMap();
    if (!writeHeader(*header)) return false;
    undo_.setClean();
    updateModified();
    return true;
}

bool MapWindow::writeHeader(const LevelHeader& header) {
    const std::string& path = level_->headerFile;
    auto error = SaveLevelHeader(path, header, false);
    if (error && error->kind == HeaderSaveError::Kind::Missing) {
        if (!prompter_.askYesNo(tr("The header file %1 does not exist. Create it?").arg(Text(path)))) return false;
        error = SaveLevelHeader(path, header, true);
    }
    if (error) prompter_.tell(tr("Could not save the map: %1").arg(Text(error->file.message())));
    return !error;
}

void MapWindow::editAiScript(int index) {
    if (!level_) return;
    QLineEdit* field = aiFields_[static_cast<std::size_t>(index)];
    auto number = ParseByteField(toEnginePath(field->text()));
    if (!number) {
        prompter_.tell(Text(NotAByteMessage(std::string("AI script of ") + AiPlayerName(index), toEnginePath(field->text()))));
        return;
    }
    if (auto file = FindAiScriptFile(level_->levelFile, *number))
        emit scriptRequested(fromEnginePath(*file));
    else
        emit scriptFolderRequested(fromEnginePath(LevelFolder(level_->levelFile)));
}

void MapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    emit saveMapAvailable(true);
}

void MapWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    // Whatever was not saved is gone now; a later load asks nothing about it.
    undo_.clear();
    level_.reset();
    updateModified();
    emit saveMapAvailable(false);
}

}  // namespace corvane
