// The map window as an editor: zoom, dragging markers, every edit undone, redone, saved and reopened,
// the unsaved-edits questions and the "Edit" buttons.
#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>

#include "tests/map/map_window_fixture.h"
#include "ui/map/map_view.h"

namespace corvane {
namespace {

using namespace testing;
using Choice = Prompter::SaveChoice;

class MapEditingTest : public MapWindowTest {
protected:
    void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &event);
    }
    void type(const char* field, const char* text) {  // as the user types: each key an edit
        QLineEdit* edit = child<QLineEdit>(Q(field));
        edit->selectAll();
        for (char c : std::string(text)) key(edit, 0, Qt::NoModifier, QString(QChar::fromLatin1(c)));
    }
    void undo() { window->editActions().at(1)->trigger(); }
    void redo() { window->editActions().at(2)->trigger(); }
    Marker marker(int n) const { return window->markers()[static_cast<std::size_t>(n)]; }
    // The picture pixel under a point of the view's viewport.
    QPoint pictureUnder(QPoint inViewport) const {
        return window->picture()->pictureAt(window->picture()->mapFrom(window->view()->viewport(), inViewport));
    }
};

TEST_F(MapEditingTest, ZoomKeepsThePixelUnderThePointerAndTheMouseRules) {
    ASSERT_TRUE(open());
    window->resize(1000, 760);
    QApplication::processEvents();
    const QPoint pointer(300, 200);
    const QPoint under = pictureUnder(pointer);
    window->view()->zoomTo(4, pointer);
    EXPECT_EQ(window->picture()->zoom().Factor(), 4);
    EXPECT_GT(window->view()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(pictureUnder(pointer), under);
    QWheelEvent wheel{QPointF(pointer), QPointF(pointer),    QPoint(),          QPoint(0, 120),
                      Qt::NoButton,     Qt::ControlModifier, Qt::NoScrollPhase, false};
    QApplication::sendEvent(window->view()->viewport(), &wheel);
    EXPECT_EQ(window->picture()->zoom().Factor(), 5);
    EXPECT_EQ(pictureUnder(pointer), under);
    EXPECT_EQ(child<QLabel>(Q("lblZoom"))->text(), Q("Zoom 5:1"));

    window->view()->zoomTo(2);
    mouse(2 * 101 + 1, 2 * 40 + 1);
    EXPECT_EQ(label("lblMousePos"), Q("X: 50, Y: 20"));
    mouse(2 * 241 + 1, 2 * 73, Qt::LeftButton);  // map (120, 36): marker 5, as at zoom 1
    EXPECT_EQ(window->selectedMarker(), 5);
    EXPECT_EQ(window->picture()->toolTipAt(QPoint(2 * 240, 2 * 72)), Q("Marker 5 (120, 36)"));
    EXPECT_EQ(window->picture()->toolTipAt(QPoint(2 * 250, 2 * 72)), QString());
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
    EXPECT_FALSE(window->picture()->zoom().IsWhole());
    EXPECT_EQ(window->view()->viewport()->size(), room);  // no scroll bars
    window->view()->zoomIn();
    EXPECT_EQ(window->picture()->zoom().Factor(), 2);
}

TEST_F(MapEditingTest, DraggingAMarkerMovesItAndEscPutsItBack) {
    ASSERT_TRUE(open());
    drag(241, 73, 101, 40);  // marker 5 at (120, 36) to (50, 20)
    EXPECT_EQ(marker(5), (Marker{50, 20}));
    EXPECT_EQ(markerLine(5) + u' ' + texts("txtX txtY") + u' ' + label("lblSelectedMarker"),
              Q("5 (50 ,20) 50 20 Selected: 5"));
    EXPECT_EQ(window->image().Pixel(100, 40), kSelected);
    EXPECT_NE(window->image().Pixel(240, 72), kSelected);  // the old spot shows terrain again
    EXPECT_LT(window->lastPaintedCells(), 100);            // each step of a drag repaints only cells under markers
    EXPECT_EQ(window->document()->UndoCount(), 1);

    drag(101, 40, 300, 300, false);
    EXPECT_EQ(marker(5), (Marker{150, 150}));
    key(window->picture(), Qt::Key_Escape);
    send(QEvent::MouseButtonRelease, 300, 300, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(marker(5), (Marker{50, 20}));
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
    EXPECT_EQ(marker(5), (Marker{120, 36}));
    EXPECT_EQ(markerLine(5), Q("5 (120, 36)"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MapEditingTest, EveryKindOfEditUndoesRedoesAndSurvivesSaveAndReopen) {
    ASSERT_TRUE(open());
    const Marker seven = marker(7);
    const QString sevenLine = markerLine(7);
    markerList()->setCurrentRow(7);
    mouse(101, 40, Qt::RightButton);  // the right button moves the selected marker
    EXPECT_EQ(markerLine(7), Q("7 (50 ,20)"));
    EXPECT_EQ(window->image().Pixel(100, 40), kSelected);
    type("AIRed", "255");
    child<QCheckBox>(Q("YG"))->click();             // a box sets its partner and the masks
    EXPECT_EQ(window->document()->UndoCount(), 3);  // the three keys typed are one step
    EXPECT_EQ(texts("AIRed txtB txtR txtY2 txtG"), Q("255 1 2 12 12"));
    EXPECT_TRUE(window->isWindowModified());

    undo();
    EXPECT_EQ(texts("txtB txtR txtY2 txtG"), Q("0 0 0 0"));
    EXPECT_FALSE(checked("YG") || checked("GY"));
    undo();
    EXPECT_EQ(texts("AIRed"), Q("11"));
    undo();
    EXPECT_EQ(marker(7), seven);
    EXPECT_EQ(markerLine(7), sevenLine);
    EXPECT_EQ(texts("txtX txtY"), Q("%1 %2").arg(seven.x).arg(seven.y));
    EXPECT_FALSE(window->isWindowModified());

    for (int i = 0; i < 3; ++i) redo();
    EXPECT_EQ(marker(7), (Marker{50, 20}));
    EXPECT_EQ(texts("AIRed txtY2 txtG"), Q("255 12 12"));
    EXPECT_TRUE(checked("YG") && checked("GY"));
    setText("AIGreen", " 007 ");  // spaces around, leading zeros: 7
    setText("txtX", "99");        // typed, committed by the save
    window->saveMapCommand();     // what is saved is what the redone window shows
    ASSERT_TRUE(prompter.told.isEmpty()) << prompter.lastTold().toStdString();
    EXPECT_EQ(readBytes(headerPath),
              SampleHeader().replace(89, 7, "\xFF\x0C\x07\x01\x02\x0C\x0C").replace(114, 2, "\x63\x14"));
    EXPECT_FALSE(window->isWindowModified());
    window = makeWindow();
    ASSERT_TRUE(open());
    EXPECT_EQ(markerLine(7) + u' ' + texts("AIRed"), Q("7 (99, 20) 255"));
}

TEST_F(MapEditingTest, UnsavedEditsShowInTheCaptionAndAreAskedAbout) {
    ASSERT_TRUE(open());
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    EXPECT_FALSE(window->isWindowModified());
    const QString x = texts("txtX");
    setText("txtX", "3");  // typed, not yet committed, would be lost too
    EXPECT_TRUE(window->isWindowModified());
    setText("txtX", x.toStdString().c_str());
    EXPECT_FALSE(window->isWindowModified());
    mouse(101, 40, Qt::RightButton);
    EXPECT_TRUE(window->isWindowModified());

    const QString question = Q("The map " + temp.file("levl2001") + " has changed. Do you want to save it?");
    writeBytes(temp.file("other.dat"), SampleLevel());
    prompter.saveChoices = {Choice::Cancel, Choice::Cancel};
    EXPECT_FALSE(window->loadLevel(Q(temp.file("other.dat"))));  // Cancel: the level stays as it is
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.asked, QStringList({question, question}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), title("levl2001"));
    EXPECT_EQ(marker(0), (Marker{50, 20}));
    expectHeaderUnchanged();

    prompter.saveChoices = {Choice::Save};  // Save writes the header, then the other level opens
    EXPECT_TRUE(window->loadLevel(Q(temp.file("other.dat"))));
    EXPECT_EQ(readBytes(headerPath), SampleHeader().replace(100, 2, "\x32\x14"));
    EXPECT_EQ(window->windowTitle(), title("other"));
    EXPECT_FALSE(window->isWindowModified());

    mouse(11, 11, Qt::RightButton);
    prompter.saveChoices = {Choice::Discard};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(fs::exists(temp.file("other.hdr")));
    EXPECT_TRUE(prompter.saveChoices.empty());
    ASSERT_TRUE(open());  // nothing is left to ask about
}

// A missing script is offered to be made (Yes) or chosen in the level's folder (No); a found one opens
// (the editor's own test), a number that is no byte is refused.
TEST_F(MapEditingTest, EditButtonsOfferToMakeAMissingScriptOrChooseOne) {
    ASSERT_TRUE(open());
    QStringList newFiles, folders;
    QObject::connect(window.get(), &MapWindow::newScriptRequested, [&newFiles](const QString& f) { newFiles << f; });
    QObject::connect(window.get(), &MapWindow::scriptFolderRequested, [&folders](const QString& f) { folders << f; });
    setText("AIYellow", "8");
    setText("AIGreen", "x");
    prompter.yesNo = {true, false};
    for (const char* button : {"cmdEditYellow", "cmdEditYellow", "cmdEditGreen"})
        child<QPushButton>(Q(button))->click();
    EXPECT_EQ(newFiles, QStringList{Q((temp.path() / "cpscr008.dat").string())});
    EXPECT_EQ(folders, QStringList{Q(temp.path().string())});
    EXPECT_EQ(prompter.asked.value(0),
              Q("There is no script cpscr008.dat in %1. Create it? (No: choose a script there.)")
                  .arg(Q(temp.path().string())));
    EXPECT_EQ(
        prompter.told,
        QStringList{Q("AI script of Green must be a whole number from 0 to 255, not \"x\". Nothing was changed.")});
}

}  // namespace
}  // namespace corvane
