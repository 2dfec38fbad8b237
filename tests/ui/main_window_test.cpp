#include "tests/ui/editor_fixture.h"
#include "ui/recent_files.h"

namespace corvane::testing {
namespace {

TEST_F(EditorTest, StartsWithItsMenusAndInvitationAndNoScriptWindow) {
    const std::tuple<const char*, const char*, const char*> items[] = {  // name, caption, shortcut
        {"mnufile", "&File", ""}, {"mnuScripts", "&Scripts", ""}, {"mnuScriptsNew", "&New", "Ctrl+N"},
        {"mnuScriptsLoad", "&Load...", "Ctrl+O"}, {"mnuScriptsSave", "&Save", "Ctrl+S"},
        {"mnuScriptsSaveAs", "Save &As...", "Ctrl+A"}, {"mnuRecentFiles", "Recent files", ""},
        {"mnuRec0", "<none>", "Ctrl+F1"}, {"mnuRec4", "<none>", "Ctrl+F5"}, {"mnuMapS", "&Maps", ""},
        {"mnuMapsOpen", "&Open Map", ""}, {"mnuMapSave", "&Save Map", ""}, {"mnuLang", "&Language", ""},
        {"mnuOpenLang", "&Open...", ""}, {"mnuSaveLang", "&Save", ""}, {"mnuExit", "&Exit", ""},
        {"mnuCheckNewVersion", "&Check for new version && Update...", ""}, {"mnuEdit", "&Edit", ""},
        {"mnuFind", "Find...", "Ctrl+F"}, {"mnuFindNext", "Find Next", "F3"}, {"mnuExtra", "&Extra", ""},
        {"mnuShowCommands", "Show &commands", "F1"}, {"mnuShowVariables", "Show &variables", "F2"},
        {"mnuShowKeywords", "Show &keywords", "F4"}, {"mnuCheckScript", "&Check script for errors", "F5"},
        {"mnuInfo", "&Info", ""}, {"mnuAbout", "&About", ""},
    };
    const std::string disabled = " mnuScriptsSave mnuScriptsSaveAs mnuMapSave mnuSaveLang mnuFind mnuFindNext ";
    for (const auto& [name, caption, shortcut] : items) {
        QAction* action = item(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromLatin1(caption));
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(shortcut));
        EXPECT_EQ(action->isEnabled(), disabled.find(std::string(" ") + name + " ") == std::string::npos) << name;
    }
    EXPECT_EQ(window->windowTitle(), u"Corvane Scripter Tools"_q);
    EXPECT_EQ(window->statusText(), u"Corvane Scripter Tools Loaded - Press CTRL-F1 to load last edited scriptfile!"_q);
    auto* splash = window->findChild<QWidget*>(u"frmSplash"_q);
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(EditorTest, RecentItemsComeFromSettingsStayEnabledAndDoNothingWhenEmptyOrMissing) {
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", "C:\\a&b.dat"));
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent2", path("gone.dat").toStdString()));
    startEditor();
    EXPECT_EQ(item("mnuRec0")->text(), u"C:\\a&&b.dat"_q);  // "&" is no access key
    EXPECT_EQ(window->recentFile(0), u"C:\\a&b.dat"_q);
    EXPECT_EQ(item("mnuRec1")->text(), u"<none>"_q);
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2", "mnuRec3", "mnuRec4"}) EXPECT_TRUE(item(name)->isEnabled());
    for (const char* name : {"mnuRec0", "mnuRec1", "mnuRec2"}) item(name)->trigger();
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(current(), QString());
}

TEST(RecentFiles, CaseInsensitiveMoveAndSixthDropsOldest) {
    QStringList recent = emptyRecentFiles();
    for (const char* name : {"1", "2", "3", "4", "5", "6"}) addRecentFile(recent, QString::fromLatin1(name));
    EXPECT_EQ(recent.join(u','), u"6,5,4,3,2"_q);
    for (const QString& name : {u"C:\\A.dat"_q, u"C:\\b.dat"_q, u"c:\\a.DAT"_q, QString()}) addRecentFile(recent, name);
    EXPECT_EQ(recent.join(u','), u"c:\\a.DAT,C:\\b.dat,6,5,4"_q);  // moved up in its new spelling; "" changes nothing
}

TEST_F(EditorTest, LoadShowsTextCaptionRecentAndLastFileAndRecentItemsOpenTheirFile) {
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
    EXPECT_TRUE(item("mnuRec0")->isEnabled());
    EXPECT_FALSE(item("mnuRec1")->isEnabled());
    const QString other = writeScript("b.dat");
    prompter.files = {other};
    window->load();
    item("mnuRec1")->trigger();  // the recent item opens its file and moves it to the top
    EXPECT_EQ(current(), file);
    EXPECT_EQ(settings({"recent/recent0", "recent/recent1"}), name + '|' + other.toStdString());
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(EditorTest, LoadDialogOpensOnTheLastFilesFolderAndCancelOrAMissingFileChangesNothing) {
    prompter.files = {std::nullopt, path("missing.dat")};
    window->load();
    ASSERT_TRUE(WriteIni(ini(), "file", "lastfile", "C:\\work\\s1.dat"));
    window->load();
    ASSERT_EQ(prompter.dialogs.size(), 2u);
    const auto& [title, initialName, filter] = prompter.dialogs[0];
    EXPECT_EQ((QStringList{title, initialName, filter, prompter.dialogs[1].initialName}),
              (QStringList{u"Open a script file"_q, window->context().paths.programFolder + u"/*.dat"_q,
                           u"Script Files (*.dat)|*.dat|All Files (*.*)|*.*"_q, u"C:\\work\\*.dat"_q}));
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(EditorTest, LoadTellsAnInvalidFileAndTheLoaderAMissingOneAndBothChangeNothing) {
    EXPECT_FALSE(script().loadFile(path("missing.dat")));  // told by the loader; no script current: a new one starts
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\n}\nENDSCRIPT"_q);
    writeBytes(folder.file("bad.dat"), std::string("\x0d\x00", 2));
    writeBytes(folder.file("empty.dat"), "");
    std::filesystem::create_directory(folder.file("folder.dat"));
    setText(u"keep me"_q);
    for (const char* name : {"bad.dat", "empty.dat", "folder.dat"}) {
        prompter.files.push_back(path(name));
        window->load();
    }
    const QString invalid = latin1(kNotAScriptFile);  // the folder is ignored
    EXPECT_EQ(prompter.told, (QStringList{u"The file doesn't exist!"_q, invalid, invalid}));
    const QString status = u"Loading "_q + path("empty.dat") + u"..."_q;
    EXPECT_EQ(seen(), (QStringList{u"newfile.dat"_q, u"Corvane Scripter"_q, status, {}, u"keep me"_q}));
    EXPECT_EQ(settings({"file/lastfile"}), "-");
}

TEST_F(EditorTest, CheckScriptOpensTheScriptAndSaysNoErrorsOrSelectsTheWrongWordAndScriptItemsFollowTheWindow) {
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
    EXPECT_EQ(window->openScriptWindow(), nullptr);
    for (const char* name : names) EXPECT_FALSE(item(name)->isEnabled()) << name;
    newScript();
    newScript();
    EXPECT_EQ(window->mdiArea()->subWindowList().size(), 1);
}

}  // namespace
}  // namespace corvane::testing
