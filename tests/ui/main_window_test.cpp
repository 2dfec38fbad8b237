#include <QKeyEvent>

#include "app/side_tools.h"
#include "support/file_utils.h"
#include "support/wine_registry.h"
#include "tests/ui/editor_fixture.h"
#include "tests/update/loopback_http_server.h"
#include "ui/about_window.h"
#include "ui/common/program_icon.h"
#include "ui/find_window.h"
#include "ui/lang/lang_edit_window.h"
#include "ui/map/map_picture.h"
#include "ui/map/map_window.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, StartsWithItsMenusInvitationIconAndRecentItemsThatIgnoreMissingFiles) {
    const char* const items[] = {// the commands' name|caption|shortcut, and |off when disabled at the start
                                 "mnuScriptsNew|&New|Ctrl+N",
                                 "mnuScriptsLoad|&Load...|Ctrl+O",
                                 "mnuScriptsSave|&Save|Ctrl+S|off",
                                 "mnuScriptsSaveAs|Save &As...|Ctrl+A|off",
                                 "mnuRec0|<none>|Ctrl+F1",
                                 "mnuRec4|<none>|Ctrl+F5",
                                 "mnuMapsOpen|&Open Map|",
                                 "mnuMapSave|&Save Map||off",
                                 "mnuOpenLang|&Open...|",
                                 "mnuSaveLang|&Save||off",
                                 "mnuCheckNewVersion|&Check for new version && Update...|",
                                 "mnuExit|&Exit|",
                                 "mnuFind|Find...|Ctrl+F|off",
                                 "mnuFindNext|Find Next|F3|off",
                                 "mnuShowCommands|Show &commands|F1",
                                 "mnuShowVariables|Show &variables|F2",
                                 "mnuShowKeywords|Show &keywords|F4",
                                 "mnuAbout|&About|",
                                 "mnuCheckScript|&Check script for errors|F5",
                                 "mnuExtra|E&xtra|"};
    for (const char* expected : items) {
        const QAction* action = window->menuAction(QString::fromLatin1(expected).section(u'|', 0, 0));
        const QString shown = action->objectName() + u'|' + action->text() + u'|' + action->shortcut().toString();
        EXPECT_EQ(shown + (action->isEnabled() ? QString() : u"|off"_q), QString::fromLatin1(expected));
    }
    EXPECT_EQ(window->statusText(), u"Corvane Scripter Tools Loaded - Press CTRL-F1 to load last edited scriptfile!"_q);
    QStringList accessKeys;  // Alt and a letter opens one menu, always the same
    for (const QAction* menu : window->menuBar()->actions())
        accessKeys << QKeySequence::mnemonic(menu->text()).toString();
    EXPECT_EQ(accessKeys, (QStringList{u"Alt+F"_q, u"Alt+E"_q, u"Alt+X"_q, u"Alt+I"_q}));
    EXPECT_FALSE(window->findChild<QWidget*>(u"frmSplash"_q)->isVisible());
    installProgramIcon();
    const QImage own = programIcon().pixmap(32).toImage();
    EXPECT_EQ(programIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
    EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), own);
    EXPECT_EQ(window->findWindow().windowIcon().pixmap(32).toImage(), own);
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", "C:\\a&b.dat"));
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent2", path("gone.dat").toStdString()));
    const std::string spoofed = "/" + std::string(100000, 'a') + "/evil\u202Etxt.dat";  // shows "evil" + "tad.txt"
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent3", spoofed));
    startEditor();
    EXPECT_EQ(item("mnuRec0")->text(), u"C:\\a&&b.dat"_q);  // "&" is no access key
    const QString shown = item("mnuRec3")->text();
    EXPECT_TRUE(shown.startsWith(u"/aaa"_q) && shown.endsWith(u"/evil\u27E6U+202E\u27E7txt.dat"_q))
        << shown.toStdString();
    const QFontMetrics menuFont(QApplication::font("QMenu"));
    EXPECT_LE(menuFont.horizontalAdvance(shown), 60 * menuFont.averageCharWidth());
    EXPECT_EQ(window->recentFile(0), u"C:\\a&b.dat"_q);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(window->menuAction(u"mnuRec%1"_q.arg(i))->isEnabled()) << i;
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2"}) item(name)->trigger();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(current(), QString());
}

