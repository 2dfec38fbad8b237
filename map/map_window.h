#pragma once
// frmMap, the marker editor: the open level's picture with its markers, player positions and stone
// heads on the "Markers" page, the AI script numbers and alliances on "Scripts && Alliances". Edits
// stay in the window, undoable, until Save Map writes them to the level's header file; the caption
// shows [*] meanwhile, and closing or opening another level asks about them first.

#include "map/level_data.h"
#include "map/level_paths.h"
#include "map/map_image.h"
#include "map/map_painter.h"
#include "ui/common/app_paths.h"

#include <QList>
#include <QString>
#include <QUndoStack>
#include <QWidget>

#include <optional>

class QAction;
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

    // Opens the level and shows the window. A file too short to be a level is opened only when the
    // user agrees, and unsaved edits of the open level are asked about first. A level file that
    // cannot be read is reported and changes nothing. False when nothing was opened.
    bool loadLevel(const QString& fileName);

    // Whether the open level differs from its header file (or typed coordinates wait for a commit).
    bool hasUnsavedEdits() const;
    // Asks save / discard / cancel about unsaved edits; true when the caller may go on.
    bool maybeSave();

    QUndoStack& undoStack() { return undo_; }
    // The window's items for the main window's Edit menu: a separator, Undo and Redo.
    QList<QAction*> editActions() const { return {editSeparator_, undoAction_, redoAction_}; }

    // For tests and the screenshot: the state behind the window.
    int selectedMarker() const { return selectedMarker_; }
    const std::array<Marker, kMarkerCount>& markers() const { return markers_; }
    const MapImage& image() const { return image_; }
    int lastPaintedCells() const { return painter_.lastPaintedCells(); }
    MapPicture* picture() const { return picMap_; }
    MapView* view() const { return view_; }

signals:
    // Maps > Save Map is available exactly while this window is open.
    void saveMapAvailable(bool available);
    // An "Edit" button beside an AI script number: the script file found in the level's folder,
    // or, when there is none, the folder to choose one in.
    void scriptRequested(const QString& fileName);
    void scriptFolderRequested(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A marker being dragged with the left button: where it was and how its list line read.
    struct Drag {
        int marker;
        Marker from;
        QString lineBefore;
    };

    Prompter& prompter_;
    AppPaths paths_;
    const RegistryReader& registry_;

    std::optional<LevelPaths> level_;
    LevelTerrain terrain_;
    std::array<Marker, kMarkerCount> markers_{};
    int selectedMarker_ = -1;
    MapImage image_;
    MapPainter painter_;
    QUndoStack undo_;
    std::optional<Drag> drag_;

    QTabBar* tabStrip_ = nullptr;
    QGroupBox* frameMarkers_ = nullptr;
    QGroupBox* frameSN_ = nullptr;
    MapPicture* picMap_ = nullptr;
    MapView* view_ = nullptr;
    QListWidget* lstMarkers_ = nullptr;
    QListWidget* lstStoneHeads_ = nullptr;
    QLineEdit* txtX_ = nullptr;
    QLineEdit* txtY_ = nullptr;
    QLabel* lblSelectedMarker_ = nullptr;
    QLabel* lblMousePos_ = nullptr;
    AllianceFrame* alliances_ = nullptr;
    std::array<QLineEdit*, kAiPlayerCount> aiFields_{};
    QAction* editSeparator_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;

    QGroupBox* createMarkersPage();
    MapView* createView(QWidget* page);
    QGroupBox* createScriptsPage();
    void createActions();
    void tabClicked(int index);

    void fillLists(const LevelHeader& header);
    void showHeaderFields(const LevelHeader& header);
    void markerRowChanged(int row);
    void markerLineClicked(QListWidgetItem* item);
    void selectMarker(int number);
    void mouseMovedTo(QPoint pixel, Qt::MouseButtons buttons);
    void mousePressedAt(QPoint pixel, Qt::MouseButtons buttons, QPoint widgetPosition);
    void mouseReleased();
    // Esc during a drag: the marker goes back where it was.
    void cancelDrag();
    void drawMap();
    void editAiScript(int index);

    // Shows marker `number` at `marker` with its list line reading `line`.
    void showMarker(int number, Marker marker, const QString& line);
    // Moves the marker as one undoable step.
    void moveMarker(int number, Marker from, Marker to, const QString& lineBefore);
    void updateModified();

    // The whole numbers of the coordinate, AI and mask fields; nothing (after a message naming the
    // first bad field) when one is not a whole number from 0 to 255.
    std::optional<Marker> fieldMarker();
    std::optional<LevelHeader> headerFromFields();
    // Takes txtX and txtY into the selected marker; false (after a message) when they are not valid.
    bool commitFields();
    bool writeHeader(const LevelHeader& header);
};

}  // namespace corvane
