// The find, list and about windows, and the Maps, Language and version-check commands reaching their windows.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>

#include "lang/lang_edit_window.h"
#include "map/map_window.h"
#include "tests/ui/editor_fixture.h"
#include "ui/about_window.h"
#include "ui/find_window.h"
#include "ui/side_tools.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, FindIsCaseInsensitiveFromOneAfterTheCaretWithoutWrap) {
    const struct {
        QString text, what;
        std::vector<int> found;
    } cases[] = {{u"SET a\nSet b\nset c"_q, u"set"_q, {6, 12}}, {u"aaa"_q, u"aa"_q, {1}}};  // none at the caret
    newScript();
    for (const auto& c : cases) {
        setText(c.text);
        placeCaret(0);
        window->find();
        window->findWindow().searchBox()->setText(c.what);
        prompter.told.clear();
        for (int start : c.found) {
            start == c.found[0] ? window->findWindow().findNext() : window->findNext();
            EXPECT_EQ(box().textCursor().selectionStart(), start);
            EXPECT_EQ(selected().toLower(), c.what);
        }
        window->findNext();
        EXPECT_EQ(prompter.told, QStringList{u"Not found below your cursor!"_q});
        EXPECT_EQ(box().textCursor().selectionStart(), c.found.back());  // the last match stays selected
    }
    press(*window->findWindow().searchBox(), Qt::Key_Return, u"\r"_q);  // Enter searches once
    EXPECT_EQ(prompter.told.size(), 2);
    EXPECT_EQ(window->findWindow().windowTitle(), u"Find"_q);
    auto* label = window->findWindow().findChild<QLabel*>(u"Label1"_q);
    EXPECT_EQ(label->text(), u"Text to look for:"_q);
    EXPECT_GE(label->width(), label->sizeHint().width());  // the caption is not cut off
}

TEST_F(EditorTest, FindTextIsStoredOnCloseOnlyAndFindNextOpensBothWindowsWithIt) {
    window->find();
    window->findWindow().searchBox()->setText(u"ENDSCRIPT"_q);
    EXPECT_EQ(settings({"find/what"}), "-");
    window->findWindow().close();
    settle();
    EXPECT_EQ(settings({"find/what"}), "ENDSCRIPT");
    window->find();
    window->findWindow().searchBox()->setText(u"Other"_q);
    startEditor();  // the program ends with the window open: nothing stored
    window->findNext();
    EXPECT_EQ(window->findWindow().searchBox()->text(), u"ENDSCRIPT"_q);
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_NE(window->openScriptWindow(), nullptr);
    EXPECT_EQ(prompter.lastTold(), u"Not found below your cursor!"_q);  // empty script
}

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
    EXPECT_EQ(about.windowTitle(), u"About"_q);
    EXPECT_EQ(about.findChild<QLabel*>(u"lblVersion"_q)->text(), u"Version 0.3.0"_q);
    const QString rule(49, u'-');  // kinds: Heading (green, 10 points), Version (9 points), Item (8 points, italic)
    const std::pair<char, QString> lines[] = {
        {'H', u"Change Log since v0.2.5"_q}, {'H', QString(49, u'=')}, {'V', u"Version 0.3.1:"_q},
        {'I', u"- Fixed a bug that would crash the syntax checker when } is used more than {"_q}, {'H', rule},
        {'V', u"Version 0.3.0:"_q}, {'I', u"- Added Automatic Update Feature"_q}, {'H', rule},
        {'V', u"Version 0.2.5:"_q}, {'I', u"- Added Language Editor"_q}, {'I', u"- Added Change Log"_q}};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        const auto [kind, text] = lines[i];
        QTextCursor cursor(about.changeLog()->document()->findBlockByNumber(i));
        EXPECT_EQ(cursor.block().text(), text);
        cursor.movePosition(QTextCursor::Right);
        const QTextCharFormat format = cursor.charFormat();
        EXPECT_EQ(format.foreground().color(), kind == 'H' ? QColor(0, 192, 0) : QColor(255, 255, 255));
        EXPECT_EQ(format.fontPointSize(), kind == 'H' ? 10 : kind == 'V' ? 9 : 8);
        EXPECT_EQ(format.fontWeight(), kind == 'I' ? QFont::Normal : QFont::Bold);
        EXPECT_EQ(format.fontItalic(), kind == 'I');
        EXPECT_FALSE(format.fontUnderline());
    }
    EXPECT_EQ(about.changeLog()->textCursor().position(), 0);
    EXPECT_EQ(about.changeLog()->focusPolicy(), Qt::NoFocus);  // the log never holds a caret
    auto* close = about.findChild<QPushButton*>(u"cmdClose"_q);
    EXPECT_EQ(close->text(), u"It surely is a nice program!"_q);
    close->click();
    EXPECT_FALSE(about.isVisible());
}

class NoRegistry final : public RegistryReader {
public:
    bool keyExists(std::uint32_t, const std::string&) const override { return false; }
    RegistryValue value(std::uint32_t, const std::string&, const std::string&) const override { return {}; }
};

class SideToolsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();  // port 9 on loopback: nothing answers there, and the tests never get that far
        tools = std::make_unique<SideTools>(*window, prompter, AppPaths::inFolder(path("")),
                                            std::make_unique<NoRegistry>(), QUrl(u"http://127.0.0.1:9/"_q));
    }
    void TearDown() override {
        tools.reset();
        EditorTest::TearDown();
    }
    static QMdiSubWindow* frame(QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }
    std::unique_ptr<SideTools> tools;
};

TEST_F(SideToolsTest, OpenMapAndLanguageShowTheirWindowAndEnableTheirSaveUntilItCloses) {
    writeBytes(folder.file("levl0001.dat"), std::string(200000, '\0'));
    writeBytes(folder.file("lang00.dat"), std::string("H\0i\0\0\0", 6));
    prompter.files = {std::nullopt, path("levl0001.dat"), path("lang00.dat")};
    item("mnuMapsOpen")->trigger();  // cancelled: nothing shows
    ASSERT_NE(tools->mapWindow(), nullptr);
    EXPECT_FALSE(frame(tools->mapWindow())->isVisible());
    EXPECT_FALSE(item("mnuMapSave")->isEnabled());
    item("mnuMapsOpen")->trigger();
    item("mnuOpenLang")->trigger();
    EXPECT_EQ(prompter.dialogs[1].title, u"Open a map file"_q);
    ASSERT_NE(tools->languageWindow(), nullptr);
    EXPECT_EQ(tools->languageWindow()->lstLanguage()->count(), 1);
    for (auto [shown, save] : {std::pair<QWidget*, const char*>{tools->mapWindow(), "mnuMapSave"},
                               std::pair<QWidget*, const char*>{tools->languageWindow(), "mnuSaveLang"}}) {
        SCOPED_TRACE(save);
        EXPECT_TRUE(frame(shown)->isVisible());
        EXPECT_TRUE(item(save)->isEnabled());
        frame(shown)->close();
        settle();
        EXPECT_FALSE(item(save)->isEnabled());
    }
    EXPECT_EQ(tools->mapWindow(), nullptr);
    item("mnuMapSave")->trigger();  // disabled item triggered by hand: nothing happens, nothing crashes
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(SideToolsTest, VersionCheckAsksFirstAndStopsOnNo) {
    prompter.yesNo.push_back(false);
    item("mnuCheckNewVersion")->trigger();
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].startsWith(u"Do you want to check for a new version?"_q));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace corvane::testing