TEST_F(EditorTest, LoadDialogFolderFailuresAndTheLoadedScript) {
    prompter.files = {std::nullopt, path("missing.dat")};
    window->load();
    ASSERT_TRUE(WriteIni(ini(), "file", "lastfile", "C:\\work\\s1.dat"));
    window->load();
    const auto& [title, initialName, filter] = prompter.dialogs.at(0);
    EXPECT_EQ((QStringList{title, initialName, filter, prompter.dialogs.at(1).initialName}),
              (QStringList{u"Open a script file"_q, window->context().paths.programFolder + u"/*.dat"_q,
                           u"Script Files (*.dat)|*.dat|All Files (*.*)|*.*"_q, u"C:\\work\\*.dat"_q}));
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    EXPECT_FALSE(script().loadFile(path("missing.dat")));  // told by the loader; no script current: a new one starts
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\n}\nENDSCRIPT"_q);
    writeBytes(folder.file("bad.dat"), std::string("\x0d\x00", 2));
    std::filesystem::create_directory(folder.file("folder.dat"));
    setText(u"keep me"_q);
    for (const char* name : {"bad.dat", "folder.dat"}) {
        prompter.files.push_back(path(name));
        window->load();
    }
    const QString invalid = QString::fromLatin1(kNotAScriptFile);  // the folder is ignored
    EXPECT_EQ(prompter.told, (QStringList{u"The file doesn't exist!"_q, invalid}));
    const QString status = u"Loading "_q + path("bad.dat") + u"..."_q;
    EXPECT_EQ(seen(), (QStringList{u"newfile.dat"_q, u"Corvane Scripter"_q, status, {}, u"keep me"_q}));
    EXPECT_EQ(settings({"file/lastfile"}), "C:\\work\\s1.dat");
    const QString file = writeScript("s1.dat", "START_SCRIPT { EVERY %16 { } } ENDSCRIPT");
    QStringList titles;
    QObject::connect(&script(), &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    prompter.files.push_back(file);
    window->load();
    EXPECT_EQ(titles.mid(0, 2), (QStringList{u"Loading"_q, u"Loading..."_q}));
    const QString text = u"START_SCRIPT \n{ \n\tEVERY %16 \n\t{ \n\t} \n} \nENDSCRIPT "_q;
    EXPECT_EQ(seen(), (QStringList{file, u"Script Editor - "_q + file, {}, {}, text}));
    const std::string name = file.toStdString();
    EXPECT_EQ(settings({"file/lastfile", "recent/recent0", "recent/recent1"}), name + '|' + name + "|<none>");
    EXPECT_TRUE(item("mnuRec0")->isEnabled() && !item("mnuRec1")->isEnabled());  // loaded: only filled items
    const QString other = writeScript("b.dat");
    prompter.files = {other};
    window->load();
    item("mnuRec1")->trigger();  // the recent item opens its file and moves it to the top
    EXPECT_EQ(current(), file);
    EXPECT_EQ(settings({"recent/recent0", "recent/recent1"}), name + '|' + other.toStdString());
}

