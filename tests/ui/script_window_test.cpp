#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTextCharFormat>

#include <filesystem>
#include <functional>

#include "core/script_messages.h"
#include "tests/ui/editor_fixture.h"
#include "ui/box_text.h"
#include "ui/placement.h"

namespace corvane::testing {
namespace {

using Choice = Prompter::SaveChoice;
const QString kTemplate = u"START_SCRIPT\n{\n}\nENDSCRIPT"_q;
const std::string kSetScript = "START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT";
QString written(const QString& file, const QString& backup = u"nothing (there was no earlier file)"_q) {
    return u"Written to "_q + file + u"\r\nBackupped to "_q + backup;
}
QTextCharFormat formatAt(QTextDocument* document, int position) {
    QTextCursor cursor(document);
    cursor.setPosition(position);
    return cursor.charFormat();
}

TEST_F(EditorTest, NewScriptIsSavedUnderANameThenInPlaceWithABackupAndFailuresChangeNothing) {
    newScript();
    EXPECT_EQ((QStringList{current(), script().caption(), box().toPlainText()}),
              (QStringList{u"newfile.dat"_q, u"Corvane Scripter"_q, kTemplate}));
    EXPECT_EQ(formatAt(box().document(), 3).foreground().color(), QColor(192, 192, 255));
    EXPECT_EQ(formatAt(box().document(), 3).fontPointSize(), 8.0);
    EXPECT_EQ(box().textCursor().selectionEnd(), 0);  // caret at the start, nothing selected
    const QString target = path("out1.dat");
    prompter.files = {target};
    item("mnuScriptsSave")->trigger();
    EXPECT_EQ(prompter.dialogs[0].title + prompter.dialogs[0].initialName, u"Save as a script filenewfile.dat"_q);
    EXPECT_EQ(readBytes(target.toStdString()), compiled(kEmptyScript + " "));
    EXPECT_EQ(prompter.told, QStringList{written(target)});
    EXPECT_EQ(seen(), (QStringList{target, u"Script Editor - "_q + target, {}, {}, kTemplate + u' '}));  // the blank shows
    EXPECT_EQ(settings({"file/lastfile"}), target.toStdString());
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.dat")));
    setText(QString::fromStdString(kSetScript));
    item("mnuScriptsSave")->trigger();
    EXPECT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(readBytes(folder.file("out1.bak")), compiled(kEmptyScript + " "));
    EXPECT_EQ(prompter.lastTold(), written(target, path("out1.bak")));
    EXPECT_EQ(readBytes(target.toStdString()), compiled(kSetScript + " "));
    setText(u"START_SCRIPT ENDSCRIPT"_q);
    prompter.files = {path("no-such-folder/t.dat")};
    EXPECT_FALSE(window->saveAs());
    EXPECT_TRUE(prompter.lastTold().startsWith(u"Could not write "_q + path("no-such-folder/t.dat") + u": "_q));
    EXPECT_EQ(current(), target);
    std::filesystem::remove(folder.file("out1.bak"));
    std::filesystem::create_directory(folder.file("out1.bak"));  // the backup cannot replace a folder
    EXPECT_FALSE(script().save());
    EXPECT_TRUE(prompter.lastTold().startsWith(u"Could not back up "_q + target));
    EXPECT_EQ(readBytes(target.toStdString()), compiled(kSetScript + " "));
}

TEST_F(EditorTest, SaveAsOntoExistingFileAsksFirst) {
    const QString existing = writeScript("e.dat", "START_SCRIPT ENDSCRIPT");
    newScript();
    prompter.files = {std::nullopt, existing, existing};
    prompter.yesNo = {false, true};
    EXPECT_FALSE(window->saveAs());  // cancelled
    EXPECT_FALSE(window->saveAs());  // No
    EXPECT_TRUE(prompter.told.isEmpty());
    EXPECT_EQ(readBytes(existing.toStdString()), compiled("START_SCRIPT ENDSCRIPT"));
    EXPECT_EQ(current(), u"newfile.dat"_q);
    EXPECT_TRUE(window->saveAs());  // Yes
    EXPECT_EQ(prompter.asked, QStringList(2, u"Do you want to overwrite the existing file?"_q));
    EXPECT_EQ(readBytes(existing.toStdString()), compiled(kEmptyScript));
}

TEST_F(EditorTest, CompileErrorsSelectTheWordAndMoreThan256EntriesAsk) {
    const auto numbers = [](int count) {  // with VAR_1: count + 1 entries
        QString text = u"START_SCRIPT {"_q;
        for (int i = 0; i < count; ++i) text += u" SET VAR_1 %"_q + QString::number(i + 1000);
        return text + u" } ENDSCRIPT"_q;
    };
    const struct {
        QString text;
        std::deque<bool> answers;
        QString told;  // "" = written
    } cases[] = {
        {numbers(255), {}, {}},
        {numbers(256), {false}, u"Compiling cancelled"_q},
        {numbers(256), {true}, {}},
        {u"START_SCRIPT\n{\n\tSET VAR_\u00e9\u20ac\U0001F600 %1\n\n\tD\u00f6 B\u00d6GUS\n}\nENDSCRIPT"_q, {},
         u"ERROR while compiling! Unknown command: D\u00f6"_q},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        newScript();
        setText(c.text);
        const QString target = path("big" + std::to_string(prompter.dialogs.size()) + ".dat");
        prompter.files = {target};
        prompter.yesNo = c.answers;
        prompter.asked.clear();
        EXPECT_EQ(window->saveAs(), c.told.isEmpty());
        EXPECT_EQ(prompter.asked, QStringList(c.answers.size(), latin1(kTooManyVariablesWarning)));
        EXPECT_EQ(std::filesystem::exists(target.toStdString()), c.told.isEmpty());
        EXPECT_EQ(prompter.lastTold(), c.told.isEmpty() ? written(target) : c.told);
        EXPECT_EQ(current(), c.told.isEmpty() ? target : u"newfile.dat"_q);
        EXPECT_EQ(window->statusText(), c.told.isEmpty() ? QString() : u"Saving (compiling) "_q + target + u"..."_q);
        box().document()->setModified(false);  // the next New needs no answer
    }
    EXPECT_EQ(selected(), u"D\u00f6"_q);  // the unknown word, after text that is not ASCII
}

TEST_F(EditorTest, EveryCommandThatDropsAChangedScriptAsksFirst) {
    const QString other = writeScript("o.dat");
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", other.toStdString()));
    const auto closed = [&] { return !window->isVisible(); };
    const auto loaded = [&] { return current() == other; };
    const struct {
        const char* name;
        std::function<void()> run;
        std::function<bool()> wentAhead;
    } commands[] = {
        {"New", [&] { newScript(); }, [&] { return box().toPlainText() == kTemplate; }},
        {"Load", [&] { prompter.files = {other}; window->load(); }, loaded},
        {"Recent", [&] { window->openRecent(0); }, loaded},
        {"Close", [&] { script().close(); }, [&] { settle(); return window->openScriptWindow() == nullptr; }},
        {"Exit", [&] { window->exitProgram(); }, closed},
        {"CloseMain", [&] { window->close(); }, closed},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.name);
        for (const bool changed : {false, true}) {
            startEditor();
            newScript();
            prompter.asked.clear();
            if (changed) {
                type(box(), u"x"_q);
                EXPECT_TRUE(script().isWindowModified());
                prompter.saveChoices = {Choice::Cancel};
                command.run();
                EXPECT_FALSE(command.wentAhead());
                EXPECT_EQ(box().toPlainText(), u'x' + kTemplate);
                prompter.saveChoices = {Choice::Discard};
            }
            command.run();
            EXPECT_EQ(prompter.asked.size(), changed ? 2 : 0);
            EXPECT_TRUE(command.wentAhead());
        }
    }
}

TEST_F(EditorTest, SaveAnswerSavesBeforeLoadingAndCancelledSaveStops) {
    const QString other = writeScript("o.dat");
    newScript();
    type(box(), u"  "_q);
    prompter.saveChoices = {Choice::Save, Choice::Save};
    prompter.files = {other, std::nullopt, other, path("kept.dat")};
    window->load();  // Save -> Save As cancelled -> nothing loaded
    EXPECT_TRUE(box().toPlainText().startsWith(u"  "_q));
    window->load();  // Save -> written as kept.dat -> other loaded
    EXPECT_TRUE(std::filesystem::exists(folder.file("kept.dat")));
    EXPECT_EQ(current(), other);
}

TEST_F(EditorTest, TypedTextIsPinkAndUndoableEnterKeepsTheTabsAndCtrlAIsLeftToSaveAs) {
    newScript();
    box().moveCursor(QTextCursor::End);
    type(box(), u"ab"_q);
    EXPECT_EQ(formatAt(box().document(), kTemplate.size() + 2).foreground().color(), QColor(255, 192, 192));
    EXPECT_EQ(box().toPlainText(), kTemplate + u"ab"_q);
    box().undo();
    EXPECT_EQ(box().toPlainText(), kTemplate);
    box().redo();
    EXPECT_EQ(box().toPlainText(), kTemplate + u"ab"_q);
    box().undo();
    box().undo();  // nothing before the template to undo
    EXPECT_EQ(box().toPlainText(), kTemplate);
    const struct {
        QString line;
        Qt::KeyboardModifiers mods;
        QString expected;
    } cases[] = {{u"\t\tSET"_q, {}, u"\t\tSET\n\t\t"_q}, {u"SET"_q, {}, u"SET\n"_q}, {u"IF\tX"_q, {}, u"IF\tX\n\t"_q},
                 {u"SET"_q, Qt::ShiftModifier, u"SET\n"_q}};  // Shift: a real line break
    for (const auto& c : cases) {
        setText(c.line);
        box().moveCursor(QTextCursor::End);
        press(box(), Qt::Key_Return, u"\r"_q, c.mods);
        EXPECT_EQ(box().toPlainText(), c.expected);
    }
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&box(), &override);
    EXPECT_FALSE(override.isAccepted());
}

