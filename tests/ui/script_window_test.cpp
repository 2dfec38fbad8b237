#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextCharFormat>

#include <filesystem>

#include "core/script_messages.h"
#include "tests/ui/editor_fixture.h"

namespace corvane::testing {
namespace {

using Choice = Prompter::SaveChoice;

QString crLf() { return QStringLiteral("\r\n"); }

void press(QWidget& widget, int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&widget, &event);
}

void type(QWidget& widget, const QString& text) {
    for (QChar c : text) press(widget, 0, QString(c));
}

// ---- New, Save, Save As ----

TEST_F(EditorTest, NewGivesTheTemplateInLightBlueAndKeepsTheCaption) {
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
    EXPECT_EQ(window->context().currentFile, QStringLiteral("newfile.dat"));
    EXPECT_EQ(script().caption(), QStringLiteral("Corvane Scripter"));
    QTextCursor cursor(box().document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(192, 192, 255));
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 8.0);
    EXPECT_EQ(box().textCursor().position(), 0);
    EXPECT_FALSE(box().textCursor().hasSelection());
}

TEST_F(EditorTest, SaveOnNewScriptAsksForNameThenWritesWithoutBackup) {
    item("mnuScriptsNew")->trigger();
    const QString target = path("out1.dat");
    prompter.files.push_back(target);
    item("mnuScriptsSave")->trigger();
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].title, QStringLiteral("Save as a script file"));
    EXPECT_EQ(prompter.dialogs[0].initialName, QStringLiteral("newfile.dat"));
    const CompileResult expected = CompileScript("START_SCRIPT { } ENDSCRIPT ", LanguageTables::Standard());
    EXPECT_EQ(readBytes(target.toStdString()), expected.script().fileBytes);
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Written to ") + target + crLf() +
                                       QStringLiteral("Backupped to nothing (there was no earlier file)"));
    EXPECT_EQ(window->context().currentFile, target);
    EXPECT_EQ(script().caption(), QStringLiteral("Script Editor - ") + target);
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT "));  // the blank is visible
    EXPECT_EQ(window->statusText(), QString());
    EXPECT_EQ(setting("file", "lastfile"), target.toStdString());
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.dat")));
}

TEST_F(EditorTest, SaveOnOpenedScriptCompilesToSameFileAndBacksUp) {
    const QString file = writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT");
    const std::string before = readBytes(file.toStdString());
    ASSERT_TRUE(script().loadFile(file));
    setText(QStringLiteral("START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT"));
    item("mnuScriptsSave")->trigger();
    EXPECT_TRUE(prompter.dialogs.empty());
    EXPECT_EQ(readBytes(folder.file("s.bak")), before);
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Written to ") + file + crLf() + QStringLiteral("Backupped to ") +
                                       path("s.bak"));
    EXPECT_NE(readBytes(file.toStdString()), before);
}

TEST_F(EditorTest, SaveAsCancelledOrNotOverwritingChangesNothing) {
    const QString existing = writeScript("e.dat", "START_SCRIPT ENDSCRIPT");
    const std::string before = readBytes(existing.toStdString());
    item("mnuScriptsNew")->trigger();
    prompter.files = {std::nullopt, existing};
    prompter.yesNo = {false};
    window->saveAs();
    window->saveAs();
    EXPECT_EQ(prompter.asked, QStringList{QStringLiteral("Do you want to overwrite the existing file?")});
    EXPECT_EQ(readBytes(existing.toStdString()), before);
    EXPECT_EQ(window->context().currentFile, QStringLiteral("newfile.dat"));
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(EditorTest, SaveAsOverExistingFileWithYes) {
    const QString existing = writeScript("e.dat", "START_SCRIPT ENDSCRIPT");
    item("mnuScriptsNew")->trigger();
    prompter.files = {existing};
    prompter.yesNo = {true};
    EXPECT_TRUE(window->saveAs());
    EXPECT_EQ(readBytes(existing.toStdString()),
              CompileScript("START_SCRIPT { } ENDSCRIPT", LanguageTables::Standard()).script().fileBytes);
}

TEST_F(EditorTest, UnknownWordAfterNonAsciiTextIsSelectedExactly) {
    item("mnuScriptsNew")->trigger();
    const QString target = path("never.dat");
    setText(QStringLiteral("START_SCRIPT\n{\n\tSET VAR_\u00e9\u20ac\U0001F600 %1\n\n\tD\u00f6 B\u00d6GUS\n}\nENDSCRIPT"));
    prompter.files.push_back(target);
    window->saveAs();
    EXPECT_EQ(selected(), QStringLiteral("D\u00f6"));
    EXPECT_TRUE(box().hasFocus() || !QApplication::focusWidget());
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("ERROR while compiling! Unknown command: D\u00f6"));
    EXPECT_FALSE(std::filesystem::exists(target.toStdString()));
    EXPECT_EQ(window->context().currentFile, QStringLiteral("newfile.dat"));
    EXPECT_EQ(window->statusText(), QStringLiteral("Saving (compiling) ") + target + QStringLiteral("..."));
}

