#include "ui/map/map_window.h"

#include <QAction>
#include <QCheckBox>
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
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "map/ai_script_file.h"
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/map_fields.h"
#include "map/map_png.h"
#include "map/map_texts.h"
#include "map/marker_picking.h"
#include "support/file_utils.h"
#include "support/game_folder.h"
#include "ui/common/own_shortcuts.h"
#include "ui/common/prompter.h"
#include "ui/common/show_window.h"
#include "ui/common/unsaved_work.h"
#include "ui/map/alliance_frame.h"
#include "ui/map/map_picture.h"
#include "ui/map/map_view.h"
#include "ui/map/map_view_controls.h"

namespace corvane {
namespace {

const QString kCaption = QStringLiteral("Marker Editor");
const QString kMarkersTab = QStringLiteral("Markers");
const QString kScriptsTab = QStringLiteral("Scripts && Alliances");
const char* const kAiFieldNames[kAiPlayerCount] = {"AIRed", "AIYellow", "AIGreen"};
const char* const kEditButtonNames[kAiPlayerCount] = {"cmdEditRed", "cmdEditYellow", "cmdEditGreen"};

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }
std::size_t At(int i) { return static_cast<std::size_t>(i); }

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
    new OwnShortcuts(*this);
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

const std::array<Marker, kMarkerCount>& MapWindow::markers() const {
    static const std::array<Marker, kMarkerCount> kNone{};
    return document_ ? document_->Markers() : kNone;
}

void MapWindow::createActions() {
    undoAction_ = new QAction(tr("&Undo"), this);
    redoAction_ = new QAction(tr("&Redo"), this);
    undoAction_->setObjectName(QStringLiteral("mapUndo"));
    redoAction_->setObjectName(QStringLiteral("mapRedo"));
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    auto* save = new QAction(tr("&Save Map"), this);
    save->setObjectName(QStringLiteral("mapSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));  // while this window is active, Ctrl+S saves the map
    auto* exportPicture = new QAction(tr("E&xport picture..."), this);
    exportPicture->setObjectName(QStringLiteral("mapExportPicture"));
    for (QAction* action : {undoAction_, redoAction_, save, exportPicture}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(undoAction_, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(redoAction_, &QAction::triggered, this, [this] { undoOrRedo(false); });
    connect(save, &QAction::triggered, this, &MapWindow::saveMapCommand);
    connect(exportPicture, &QAction::triggered, this, &MapWindow::exportPictureCommand);
    setContextMenuPolicy(Qt::ActionsContextMenu);
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
    hideUnused_ = new QCheckBox(tr("Hide unused markers at (0, 0)"), page);
    hideUnused_->setObjectName(QStringLiteral("chkHideUnused"));
    txtX_ = NumberField("txtX", page);
    txtY_ = NumberField("txtY", page);
    lblSelectedMarker_ = new QLabel(tr("Selected Marker"), page);
    lblSelectedMarker_->setObjectName(QStringLiteral("lblSelectedMarker"));
    lblMousePos_ = new QLabel(page);
    lblMousePos_->setObjectName(QStringLiteral("lblMousePos"));
    lblHeight_ = new QLabel(page);
    lblHeight_->setObjectName(QStringLiteral("lblHeight"));

    auto* coordinates = new QFormLayout;
    coordinates->addRow(tr("X"), txtX_);
    coordinates->addRow(tr("Y"), txtY_);
    auto* pointer = new QHBoxLayout;
    pointer->addWidget(lblMousePos_);
    pointer->addWidget(lblHeight_);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("Markers:"), page));
    side->addWidget(lstMarkers_, 2);
    side->addWidget(hideUnused_);
    side->addWidget(new QLabel(tr("Stoneheads:"), page));
    side->addWidget(lstStoneHeads_, 1);
    side->addWidget(lblSelectedMarker_);
    side->addLayout(coordinates);
    side->addLayout(pointer);
    auto* row = new QHBoxLayout(page);
    row->addWidget(createView(page), 1);
    row->addLayout(side);
    auto* controls = new MapViewControls(*view_, page);
    addActions(controls->zoomActions());  // the zoom keys work wherever the window's focus is
    side->addWidget(controls);

    connect(lstMarkers_, &QListWidget::currentRowChanged, this, &MapWindow::markerRowChanged);
    connect(lstMarkers_, &QListWidget::itemClicked, this, &MapWindow::markerLineClicked);
    // The frame marks the stone head the user selected; the list's current row alone (which the
    // list sets on getting the focus) selects nothing.
    connect(lstStoneHeads_, &QListWidget::itemSelectionChanged, this, [this] { drawMap(); });
    connect(hideUnused_, &QCheckBox::toggled, this, &MapWindow::hideUnusedMarkers);
    connect(txtX_, &QLineEdit::textChanged, this, &MapWindow::updateModified);
    connect(txtY_, &QLineEdit::textChanged, this, &MapWindow::updateModified);
    return page;
}

MapView* MapWindow::createView(QWidget* page) {
    picMap_ = new MapPicture(image_);
    view_ = new MapView(picMap_, page);
    connect(picMap_, &MapPicture::mouseMovedTo, this, &MapWindow::mouseMovedTo);
    connect(picMap_, &MapPicture::mousePressedAt, this, &MapWindow::mousePressedAt);
    connect(picMap_, &MapPicture::mouseReleased, this, &MapWindow::mouseReleased);
    connect(picMap_, &MapPicture::escapePressed, this, &MapWindow::cancelDrag);
    connect(picMap_, &MapPicture::nudgeRequested, this, &MapWindow::nudge);
    connect(picMap_, &MapPicture::nudgeEnded, this, [this] { nudgeRun_.clear(); });
    return view_;
}

QGroupBox* MapWindow::createScriptsPage() {
    auto* page = new QGroupBox(kScriptsTab, this);
    page->setObjectName(QStringLiteral("frameSN"));
    alliances_ = new AllianceFrame(page);
    auto* scripts = new QGroupBox(tr("AI Scripts (numbers):"), page);
    scripts->setObjectName(QStringLiteral("Frame2"));
    auto* form = new QFormLayout(scripts);
    for (int i = 0; i < kAiPlayerCount; ++i) {
        QLineEdit* field = NumberField(kAiFieldNames[i], scripts);
        aiFields_[At(i)] = field;
        auto* edit = new QPushButton(tr("Edit"), scripts);
        edit->setObjectName(QString::fromLatin1(kEditButtonNames[i]));
        edit->setToolTip(tr("Open this computer player's script (cpscrNNN.dat beside the level) in the script window"));
        connect(edit, &QPushButton::clicked, this, [this, i] { editAiScript(i); });
        auto* line = new QHBoxLayout;
        line->addWidget(field);
        line->addWidget(edit);
        line->addStretch();
        form->addRow(QString::fromLatin1(kPlayerNames[kFirstAiPlayer + i]), line);
        connect(field, &QLineEdit::textChanged, this, [this, field] { byteFieldChanged(field); });
    }
    for (int p = 0; p < kPlayerCount; ++p) {
        QLineEdit* field = alliances_->maskField(p);
        connect(field, &QLineEdit::textChanged, this, [this, field] { byteFieldChanged(field); });
    }
    connect(alliances_, &AllianceFrame::boxClicked, this, [this](int owner, int other, bool allied) {
        if (document_) document_->SetAllied(owner, other, allied);
        showDocument();
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
    // Only a name that leads nowhere is passed over in silence; a pipe or a folder is reported.
    std::error_code noSuchFile;
    if (!chosen || !std::filesystem::exists(PathFromUtf8(toEnginePath(*chosen)), noSuchFile)) return;
    loadLevel(*chosen);
}

bool MapWindow::loadLevel(const QString& fileName) {
    LevelPaths paths = LevelPathsFor(toEnginePath(fileName));
    if (auto problem = LevelLayoutProblem(paths.levelFile, paths.headerFile)) {
        QString question = tr("%1 does not look like a level: %2. Open it anyway?").arg(fileName, Text(*problem));
        if (!prompter_.askYesNo(question)) return false;
    }
    // Read first: a level that cannot be read is reported without asking about the open one.
    auto opened = LevelDocument::Open(paths.levelFile);
    if (auto* error = std::get_if<LevelOpenError>(&opened)) {
        prompter_.tell(Text(error->Message()));
        return false;
    }
    if (!maybeSave()) return false;
    drag_.reset();
    nudgeRun_.clear();
    document_.emplace(std::move(std::get<LevelDocument>(opened)));
    picMap_->setDocument(&*document_);
    painter_.InvalidateAll();
    fillLists();
    lstMarkers_->setCurrentRow(0);  // selects marker 0, fills X and Y, paints
    setWindowTitle(Text(paths.stem) + QStringLiteral(" - ") + kCaption + QStringLiteral("[*]"));
    showDocument();
    ShowWindowWithFrame(*this);
    // The MDI area gives a new frame a size of its own; the whole picture at zoom 1 needs more.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->resize(frame->size().expandedTo(frame->minimumSizeHint()));
    return true;
}

void MapWindow::fillLists() {
    QSignalBlocker blockMarkers(lstMarkers_);
    QSignalBlocker blockHeads(lstStoneHeads_);
    lstMarkers_->clear();
    lstStoneHeads_->clear();
    for (int n = 0; n < kMarkerCount; ++n) lstMarkers_->addItem(Text(document_->MarkerLine(n)));
    for (const MapPoint& head : document_->Terrain().stoneHeads) lstStoneHeads_->addItem(Text(StoneHeadLine(head)));
    hideUnusedMarkers();
}

void MapWindow::showDocument() {
    if (!document_) return;
    for (int n = 0; n < kMarkerCount; ++n) {
        QString line = Text(document_->MarkerLine(n));
        if (lstMarkers_->item(n)->text() != line) lstMarkers_->item(n)->setText(line);
    }
    // A field already showing the number (" 007 " for 7) keeps its text and its cursor.
    auto show = [](QLineEdit* field, std::uint8_t value) {
        if (byteOf(field) != value) field->setText(QString::number(value));
    };
    const LevelHeader& header = document_->Header();
    for (int i = 0; i < kAiPlayerCount; ++i) show(aiFields_[At(i)], header.aiScripts[At(i)]);
    for (int p = 0; p < kPlayerCount; ++p) show(alliances_->maskField(p), header.allianceMasks[At(p)]);
    alliances_->showGrid(document_->Alliances());
    undoAction_->setEnabled(document_->CanUndo());
    redoAction_->setEnabled(document_->CanRedo());
    drawMap();
    updateModified();
}

void MapWindow::showSelectedCoordinates() {
    int selected = selectedMarker();
    if (selected < 0) return;
    txtX_->setText(QString::number(document_->MarkerAt(selected).x));
    txtY_->setText(QString::number(document_->MarkerAt(selected).y));
}

void MapWindow::markerRowChanged(int row) {
    if (row < 0 || !document_ || row == selectedMarker()) return;
    if (!commitFields()) {
        keepListOnSelectedMarker();
        return;
    }
    selectMarker(row);
}

void MapWindow::keepListOnSelectedMarker() {
    auto restore = [this] {
        if (!document_ || selectedMarker() < 0) return;
        QSignalBlocker block(lstMarkers_);
        lstMarkers_->setCurrentRow(selectedMarker(), QItemSelectionModel::ClearAndSelect);
    };
    restore();
    // A mouse press selects the clicked line after the row change it reports: put the list back
    // once more when the press is over, so that it shows the marker the label and fields show.
    QTimer::singleShot(0, this, restore);
}

void MapWindow::markerLineClicked(QListWidgetItem* item) {
    // A click on the line already selected changes no row, yet commits the typed coordinates.
    int row = lstMarkers_->row(item);
    if (row == selectedMarker() && commitFields()) selectMarker(row);
}

void MapWindow::selectMarker(int number) {
    document_->SelectMarker(number);
    nudgeRun_.clear();
    lblSelectedMarker_->setText(tr("Selected: %1").arg(number));
    showSelectedCoordinates();
    drawMap();
}

void MapWindow::hideUnusedMarkers() {
    // The game's levels keep their unused markers at (0, 0); marker 0 there stays in view.
    for (int n = 1; n < lstMarkers_->count(); ++n) {
        bool unused = document_ && document_->MarkerAt(n) == Marker{0, 0};
        lstMarkers_->setRowHidden(n, hideUnused_->isChecked() && unused && n != selectedMarker());
    }
}

void MapWindow::mouseMovedTo(QPoint pixel, Qt::MouseButtons buttons) {
    MapPoint at = MapPositionOfPixel(pixel.x(), pixel.y());
    lblMousePos_->setText(QStringLiteral("X: %1, Y: %2").arg(at.x).arg(at.y));
    if (document_) lblHeight_->setText(tr("Height: %1").arg(document_->Terrain().Height(at.x / 2, at.y / 2)));
    if (!drag_ || !(buttons & Qt::LeftButton)) return;
    Marker to{static_cast<std::uint8_t>(at.x), static_cast<std::uint8_t>(at.y)};
    if (document_->MoveMarker(drag_->marker, to, drag_->run)) {
        showSelectedCoordinates();
        showDocument();
    }
}

void MapWindow::mousePressedAt(QPoint pixel, Qt::MouseButtons buttons, QPoint widgetPosition) {
    mouseMovedTo(pixel, Qt::NoButton);
    if (!document_) return;
    MapPoint at = MapPositionOfPixel(pixel.x(), pixel.y());
    if (buttons == Qt::RightButton) {
        txtX_->setText(QString::number(at.x));
        txtY_->setText(QString::number(at.y));
        commitFields();
        drawMap();
    } else if (buttons == Qt::LeftButton) {
        // Choosing a marker commits the fields first, also when the nearest is the one selected.
        int nearest = NearestMarker(document_->Markers(), at);
        if (nearest != selectedMarker())
            lstMarkers_->setCurrentRow(nearest);
        else if (commitFields())
            selectMarker(nearest);
        drawMap();
        const Marker marker = document_->MarkerAt(nearest);
        // Only a press on the marker itself may drag it; a press elsewhere only selects.
        if (selectedMarker() == nearest && GrabsMarker(marker, widgetPosition.x(), widgetPosition.y(), picMap_->zoom()))
            drag_ = Drag{nearest, marker, "drag " + std::to_string(++runs_)};
    }
}

void MapWindow::mouseReleased() { drag_.reset(); }

void MapWindow::cancelDrag() {
    if (!drag_) return;
    Drag drag = *drag_;
    drag_.reset();
    // Back to where the drag began, within the drag's own step, which then drops out.
    document_->MoveMarker(drag.marker, drag.from, drag.run);
    showSelectedCoordinates();
    showDocument();
}

void MapWindow::nudge(int dx, int dy) {
    int selected = selectedMarker();
    if (!document_ || selected < 0 || drag_) return;
    const Marker at = document_->MarkerAt(selected);
    Marker to{static_cast<std::uint8_t>(std::clamp(at.x + dx, 0, 255)),
              static_cast<std::uint8_t>(std::clamp(at.y + dy, 0, 255))};
    if (nudgeRun_.empty()) nudgeRun_ = "nudge " + std::to_string(++runs_);
    if (!document_->MoveMarker(selected, to, nudgeRun_)) return;
    showSelectedCoordinates();
    showDocument();
}

void MapWindow::undoOrRedo(bool undo) {
    if (!document_) return;
    // A drag under way is put back first, so that the marker it holds is not left moved outside
    // the history.
    cancelDrag();
    nudgeRun_.clear();
    undo ? document_->Undo() : document_->Redo();
    showSelectedCoordinates();
    showDocument();
}

void MapWindow::drawMap() {
    if (!document_) return;
    QList<QListWidgetItem*> heads = lstStoneHeads_->selectedItems();
    int selectedHead = heads.isEmpty() ? -1 : lstStoneHeads_->row(heads.first());
    painter_.Paint(image_, MapScene{document_->Terrain(), document_->Markers(), selectedMarker(), selectedHead});
    picMap_->update();
}

std::optional<std::uint8_t> MapWindow::byteOf(const QLineEdit* field) {
    return ParseByteField(toEnginePath(field->text()));
}

MapFieldTexts MapWindow::fieldTexts() const {
    MapFieldTexts texts;
    if (selectedMarker() >= 0) texts.coordinates = {toEnginePath(txtX_->text()), toEnginePath(txtY_->text())};
    for (int i = 0; i < kAiPlayerCount; ++i) texts.aiScripts[At(i)] = toEnginePath(aiFields_[At(i)]->text());
    for (int p = 0; p < kPlayerCount; ++p) texts.allianceMasks[At(p)] = toEnginePath(alliances_->maskField(p)->text());
    return texts;
}

void MapWindow::byteFieldChanged(QLineEdit* field) {
    auto value = byteOf(field);
    if (document_ && value) {
        const std::string run = "field " + field->objectName().toStdString();
        for (int i = 0; i < kAiPlayerCount; ++i)
            if (field == aiFields_[At(i)]) document_->SetAiScript(i, *value, run);
        for (int p = 0; p < kPlayerCount; ++p)
            if (field == alliances_->maskField(p)) document_->SetAllianceMask(p, *value, run);
        undoAction_->setEnabled(document_->CanUndo());
        redoAction_->setEnabled(document_->CanRedo());
    }
    updateModified();
}

bool MapWindow::commitFields() {
    int selected = selectedMarker();
    if (selected < 0) return true;
    if (auto message = BadCoordinateMessage(toEnginePath(txtX_->text()), toEnginePath(txtY_->text()))) {
        prompter_.tell(Text(*message));
        return false;
    }
    document_->EndRun();
    if (document_->MoveMarker(selected, Marker{*byteOf(txtX_), *byteOf(txtY_)})) showDocument();
    return true;
}

bool MapWindow::hasUnsavedEdits() const { return document_ && HasUnsavedEdits(*document_, fieldTexts()); }

void MapWindow::updateModified() { setWindowModified(hasUnsavedEdits()); }

bool MapWindow::maybeSave() {
    if (!hasUnsavedEdits()) return true;
    return MayDiscardUnsavedWork(prompter_, QStringLiteral("map ") + Text(document_->Paths().stem),
                                 [this] { return saveMapCommand(); });
}

bool MapWindow::saveMapCommand() {
    if (!document_) return false;
    if (auto message = BadFieldMessage(fieldTexts())) {
        prompter_.tell(Text(*message));
        return false;
    }
    commitFields();  // cannot fail now
    drawMap();
    if (!writeHeader()) return false;
    updateModified();
    return true;
}

bool MapWindow::writeHeader() {
    const std::string& path = document_->Paths().headerFile;
    auto error = document_->Save(false);
    if (error && error->kind == HeaderSaveError::Kind::Missing) {
        if (!prompter_.askYesNo(tr("The header file %1 does not exist. Create it?").arg(Text(path)))) return false;
        error = document_->Save(true);
    }
    if (error) prompter_.tell(tr("Could not save the map: %1").arg(Text(error->file.message())));
    return !error;
}

void MapWindow::exportPictureCommand() {
    if (!document_) return;
    auto chosen = prompter_.chooseFileToSave(tr("Export picture"), Text(document_->Paths().stem + ".png"),
                                             QStringLiteral("PNG pictures (*.png)|*.png"));
    if (!chosen) return;
    FileError error;
    if (!WriteFileAtomically(toEnginePath(*chosen), EncodeMapPng(image_), &error))
        prompter_.tell(tr("The picture was not written: %1").arg(Text(error.message())));
}

void MapWindow::editAiScript(int index) {
    if (!document_) return;
    QLineEdit* field = aiFields_[At(index)];
    auto number = byteOf(field);
    if (!number) {
        prompter_.tell(Text(NotAByteMessage(AiScriptFieldName(index), toEnginePath(field->text()))));
        return;
    }
    const std::string& levelFile = document_->Paths().levelFile;
    if (auto file = FindAiScriptFile(levelFile, *number)) {
        emit scriptRequested(fromEnginePath(*file));
        return;
    }
    const QString folder = fromEnginePath(LevelFolder(levelFile));
    const QString name = Text(AiScriptFileName(*number));
    if (prompter_.askYesNo(
            tr("There is no script %1 in %2. Create it? (No: choose a script there.)").arg(name, folder)))
        emit newScriptRequested(fromEnginePath(NewAiScriptPath(levelFile, *number)));
    else
        emit scriptFolderRequested(folder);
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
    drag_.reset();
    picMap_->setDocument(nullptr);
    document_.reset();
    updateModified();
    emit saveMapAvailable(false);
}

}  // namespace corvane