TEST_F(EditorTest, CheckScriptFindAndTheScriptItems) {
    item("mnuCheckScript")->trigger();  // opens the script window with an empty text
    EXPECT_EQ(prompter.lastTold(), u"No big errors found!"_q);
    setText(u"START_SCRIPT\n{\n\tIF VAR_1 > %2"_q);
    item("mnuCheckScript")->trigger();
    EXPECT_TRUE(prompter.lastTold().startsWith(u"Wrong expectation: \r\nIn script: VAR_1\r\n"_q));
    EXPECT_EQ(selected(), u"VAR_1"_q);
    const char* const names[] = {"mnuFind", "mnuFindNext", "mnuScriptsSave", "mnuScriptsSaveAs", "mnuCheckScript"};
    for (const char* name : names) EXPECT_TRUE(item(name)->isEnabled()) << name;
    ASSERT_TRUE(window->openScriptWindow()->close());
    settle();
    for (const char* name : names) EXPECT_FALSE(item(name)->isEnabled()) << name;
    newScript();
    newScript();
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);        // the closed one is gone, and New makes no second
    const std::tuple<QString, QString, std::vector<int>> cases[] = {// text, looked for, where found
                                                                    {u"SET a\nSet b\nset c"_q, u"set"_q, {6, 12}},
                                                                    {u"aaa"_q, u"aa"_q, {1}}};  // none at the caret
    for (const auto& [text, what, found] : cases) {
        setText(text);  // the caret at the start
        window->find();
        window->findWindow().searchBox()->setText(what);
        prompter.told.clear();
        for (int start : found) {
            start == found[0] ? window->findWindow().findNext() : window->findNext();
            EXPECT_EQ(box().textCursor().selectionStart(), start);
            EXPECT_EQ(selected().toLower(), what);
        }
        window->findNext();
        EXPECT_EQ(window->findWindow().focusWidget(), window->findWindow().searchBox());  // F3 too: nothing found
        EXPECT_EQ(prompter.told, QStringList{u"Not found below your cursor!"_q});
        EXPECT_EQ(box().textCursor().selectionStart(), found.back());  // the last match stays selected
    }
    press(*window->findWindow().searchBox(), Qt::Key_Return, u"\r"_q);  // Enter searches once
    EXPECT_EQ(prompter.told.size(), 2);
    auto* label = window->findWindow().findChild<QLabel*>(u"Label1"_q);
    EXPECT_GE(label->width(), label->sizeHint().width());      // the caption is not cut off
    EXPECT_EQ(settings({"find/what"}), "-");                   // the search text is stored when the window closes
    press(*window->findWindow().searchBox(), Qt::Key_Escape);  // Esc closes it
    settle();
    EXPECT_EQ(settings({"find/what"}), "aa");
    window->find();  // Ctrl+F: typing replaces the text in the box
    QLineEdit* searchBox = window->findWindow().searchBox();
    EXPECT_EQ(window->findWindow().focusWidget(), searchBox);
    EXPECT_EQ(searchBox->selectedText(), u"aa"_q);
    type(*searchBox, u"Other"_q);
    EXPECT_EQ(searchBox->text(), u"Other"_q);
    ASSERT_TRUE(window->close());  // the program ends with the window open, which Qt then closes: nothing stored
    window->findWindow().close();
    EXPECT_EQ(settings({"find/what"}), "aa");
    startEditor();
    window->findNext();  // opens both windows with the stored text
    EXPECT_EQ(window->findWindow().searchBox()->text(), u"aa"_q);
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_EQ(prompter.lastTold(), u"Not found below your cursor!"_q);  // in the empty script it opened
}

// Beside a maximised script a list is a window of its own at the area's right edge, and Esc closes it.
TEST_F(EditorTest, ReferenceListsAndAboutOpenOnceEachAndCloseOnEsc) {
    newScript();
    script().showMaximized();
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        // item, window, caption, line 2
        {"mnuShowCommands", "frmCommandList", "Commands", "STATE_CONSTRUCT_BUILDING <on/off> "},
        {"mnuShowVariables", "frmVariableList", "Variables", "INT_MY_NUM_PEOPLE"},
        {"mnuShowKeywords", "frmKeywords", "Keywords list", "IF"}};
    for (const auto& [menuItem, name, caption, secondLine] : cases) {
        for (int time = 0; time < 2; ++time) {  // opened twice, closed in between the second time
            item(menuItem)->trigger();
            item(menuItem)->trigger();
            const auto windows = window->findChildren<QMdiSubWindow*>(QString::fromLatin1(name));
            ASSERT_EQ(windows.size(), 1) << name;
            EXPECT_EQ(windows[0]->windowTitle(), QString::fromLatin1(caption));
            const QTextDocument* text = windows[0]->findChild<QPlainTextEdit*>()->document();
            EXPECT_EQ(text->findBlockByNumber(1).text(), QString::fromLatin1(secondLine));
            EXPECT_FALSE(windows[0]->isMaximized());
            EXPECT_TRUE(script().isMaximized());
            EXPECT_EQ(windows[0]->geometry().right(), window->mdiArea()->viewport()->rect().right());
            press(*windows[0]->findChild<QLineEdit*>(), Qt::Key_Escape);  // from the filter box up to the window
            EXPECT_FALSE(windows[0]->isVisible());
            settle();
        }
    }
    item("mnuAbout")->trigger();
    item("mnuAbout")->trigger();
    ASSERT_EQ(window->findChildren<AboutWindow*>().size(), 1);
    AboutWindow& about = *window->findChild<AboutWindow*>();
    EXPECT_EQ(about.findChild<QLabel*>(u"lblVersion"_q)->text(), u"Version 0.3.0"_q);  // the build's version
    const QString h = u"10pt w700 #00c000"_q, v = u"9pt w700 #ffffff"_q, i = u"8pt w400 italic #ffffff"_q;
    const QStringList expected{h, h, v, i, h, v, i, h, v, i, i};  // headings and rules, versions, changes
    QStringList log;                                              // each line's look, taken from its first letter
    for (QTextBlock line = about.changeLog()->document()->begin(); log.size() < expected.size(); line = line.next()) {
        const QTextCharFormat f = line.begin().fragment().charFormat();
        log << u"%1pt w%2%3%4 %5"_q.arg(f.fontPointSize())
                   .arg(f.fontWeight())
                   .arg(f.fontItalic() ? u" italic"_q : QString(), f.fontUnderline() ? u" underlined"_q : QString(),
                        f.foreground().color().name());
    }
    EXPECT_EQ(log, expected);
    EXPECT_EQ(about.changeLog()->textCursor().position(), 0);
    press(*about.findChild<QPushButton*>(u"cmdClose"_q), Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

QMdiSubWindow* frame(QWidget* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); }

