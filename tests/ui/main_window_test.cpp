#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>

#include "core/script_messages.h"
#include "tests/ui/editor_fixture.h"
#include "ui/recent_files.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, MenuItemsHaveTheirCaptionsShortcutsAndStartState) {
    const struct {
        const char *name, *caption, *shortcut;
        bool enabled;
    } items[] = {
        {"mnufile", "&File", "", true},
        {"mnuScripts", "&Scripts", "", true},
        {"mnuScriptsNew", "&New", "Ctrl+N", true},
        {"mnuScriptsLoad", "&Load...", "Ctrl+O", true},
        {"mnuScriptsSave", "&Save", "Ctrl+S", false},
        {"mnuScriptsSaveAs", "Save &As...", "Ctrl+A", false},
        {"mnuRecentFiles", "Recent files", "", true},
        {"mnuRec0", "<none>", "Ctrl+F1", true},
        {"mnuRec4", "<none>", "Ctrl+F5", true},
        {"mnuMapS", "&Maps", "", true},
        {"mnuMapsOpen", "&Open Map", "", true},
        {"mnuMapSave", "&Save Map", "", false},
        {"mnuLang", "&Language", "", true},
        {"mnuOpenLang", "&Open...", "", true},
        {"mnuSaveLang", "&Save", "", false},
        {"mnuCheckNewVersion", "&Check for new version && Update...", "", true},
        {"mnuExit", "&Exit", "", true},
        {"mnuEdit", "&Edit", "", true},
        {"mnuFind", "Find...", "Ctrl+F", false},
        {"mnuFindNext", "Find Next", "F3", false},
        {"mnuExtra", "&Extra", "", true},
        {"mnuShowCommands", "Show &commands", "F1", true},
        {"mnuShowVariables", "Show &variables", "F2", true},
        {"mnuShowKeywords", "Show &keywords", "F4", true},
        {"mnuCheckScript", "&Check script for errors", "F5", true},
        {"mnuInfo", "&Info", "", true},
        {"mnuAbout", "&About", "", true},
    };
    for (const auto& expected : items) {
        SCOPED_TRACE(expected.name);
        QAction* action = item(expected.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(expected.shortcut));
        EXPECT_EQ(action->isEnabled(), expected.enabled);
    }
}

TEST_F(EditorTest, StartsEnabledWithInvitationAndNoScriptWindow) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Corvane Scripter Tools"));
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->statusText(),
              QStringLiteral("Corvane Scripter Tools Loaded - Press CTRL-F1 to load last edited scriptfile!"));
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    auto* splash = window->findChild<QWidget*>(QStringLiteral("frmSplash"));
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version 0.3.0"));
}

TEST_F(EditorTest, RecentItemsComeFromSettingsStayEnabledAndDoNothingWhenEmptyOrMissing) {
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", "C:\\a&b.dat"));
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent2", path("gone.dat").toStdString()));
    startEditor();
    EXPECT_EQ(item("mnuRec0")->text(), QStringLiteral("C:\\a&&b.dat"));  // "&" is no access key
    EXPECT_EQ(window->recentFile(0), QStringLiteral("C:\\a&b.dat"));
    EXPECT_EQ(item("mnuRec1")->text(), QStringLiteral("<none>"));
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2", "mnuRec3", "mnuRec4"}) EXPECT_TRUE(item(name)->isEnabled());
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2"}) item(name)->trigger();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(current(), QString());
}

