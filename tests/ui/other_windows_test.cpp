#include "lang/lang_edit_window.h"
#include "map/map_window.h"
#include "tests/ui/editor_fixture.h"
#include "ui/about_window.h"
#include "ui/find_window.h"
#include "ui/side_tools.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, FindIsCaseInsensitiveFromOneAfterTheCaretWithoutWrapAndStoresItsTextOnClose) {
    const std::tuple<QString, QString, std::vector<int>> cases[] = {  // text, looked for, where found
        {u"SET a\nSet b\nset c"_q, u"set"_q, {6, 12}}, {u"aaa"_q, u"aa"_q, {1}}};  // none at the caret
    newScript();
    for (const auto& [text, what, found] : cases) {
        setText(text);
        placeCaret(0);
        window->find();
        window->findWindow().searchBox()->setText(what);
        prompter.told.clear();
        for (int start : found) {
            start == found[0] ? window->findWindow().findNext() : window->findNext();
            EXPECT_EQ(box().textCursor().selectionStart(), start);
            EXPECT_EQ(selected().toLower(), what);
        }
        window->findNext();
        EXPECT_EQ(prompter.told, QStringList{u"Not found below your cursor!"_q});
        EXPECT_EQ(box().textCursor().selectionStart(), found.back());  // the last match stays selected
    }
    press(*window->findWindow().searchBox(), Qt::Key_Return, u"\r"_q);  // Enter searches once
    EXPECT_EQ(prompter.told.size(), 2);
    EXPECT_EQ(window->findWindow().windowTitle(), u"Find"_q);
    auto* label = window->findWindow().findChild<QLabel*>(u"Label1"_q);
    EXPECT_EQ(label->text(), u"Text to look for:"_q);
    EXPECT_GE(label->width(), label->sizeHint().width());  // the caption is not cut off
    EXPECT_EQ(settings({"find/what"}), "-");  // the search text is stored when the window closes
    window->findWindow().close();
    settle();
    EXPECT_EQ(settings({"find/what"}), "aa");
    window->find();
    window->findWindow().searchBox()->setText(u"Other"_q);
    startEditor();  // the program ends with the window open: nothing stored
    window->findNext();  // opens both windows with the stored text
    EXPECT_EQ(window->findWindow().searchBox()->text(), u"aa"_q);
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_NE(window->openScriptWindow(), nullptr);
    EXPECT_EQ(prompter.lastTold(), u"Not found below your cursor!"_q);  // empty script
}

TEST_F(EditorTest, ReferenceListsOpenOnceEach) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        // menu item, window, caption, text box, its second line
        {"mnuShowCommands", "frmCommandList", "Commands", "txtCommands", "STATE_CONSTRUCT_BUILDING <on/off> "},
        {"mnuShowVariables", "frmVariableList", "Variables", "txtVariables", "INT_MY_NUM_PEOPLE"},
        {"mnuShowKeywords", "frmKeywords", "Keywords list", "txtKeywords", "IF"},
    };
    for (const auto& [menuItem, name, caption, textBox, secondLine] : cases) {
        for (int time = 0; time < 2; ++time) {  // opened twice, closed in between the second time
            item(menuItem)->trigger();
            item(menuItem)->trigger();
            const auto windows = window->findChildren<QMdiSubWindow*>(QString::fromLatin1(name));
            ASSERT_EQ(windows.size(), 1) << name;
            EXPECT_EQ(windows[0]->windowTitle(), QString::fromLatin1(caption));
            auto* text = windows[0]->findChild<QPlainTextEdit*>(QString::fromLatin1(textBox));
            ASSERT_NE(text, nullptr) << name;
            EXPECT_TRUE(text->isReadOnly());
            EXPECT_EQ(text->document()->findBlockByNumber(1).text(), QString::fromLatin1(secondLine));
            windows[0]->close();
            settle();
        }
    }
}