TEST_F(EditorTest, MapLanguageAndUpdateCommandsReachTheirWindows) {
    LoopbackHttpServer server;  // its version list offers an update
    server.answer(200, "corvanescripter\r\n9.9.9\r\nhttp://127.0.0.1/x.zip\r\n");
    SideTools tools(*window, prompter, AppPaths::inFolder(path("")), std::make_unique<WineRegistry>(folder.path()),
                    server.baseUrl());
    writeBytes(folder.file("levl0001.dat"), std::string(200000, '\0'));
    writeBytes(folder.file("lang00.dat"), std::string("H\0i\0\0\0", 6));
    prompter.files = {std::nullopt, path("levl0001.dat"), path("lang00.dat")};
    item("mnuMapsOpen")->trigger();  // cancelled: nothing shows
    ASSERT_NE(tools.mapWindow(), nullptr);
    EXPECT_FALSE(frame(tools.mapWindow())->isVisible());
    EXPECT_FALSE(item("mnuMapSave")->isEnabled());
    item("mnuMapsOpen")->trigger();
    item("mnuOpenLang")->trigger();
    ASSERT_NE(tools.languageWindow(), nullptr);
    // Edit > Find in the active language editor selects its filter's text, not the script's Find.
    tools.languageWindow()->filterBox()->setText(u"H"_q);
    window->mdiArea()->setActiveSubWindow(frame(tools.languageWindow()));
    item("mnuFind")->trigger();
    EXPECT_EQ(tools.languageWindow()->filterBox()->selectedText(), u"H"_q);
    EXPECT_EQ(window->findChild<FindWindow*>(), nullptr);
    prompter.yesNo = {false, false};
    item("mnuMapSave")->trigger();  // each Save item, enabled now, reaches its window
    item("mnuSaveLang")->trigger();
    EXPECT_TRUE(prompter.asked.value(0).endsWith(u"does not exist. Create it?"_q));
    EXPECT_EQ(prompter.told, QStringList{u"Language file "_q + path("lang00.dat") + u" saved!"_q});
    EXPECT_TRUE(frame(tools.mapWindow())->isVisible() && frame(tools.languageWindow())->isVisible());
    tools.languageWindow()->txtLangEdit()->insertPlainText(u"!"_q);  // unsaved: the program's end asks about it
    prompter.saveChoices = {Prompter::SaveChoice::Cancel, Prompter::SaveChoice::Discard};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompter.asked.constLast(),
              u"The language file "_q + path("lang00.dat") + u" has changed. Do you want to save it?"_q);
    frame(tools.mapWindow())->close();
    frame(tools.languageWindow())->close();  // and so does closing its window: Discard
    settle();
    EXPECT_FALSE(item("mnuMapSave")->isEnabled());
    EXPECT_FALSE(item("mnuSaveLang")->isEnabled());
    EXPECT_EQ(tools.mapWindow(), nullptr);
    item("mnuMapSave")->trigger();  // disabled item triggered by hand: nothing happens, nothing crashes
    // The update utility replaces the program: an unsaved script is asked about before it starts, and Cancel hands
    // nothing over. The utility is there but not executable: the hand-over file is written, then starting it fails.
    writeBytes(folder.file(QSysInfo::productType() == u"windows"_q ? "updater.exe" : "updater"), "");
    newScript();
    box().insertPlainText(u"DO "_q);
    for (auto answer : {Prompter::SaveChoice::Cancel, Prompter::SaveChoice::Discard}) {
        prompter.yesNo = {true, true};
        prompter.saveChoices = {answer};
        item("mnuCheckNewVersion")->trigger();
        EXPECT_TRUE(prompter.saveChoices.empty() && prompter.yesNo.empty());
        EXPECT_EQ(FileExists(folder.file("updater.cfg")), answer == Prompter::SaveChoice::Discard);
        EXPECT_TRUE(window->isVisible());
    }
}

