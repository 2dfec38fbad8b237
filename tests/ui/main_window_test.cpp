#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>

#include "core/script_messages.h"
#include "tests/ui/editor_fixture.h"
#include "ui/recent_files.h"

namespace corvane::testing {
namespace {

struct MenuItem {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool enabled;
};

TEST_F(EditorTest, MenuItemsHaveTheirCaptionsShortcutsAndStartState) {
    const MenuItem items[] = {
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
    for (const MenuItem& expected : items) {
        SCOPED_TRACE(expected.name);
        QAction* action = item(expected.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(expected.shortcut));
        EXPECT_EQ(action->isEnabled(), expected.enabled);
    }
}

TEST_F(EditorTest, StartsEnabledWithInvitationAndNoScriptWindow) {
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
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

TEST_F(EditorTest, RecentItemsComeFromSettingsAndStayEnabled) {
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", "C:\\a&b.dat"));
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent2", "/x/y.dat"));
    startEditor();
    EXPECT_EQ(item("mnuRec0")->text(), QStringLiteral("C:\\a&&b.dat"));
    EXPECT_EQ(window->recentFile(0), QStringLiteral("C:\\a&b.dat"));
    EXPECT_EQ(item("mnuRec1")->text(), QStringLiteral("<none>"));
    EXPECT_EQ(item("mnuRec2")->text(), QStringLiteral("/x/y.dat"));
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2", "mnuRec3", "mnuRec4"}) EXPECT_TRUE(item(name)->isEnabled());
}

TEST_F(EditorTest, RecentNoneOrMissingFileDoesNothing) {
    item("mnuRec0")->trigger();  // "<none>"
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent1", path("gone.dat").toStdString()));
    startEditor();
    item("mnuRec1")->trigger();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(window->context().currentFile, QString());
}

struct LoadStartCase {
    const char* name;
    const char* lastFile;  // nullptr: nothing stored
    const char* expected;  // "@" stands for the program folder
};

class LoadDialogStart : public EditorTest, public ::testing::WithParamInterface<LoadStartCase> {};

TEST_P(LoadDialogStart, OpensOnTheLastFilesFolder) {
    if (GetParam().lastFile != nullptr) {
        ASSERT_TRUE(WriteIni(ini(), "file", "lastfile", GetParam().lastFile));
    }
    prompter.files.push_back(std::nullopt);
    window->load();
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    QString expected = QString::fromLatin1(GetParam().expected);
    expected.replace(QLatin1Char('@'), window->context().paths.programFolder);
    EXPECT_EQ(prompter.dialogs[0].title, QStringLiteral("Open a script file"));
    EXPECT_EQ(prompter.dialogs[0].initialName, expected);
    EXPECT_EQ(prompter.dialogs[0].filter, QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*"));
    EXPECT_EQ(window->openScriptWindow(), nullptr);  // cancelled: nothing happens
}

INSTANTIATE_TEST_SUITE_P(Cases, LoadDialogStart,
                         ::testing::Values(LoadStartCase{"NothingStored", nullptr, "@/*.dat"},
                                           LoadStartCase{"WindowsPath", "C:\\work\\s1.dat", "C:\\work\\*.dat"},
                                           LoadStartCase{"SlashPath", "/home/a/s.dat", "/home/a/*.dat"},
                                           LoadStartCase{"NoSeparator", "script.dat", "@/*.dat"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorTest, LoadShowsTextCaptionRecentAndLastFile) {
    const QString file = writeScript("s1.dat", "START_SCRIPT { EVERY %16 { } } ENDSCRIPT");
    prompter.files.push_back(file);
    window->load();
    ScriptWindow* sw = window->openScriptWindow();
    ASSERT_NE(sw, nullptr);
    EXPECT_EQ(sw->scriptBox()->toPlainText(),
              QStringLiteral("START_SCRIPT \n{ \n\tEVERY %16 \n\t{ \n\t} \n} \nENDSCRIPT "));
    EXPECT_EQ(sw->caption(), QStringLiteral("Script Editor - ") + file);
    EXPECT_FALSE(sw->isModified());
    EXPECT_EQ(window->statusText(), QString());
    EXPECT_EQ(window->context().currentFile, file);
    EXPECT_EQ(setting("file", "lastfile"), file.toStdString());
    EXPECT_EQ(setting("recent", "recent0"), file.toStdString());
    EXPECT_EQ(setting("recent", "recent1"), "<none>");
    EXPECT_TRUE(item("mnuRec0")->isEnabled());
    EXPECT_FALSE(item("mnuRec1")->isEnabled());
    EXPECT_TRUE(item("mnuScriptsSave")->isEnabled());
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(EditorTest, LoadGoesThroughLoadingCaptions) {
    const QString file = writeScript("s1.dat", "START_SCRIPT { } ENDSCRIPT");
    ScriptWindow& sw = script();
    QStringList titles;
    QObject::connect(&sw, &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    ASSERT_TRUE(sw.loadFile(file));
    ASSERT_GE(titles.size(), 3);
    EXPECT_EQ(titles[0], QStringLiteral("Loading"));
    EXPECT_EQ(titles[1], QStringLiteral("Loading..."));
}

TEST_F(EditorTest, LoadOfInvalidFileTellsAndChangesNothing) {
    writeBytes(folder.file("bad.dat"), std::string("\x0d\x00", 2));
    writeBytes(folder.file("empty.dat"), "");
    script().newScript();
    setText(QStringLiteral("keep me"));
    for (const char* name : {"bad.dat", "empty.dat"}) {
        prompter.files.push_back(path(name));
        window->load();
        EXPECT_EQ(prompter.lastTold(), QString::fromLatin1(kNotAScriptFile.data(), kNotAScriptFile.size()));
    }
    EXPECT_EQ(box().toPlainText(), QStringLiteral("keep me"));
    EXPECT_EQ(window->context().currentFile, QStringLiteral("newfile.dat"));
    EXPECT_EQ(setting("file", "lastfile"), "(none)");
    EXPECT_EQ(window->statusText(), QStringLiteral("Loading ") + path("empty.dat") + QStringLiteral("..."));
}

TEST_F(EditorTest, LoadOfMissingFileIsIgnoredByMenuAndToldByLoader) {
    prompter.files.push_back(path("missing.dat"));
    window->load();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    // The loader itself, with no script current, starts a new one.
    EXPECT_FALSE(script().loadFile(path("missing.dat")));
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("The file doesn't exist!"));
    EXPECT_EQ(window->context().currentFile, QStringLiteral("newfile.dat"));
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
}

TEST_F(EditorTest, RecentFileOpensWithCtrlF1AndMovesToTop) {
    const QString a = writeScript("a.dat", "START_SCRIPT { } ENDSCRIPT");
    const QString b = writeScript("b.dat", "START_SCRIPT { } ENDSCRIPT");
    prompter.files = {a, b};
    window->load();
    window->load();
    EXPECT_EQ(window->recentFile(0), b);
    item("mnuRec1")->trigger();  // a
    EXPECT_EQ(window->context().currentFile, a);
    EXPECT_EQ(window->recentFile(0), a);
    EXPECT_EQ(window->recentFile(1), b);
    EXPECT_EQ(setting("recent", "recent1"), b.toStdString());
}

TEST(RecentFiles, CaseInsensitiveMoveAndSixthDropsOldest) {
    QStringList recent = emptyRecentFiles();
    for (const char* name : {"1", "2", "3", "4", "5"}) addRecentFile(recent, QString::fromLatin1(name));
    EXPECT_EQ(recent, (QStringList{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
                                   QStringLiteral("2"), QStringLiteral("1")}));
    addRecentFile(recent, QStringLiteral("6"));
    EXPECT_EQ(recent.size(), 5);
    EXPECT_EQ(recent.last(), QStringLiteral("2"));
    QStringList paths = emptyRecentFiles();
    addRecentFile(paths, QStringLiteral("C:\\A.dat"));
    addRecentFile(paths, QStringLiteral("C:\\b.dat"));
    addRecentFile(paths, QStringLiteral("c:\\a.DAT"));
    EXPECT_EQ(paths[0], QStringLiteral("c:\\a.DAT"));
    EXPECT_EQ(paths[1], QStringLiteral("C:\\b.dat"));
    EXPECT_EQ(paths[2], QStringLiteral("<none>"));
    addRecentFile(paths, QString());
    EXPECT_EQ(paths[0], QStringLiteral("c:\\a.DAT"));
}

TEST_F(EditorTest, ScriptItemsFollowTheScriptWindow) {
    item("mnuScriptsNew")->trigger();
    for (const char* name : {"mnuFind", "mnuFindNext", "mnuScriptsSave", "mnuScriptsSaveAs", "mnuCheckScript"}) {
        EXPECT_TRUE(item(name)->isEnabled()) << name;
    }
    ASSERT_TRUE(window->openScriptWindow()->close());
    settle();
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    for (const char* name : {"mnuFind", "mnuFindNext", "mnuScriptsSave", "mnuScriptsSaveAs", "mnuCheckScript"}) {
        EXPECT_FALSE(item(name)->isEnabled()) << name;
    }
    item("mnuScriptsNew")->trigger();
    EXPECT_NE(window->openScriptWindow(), nullptr);
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
    window->setExternalCommands({[&] { ran << QStringLiteral("openMap"); }, [&] { ran << QStringLiteral("saveMap"); },
                                 [&] { ran << QStringLiteral("openLang"); }, [&] { ran << QStringLiteral("saveLang"); },
                                 [&] { ran << QStringLiteral("version"); }});
    window->setMapSaveEnabled(true);
    window->setLanguageSaveEnabled(true);
    for (const char* name : {"mnuMapsOpen", "mnuMapSave", "mnuOpenLang", "mnuSaveLang", "mnuCheckNewVersion"}) {
        item(name)->trigger();
    }
    EXPECT_EQ(ran, (QStringList{QStringLiteral("openMap"), QStringLiteral("saveMap"), QStringLiteral("openLang"),
                                QStringLiteral("saveLang"), QStringLiteral("version")}));
    window->setExternalCommands({});
    item("mnuMapsOpen")->trigger();  // unset: nothing
}

}  // namespace
}  // namespace corvane::testing