TEST_F(EditorTest, AboutShowsVersionAndFormattedLog) {
    item("mnuAbout")->trigger();
    item("mnuAbout")->trigger();
    ASSERT_EQ(window->findChildren<AboutWindow*>().size(), 1);
    AboutWindow& about = *window->findChild<AboutWindow*>();
    EXPECT_EQ(about.windowTitle(), u"About"_q);
    EXPECT_EQ(about.findChild<QLabel*>(u"lblVersion"_q)->text(), u"Version 0.3.0"_q);
    const QString h = u"10pt w700 #00c000 "_q, v = u"9pt w700 #ffffff "_q, i = u"8pt w400 italic #ffffff "_q;
    const QString rule = h + QString(49, u'-');
    const QStringList expected{h + u"Change Log since v0.2.5"_q, h + QString(49, u'='), v + u"Version 0.3.1:"_q,
                               i + u"- Fixed a bug that would crash the syntax checker when } is used more than {"_q,
                               rule, v + u"Version 0.3.0:"_q, i + u"- Added Automatic Update Feature"_q, rule,
                               v + u"Version 0.2.5:"_q, i + u"- Added Language Editor"_q, i + u"- Added Change Log"_q};
    QStringList log;  // each line's first letter's look, then the line
    for (QTextBlock line = about.changeLog()->document()->begin(); log.size() < expected.size(); line = line.next()) {
        QTextCursor cursor(line);
        cursor.movePosition(QTextCursor::Right);
        const QTextCharFormat f = cursor.charFormat();
        log << u"%1pt w%2%3%4 %5 "_q.arg(f.fontPointSize()).arg(f.fontWeight()).arg(f.fontItalic() ? u" italic"_q : QString())
                   .arg(f.fontUnderline() ? u" underlined"_q : QString(), f.foreground().color().name()) + line.text();
    }
    EXPECT_EQ(log, expected);
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

QMdiSubWindow* frame(QWidget* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); }

TEST_F(EditorTest, MapAndLanguageShowTheirWindowAndEnableTheirSaveUntilItClosesAndVersionCheckAsksFirst) {
    SideTools tools(*window, prompter, AppPaths::inFolder(path("")), std::make_unique<NoRegistry>(),
                    QUrl(u"http://127.0.0.1:9/"_q));  // port 9 on loopback: nothing answers, and no test gets there
    writeBytes(folder.file("levl0001.dat"), std::string(200000, '\0'));
    writeBytes(folder.file("lang00.dat"), std::string("H\0i\0\0\0", 6));
    prompter.files = {std::nullopt, path("levl0001.dat"), path("lang00.dat")};
    item("mnuMapsOpen")->trigger();  // cancelled: nothing shows
    ASSERT_NE(tools.mapWindow(), nullptr);
    EXPECT_FALSE(frame(tools.mapWindow())->isVisible());
    EXPECT_FALSE(item("mnuMapSave")->isEnabled());
    item("mnuMapsOpen")->trigger();
    item("mnuOpenLang")->trigger();
    EXPECT_EQ(prompter.dialogs[1].title, u"Open a map file"_q);
    ASSERT_NE(tools.languageWindow(), nullptr);
    EXPECT_EQ(tools.languageWindow()->lstLanguage()->count(), 1);
    prompter.yesNo = {false, false};
    item("mnuMapSave")->trigger();  // each Save item reaches its window
    item("mnuSaveLang")->trigger();
    EXPECT_TRUE(prompter.asked.value(0).endsWith(u"does not exist. Create it?"_q));
    EXPECT_EQ(prompter.told, QStringList{u"Language file "_q + path("lang00.dat") + u" saved!"_q});
    for (auto [shown, save] : {std::pair<QWidget*, const char*>{tools.mapWindow(), "mnuMapSave"},
                               std::pair<QWidget*, const char*>{tools.languageWindow(), "mnuSaveLang"}}) {
        EXPECT_TRUE(frame(shown)->isVisible()) << save;
        EXPECT_TRUE(item(save)->isEnabled()) << save;
        frame(shown)->close();
        settle();
        EXPECT_FALSE(item(save)->isEnabled()) << save;
    }
    EXPECT_EQ(tools.mapWindow(), nullptr);
    item("mnuMapSave")->trigger();  // disabled item triggered by hand: nothing happens, nothing crashes
    EXPECT_EQ(prompter.told.size(), 1);
    item("mnuCheckNewVersion")->trigger();
    EXPECT_EQ(prompter.asked.size(), 2);
    EXPECT_TRUE(prompter.asked.value(1).startsWith(u"Do you want to check for a new version?"_q));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace corvane::testing
