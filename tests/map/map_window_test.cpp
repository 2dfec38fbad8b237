// The marker editor window offscreen: open, select, drag and nudge markers, zoom, edits as the
// widgets show them through undo and redo, the save byte for byte, the unsaved-edits questions, the
// "Edit" buttons and every way a save or an open can fail.
#include "ui/map/map_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QWheelEvent>
#include <cmath>
#include <filesystem>

#include "support/wine_registry.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "tests/map/level_bytes.h"
#include "ui/map/map_picture.h"
#include "ui/map/map_view.h"

namespace fs = std::filesystem;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }  // readable

namespace corvane {
namespace {

using namespace testing;
using Choice = Prompter::SaveChoice;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Hills, a strip of sea along the left edge, four players and three stone heads.
std::string SampleLevel() {
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
std::string SampleHeader() {
    std::string bytes = PatternHeader(700).replace(89, 7, "\x0B\x0C\x0D\0\0\0\0", 7).replace(100, 512, 512, '\0');
    for (std::size_t i = 0; i < 128; ++i)
        bytes[100 + i] = static_cast<char>(i % 2 ? 16 + (i * 97 + 31) % 224 : 32 + (i * 53 + 7) % 208);
    return bytes.replace(110, 2, "\x78\x24");
}

const Rgb kSelected{255, 128, 128};

class MapWindowTest : public ::testing::Test {
protected:
    TempFolder temp;
    FakePrompter prompter;
    WineRegistry registry{temp.path()};  // no system.reg yet: no game key
    std::string levelPath = temp.file("levl2001.dat"), headerPath = temp.file("levl2001.hdr");
    std::unique_ptr<MapWindow> window = makeWindow();

    MapWindowTest() {
        writeBytes(levelPath, SampleLevel());
        writeBytes(headerPath, SampleHeader());
    }
    std::unique_ptr<MapWindow> makeWindow() {
        return std::make_unique<MapWindow>(prompter, AppPaths::inFolder(Q(temp.path().string())), registry);
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
    void key(int key, bool repeat = false, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(window->picture(), &event);
    }
    void undo() { window->editActions().at(1)->trigger(); }
    void redo() { window->editActions().at(2)->trigger(); }
    // The picture pixel under a point of the view's viewport.
    QPoint pictureUnder(QPoint inViewport) const {
        return window->picture()->pictureAt(window->picture()->mapFrom(window->view()->viewport(), inViewport));
    }
    void expectHeaderUnchanged() { EXPECT_EQ(readBytes(headerPath), SampleHeader()); }
    static QString refused(const char* name, const char* text) {
        return Q(name) + Q(" must be a whole number from 0 to 255, not \"") + Q(text) + Q("\". Nothing was changed.");
    }
};

TEST_F(MapWindowTest, OpenMapAsksInTheGameOrProgramFolderAndFillsTheWindow) {
    writeBytes(temp.file("system.reg"),
               "WINE REGISTRY Version 2\n[Software\\\\Bullfrog Productions Ltd\\\\Populous: "
               "The Beginning] 1\n\"InstallPath\"=\"C:\\\\Games\\\\Pop TB\"\n");
    WineRegistry game(temp.path());
    prompter.files = {std::nullopt, Q(temp.file("nothere.dat")), Q(levelPath)};
    MapWindow(prompter, AppPaths::inFolder(Q("/prog")), game).openMapCommand();  // cancelled: nothing happens
    EXPECT_EQ(prompter.dialogs.at(0).initialName, Q("C:\\Games\\Pop TB\\levels\\levl*.dat"));
    // The dialog shows only the files the initial name's pattern matches; a pattern the filter
    // already has is not offered twice.
    EXPECT_EQ(dialogNameFilters(prompter.dialogs.at(0).initialName, prompter.dialogs.at(0).filter),
              QStringList({Q("levl*.dat"), Q("Populous Level Files (*.dat)")}));
    EXPECT_EQ(dialogNameFilters(Q("/x/*.dat"), Q("Script Files (*.dat)|*.dat|All Files (*.*)|*.*")),
              QStringList({Q("Script Files (*.dat)"), Q("All Files (*.*)")}));
    EXPECT_EQ(dialogNameFilters(Q("/x/levl2.dat"), Q("L (*.dat)|*.dat")), QStringList{Q("L (*.dat)")});
    fs::remove(temp.file("system.reg"));  // read at each lookup: from now on the program folder
    writeBytes(headerPath, SampleHeader().replace(92, 4, "\x0F\x0F\x0F\x0F"));  // all allied
    window->openMapCommand();  // a choice that does not exist opens nothing, silently
    window->openMapCommand();
    EXPECT_EQ(prompter.dialogs.at(2).title, Q("Open a map file"));
    EXPECT_EQ(prompter.dialogs.at(2).filter, Q("Populous Level Files (*.dat)|*.dat"));
    EXPECT_EQ(prompter.dialogs.at(2).initialName, Q((fs::path(temp.path()).lexically_normal() / "*.dat").string()));
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    EXPECT_EQ(child<QListWidget>(Q("lstStoneHeads"))->item(1)->text(), Q("StoneH X: 150, Y: 40"));
    EXPECT_EQ(label("lblSelectedMarker") + u' ' + texts("AIRed AIYellow AIGreen txtG"), Q("Selected: 0 11 12 13 15"));
    EXPECT_TRUE(checked("YG"));
    window->close();
    writeBytes(headerPath, SampleHeader());  // alliances of the level before do not leak into the next
    ASSERT_TRUE(open());
    EXPECT_EQ(child<QListWidget>(Q("lstStoneHeads"))->count(), 3);  // refilled, not added to
    EXPECT_FALSE(checked("YG"));
    window->saveMapCommand();  // nothing changed: both files stay byte for byte
    EXPECT_TRUE(prompter.told.isEmpty());
    expectHeaderUnchanged();
    EXPECT_EQ(readBytes(levelPath), SampleLevel());
    if (const char* folder = std::getenv("CORVANE_SCREENSHOT_DIR")) {  // not a check: docs/screenshots/map.png
        markerList()->setCurrentRow(5);
        child<QListWidget>(Q("lstStoneHeads"))->setCurrentRow(0);
        window->resize(1040, 760);
        window->view()->zoomTo(2);
        window->view()->horizontalScrollBar()->setValue(120);
        window->view()->verticalScrollBar()->setValue(0);
        mouse(2 * 241, 2 * 73);
        QApplication::processEvents();  // the scroll bars show
        EXPECT_TRUE(window->grab().save(QString::fromLocal8Bit(folder) + Q("/map.png")));
    }
}

// Choosing another marker, in the list or with the left button, commits the fields first; so does
// clicking the selected marker's own line or a left press at the marker itself. Other buttons only show
// the position. A refused coordinate leaves the list on the marker the fields show.
TEST_F(MapWindowTest, SelectingAMarkerCommitsTheFieldsOfThePreviousOne) {
    ASSERT_TRUE(open());
    setText("txtX", "17");
    setText("txtY", "18");
    clickLine(0);
    EXPECT_EQ(markerLine(0), Q("0 (17 ,18)"));
    EXPECT_EQ(window->image().Pixel(34, 36), kSelected);
    setText("txtY", "19");
    mouse(241, 73, Qt::LeftButton);  // map (120, 36): marker 5
    EXPECT_EQ(markerLine(0), Q("0 (17 ,19)"));
    EXPECT_EQ(texts("txtX txtY") + u' ' + label("lblSelectedMarker"), Q("120 36 Selected: 5"));
    mouse(0, 0, Qt::MiddleButton);
    EXPECT_EQ(label("lblMousePos") + u' ' + label("lblSelectedMarker"), Q("X: 0, Y: 0 Selected: 5"));
    setText("txtX", "30");
    mouse(241, 73, Qt::LeftButton);
    EXPECT_EQ(markerLine(5), Q("5 (30 ,36)"));

    clickLine(1);
    setText("txtX", "999");
    clickLine(9);
    QApplication::processEvents();
    EXPECT_EQ(prompter.lastTold(), refused("Marker X", "999"));
    EXPECT_EQ(markerList()->selectedItems(), QList{markerList()->item(1)});
    EXPECT_EQ(markerList()->currentRow(), 1);
    for (int tab : {1, 0}) {  // the tabs show one page at a time
        child<QTabBar>(Q("TabStrip1"))->setCurrentIndex(tab);
        EXPECT_EQ(child<QWidget>(Q("frameMarkers"))->isVisible(), tab == 0);
        EXPECT_EQ(child<QWidget>(Q("frameSN"))->isVisible(), tab == 1);
    }
}

TEST_F(MapWindowTest, FailuresSayWhereAndWhyAndChangeNothing) {
    ASSERT_TRUE(open());
    const QString line = markerLine(0);
    setText("txtX", "3");
    setText("AIYellow", "256");  // a bad field is named, and neither the markers nor the file change
    window->saveMapCommand();
    EXPECT_EQ(markerLine(0), line);
    setText("txtX", "39");
    setText("AIYellow", "1");
    fs::permissions(headerPath, fs::perms::owner_read);
    window->saveMapCommand();
    expectHeaderUnchanged();
    setText("AIYellow", "12");                   // back as the file has it: nothing to ask about below
    fs::create_directory(temp.file("bad.dat"));  // a folder chosen is reported, not passed over
    prompter.files = {Q(temp.file("bad.dat"))};
    window->openMapCommand();
    // A compiled script chosen by mistake is not shown as a level unless the user wants it so.
    const std::string script = temp.file("cpscr001.dat");
    writeBytes(script, PatternHeader(12552));
    prompter.yesNo = {false};  // do not open the script
    EXPECT_FALSE(window->loadLevel(Q(script)));
    EXPECT_EQ(prompter.told,
              QStringList({refused("AI script of Yellow", "256"),
                           Q("Could not save the map: " + headerPath + ": is read-only"),
                           Q("Could not open the map: " + temp.file("bad.dat") + ": is a folder, not a file")}));
    EXPECT_EQ(prompter.asked.at(0),
              Q(script + " does not look like a level: the level file is 12552 bytes long, "
                         "shorter than the 32768 bytes of a level's height map. Open it anyway?"));
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    prompter.yesNo = {true};
    EXPECT_TRUE(window->loadLevel(Q(script)));  // Yes: opened as levels always were
    EXPECT_EQ(window->windowTitle(), title("cpscr001"));

    fs::permissions(headerPath, fs::perms::owner_all);  // Windows deletes no read-only file
    fs::remove(headerPath);  // a missing header is not created on open, and on save only with consent
    ASSERT_TRUE(open());
    prompter.yesNo = {false, true};
    window->saveMapCommand();
    EXPECT_EQ(prompter.asked.constLast(), Q("The header file " + headerPath + " does not exist. Create it?"));
    EXPECT_FALSE(fs::exists(headerPath));
    setText("AIRed", "5");
    window->saveMapCommand();
    EXPECT_EQ(readBytes(headerPath), std::string(89, '\0') + '\x05' + std::string(522, '\0'));
}

// A stone head is framed only when its line is selected; the pointer's height shows; the filter hides unused markers;
// the exported picture is the painted one.
TEST_F(MapWindowTest, StoneHeadsToolTipsHeightFilterAndExport) {
    ASSERT_TRUE(open());
    // What the list does on getting the focus (after Restore, Maximise): a current row, no selection.
    auto* heads = child<QListWidget>(Q("lstStoneHeads"));
    heads->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    mouse(0, 0, Qt::LeftButton);  // selects a marker and repaints
    send(QEvent::MouseButtonRelease, 0, 0, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window->image().Pixel(255, 255), (Rgb{0, 0, 0}));  // head 1 at (128, 128): black frame
    heads->setCurrentRow(0);
    EXPECT_EQ(window->image().Pixel(255, 255), (Rgb{255, 255, 255}));

    mouse(2 * 60, 2 * 60);
    EXPECT_EQ(label("lblHeight"), Q("Height: %1").arg(window->document()->Terrain().Height(30, 30)));
    child<QCheckBox>(Q("chkHideUnused"))->setChecked(true);
    EXPECT_TRUE(markerList()->isRowHidden(200));  // at (0, 0)
    EXPECT_FALSE(markerList()->isRowHidden(5));
    EXPECT_FALSE(markerList()->isRowHidden(0));

    // Qt's own PNG reader sees the picture the window painted.
    prompter.files = {Q(temp.file("map.png"))};
    window->exportPictureCommand();
    QImage exported(Q(temp.file("map.png")));
    ASSERT_EQ(exported.size(), QSize(512, 512));
    for (const QPoint at : {QPoint(0, 0), QPoint(255, 255), QPoint(400, 120), QPoint(511, 511)}) {
        const QColor got = exported.pixelColor(at);
        EXPECT_EQ((Rgb{got.red(), got.green(), got.blue()}), window->image().Pixel(at.x(), at.y()));
    }
}

TEST_F(MapWindowTest, ZoomKeepsThePixelUnderThePointerAndTheMouseRules) {
    ASSERT_TRUE(open());
    window->resize(1000, 760);
    QApplication::processEvents();
    const QPoint pointer(300, 200);
    const QPoint under = pictureUnder(pointer);
    QWheelEvent wheel{QPointF(pointer), QPointF(pointer),    QPoint(),          QPoint(0, 120),
                      Qt::NoButton,     Qt::ControlModifier, Qt::NoScrollPhase, false};
    QApplication::sendEvent(window->view()->viewport(), &wheel);
    EXPECT_EQ(pictureUnder(pointer), under);
    EXPECT_EQ(child<QLabel>(Q("lblZoom"))->text(), Q("Zoom 2:1"));

    mouse(2 * 101 + 1, 2 * 40 + 1);
    EXPECT_EQ(label("lblMousePos"), Q("X: 50, Y: 20"));
    mouse(2 * 241 + 1, 2 * 73, Qt::LeftButton);  // map (120, 36): marker 5, as at zoom 1
    EXPECT_EQ(window->selectedMarker(), 5);
    EXPECT_EQ(window->picture()->toolTipAt(QPoint(2 * 240, 2 * 72)), Q("Marker 5 (120, 36)"));
    // Each picture pixel becomes a 2 x 2 square of its own colour, also where two water cells of
    // different blues meet (picture pixels 11 and 12): no smoothing.
    QImage shown = window->picture()->grab(QRect(2 * 10, 2 * 300, 8, 4)).toImage();
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y) {
            Rgb expected = window->image().Pixel(10 + x / 2, 300 + y / 2);
            QColor got = shown.pixelColor(x, y);
            EXPECT_EQ((Rgb{got.red(), got.green(), got.blue()}), expected) << x << ',' << y;
        }
    window->view()->zoomOneToOne();
    EXPECT_EQ(window->picture()->size(), QSize(512, 512));

    // Fit fills the view of a large window, between whole factors; Ctrl++ then goes to the next one.
    window->resize(1366, 768);
    QApplication::processEvents();
    window->view()->zoomToFit();
    const QSize room = window->view()->maximumViewportSize();
    EXPECT_EQ(window->picture()->size().width(), std::min(room.width(), room.height()));
    EXPECT_EQ(window->view()->viewport()->size(), room);  // no scroll bars
    window->view()->zoomIn();
    EXPECT_EQ(window->picture()->zoom().Factor(), 2);
}

// A drag moves the marker in one step and repaints only cells under markers; Esc, or Undo during the
// drag, puts it back. Arrow keys nudge the selected marker, one step per run of keys.
TEST_F(MapWindowTest, DraggingAndNudgingAMarker) {
    ASSERT_TRUE(open());
    drag(241, 73, 101, 40);  // marker 5 at (120, 36) to (50, 20)
    EXPECT_EQ(markerLine(5) + u' ' + texts("txtX txtY") + u' ' + label("lblSelectedMarker"),
              Q("5 (50 ,20) 50 20 Selected: 5"));
    EXPECT_EQ(window->image().Pixel(100, 40), kSelected);
    EXPECT_LT(window->lastPaintedCells(), 100);
    EXPECT_EQ(window->document()->UndoCount(), 1);

    drag(101, 40, 300, 300, false);
    EXPECT_EQ(window->markers()[5], (Marker{150, 150}));
    key(Qt::Key_Escape);
    send(QEvent::MouseButtonRelease, 300, 300, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(markerLine(5) + u' ' + texts("txtX txtY"), Q("5 (50 ,20) 50 20"));
    EXPECT_EQ(window->document()->UndoCount(), 1);

    const auto before = window->markers();
    drag(500, 10, 300, 300);  // far from every marker: selects the nearest, moves nothing
    drag(101, 40, 101, 40);   // a press without moving only selects
    EXPECT_EQ(window->markers(), before);
    EXPECT_EQ(window->document()->UndoCount(), 1);
    drag(101, 40, 300, 300, false);
    undo();  // during a drag: the drag is put back, then the move before it undone
    send(QEvent::MouseButtonRelease, 300, 300, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window->markers()[5], (Marker{120, 36}));

    key(Qt::Key_Right);
    key(Qt::Key_Right, true);
    key(Qt::Key_Down, true);
    key(Qt::Key_Right, false, QEvent::KeyRelease);
    EXPECT_EQ(texts("txtX txtY"), Q("122 37"));
    EXPECT_EQ(window->document()->UndoCount(), 1);  // one run, one step
    key(Qt::Key_Left);
    EXPECT_EQ(window->document()->UndoCount(), 2);  // a new run
}

TEST_F(MapWindowTest, EveryKindOfEditUndoesRedoesAndSurvivesSaveAndReopen) {
    ASSERT_TRUE(open());
    const QString sevenLine = markerLine(7);
    markerList()->setCurrentRow(7);
    const QString seven = texts("txtX txtY");
    mouse(101, 40, Qt::RightButton);                                       // the right button moves the selected marker
    for (const char* typed : {"2", "25", "255"}) setText("AIRed", typed);  // key by key
    child<QCheckBox>(Q("YG"))->click();                                    // a box sets its partner and the masks
    EXPECT_EQ(window->document()->UndoCount(), 3);                         // the three keys typed are one step
    EXPECT_EQ(texts("AIRed txtB txtR txtY2 txtG"), Q("255 1 2 12 12"));

    for (int i = 0; i < 3; ++i) undo();
    EXPECT_EQ(texts("AIRed txtB txtR txtY2 txtG txtX txtY") + u' ' + markerLine(7),
              Q("11 0 0 0 0 ") + seven + u' ' + sevenLine);
    EXPECT_FALSE(window->isWindowModified());

    for (int i = 0; i < 3; ++i) redo();
    setText("AIGreen", " 007 ");  // spaces around, leading zeros: 7
    setText("txtX", "99");        // typed, committed by the save
    window->saveMapCommand();     // what is saved is what the redone window shows
    EXPECT_EQ(readBytes(headerPath),
              SampleHeader().replace(89, 7, "\xFF\x0C\x07\x01\x02\x0C\x0C").replace(114, 2, "\x63\x14"));
    EXPECT_FALSE(window->isWindowModified());
    window = makeWindow();
    ASSERT_TRUE(open());
    EXPECT_EQ(markerLine(7) + u' ' + texts("AIRed"), Q("7 (99, 20) 255"));
}

TEST_F(MapWindowTest, UnsavedEditsShowInTheCaptionAndAreAskedAbout) {
    ASSERT_TRUE(open());
    setText("txtX", "3");  // typed, not yet committed, would be lost too
    EXPECT_TRUE(window->isWindowModified());

    const QString question = Q("The map " + temp.file("levl2001") + " has changed. Do you want to save it?");
    writeBytes(temp.file("other.dat"), SampleLevel());
    prompter.saveChoices = {Choice::Cancel, Choice::Cancel};
    EXPECT_FALSE(window->loadLevel(Q(temp.file("other.dat"))));  // Cancel: the level stays as it is
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.asked, QStringList({question, question}));
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    expectHeaderUnchanged();

    prompter.saveChoices = {Choice::Save};  // Save writes the header, then the other level opens
    EXPECT_TRUE(window->loadLevel(Q(temp.file("other.dat"))));
    EXPECT_EQ(readBytes(headerPath), SampleHeader().replace(100, 1, "\x03"));
    EXPECT_EQ(window->windowTitle(), title("other"));
    EXPECT_FALSE(window->isWindowModified());

    mouse(11, 11, Qt::RightButton);
    prompter.saveChoices = {Choice::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(fs::exists(temp.file("other.hdr")));
    EXPECT_TRUE(prompter.saveChoices.empty());
    ASSERT_TRUE(open());  // nothing is left to ask about
}

// A missing script is offered to be made (Yes, the editor's own test, as is a found one) or chosen in the
// level's folder (No); a number that is no byte is refused.
TEST_F(MapWindowTest, EditButtonsOfferToMakeAMissingScriptOrChooseOne) {
    ASSERT_TRUE(open());
    QStringList folders;
    QObject::connect(window.get(), &MapWindow::scriptFolderRequested, [&folders](const QString& f) { folders << f; });
    setText("AIYellow", "8");
    setText("AIGreen", "x");
    prompter.yesNo = {false};
    for (const char* button : {"cmdEditYellow", "cmdEditGreen"}) child<QPushButton>(Q(button))->click();
    EXPECT_EQ(folders, QStringList{Q(temp.path().string())});
    EXPECT_EQ(prompter.asked.value(0),
              Q("There is no script cpscr008.dat in %1. Create it? (No: choose a script there.)")
                  .arg(Q(temp.path().string())));
    EXPECT_EQ(prompter.told, QStringList{refused("AI script of Green", "x")});
}

}  // namespace
}  // namespace corvane
