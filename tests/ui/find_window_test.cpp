#include <QAction>
#include <QLineEdit>

#include "tests/ui/editor_fixture.h"
#include "ui/find_window.h"

namespace corvane::testing {
namespace {

class FindTest : public EditorTest {
protected:
    void find(const QString& what) {
        window->find();
        window->findWindow().searchBox()->setText(what);
        window->findWindow().findNext();
    }
    int selectionStart() { return box().textCursor().selectionStart(); }
};

TEST_F(FindTest, WindowHasItsControls) {
    item("mnuScriptsNew")->trigger();
    window->find();
    FindWindow& w = window->findWindow();
    EXPECT_EQ(w.objectName(), QStringLiteral("frmFind"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Find"));
    EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("cmdFindNext")), nullptr);
    EXPECT_NE(w.findChild<QWidget*>(QStringLiteral("Label1")), nullptr);
}

TEST_F(FindTest, CaseInsensitiveFromOneAfterTheCaret) {
    item("mnuScriptsNew")->trigger();
    setText(QStringLiteral("SET a\nSet b\nset c"));
    placeCaret(0);
    find(QStringLiteral("set"));  // the match at the caret is skipped
    EXPECT_EQ(selectionStart(), 6);
    EXPECT_EQ(selected(), QStringLiteral("Set"));
    window->findNext();
    EXPECT_EQ(selectionStart(), 12);
    window->findNext();
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Not found below your cursor!"));
    EXPECT_EQ(selectionStart(), 12);  // the last match stays selected
    EXPECT_EQ(selected(), QStringLiteral("set"));
}

TEST_F(FindTest, OverlappingMatchesAndNoWrap) {
    item("mnuScriptsNew")->trigger();
    setText(QStringLiteral("aaa"));
    placeCaret(0);
    find(QStringLiteral("aa"));
    EXPECT_EQ(selectionStart(), 1);
    EXPECT_EQ(selected(), QStringLiteral("aa"));
    window->findNext();
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Not found below your cursor!"));
}

TEST_F(FindTest, FindNextOpensWindowAndScriptWindow) {
    ASSERT_TRUE(WriteIni(ini(), "find", "what", "ENDSCRIPT"));
    item("mnuFindNext")->setEnabled(true);
    window->findNext();  // creates the script window too
    EXPECT_EQ(window->findWindow().searchBox()->text(), QStringLiteral("ENDSCRIPT"));
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Not found below your cursor!"));  // empty script
}

TEST_F(FindTest, SearchTextIsStoredOnCloseOnly) {
    item("mnuScriptsNew")->trigger();
    find(QStringLiteral("Needle"));
    EXPECT_EQ(setting("find", "what"), "(none)");
    window->findWindow().close();
    settle();
    EXPECT_EQ(setting("find", "what"), "Needle");
    window->find();
    EXPECT_EQ(window->findWindow().searchBox()->text(), QStringLiteral("Needle"));
    window.reset();  // program ends with the window open: nothing stored
    EXPECT_EQ(setting("find", "what"), "Needle");
}

}  // namespace
}  // namespace corvane::testing
