#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/ui/editor_fixture.h"
#include "ui/about_window.h"

namespace corvane::testing {
namespace {

struct ListCase {
    const char* item;
    const char* window;
    const char* caption;
    const char* textBox;
    const char* firstLine;
};

TEST_F(EditorTest, ReferenceListsOpenOnceEach) {
    const ListCase cases[] = {
        {"mnuShowCommands", "frmCommandList", "Commands", "txtCommands", "STATE_BRING_NEW_PEOPLE <on/off> "},
        {"mnuShowVariables", "frmVariableList", "Variables", "txtVariables", nullptr},
        {"mnuShowKeywords", "frmKeywords", "Keywords list", "txtKeywords", ""},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.window);
        item(c.item)->trigger();
        item(c.item)->trigger();
        const auto windows = window->findChildren<QMdiSubWindow*>(QString::fromLatin1(c.window));
        ASSERT_EQ(windows.size(), 1);
        EXPECT_EQ(windows[0]->windowTitle(), QString::fromLatin1(c.caption));
        auto* text = windows[0]->findChild<QPlainTextEdit*>(QString::fromLatin1(c.textBox));
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->isReadOnly());
        if (c.firstLine != nullptr) {
            EXPECT_EQ(text->document()->firstBlock().text(), QString::fromLatin1(c.firstLine));
        }
    }
    auto* keywords = window->findChild<QPlainTextEdit*>(QStringLiteral("txtKeywords"));
    EXPECT_EQ(keywords->document()->findBlockByNumber(1).text(), QStringLiteral("IF"));
    window->findChild<QMdiSubWindow*>(QStringLiteral("frmKeywords"))->close();
    settle();
    item("mnuShowKeywords")->trigger();
    EXPECT_EQ(window->findChildren<QMdiSubWindow*>(QStringLiteral("frmKeywords")).size(), 1);
}

TEST_F(EditorTest, AboutShowsVersionAndFormattedLog) {
    item("mnuAbout")->trigger();
    item("mnuAbout")->trigger();
    const auto abouts = window->findChildren<AboutWindow*>();
    ASSERT_EQ(abouts.size(), 1);
    AboutWindow& about = *abouts[0];
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 0.3.0"));
    EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cmdClose"))->text(),
              QStringLiteral("It surely is a nice program!"));
    QTextDocument* log = about.changeLog()->document();
    EXPECT_EQ(log->firstBlock().text(), QStringLiteral("Change Log since v0.2.5"));
    EXPECT_EQ(log->findBlockByNumber(1).text(), QString(49, QLatin1Char('=')));
    EXPECT_EQ(log->findBlockByNumber(10).text(), QStringLiteral("- Added Change Log"));
    QTextCursor cursor(log->findBlockByNumber(0));
    cursor.movePosition(QTextCursor::Right);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 192, 0));
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 10.0);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    QTextCursor change(log->findBlockByNumber(3));
    change.movePosition(QTextCursor::Right);
    EXPECT_TRUE(change.charFormat().fontItalic());
    EXPECT_EQ(change.charFormat().fontPointSize(), 8.0);
    EXPECT_EQ(change.charFormat().foreground().color(), QColor(255, 255, 255));
    EXPECT_EQ(about.changeLog()->textCursor().position(), 0);
    EXPECT_EQ(about.changeLog()->focusPolicy(), Qt::NoFocus);
    about.findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace corvane::testing