TEST_F(EditorTest, LoadDialogOpensOnTheLastFilesFolderAndCancelDoesNothing) {
    prompter.files = {std::nullopt, std::nullopt};
    window->load();
    ASSERT_TRUE(WriteIni(ini(), "file", "lastfile", "C:\\work\\s1.dat"));
    window->load();
    ASSERT_EQ(prompter.dialogs.size(), 2u);
    EXPECT_EQ(prompter.dialogs[0].title, QStringLiteral("Open a script file"));
    EXPECT_EQ(prompter.dialogs[0].initialName, window->context().paths.programFolder + QStringLiteral("/*.dat"));
    EXPECT_EQ(prompter.dialogs[0].filter, QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*"));
    EXPECT_EQ(prompter.dialogs[1].initialName, QStringLiteral("C:\\work\\*.dat"));
    EXPECT_EQ(window->openScriptWindow(), nullptr);
}

TEST_F(EditorTest, LoadShowsTextCaptionRecentAndLastFile) {
    const QString file = writeScript("s1.dat", "START_SCRIPT { EVERY %16 { } } ENDSCRIPT");
    QStringList titles;
    QObject::connect(&script(), &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    prompter.files.push_back(file);
    window->load();
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT \n{ \n\tEVERY %16 \n\t{ \n\t} \n} \nENDSCRIPT "));
    ASSERT_GE(titles.size(), 3);
    EXPECT_EQ(titles.mid(0, 2), (QStringList{QStringLiteral("Loading"), QStringLiteral("Loading...")}));
    EXPECT_EQ(script().caption(), QStringLiteral("Script Editor - ") + file);
    EXPECT_FALSE(script().isModified());
    EXPECT_EQ(window->statusText(), QString());
    EXPECT_EQ(current(), file);
    EXPECT_EQ(setting("file", "lastfile"), file.toStdString());
    EXPECT_EQ(setting("recent", "recent0"), file.toStdString());
    EXPECT_EQ(setting("recent", "recent1"), "<none>");
    EXPECT_TRUE(item("mnuRec0")->isEnabled());
    EXPECT_FALSE(item("mnuRec1")->isEnabled());
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(EditorTest, LoadOfInvalidFileTellsAndChangesNothing) {
    writeBytes(folder.file("bad.dat"), std::string("\x0d\x00", 2));
    writeBytes(folder.file("empty.dat"), "");
    std::filesystem::create_directory(folder.file("folder.dat"));
    script().newScript();
    setText(QStringLiteral("keep me"));
    for (const char* name : {"bad.dat", "empty.dat", "folder.dat"}) {
        prompter.files.push_back(path(name));
        window->load();
    }
    EXPECT_EQ(prompter.told, QStringList(2, latin1(kNotAScriptFile)));  // the folder is ignored
    EXPECT_EQ(box().toPlainText(), QStringLiteral("keep me"));
    EXPECT_EQ(current(), QStringLiteral("newfile.dat"));
    EXPECT_EQ(setting("file", "lastfile"), "(none)");
    EXPECT_EQ(window->statusText(), QStringLiteral("Loading ") + path("empty.dat") + QStringLiteral("..."));
}

TEST_F(EditorTest, MissingFileIsIgnoredByLoadAndToldByTheLoader) {
    prompter.files.push_back(path("missing.dat"));
    window->load();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    EXPECT_FALSE(script().loadFile(path("missing.dat")));  // no script current: a new one starts
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("The file doesn't exist!"));
    EXPECT_EQ(current(), QStringLiteral("newfile.dat"));
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
}

TEST_F(EditorTest, RecentFileOpensWithCtrlF1AndMovesToTop) {
    const QString a = writeScript("a.dat", "START_SCRIPT { } ENDSCRIPT");
    const QString b = writeScript("b.dat", "START_SCRIPT { } ENDSCRIPT");
    prompter.files = {a, b};
    window->load();
    window->load();
    item("mnuRec1")->trigger();  // a
    EXPECT_EQ(current(), a);
    EXPECT_EQ(window->recentFile(0), a);
    EXPECT_EQ(window->recentFile(1), b);
    EXPECT_EQ(setting("recent", "recent1"), b.toStdString());
}

TEST(RecentFiles, CaseInsensitiveMoveAndSixthDropsOldest) {
    QStringList recent = emptyRecentFiles();
    for (const char* name : {"1", "2", "3", "4", "5", "6"}) addRecentFile(recent, QString::fromLatin1(name));
    EXPECT_EQ(recent.join(QLatin1Char(',')), QStringLiteral("6,5,4,3,2"));
    addRecentFile(recent, QStringLiteral("C:\\A.dat"));
    addRecentFile(recent, QStringLiteral("C:\\b.dat"));
    addRecentFile(recent, QStringLiteral("c:\\a.DAT"));  // moves up in its new spelling
    addRecentFile(recent, QString());                    // changes nothing
    EXPECT_EQ(recent.join(QLatin1Char(',')), QStringLiteral("c:\\a.DAT,C:\\b.dat,6,5,4"));
}

TEST_F(EditorTest, ScriptItemsFollowTheScriptWindow) {
    const char* const names[] = {"mnuFind", "mnuFindNext", "mnuScriptsSave", "mnuScriptsSaveAs", "mnuCheckScript"};
    item("mnuScriptsNew")->trigger();
    for (const char* name : names) EXPECT_TRUE(item(name)->isEnabled()) << name;
    ASSERT_TRUE(window->openScriptWindow()->close());
    settle();
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    for (const char* name : names) EXPECT_FALSE(item(name)->isEnabled()) << name;
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
}

TEST_F(EditorTest, CheckScriptSaysNoErrorsOrSelectsTheWrongWord) {
    item("mnuCheckScript")->trigger();  // opens the script window with an empty text
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("No big errors found!"));
    setText(QStringLiteral("START_SCRIPT\n{\n\tIF VAR_1 > %2"));
    item("mnuCheckScript")->trigger();
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Wrong expectation: \r\nIn script: VAR_1\r\n")));
    EXPECT_EQ(selected(), QStringLiteral("VAR_1"));
}

TEST_F(EditorTest, ExternalCommandsRunThroughTheirHooks) {
    QStringList ran;
    const auto hook = [&ran](const char* name) { return [&ran, name] { ran << QString::fromLatin1(name); }; };
    window->setExternalCommands({hook("mnuMapsOpen"), hook("mnuMapSave"), hook("mnuOpenLang"), hook("mnuSaveLang"),
                                 hook("mnuCheckNewVersion")});
    window->setMapSaveEnabled(true);
    window->setLanguageSaveEnabled(true);
    const QStringList names{QStringLiteral("mnuMapsOpen"), QStringLiteral("mnuMapSave"), QStringLiteral("mnuOpenLang"),
                            QStringLiteral("mnuSaveLang"), QStringLiteral("mnuCheckNewVersion")};
    for (const QString& name : names) window->menuAction(name)->trigger();
    EXPECT_EQ(ran, names);
}

}  // namespace
}  // namespace corvane::testing