TEST_F(EditorTest, HelpFollowsTheCaretLineOnKeysAndAfterLoad) {
    newScript();
    setText(u"START_SCRIPT\n\t\tset var_1 %2\nDO  BUILD_DRUM_TOWER"_q);
    const QPlainTextEdit& help = *script().helpBox();
    placeCaret(16);
    press(box(), Qt::Key_Shift);
    EXPECT_EQ(help.toPlainText(),
              u"SET <variable> <value>\n\nExample: SET VAR_12 %6\nThis will set variable var_12 to value 6\n"_q);
    placeCaret(box().toPlainText().size());
    press(box(), Qt::Key_Shift);
    EXPECT_TRUE(help.toPlainText().startsWith(u"DO <command> <parameters>\n"_q));
    EXPECT_TRUE(help.toPlainText().contains(u"\nSTATE_BRING_NEW_PEOPLE \n"_q));
    ASSERT_TRUE(script().loadFile(writeScript("s.dat")));
    EXPECT_EQ(script().helpBox()->toPlainText(), u"START_SCRIPT\n\nis a mark for starting the script\n"_q);
}

TEST_F(EditorTest, PlacementIsStoredInTwipsOnCloseAndRestoredWithinReach) {
    newScript();
    const auto twips = [dpi = script().logicalDpiX()](int px) { return std::to_string(px * 1440 / dpi); };
    const auto stored = [&] {
        return settings({"window/scriptviewerleft", "window/scriptviewertop", "window/scriptviewerwidth",
                         "window/scriptviewerheight", "window/scriptviewerstate"});
    };
    script().setGeometry(10, 20, 400, 300);
    ASSERT_TRUE(script().close());
    settle();
    EXPECT_EQ(stored(), twips(10) + '|' + twips(20) + '|' + twips(400) + '|' + twips(300) + "|0");
    newScript();
    EXPECT_EQ(script().geometry(), QRect(10, 20, 400, 300));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "-2147483648"));  // absurd hand-edited values
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerheight", "2147483647"));
    item("mnuExit")->trigger();  // Exit stores the placement first
    EXPECT_EQ(settings({"window/scriptviewerleft"}), twips(10));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "-2147483648"));
    startEditor();
    newScript();
    EXPECT_TRUE(window->mdiArea()->viewport()->rect().intersects(script().geometry()));
    EXPECT_LE(script().height(), window->mdiArea()->viewport()->height());
    startEditor();  // maximised: only the state is stored; closing the main window stores nothing
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerstate", "2"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerwidth", "junk"));
    const std::string before = stored();
    newScript();
    EXPECT_TRUE(script().isMaximized());
    script().showNormal();
    script().showMaximized();
    ASSERT_TRUE(script().close());
    settle();
    newScript();
    script().showNormal();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(stored(), before);
}

