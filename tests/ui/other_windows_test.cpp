#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "tests/ui/editor_fixture.h"
#include "ui/about_window.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, ReferenceListsOpenOnceEach) {
    const struct {
        const char *item, *window, *caption, *textBox, *secondLine;
    } cases[] = {
        {"mnuShowCommands", "frmCommandList", "Commands", "txtCommands", "STATE_CONSTRUCT_BUILDING <on/off> "},
        {"mnuShowVariables", "frmVariableList", "Variables", "txtVariables", "INT_MY_NUM_PEOPLE"},
        {"mnuShowKeywords", "frmKeywords", "Keywords list", "txtKeywords", "IF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        for (int time = 0; time < 2; ++time) {  // opened twice, closed in between the second time
            item(c.item)->trigger();
            item(c.item)->trigger();
            const auto windows = window->findChildren<QMdiSubWindow*>(QString::fromLatin1(c.window));
            ASSERT_EQ(windows.size(), 1);
            EXPECT_EQ(windows[0]->windowTitle(), QString::fromLatin1(c.caption));
            auto* text = windows[0]->findChild<QPlainTextEdit*>(QString::fromLatin1(c.textBox));
            ASSERT_NE(text, nullptr);
            EXPECT_TRUE(text->isReadOnly());
            EXPECT_EQ(text->document()->findBlockByNumber(1).text(), QString::fromLatin1(c.secondLine));
            windows[0]->close();
            settle();
        }
    }
}

TEST_F(EditorTest, AboutShowsVersionAndFormattedLog) {
    item("mnuAbout")->trigger();
    item("mnuAbout")->trigger();
    const auto abouts = window->findChildren<AboutWindow*>();
    ASSERT_EQ(abouts.size(), 1);
    AboutWindow& about = *abouts[0];
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 0.3.0"));
    const QColor green(0, 192, 0), white(255, 255, 255);
    const QString rule(49, QLatin1Char('-'));
    const struct {
        QString text;
        QColor colour;
        int points;
        bool bold;
    } lines[] = {
        {QStringLiteral("Change Log since v0.2.5"), green, 10, true}, {QString(49, QLatin1Char('=')), green, 10, true},
        {QStringLiteral("Version 0.3.1:"), white, 9, true},
        {QStringLiteral("- Fixed a bug that would crash the syntax checker when } is used more than {"), white, 8, false},
        {rule, green, 10, true}, {QStringLiteral("Version 0.3.0:"), white, 9, true},
        {QStringLiteral("- Added Automatic Update Feature"), white, 8, false}, {rule, green, 10, true},
        {QStringLiteral("Version 0.2.5:"), white, 9, true}, {QStringLiteral("- Added Language Editor"), white, 8, false},
        {QStringLiteral("- Added Change Log"), white, 8, false},
    };
    QTextDocument* log = about.changeLog()->document();
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log->findBlockByNumber(i).text(), lines[i].text);
        QTextCursor cursor(log->findBlockByNumber(i));
        cursor.movePosition(QTextCursor::Right);
        EXPECT_EQ(cursor.charFormat().foreground().color(), lines[i].colour);
        EXPECT_EQ(cursor.charFormat().fontPointSize(), lines[i].points);
        EXPECT_EQ(cursor.charFormat().fontWeight(), lines[i].bold ? QFont::Bold : QFont::Normal);
        EXPECT_EQ(cursor.charFormat().fontItalic(), !lines[i].bold);
        EXPECT_FALSE(cursor.charFormat().fontUnderline());
    }
    EXPECT_EQ(about.changeLog()->textCursor().position(), 0);
    EXPECT_EQ(about.changeLog()->focusPolicy(), Qt::NoFocus);  // the log never holds a caret
    auto* close = about.findChild<QPushButton*>(QStringLiteral("cmdClose"));
    EXPECT_EQ(close->text(), QStringLiteral("It surely is a nice program!"));
    close->click();
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace corvane::testing