// The map window inside the editor: its Undo and Redo join the Edit menu, an "Edit" button loads the player's
// script after the script window's own question, and ending the program asks about unsaved map edits.
TEST_F(EditorTest, MapWindowEditItemsScriptButtonsAndExitQuestion) {
    SideTools tools(*window, prompter, AppPaths::inFolder(path("")), std::make_unique<WineRegistry>(folder.path()),
                    QUrl());
    writeBytes(folder.file("levl0001.dat"), std::string(40000, '\0'));
    const QString aiScript = writeScript("CPSCR004.DAT");
    newScript();
    box().insertPlainText(u"DO "_q);
    const QString unsaved = current();
    prompter.files = {path("levl0001.dat")};
    item("mnuMapsOpen")->trigger();
    MapWindow* map = tools.mapWindow();
    ASSERT_NE(map, nullptr);
    QAction* undo = map->editActions().at(1);
    EXPECT_TRUE(item("mnuEdit")->menu()->actions().contains(undo));
    window->mdiArea()->setActiveSubWindow(frame(map));
    EXPECT_TRUE(undo->isVisible());
    window->mdiArea()->setActiveSubWindow(&script());
    EXPECT_FALSE(undo->isVisible());

    map->findChild<QLineEdit*>(u"AIRed"_q)->setText(u"4"_q);
    prompter.saveChoices = {Prompter::SaveChoice::Cancel, Prompter::SaveChoice::Discard};
    map->findChild<QPushButton*>(u"cmdEditRed"_q)->click();  // Cancel: the unsaved script stays
    EXPECT_EQ(current(), unsaved);
    map->findChild<QPushButton*>(u"cmdEditRed"_q)->click();
    EXPECT_EQ(current().toLower(), aiScript.toLower());  // Windows may give the name in the case asked for
    // A script the level names that is not there yet: the new script's text, saved under its name.
    map->findChild<QLineEdit*>(u"AIRed"_q)->setText(u"5"_q);
    prompter.yesNo = {true};
    map->findChild<QPushButton*>(u"cmdEditRed"_q)->click();
    EXPECT_EQ(current(), path("cpscr005.dat"));
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\n}\nENDSCRIPT"_q);
    item("mnuScriptsSave")->trigger();
    EXPECT_TRUE(FileExists(folder.file("cpscr005.dat")));
    // Ctrl+S in the map window saves the map, although the script's Save has the same key.
    window->mdiArea()->setActiveSubWindow(frame(map));
    QApplication::setActiveWindow(window.get());
    map->picture()->setFocus();
    prompter.yesNo = {false};
    QKeyEvent ctrlS(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
    QApplication::sendEvent(map->picture(), &ctrlS);
    EXPECT_TRUE(prompter.asked.constLast().endsWith(u"does not exist. Create it?"_q))
        << prompter.asked.constLast().toStdString();

    map->findChild<QLineEdit*>(u"txtX"_q)->setText(u"9"_q);  // typed, not committed: still unsaved work
    box().insertPlainText(u"x"_q);
    // File > Exit asks every window before closing any: Cancel on the map keeps the script window.
    prompter.saveChoices = {Prompter::SaveChoice::Discard, Prompter::SaveChoice::Cancel};
    item("mnuExit")->trigger();
    EXPECT_EQ(prompter.asked.last(), u"The map "_q + path("levl0001") + u" has changed. Do you want to save it?"_q);
    EXPECT_TRUE(script().isVisible());
    EXPECT_TRUE(window->isVisible());
    prompter.saveChoices = {Prompter::SaveChoice::Discard, Prompter::SaveChoice::Discard};
    item("mnuExit")->trigger();  // each asked once, then all close
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.saveChoices.empty());
}

}  // namespace
}  // namespace corvane::testing
