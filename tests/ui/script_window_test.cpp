#include <QAction>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextCharFormat>

#include <filesystem>
#include <functional>

#include "core/script_messages.h"
#include "tests/ui/editor_fixture.h"

namespace corvane::testing {
namespace {

using Choice = Prompter::SaveChoice;
const QString kTemplate = QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT");

std::string compiled(const char* text) { return CompileScript(text, LanguageTables::Standard()).script().fileBytes; }
QString written(const QString& file, const QString& backup) {
    return QStringLiteral("Written to ") + file + QStringLiteral("\r\nBackupped to ") + backup;
}

// ---- New, Save, Save As ----

TEST_F(EditorTest, NewGivesTheTemplateInLightBlueAndKeepsTheCaption) {
    item("mnuScriptsNew")->trigger();
    EXPECT_EQ(box().toPlainText(), kTemplate);
    EXPECT_EQ(current(), QStringLiteral("newfile.dat"));
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
    EXPECT_EQ(readBytes(target.toStdString()), compiled("START_SCRIPT { } ENDSCRIPT "));
    EXPECT_EQ(prompter.lastTold(), written(target, QStringLiteral("nothing (there was no earlier file)")));
    EXPECT_EQ(current(), target);
    EXPECT_EQ(script().caption(), QStringLiteral("Script Editor - ") + target);
    EXPECT_EQ(box().toPlainText(), kTemplate + QLatin1Char(' '));  // the blank is visible
    EXPECT_FALSE(script().isModified());
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
    EXPECT_EQ(prompter.lastTold(), written(file, path("s.bak")));
    EXPECT_EQ(readBytes(file.toStdString()), compiled("START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT "));
}

TEST_F(EditorTest, SaveAsOntoExistingFileAsksFirst) {
    const QString existing = writeScript("e.dat", "START_SCRIPT ENDSCRIPT");
    const std::string before = readBytes(existing.toStdString());
    item("mnuScriptsNew")->trigger();
    prompter.files = {std::nullopt, existing, existing};
    prompter.yesNo = {false, true};
    EXPECT_FALSE(window->saveAs());  // cancelled
    EXPECT_FALSE(window->saveAs());  // No
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(readBytes(existing.toStdString()), before);
    EXPECT_EQ(current(), QStringLiteral("newfile.dat"));
    EXPECT_TRUE(window->saveAs());  // Yes
    EXPECT_EQ(prompter.asked, QStringList(2, QStringLiteral("Do you want to overwrite the existing file?")));
    EXPECT_EQ(readBytes(existing.toStdString()), compiled("START_SCRIPT { } ENDSCRIPT"));
}

TEST_F(EditorTest, UnknownWordAfterNonAsciiTextIsSelectedExactly) {
    item("mnuScriptsNew")->trigger();
    const QString target = path("never.dat");
    setText(QStringLiteral("START_SCRIPT\n{\n\tSET VAR_\u00e9\u20ac\U0001F600 %1\n\n\tD\u00f6 B\u00d6GUS\n}\nENDSCRIPT"));
    prompter.files.push_back(target);
    window->saveAs();
    EXPECT_EQ(selected(), QStringLiteral("D\u00f6"));
    EXPECT_EQ(prompter.lastTold(), QStringLiteral("ERROR while compiling! Unknown command: D\u00f6"));
    EXPECT_FALSE(std::filesystem::exists(target.toStdString()));
    EXPECT_EQ(current(), QStringLiteral("newfile.dat"));
    EXPECT_EQ(window->statusText(), QStringLiteral("Saving (compiling) ") + target + QStringLiteral("..."));
}

TEST_F(EditorTest, MoreThan256EntriesAskAndNoCancels) {
    const auto scriptWithNumbers = [](int count) {  // with VAR_1: count + 1 entries
        QString text = QStringLiteral("START_SCRIPT {");
        for (int i = 0; i < count; ++i) text += QStringLiteral(" SET VAR_1 %") + QString::number(i + 1000);
        return text + QStringLiteral(" } ENDSCRIPT");
    };
    const struct {
        int numbers;
        std::deque<bool> answers;
        bool written;
    } cases[] = {{255, {}, true}, {256, {false}, false}, {256, {true}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.numbers);
        item("mnuScriptsNew")->trigger();
        setText(scriptWithNumbers(c.numbers));
        const QString target = path("big" + std::to_string(prompter.dialogs.size()) + ".dat");
        prompter.files = {target};
        prompter.yesNo = c.answers;
        prompter.asked.clear();
        window->saveAs();
        EXPECT_EQ(prompter.asked.size(), c.answers.size());
        if (!c.answers.empty()) {
            EXPECT_EQ(prompter.asked[0], latin1(kTooManyVariablesWarning));
        }
        EXPECT_EQ(std::filesystem::exists(target.toStdString()), c.written);
        EXPECT_EQ(prompter.lastTold(), c.written ? written(target, QStringLiteral("nothing (there was no earlier file)"))
                                                 : QStringLiteral("Compiling cancelled"));
        box().document()->setModified(false);  // the next New needs no answer
    }
}

TEST_F(EditorTest, WriteOrBackupFailureNamesThePathAndChangesNothing) {
    const QString file = writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT");
    const std::string before = readBytes(file.toStdString());
    ASSERT_TRUE(script().loadFile(file));
    setText(QStringLiteral("START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT"));
    const QString target = path("no-such-folder/t.dat");
    prompter.files = {target};
    EXPECT_FALSE(window->saveAs());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Could not write ") + target + QStringLiteral(": ")));
    EXPECT_EQ(current(), file);
    std::filesystem::remove(folder.file("s.bak"));
    std::filesystem::create_directory(folder.file("s.bak"));  // the backup cannot replace a folder
    EXPECT_FALSE(script().save());
    EXPECT_TRUE(prompter.lastTold().startsWith(QStringLiteral("Could not back up ") + file));
    EXPECT_EQ(readBytes(file.toStdString()), before);
}

// ---- unsaved work ----

TEST_F(EditorTest, EveryCommandThatDropsAChangedScriptAsksFirst) {
    const QString other = writeScript("o.dat", "START_SCRIPT { } ENDSCRIPT");
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", other.toStdString()));
    const auto closed = [&] { return !window->isVisible(); };
    const struct {
        const char* name;
        std::function<void()> run;
        std::function<bool()> wentAhead;
    } commands[] = {
        {"New", [&] { item("mnuScriptsNew")->trigger(); }, [&] { return box().toPlainText() == kTemplate; }},
        {"Load", [&] { prompter.files = {other}; window->load(); }, [&] { return current() == other; }},
        {"Recent", [&] { window->openRecent(0); }, [&] { return current() == other; }},
        {"Close", [&] { script().close(); }, [&] { settle(); return window->openScriptWindow() == nullptr; }},
        {"Exit", [&] { window->exitProgram(); }, closed},
        {"CloseMain", [&] { window->close(); }, closed},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        startEditor();
        item("mnuScriptsNew")->trigger();
        command.run();  // unchanged: no question
        EXPECT_TRUE(prompter.asked.isEmpty());
        EXPECT_TRUE(command.wentAhead());
        startEditor();
        item("mnuScriptsNew")->trigger();
        type(box(), QStringLiteral("x"));
        EXPECT_TRUE(script().isWindowModified());
        prompter.saveChoices = {Choice::Cancel};
        command.run();
        EXPECT_FALSE(command.wentAhead());
        EXPECT_EQ(box().toPlainText(), QStringLiteral("x") + kTemplate);
        prompter.saveChoices = {Choice::Discard};
        command.run();
        EXPECT_EQ(prompter.asked.size(), 2);
        EXPECT_TRUE(command.wentAhead());
        prompter.asked.clear();
    }
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
    EXPECT_EQ(current(), other);
}

// ---- typing ----

TEST_F(EditorTest, EnterKeepsTheLinesTabs) {
    const struct {
        QString line;
        Qt::KeyboardModifiers mods;
        QString expected;
    } cases[] = {
        {QStringLiteral("\t\tSET"), {}, QStringLiteral("\t\tSET\n\t\t")},
        {QStringLiteral("SET"), {}, QStringLiteral("SET\n")},
        {QStringLiteral("IF\tX"), {}, QStringLiteral("IF\tX\n\t")},
        {QStringLiteral("SET"), Qt::ShiftModifier, QStringLiteral("SET\n")},  // a real line break
    };
    item("mnuScriptsNew")->trigger();
    for (const auto& c : cases) {
        setText(c.line);
        box().moveCursor(QTextCursor::End);
        press(box(), Qt::Key_Return, QStringLiteral("\r"), c.mods);
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
    EXPECT_EQ(box().toPlainText(), kTemplate + QStringLiteral("ab"));
    box().undo();
    EXPECT_EQ(box().toPlainText(), kTemplate);
    box().redo();
    EXPECT_EQ(box().toPlainText(), kTemplate + QStringLiteral("ab"));
    box().undo();
    box().undo();  // nothing before the template to undo
    EXPECT_EQ(box().toPlainText(), kTemplate);
}

TEST_F(EditorTest, CtrlAIsLeftToSaveAs) {
    item("mnuScriptsNew")->trigger();
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&box(), &override);
    EXPECT_FALSE(override.isAccepted());
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
    ASSERT_TRUE(script().loadFile(writeScript("s.dat", "START_SCRIPT { } ENDSCRIPT")));
    EXPECT_EQ(script().helpBox()->toPlainText(), QStringLiteral("START_SCRIPT\n\nis a mark for starting the script\n"));
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
    // Absurd hand-edited values leave the window within reach.
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "-2147483648"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerheight", "2147483647"));
    item("mnuExit")->trigger();  // Exit stores the placement first
    EXPECT_EQ(setting("window", "scriptviewerleft"), twips(10));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "-2147483648"));
    startEditor();
    item("mnuScriptsNew")->trigger();
    EXPECT_TRUE(window->mdiArea()->viewport()->rect().intersects(script().geometry()));
    EXPECT_LE(script().height(), window->mdiArea()->viewport()->height());
}

TEST_F(EditorTest, MaximisedCloseStoresOnlyTheStateAndClosingMainStoresNothing) {
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "150"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerwidth", "junk"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerstate", "2"));
    item("mnuScriptsNew")->trigger();
    EXPECT_TRUE(script().isMaximized());
    script().showNormal();
    script().showMaximized();
    ASSERT_TRUE(script().close());
    settle();
    EXPECT_EQ(setting("window", "scriptviewerleft"), "150");
    EXPECT_EQ(setting("window", "scriptviewerwidth"), "junk");
    EXPECT_EQ(setting("window", "scriptviewerstate"), "2");
    item("mnuScriptsNew")->trigger();
    script().showNormal();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(setting("window", "scriptviewerstate"), "2");
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
