#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "tests/ui/editor_fixture.h"
#include "ui/find_window.h"

namespace corvane::testing {
namespace {

const QString kNotFound = QStringLiteral("Not found below your cursor!");

class FindTest : public EditorTest {
protected:
    void find(const QString& text, const QString& what) {
        item("mnuScriptsNew")->trigger();
        setText(text);
        placeCaret(0);
        window->find();
        window->findWindow().searchBox()->setText(what);
        window->findWindow().findNext();
    }
    int selectionStart() { return box().textCursor().selectionStart(); }
};

TEST_F(FindTest, CaseInsensitiveFromOneAfterTheCaretWithoutWrap) {
    find(QStringLiteral("SET a\nSet b\nset c"), QStringLiteral("set"));  // the match at the caret is skipped
    EXPECT_EQ(window->findWindow().windowTitle(), QStringLiteral("Find"));
    auto* label = window->findWindow().findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(label->text(), QStringLiteral("Text to look for:"));
    EXPECT_GE(label->width(), label->sizeHint().width());  // the caption is not cut off
    EXPECT_EQ(selectionStart(), 6);
    EXPECT_EQ(selected(), QStringLiteral("Set"));
    press(*window->findWindow().searchBox(), Qt::Key_Return, QStringLiteral("\r"));  // Enter searches once
    EXPECT_EQ(selectionStart(), 12);
    window->findNext();
    EXPECT_EQ(prompter.told, QStringList{kNotFound});
    EXPECT_EQ(selectionStart(), 12);  // the last match stays selected
    EXPECT_EQ(selected(), QStringLiteral("set"));
}

TEST_F(FindTest, OverlappingMatches) {
    find(QStringLiteral("aaa"), QStringLiteral("aa"));
    EXPECT_EQ(selectionStart(), 1);
    EXPECT_EQ(selected(), QStringLiteral("aa"));
    window->findNext();
    EXPECT_EQ(prompter.lastTold(), kNotFound);
}

TEST_F(FindTest, FindNextOpensBothWindowsWithTheStoredText) {
    ASSERT_TRUE(WriteIni(ini(), "find", "what", "ENDSCRIPT"));
    window->findNext();  // creates the script window too
    EXPECT_EQ(window->findWindow().searchBox()->text(), QStringLiteral("ENDSCRIPT"));
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_EQ(prompter.lastTold(), kNotFound);  // empty script
}

TEST_F(FindTest, SearchTextIsStoredOnCloseOnly) {
    find(QString(), QStringLiteral("Needle"));
    EXPECT_EQ(setting("find", "what"), "(none)");
    window->findWindow().close();
    settle();
    EXPECT_EQ(setting("find", "what"), "Needle");
    window->find();
    window->findWindow().searchBox()->setText(QStringLiteral("Other"));
    window.reset();  // the program ends with the window open: nothing stored
    EXPECT_EQ(setting("find", "what"), "Needle");
}

}  // namespace
}  // namespace corvane::testing