QString scriptWithNumbers(int count) {
    QString text = QStringLiteral("START_SCRIPT {");
    for (int i = 0; i < count; ++i) text += QStringLiteral(" SET VAR_1 %") + QString::number(i + 1000);
    return text + QStringLiteral(" } ENDSCRIPT");
}

TEST_F(EditorTest, MoreThan256EntriesAsksAndNoCancels) {
    item("mnuScriptsNew")->trigger();
    setText(scriptWithNumbers(256));  // 257 entries with VAR_1
    const QString target = path("big.dat");
    prompter.files = {target, target};
    prompter.yesNo = {false, true};
    window->saveAs();
    EXPECT_EQ(prompter.asked.last(), QString::fromLatin1(kTooManyVariablesWarning.data(), kTooManyVariablesWarning.size()));
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("Compiling cancelled"));
    EXPECT_FALSE(std::filesystem::exists(target.toStdString()));
    window->saveAs();
    EXPECT_EQ(readBytes(target.toStdString()).size(), 12552u);
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Written to ")));
}

TEST_F(EditorTest, ExactlyTwoHundredFiftySixEntriesNeedNoQuestion) {
    item("mnuScriptsNew")->trigger();
    setText(scriptWithNumbers(255));
    prompter.files = {path("ok.dat")};
    window->saveAs();
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Written to ")));
}

TEST_F(EditorTest, WriteFailureNamesThePathAndKeepsTheCurrentFile) {
    const QString file = writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT");
    ASSERT_TRUE(script().loadFile(file));
    const QString target = path("no-such-folder/t.dat");
    prompter.files = {target};
    EXPECT_FALSE(window->saveAs());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Could not write ") + target));
    EXPECT_EQ(window->context().currentFile, file);
}

TEST_F(EditorTest, BackupFailureWritesNothing) {
    const QString file = writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT");
    ASSERT_TRUE(script().loadFile(file));
    std::filesystem::create_directory(folder.file("s.bak"));  // the backup cannot replace a folder
    const std::string before = readBytes(file.toStdString());
    setText(QStringLiteral("START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT"));
    EXPECT_FALSE(script().save());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Could not back up ")));
    EXPECT_EQ(readBytes(file.toStdString()), before);
}

// ---- unsaved work ----

TEST_F(EditorTest, UnchangedScriptIsReplacedWithoutAQuestion) {
    item("mnuScriptsNew")->trigger();
    item("mnuScriptsNew")->trigger();
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_FALSE(script().isModified());
    EXPECT_FALSE(script().isWindowModified());
}

TEST_F(EditorTest, ChangedScriptAsksBeforeNew) {
    item("mnuScriptsNew")->trigger();
    type(box(), QStringLiteral("x"));
    EXPECT_TRUE(script().isWindowModified());
    prompter.saveChoices = {Choice::Cancel, Choice::Discard};
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(box().toPlainText(), QStringLiteral("xSTART_SCRIPT\n{\n}\nENDSCRIPT"));
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
    EXPECT_EQ(prompter.asked.size(), 2);
}

TEST_F(EditorTest, SaveAnswerSavesBeforeLoadingAndCancelledSaveStops) {
    const QString other = writeScript("o.dat", "START_SCRIPT { } ENDSCRIPT");
    item("mnuScriptsNew")->trigger();
    type(box(), QStringLiteral("  "));
    prompter.saveChoices = {Choice::Save, Choice::Save};
    prompter.files = {other, std::nullopt, other, path("kept.dat")};
    window->load();  // Save -> Save As cancelled -> nothing loaded
    EXPECT_TRUE(box().toPlainText().startsWith(QStringLiteral("  ")));
    window->load();  // Save -> written as kept.dat -> other loaded
    EXPECT_TRUE(std::filesystem::exists(folder.file("kept.dat")));
    EXPECT_EQ(window->context().currentFile, other);
}

TEST_F(EditorTest, ClosingChangedScriptWindowCanBeCancelled) {
    item("mnuScriptsNew")->trigger();
    type(box(), QStringLiteral("x"));
    prompter.saveChoices = {Choice::Cancel, Choice::Discard};
    EXPECT_FALSE(script().close());
    EXPECT_NE(window->openScriptWindow(), nullptr);
    EXPECT_TRUE(window->openScriptWindow()->close());
}

TEST_F(EditorTest, ExitAndMainCloseAskAboutChangedScript) {
    item("mnuScriptsNew")->trigger();
    type(box(), QStringLiteral("x"));
    prompter.saveChoices = {Choice::Cancel, Choice::Cancel};
    window->exitProgram();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    prompter.saveChoices = {Choice::Discard};
    window->exitProgram();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
}

// ---- typing ----

