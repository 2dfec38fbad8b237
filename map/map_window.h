#pragma once
// frmMap, the marker editor: the open level's picture with its markers, player positions and stone
// heads on the "Markers" page, the AI script numbers and alliances on "Scripts && Alliances". Edits
// stay in the window until Save Map writes them to the level's header file.

#include "map/level_data.h"
#include "map/level_paths.h"
#include "map/map_image.h"
#include "map/map_painter.h"
#include "ui/common/app_paths.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabBar;
class QGroupBox;

namespace corvane {

class AllianceFrame;
class MapPicture;
class Prompter;
class RegistryReader;

class MapWindow : public QWidget {
    Q_OBJECT

public:
    MapWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry, QWidget* parent = nullptr);

    // Maps > Open Map: asks for a level file and opens it.
    void openMapCommand();
    // Maps > Save Map: writes the markers, AI script numbers and alliance masks to the header.
    void saveMapCommand();

    // Opens the level and shows the window. A level file that cannot be read is reported and
    // changes nothing; returns false then.
    bool loadLevel(const QString& fileName);

    // For tests and the screenshot: the state behind the window.
    int selectedMarker() const { return selectedMarker_; }
    const std::array<Marker, kMarkerCount>& markers() const { return markers_; }
    const MapImage& image() const { return image_; }
    int lastPaintedCells() const { return painter_.lastPaintedCells(); }
    MapPicture* picture() const { return picMap_; }

signals:
    // Maps > Save Map is available exactly while this window is open.
    void saveMapAvailable(bool available);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Prompter& prompter_;
    AppPaths paths_;
    const RegistryReader& registry_;

    std::optional<LevelPaths> level_;
    LevelTerrain terrain_;
    std::array<Marker, kMarkerCount> markers_{};
    int selectedMarker_ = -1;
    MapImage image_;
    MapPainter painter_;

    QTabBar* tabStrip_ = nullptr;
    QGroupBox* frameMarkers_ = nullptr;
    QGroupBox* frameSN_ = nullptr;
    MapPicture* picMap_ = nullptr;
    QListWidget* lstMarkers_ = nullptr;
    QListWidget* lstStoneHeads_ = nullptr;
    QLineEdit* txtX_ = nullptr;
    QLineEdit* txtY_ = nullptr;
    QLabel* lblSelectedMarker_ = nullptr;
    QLabel* lblMousePos_ = nullptr;
    AllianceFrame* alliances_ = nullptr;
    std::array<QLineEdit*, kAiPlayerCount> aiFields_{};

    QGroupBox* createMarkersPage();
    QGroupBox* createScriptsPage();
    void tabClicked(int index);

    void fillLists(const LevelHeader& header);
    void showHeaderFields(const LevelHeader& header);
    void markerRowChanged(int row);
    void selectMarker(int number);
    void mouseMovedTo(QPoint pixel);
    void mousePressedAt(QPoint pixel, Qt::MouseButtons buttons);
    void drawMap();

    // The whole numbers of the coordinate, AI and mask fields; nothing (after a message naming the
    // first bad field) when one is not a whole number from 0 to 255.
    std::optional<Marker> fieldMarker();
    std::optional<LevelHeader> headerFromFields();
    // Takes txtX and txtY into the selected marker; false (after a message) when they are not valid.
    bool commitFields();
    void writeHeader(const LevelHeader& header);
};

}  // namespace corvane
