#pragma once
// frmMap, the marker editor: the open level's picture with its markers, player positions and stone
// heads on the "Markers" page, the AI script numbers and alliances on "Scripts && Alliances". Edits
// go to the level document, undoable, until Save Map writes them to the level's header file; the
// caption shows [*] meanwhile, and closing or opening another level asks about them first.

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

#include "map/level_data.h"
#include "map/level_document.h"
#include "map/map_fields.h"
#include "map/map_image.h"
#include "map/map_painter.h"
#include "ui/common/app_paths.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabBar;
class QGroupBox;

namespace corvane {

class AllianceFrame;
class MapPicture;
class MapView;
class Prompter;
class RegistryReader;

class MapWindow : public QWidget {
    Q_OBJECT

public:
    MapWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry, QWidget* parent = nullptr);

    // Maps > Open Map: asks for a level file and opens it.
    void openMapCommand();
    // Maps > Save Map: writes the markers, AI script numbers and alliance masks to the header.
    // True when the header was written.
    bool saveMapCommand();
    // Export picture...: writes the map as painted to a PNG file the user chooses.
    void exportPictureCommand();

    // Opens the level and shows the window. A file too short to be a level is opened only when the
    // user agrees, and unsaved edits of the open level are asked about first. A level file that
    // cannot be read is reported and changes nothing. False when nothing was opened.
    bool loadLevel(const QString& fileName);

    // Whether the open level differs from its header file, or a field holds typed text that is not
    // in the level yet (coordinates waiting for a commit, a number that is not a byte).
    bool hasUnsavedEdits() const;
    // Asks save / discard / cancel about unsaved edits; true when the caller may go on.
    bool maybeSave();

    // The window's items for the main window's Edit menu: a separator, Undo and Redo.
    QList<QAction*> editActions() const { return {editSeparator_, undoAction_, redoAction_}; }

    // For tests and the screenshot: the level behind the window.
    const LevelDocument* document() const { return document_ ? &*document_ : nullptr; }
    int selectedMarker() const { return document_ ? document_->SelectedMarker() : -1; }
    const std::array<Marker, kMarkerCount>& markers() const;
    const MapImage& image() const { return image_; }
    int lastPaintedCells() const { return painter_.LastPaintedCells(); }
    MapPicture* picture() const { return picMap_; }
    MapView* view() const { return view_; }

signals:
    // Maps > Save Map is available exactly while this window is open.
    void saveMapAvailable(bool available);
    // An "Edit" button beside an AI script number: the script file found in the level's folder;
    // when there is none and the author wants it, a new script to be saved under that name;
    // otherwise the folder to choose one in.
    void scriptRequested(const QString& fileName);
    void newScriptRequested(const QString& fileName);
    void scriptFolderRequested(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A marker being dragged with the left button: where it was, and the run its steps merge in.
    struct Drag {
        int marker;
        Marker from;
        std::string run;
    };

    Prompter& prompter_;
    AppPaths paths_;
    const RegistryReader& registry_;

    std::optional<LevelDocument> document_;
    MapImage image_;
    MapPainter painter_;
    std::optional<Drag> drag_;
    int runs_ = 0;  // numbers the drags and nudge runs, so that two of them never merge

    QTabBar* tabStrip_ = nullptr;
    QGroupBox* frameMarkers_ = nullptr;
    QGroupBox* frameSN_ = nullptr;
    MapPicture* picMap_ = nullptr;
    MapView* view_ = nullptr;
    QListWidget* lstMarkers_ = nullptr;
    QListWidget* lstStoneHeads_ = nullptr;
    QCheckBox* hideUnused_ = nullptr;
    QLineEdit* txtX_ = nullptr;
    QLineEdit* txtY_ = nullptr;
    QLabel* lblSelectedMarker_ = nullptr;
    QLabel* lblMousePos_ = nullptr;
    QLabel* lblHeight_ = nullptr;
    AllianceFrame* alliances_ = nullptr;
    std::array<QLineEdit*, kAiPlayerCount> aiFields_{};
    QAction* editSeparator_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::string nudgeRun_;

    QGroupBox* createMarkersPage();
    MapView* createView(QWidget* page);
    QGroupBox* createScriptsPage();
    void createActions();
    void tabClicked(int index);

    void fillLists();
    void markerRowChanged(int row);
    void markerLineClicked(QListWidgetItem* item);
    void keepListOnSelectedMarker();
    void selectMarker(int number);
    void hideUnusedMarkers();
    void mouseMovedTo(QPoint pixel, Qt::MouseButtons buttons);
    void mousePressedAt(QPoint pixel, Qt::MouseButtons buttons, QPoint widgetPosition);
    void mouseReleased();
    void nudge(int dx, int dy);
    // Esc during a drag: the marker goes back where it was.
    void cancelDrag();
    void drawMap();
    void editAiScript(int index);
    void undoOrRedo(bool undo);

    // Shows what the document holds: list lines, numbers, boxes, the picture and the caption's mark.
    void showDocument();
    void showSelectedCoordinates();
    void updateModified();

    // The byte a field holds; nothing when its text is not a whole number from 0 to 255.
    static std::optional<std::uint8_t> byteOf(const QLineEdit* field);
    // What the number fields hold, as typed.
    MapFieldTexts fieldTexts() const;
    void byteFieldChanged(QLineEdit* field);
    // Takes txtX and txtY into the selected marker; false (after a message) when they are not valid.
    bool commitFields();
    bool writeHeader();
};

}  // namespace corvane
