// The marker editor window offscreen: open, select, fields, and every way a save or an open can fail,
// files too short to be levels among them.
#include <QImage>
#include <QKeyEvent>

#include "tests/map/map_window_fixture.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace corvane {
namespace {

using namespace testing;

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
    EXPECT_FALSE(window->isVisible());
    window->openMapCommand();
    EXPECT_EQ(prompter.dialogs.at(2).title, Q("Open a map file"));
    EXPECT_EQ(prompter.dialogs.at(2).filter, Q("Populous Level Files (*.dat)|*.dat"));
    EXPECT_EQ(prompter.dialogs.at(2).initialName, Q((fs::path(temp.path()).lexically_normal() / "*.dat").string()));
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    auto* heads = child<QListWidget>(Q("lstStoneHeads"));
    ASSERT_EQ(heads->count(), 3);
    EXPECT_EQ(heads->item(1)->text(), Q("StoneH X: 150, Y: 40"));
    EXPECT_EQ(label("lblSelectedMarker") + u' ' + texts("AIRed AIYellow AIGreen txtG"), Q("Selected: 0 11 12 13 15"));
    EXPECT_TRUE(checked("YG"));
    window->close();                         // closing disables Save Map, showing enables it
    writeBytes(headerPath, SampleHeader());  // alliances of the level before do not leak into the next
    ASSERT_TRUE(open());
    EXPECT_EQ(saveAvailable, (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(checked("YG"));
    window->saveMapCommand();  // nothing changed: both files stay byte for byte
    EXPECT_TRUE(prompter.told.isEmpty());
    expectHeaderUnchanged();
    EXPECT_EQ(readBytes(levelPath), SampleLevel());
    EXPECT_EQ(markerLine(0), Q("0 (%1, %2)").arg(texts("txtX"), texts("txtY")));  // not moved: not rewritten
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
// the position.
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
    mouse(101, 40);
    EXPECT_EQ(label("lblMousePos"), Q("X: 50, Y: 20"));
    mouse(0, 0, Qt::MiddleButton);
    EXPECT_EQ(label("lblMousePos") + u' ' + label("lblSelectedMarker"), Q("X: 0, Y: 0 Selected: 5"));
    setText("txtX", "30");
    mouse(241, 73, Qt::LeftButton);
    EXPECT_EQ(markerLine(5), Q("5 (30 ,36)"));
    EXPECT_EQ(window->image().Pixel(60, 72), kSelected);
    for (int tab : {1, 0}) {  // the tabs show one page at a time
        child<QTabBar>(Q("TabStrip1"))->setCurrentIndex(tab);
        EXPECT_EQ(child<QWidget>(Q("frameMarkers"))->isVisible(), tab == 0);
        EXPECT_EQ(child<QWidget>(Q("frameSN"))->isVisible(), tab == 1);
    }
}

TEST_F(MapWindowTest, BadFieldsAreRefusedByNameAndChangeNothing) {
    auto refused = [](const std::string& name, const char* value) {
        return Q(name + " must be a whole number from 0 to 255, not \"" + value + "\". Nothing was changed.");
    };
    ASSERT_TRUE(open());
    markerList()->setCurrentRow(5);
    setText("txtX", "256");  // choosing another marker keeps this one selected
    markerList()->setCurrentRow(9);
    EXPECT_EQ(markerList()->currentRow(), 5);
    EXPECT_EQ(prompter.lastTold(), refused("Marker X", "256"));
    // Every field named in turn, in the order they are checked: the first bad one is told.
    const struct {
        const char *field, *value, *name;
    } cases[] = {{"txtX", "+3", "Marker X"},
                 {"txtY", "1 2", "Marker Y"},
                 {"AIRed", "99999999999", "AI script of Red"},
                 {"AIYellow", "256", "AI script of Yellow"},
                 {"AIGreen", "", "AI script of Green"},
                 {"txtB", "\xC2\xB2", "Alliance mask of Blue"},
                 {"txtY2", "12a", "Alliance mask of Yellow"}};
    for (const auto& c : cases) setText(c.field, c.value);
    for (const auto& c : cases) {
        window->saveMapCommand();
        EXPECT_EQ(prompter.lastTold(), refused(c.name, c.value));
        EXPECT_EQ(markerLine(5), Q("5 (120, 36)")) << c.field;
        expectHeaderUnchanged();
        setText(c.field, "1");
    }
}

TEST_F(MapWindowTest, FailuresSayWhereAndWhyAndChangeNothing) {
    ASSERT_TRUE(open());
    setText("AIRed", "1");
    fs::permissions(headerPath, fs::perms::owner_read);
    window->saveMapCommand();
    expectHeaderUnchanged();
    setText("AIRed", "11");  // back as the file has it: nothing to ask about below
    fs::create_directory(temp.file("bad.dat"));
    fs::create_directory(temp.file("l.hdr"));
    writeBytes(temp.file("l.dat"), "");
    // A compiled script chosen by mistake is not shown as a level unless the user wants it so.
    const std::string script = temp.file("cpscr001.dat"), scriptBytes = PatternHeader(12552);
    writeBytes(script, scriptBytes);
    prompter.yesNo = {true, false};  // open the empty level file anyway, not the script
    for (const char* level : {"bad.dat", "l.dat", "cpscr001.dat"}) EXPECT_FALSE(window->loadLevel(Q(temp.file(level))));
    const std::string isFolder = ": is a folder, not a file";
    EXPECT_EQ(prompter.told,
              QStringList({Q("Could not save the map: " + headerPath + ": is read-only"),
                           Q("Could not open the map: " + temp.file("bad.dat") + isFolder),
                           Q("Could not read the map's header file: " + temp.file("l.hdr") + isFolder)}));
    EXPECT_EQ(prompter.asked.at(1),
              Q(script + " does not look like a level: the level file is 12552 bytes long, "
                         "shorter than the 32768 bytes of a level's height map. Open it anyway?"));
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    EXPECT_EQ(markerLine(5), Q("5 (120, 36)"));
    EXPECT_FALSE(fs::exists(temp.file("cpscr001.hdr")));
    prompter.yesNo = {true};
    EXPECT_TRUE(window->loadLevel(Q(script)));  // Yes: opened as levels always were
    EXPECT_EQ(window->windowTitle(), title("cpscr001"));
    EXPECT_EQ(readBytes(script), scriptBytes);

    fs::permissions(headerPath, fs::perms::owner_all);  // Windows deletes no read-only file
    fs::remove(headerPath);  // a missing header is not created on open, and on save only with consent
    ASSERT_TRUE(open());
    EXPECT_EQ(markerLine(255) + texts("AIYellow"), Q("255 (0, 0)0"));
    prompter.yesNo = {false, true};
    window->saveMapCommand();
    EXPECT_EQ(prompter.asked.constLast(), Q("The header file " + headerPath + " does not exist. Create it?"));
    EXPECT_FALSE(fs::exists(headerPath));
    setText("AIRed", "5");
    window->saveMapCommand();
    EXPECT_EQ(readBytes(headerPath), std::string(89, '\0') + '\x05' + std::string(522, '\0'));
}

// The rough edges users found: a refused coordinate leaves the list on the marker the fields show; a
// click on a line rewrites nothing; a stone head is framed only when its line is selected; a pipe is
// reported; arrow keys nudge (one step per run); tool tips name players and stone heads; the filter
// hides unused markers; the pointer's height shows; the exported picture is the painted one.
TEST_F(MapWindowTest, RoughEdgesOfTheMarkerEditor) {
    ASSERT_TRUE(open());
    const QString lineOne = markerLine(1);
    clickLine(1);
    EXPECT_EQ(markerLine(0) + u' ' + markerLine(1), markerLine(0) + u' ' + lineOne);  // both unchanged
    EXPECT_TRUE(markerLine(0).contains(Q(", ")));
    setText("txtX", "999");
    clickLine(9);
    QApplication::processEvents();
    EXPECT_EQ(prompter.lastTold(),
              Q("Marker X must be a whole number from 0 to 255, not \"999\". Nothing was changed."));
    ASSERT_EQ(markerList()->selectedItems().size(), 1);
    EXPECT_EQ(markerList()->row(markerList()->selectedItems().first()), 1);
    EXPECT_EQ(markerList()->currentRow(), 1);
    EXPECT_EQ(label("lblSelectedMarker"), Q("Selected: 1"));
    setText("txtX", QString::number(window->markers()[1].x).toStdString().c_str());

    // What the list does on getting the focus (after Restore, Maximise): a current row, no selection.
    auto* heads = child<QListWidget>(Q("lstStoneHeads"));
    heads->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    window->view()->zoomOneToOne();
    mouse(0, 0, Qt::LeftButton);  // selects a marker and repaints
    send(QEvent::MouseButtonRelease, 0, 0, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(window->image().Pixel(255, 255), (Rgb{0, 0, 0}));  // head 1 at (128, 128): black frame
    heads->setCurrentRow(0);
    EXPECT_EQ(window->image().Pixel(255, 255), (Rgb{255, 255, 255}));

    const int marker = window->selectedMarker();
    const Marker before = window->markers()[static_cast<std::size_t>(marker)];
    const std::size_t steps = window->document()->UndoCount();
    auto press = [this](int key, bool repeat, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(window->picture(), &event);
    };
    press(Qt::Key_Right, false);
    press(Qt::Key_Right, true);
    press(Qt::Key_Down, true);
    press(Qt::Key_Right, false, QEvent::KeyRelease);
    EXPECT_EQ(window->markers()[static_cast<std::size_t>(marker)],
              (Marker{static_cast<std::uint8_t>(before.x + 2), static_cast<std::uint8_t>(before.y + 1)}));
    EXPECT_EQ(window->document()->UndoCount(), steps + 1);  // one run, one step
    EXPECT_EQ(texts("txtX"), QString::number(before.x + 2));
    press(Qt::Key_Left, false);
    EXPECT_EQ(window->document()->UndoCount(), steps + 2);  // a new run
    window->editActions().at(1)->trigger();
    window->editActions().at(1)->trigger();
    EXPECT_EQ(window->markers()[static_cast<std::size_t>(marker)], before);

    EXPECT_EQ(window->picture()->toolTipAt(QPoint(2 * 200, 2 * 60)), Q("Red's position (200, 60)"));
    EXPECT_EQ(window->picture()->toolTipAt(QPoint(2 * 151, 2 * 40)), Q("Stone head 2 (150, 40)"));
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

#ifndef _WIN32
    const std::string fifo = temp.file("pipe.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    prompter.files = {Q(fifo)};
    window->openMapCommand();
    EXPECT_EQ(prompter.lastTold(), Q("Could not open the map: " + fifo + ": is not a regular file"));
#endif
}

}  // namespace
}  // namespace corvane
