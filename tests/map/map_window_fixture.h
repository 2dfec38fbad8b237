#pragma once
// The map window in a fresh folder with a sample level, scripted dialogs and helpers for the window tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <cmath>
#include <filesystem>

#include "support/wine_registry.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"
#include "ui/map/map_picture.h"
#include "ui/map/map_view.h"
#include "ui/map/map_window.h"

namespace fs = std::filesystem;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }  // readable

namespace corvane::testing {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// Hills, a strip of sea along the left edge, four players and three stone heads.
inline std::string SampleLevel() {
    LevelBytes level;
    for (int y = 0; y < kMapCells; ++y) {
        for (int x = 14; x < kMapCells; ++x) {
            double hills = 260 * std::sin(x / 11.0) * std::cos(y / 13.0) + 120 * std::sin((x + 2 * y) / 17.0);
            level.height(x, y, static_cast<std::int16_t>(std::max(0.0, hills + 200)));
        }
    }
    level.player(0, 0, 60, 60).player(1, 1, 200, 60).player(2, 2, 60, 200).player(3, 3, 200, 200);
    return level.stoneHead(4, 128, 128).stoneHead(5, 150, 40).stoneHead(6, 40, 230).bytes;
}

// AI scripts 11, 12, 13, no alliances; markers 0 to 63 spread over the land, marker 5 at (120, 36), the
// rest at (0, 0) as in the game's levels.
inline std::string SampleHeader() {
    std::string bytes = PatternHeader(700).replace(89, 7, "\x0B\x0C\x0D\0\0\0\0", 7).replace(100, 512, 512, '\0');
    for (std::size_t i = 0; i < 128; ++i)
        bytes[100 + i] = static_cast<char>(i % 2 ? 16 + (i * 97 + 31) % 224 : 32 + (i * 53 + 7) % 208);
    return bytes.replace(110, 2, "\x78\x24");
}

class MapWindowTest : public ::testing::Test {
protected:
    TempFolder temp;
    FakePrompter prompter;
    WineRegistry registry{temp.path()};  // no system.reg yet: no game key
    std::string levelPath = temp.file("levl2001.dat"), headerPath = temp.file("levl2001.hdr");
    std::vector<bool> saveAvailable;
    std::unique_ptr<MapWindow> window = makeWindow();

    MapWindowTest() {
        writeBytes(levelPath, SampleLevel());
        writeBytes(headerPath, SampleHeader());
    }
    std::unique_ptr<MapWindow> makeWindow() {
        auto made = std::make_unique<MapWindow>(prompter, AppPaths::inFolder(Q(temp.path().string())), registry);
        QObject::connect(made.get(), &MapWindow::saveMapAvailable, [this](bool on) { saveAvailable.push_back(on); });
        return made;
    }
    bool open() { return window->loadLevel(Q(levelPath)); }
    template <typename T>
    T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QListWidget* markerList() const { return child<QListWidget>(Q("lstMarkers")); }
    QString markerLine(int n) const { return markerList()->item(n)->text(); }
    // The texts of the fields named, separated by spaces.
    QString texts(const char* names) const {
        QStringList out;
        for (const QString& name : QString::fromLatin1(names).split(u' ')) out << child<QLineEdit>(name)->text();
        return out.join(u' ');
    }
    void setText(const char* field, const char* value) const { child<QLineEdit>(Q(field))->setText(Q(value)); }
    QString title(const char* stem) const { return Q(temp.file(stem) + " - Marker Editor[*]"); }  // [*]: unsaved edits
    QString label(const char* name) const { return child<QLabel>(Q(name))->text(); }
    bool checked(const char* box) const { return child<QCheckBox>(Q(box))->isChecked(); }
    void mouse(int x, int y, Qt::MouseButton button = Qt::NoButton) {  // a press, or a move without a button
        send(button ? QEvent::MouseButtonPress : QEvent::MouseMove, x, y, button, button);
    }
    // Presses the left button at (x, y), moves to (toX, toY) holding it, releases there.
    void drag(int x, int y, int toX, int toY, bool release = true) {
        send(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (x + toX) / 2, (y + toY) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, toX, toY, Qt::NoButton, Qt::LeftButton);
        if (release) send(QEvent::MouseButtonRelease, toX, toY, Qt::LeftButton, Qt::NoButton);
    }
    void clickLine(int n) {
        QListWidget* list = markerList();
        list->scrollToItem(list->item(n));
        QPoint at = list->visualItemRect(list->item(n)).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &event);
        }
    }
    void send(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(x, y), QPointF(x, y), QPointF(x, y), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(window->picture(), &event);
    }
    void expectHeaderUnchanged() { EXPECT_EQ(readBytes(headerPath), SampleHeader()); }
};

inline const Rgb kSelected{255, 128, 128};

}  // namespace corvane::testing