TEST_F(EditorTest, EnterKeepsTheLinesTabs) {
    struct Case {
        QString line;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("\t\tSET"), QStringLiteral("\t\tSET\n\t\t")},
        {QStringLiteral("SET"), QStringLiteral("SET\n")},
        {QStringLiteral("IF\tX"), QStringLiteral("IF\tX\n\t")},
    };
    item("mnuScriptsNew")->trigger();
    for (const Case& c : cases) {
        setText(c.line);
        box().moveCursor(QTextCursor::End);
        press(box(), Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(box().toPlainText(), c.expected);
    }
}

TEST_F(EditorTest, TypedTextIsPinkAndUndoable) {
    item("mnuScriptsNew")->trigger();
    box().moveCursor(QTextCursor::End);
    type(box(), QStringLiteral("ab"));
    QTextCursor cursor(box().document());
    cursor.movePosition(QTextCursor::End);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 192, 192));
    EXPECT_TRUE(box().toPlainText().endsWith(QStringLiteral("ab")));
    box().undo();
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
    box().redo();
    EXPECT_TRUE(box().toPlainText().endsWith(QStringLiteral("ab")));
    box().undo();
    box().undo();  // nothing before the template to undo
    EXPECT_EQ(box().toPlainText(), QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"));
}

TEST_F(EditorTest, CtrlAIsLeftToSaveAs) {
    item("mnuScriptsNew")->trigger();
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&box(), &override);
    EXPECT_FALSE(override.isAccepted());
    EXPECT_EQ(item("mnuScriptsSaveAs")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
}

TEST_F(EditorTest, HelpFollowsTheCaretLineOnKeysAndAfterLoad) {
    item("mnuScriptsNew")->trigger();
    setText(QStringLiteral("START_SCRIPT\n\t\tset var_1 %2\nDO  BUILD_DRUM_TOWER"));
    placeCaret(16);
    press(box(), Qt::Key_Shift);
    EXPECT_EQ(script().helpBox()->toPlainText(),
              QStringLiteral("SET <variable> <value>\n\nExample: SET VAR_12 %6\nThis will set variable var_12 to value 6\n"));
    placeCaret(box().toPlainText().size());
    press(box(), Qt::Key_Shift);
    EXPECT_TRUE(script().helpBox()->toPlainText().startsWith(QStringLiteral("DO <command> <parameters>\n")));
    EXPECT_TRUE(script().helpBox()->toPlainText().contains(QStringLiteral("\nSTATE_BRING_NEW_PEOPLE \n")));
    const QString file = writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT");
    ASSERT_TRUE(script().loadFile(file));
    EXPECT_EQ(script().helpBox()->toPlainText(),
              QStringLiteral("START_SCRIPT\n\nis a mark for starting the script\n"));
}

// ---- placement ----

TEST_F(EditorTest, PlacementIsStoredInTwipsOnCloseAndRestored) {
    item("mnuScriptsNew")->trigger();
    const int dpi = script().logicalDpiX();
    script().setGeometry(10, 20, 400, 300);
    ASSERT_TRUE(script().close());
    settle();
    const auto twips = [dpi](int px) { return std::to_string(px * 1440 / dpi); };
    EXPECT_EQ(setting("window", "scriptviewerleft"), twips(10));
    EXPECT_EQ(setting("window", "scriptviewertop"), twips(20));
    EXPECT_EQ(setting("window", "scriptviewerwidth"), twips(400));
    EXPECT_EQ(setting("window", "scriptviewerheight"), twips(300));
    EXPECT_EQ(setting("window", "scriptviewerstate"), "0");
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(script().geometry(), QRect(10, 20, 400, 300));
}

TEST_F(EditorTest, MaximisedCloseStoresOnlyTheState) {
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "150"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerwidth", "junk"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerstate", "2"));
    item("mnuScriptsNew")->trigger();
    EXPECT_TRUE(script().isMaximized());
    ASSERT_TRUE(script().close());
    settle();
    EXPECT_EQ(setting("window", "scriptviewerleft"), "150");
    EXPECT_EQ(setting("window", "scriptviewerwidth"), "junk");
    EXPECT_EQ(setting("window", "scriptviewerstate"), "2");
}

TEST_F(EditorTest, ClosingMainWindowDirectlyStoresNoPlacement) {
    item("mnuScriptsNew")->trigger();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(setting("window", "scriptviewerstate"), "(none)");
}

TEST_F(EditorTest, ExitStoresPlacementFirst) {
    item("mnuScriptsNew")->trigger();
    item("mnuExit")->trigger();
    EXPECT_EQ(setting("window", "scriptviewerstate"), "0");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EditorTest, UnwritableSettingsCostOnlyTheSettings) {
    std::filesystem::create_directory(ini());  // editor.ini cannot be a file
    item("mnuScriptsNew")->trigger();
    prompter.files = {path("w.dat")};
    EXPECT_TRUE(window->saveAs());
    EXPECT_EQ(window->recentFile(0), path("w.dat"));
    EXPECT_TRUE(script().close());
}

}  // namespace
}  // namespace corvane::testing