TEST_F(EditorTest, UnwritableSettingsCostOnlyTheSettings) {
    std::filesystem::create_directory(ini());  // editor.ini cannot be a file
    newScript();
    prompter.files = {path("w.dat")};
    EXPECT_TRUE(window->saveAs());
    EXPECT_EQ(window->recentFile(0), path("w.dat"));
    EXPECT_TRUE(script().close());
}

TEST(BoxText, OneBytePerQCharSoPositionsMatchAndEngineTextLosesItsCarriageReturns) {
    EXPECT_EQ(engineBytesFromBoxText(u"\u00e9\u20ac\U0001F600\nX"_q), "\xe9???\nX");  // the emoji is two QChars
    EXPECT_EQ(boxTextFromEngine("A \r\n\tB\rC\xe9"), u"A \n\tB\nC\u00e9"_q);
    EXPECT_EQ(messageFromEngine("a\r\nb"), u"a\r\nb"_q);
}

TEST(Placement, TwipsRoundTripWithoutOverflowAndTheRectangleStaysReachable) {
    for (int dpi : {72, 96, 120, 144, 192}) {
        for (int twips : {0, 15, 1440, 1575, 9000}) {
            EXPECT_NEAR(pixelsToTwips(twipsToPixels(twips, dpi), dpi), twips, 1440 / dpi) << dpi << " " << twips;
        }
    }
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(pixelsToTwips(105, 96), 1575);
    EXPECT_EQ(twipsToPixels(2147483647, 96), 1048576);
    EXPECT_EQ(pixelsToTwips(-2147483647, 1), -1048576);
    const QSize area(1000, 700), minimum(200, 120);
    const struct {
        QRect wanted, expected;
    } cases[] = {
        {{10, 20, 400, 300}, {10, 20, 400, 300}},        // as stored
        {{-100000, -5, 400, 300}, {-360, 0, 400, 300}},  // far left, above the area
        {{5000, 9000, 400, 300}, {960, 660, 400, 300}},  // beyond the right and bottom
        {{0, 0, 1, -50}, {0, 0, 200, 120}},              // too small or negative
        {{0, 0, 1000000, 1000000}, {0, 0, 1000, 700}},   // larger than the area
    };
    for (const auto& c : cases) EXPECT_EQ(reachablePlacement(c.wanted, area, minimum), c.expected) << c.wanted.x();
    EXPECT_EQ(reachablePlacement({5000, 9000, 1000000, 5}, QSize(), minimum), QRect(5000, 9000, 16384, 120));
}

}  // namespace
}  // namespace corvane::testing
