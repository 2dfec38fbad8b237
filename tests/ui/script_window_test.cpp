#include <fstream>
#include <functional>

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "core/compiled_file.h"
#include "tests/ui/editor_fixture.h"
#include "ui/box_text.h"
#include "ui/common/qt_prompter.h"
#include "ui/outline_dock.h"
#include "ui/placement.h"
#include "ui/problems_dock.h"
#include "ui/recent_files.h"

namespace corvane::testing {
namespace {

const QString kTemplate = u"START_SCRIPT\n{\n}\nENDSCRIPT"_q;
QString wroteTo(const QString& file, const QString& backup = u"nothing (there was no earlier file)"_q) {
    return u"Written to "_q + file + u"\r\nBackupped to "_q + backup;
}

TEST_F(EditorTest, NewScriptSavedUnderANameThenInPlaceAndFailuresChangeNothing) {
    newScript();
    EXPECT_EQ(box().document()->begin().begin().fragment().charFormat().foreground().color(), QColor(192, 192, 255));
    EXPECT_EQ(box().textCursor().selectionEnd(), 0);  // caret at the start, nothing selected
    const QString target = path("out1.dat");
    prompter.files = {target};
    item("mnuScriptsSave")->trigger();
    EXPECT_EQ(prompter.dialogs[0].title + u'|' + prompter.dialogs[0].initialName,
              u"Save as a script file|newfile.dat"_q);
    EXPECT_EQ(prompter.told, QStringList{wroteTo(target)});
    EXPECT_EQ(seen(), (QStringList{target, u"Script Editor - "_q + target, {}, {}, kTemplate}));
    // The compiled text ends with a blank; the box keeps the author's text and undo steps.
    box().moveCursor(QTextCursor::Start);
    type(box(), u"\t"_q);
    item("mnuScriptsSave")->trigger();
    EXPECT_EQ(readBytes(target.toStdString()), compiled(kEmptyScript));
    box().undo();  // undoes the author's tab, not a blank of the save's
    EXPECT_EQ((QStringList{box().toPlainText(), script().isModified() ? u"*"_q : QString()}),
              (QStringList{kTemplate, u"*"_q}));
    setText(u"START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT"_q);
    item("mnuScriptsSave")->trigger();                                            // no dialog now
    EXPECT_EQ(readBytes(folder.file("out1.bak")), compiled(kEmptyScript + " "));  // the first file, as written
    EXPECT_EQ(prompter.lastTold(), wroteTo(target, path("out1.bak")));
    EXPECT_EQ(readBytes(target.toStdString()), compiled("START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT "));
    setText(u"START_SCRIPT ENDSCRIPT"_q);  // the check asks from now on
    prompter.files = {path("no-such-folder/t.dat")};
    prompter.yesNo = {true};
    EXPECT_FALSE(window->saveAs());
    EXPECT_TRUE(prompter.lastTold().startsWith(u"Could not write "_q + path("no-such-folder/t.dat") + u": "_q));
    EXPECT_EQ(window->statusText(), u"Saving failed: "_q + path("no-such-folder/t.dat") + u" was not written"_q);
    EXPECT_EQ(current(), target);
    std::filesystem::remove(ini());
    std::filesystem::create_directory(ini());  // editor.ini cannot be a file: that costs only the settings
    prompter.files = {path("w.dat")};
    prompter.yesNo = {true};
    EXPECT_TRUE(window->saveAs());
    EXPECT_EQ(window->recentFile(0), path("w.dat"));
    std::filesystem::create_directory(folder.file("w.bak"));  // the backup cannot replace a folder
    prompter.yesNo = {true};
    EXPECT_FALSE(script().save());
    EXPECT_TRUE(prompter.lastTold().startsWith(u"Could not back up "_q + path("w.dat")));
    EXPECT_EQ(window->statusText(), u"Saving failed: "_q + path("w.dat") + u" was not written"_q);
    EXPECT_EQ(readBytes(folder.file("w.dat")), compiled("START_SCRIPT ENDSCRIPT "));
    EXPECT_TRUE(script().close());
}

// Save As asks before overwriting, before writing a script that fails the check (in the Problems list's words,
// with No as the default; No selects its word) and before writing more variables than the game holds; the
// compiler's errors select their word.
TEST_F(EditorTest, SaveAsQuestionsAndCompileErrors) {
    QString numbers = u"START_SCRIPT {"_q;
    for (int i = 0; i < 256; ++i) numbers += u" SET VAR_1 %"_q + QString::number(i + 1000);
    numbers += u" } ENDSCRIPT"_q;
    writeScript("e.dat", "START_SCRIPT ENDSCRIPT");
    const QString overwrite = u"Do you want to overwrite the existing file?"_q;
    const QString failed =
        u"The script has an error at line 3, column 1: expected ENDSCRIPT after the } of the START_SCRIPT block of "_q
        u"line 1, found the end of the text. Save it anyway?"_q;
    const std::tuple<QString, const char*, QString, QString, QString> cases[] = {
        // text, file (none: the dialog is cancelled), the question answered No, told, word selected
        {kTemplate, nullptr, {}, {}, {}},
        {kTemplate, "e.dat", overwrite, {}, {}},
        {numbers, "b2.dat", QString::fromLatin1(kTooManyVariablesWarning), u"Compiling cancelled"_q, {}},
        {u"START_SCRIPT\n{\n}"_q, "c1.dat", failed, {}, u"}"_q},
        {u"START_SCRIPT { SET VAR_1 int_d\u00f6 } ENDSCRIPT"_q,
         "b4.dat",
         {},
         u"ERROR while compiling! Unknown command: INT_D\u00d6"_q,
         u"int_d\u00f6"_q},
    };
    for (const auto& [text, file, question, told, word] : cases) {
        SCOPED_TRACE(file ? file : "cancelled");
        script().newScript();  // no question about the last row's text
        setText(text);
        const QString target = file ? path(file) : QString();
        const std::string before = readBytes(target.toStdString());
        prompter = FakePrompter{};
        prompter.files = {file ? std::optional(target) : std::nullopt};
        prompter.yesNo = {false};
        EXPECT_FALSE(window->saveAs());
        EXPECT_EQ(prompter.asked, question.isEmpty() ? QStringList() : QStringList{question});
        EXPECT_EQ(prompter.askedDefaultNo, question == failed ? QStringList{failed} : QStringList());
        EXPECT_EQ(prompter.told, told.isEmpty() ? QStringList() : QStringList{told});
        EXPECT_EQ(readBytes(target.toStdString()), before);
        EXPECT_EQ(current(), u"newfile.dat"_q);
        if (!told.isEmpty()) {
            EXPECT_EQ(window->statusText(), u"Saving (compiling) "_q + target + u"..."_q);
        }
        if (!word.isEmpty()) {
            EXPECT_EQ(selected(), word);
        }
    }
}

// Open text... refuses UTF-16 and keeps what the editor had.
TEST_F(EditorTest, OpenTextRefusesUtf16) {
    writeBytes(folder.file("utf16.txt"), std::string("\xFF\xFES\0", 4));
    newScript();
    prompter.files = {path("utf16.txt")};
    item("mnuScriptsOpenText")->trigger();
    EXPECT_EQ(prompter.told, QStringList{path("utf16.txt") + u" is UTF-16 text; save it as ANSI or UTF-8"_q});
    EXPECT_EQ(box().toPlainText(), kTemplate);
}

// Enter on the real dialogs: Yes for a plain question, No for one whose Yes risks the author's work, the
// number shown; each dialog wide enough for the program's title, which window managers would cut.
TEST(QtPrompterQuestions, EnterTakesTheDefaultAndTheTitleFits) {
    QCoreApplication::setApplicationName(u"Corvane Scripter Tools"_q);
    QtPrompter prompter(nullptr);
    const std::function<void()> questions[] = {
        [&] { EXPECT_TRUE(prompter.askYesNo(u"Overwrite?"_q)); },
        [&] { EXPECT_FALSE(prompter.askYesNoDefaultNo(u"Save it anyway?"_q)); },
        [&] { EXPECT_EQ(prompter.askNumber(u"Go to line (1 to 9):"_q, 4, 1, 9), 4); }};
    for (const auto& ask : questions) {
        QTimer press;
        int width = 0;
        QObject::connect(&press, &QTimer::timeout, [&press, &width] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                press.stop();
                width = dialog->width() - dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(dialog, &enter);
            }
        });
        press.start(10);
        ask();
        EXPECT_GT(width, 100) << &ask - questions;  // room for the title bar's icon and buttons too
    }
}

TEST_F(EditorTest, EveryCommandThatDropsAChangedScriptAsksFirst) {
    const QString other = writeScript("o.dat");
    ASSERT_TRUE(WriteIni(ini(), "recent", "recent0", other.toStdString()));
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> commands[] = {
        {"New", [&] { newScript(); }, [&] { return box().toPlainText() == kTemplate; }},
        {"Recent", [&] { window->openRecent(0); }, [&] { return current() == other; }},
        {"Close", [&] { script().close(); },
         [&] {
             settle();
             return window->openScriptWindow() == nullptr;
         }},
    };
    for (const auto& [name, run, wentAhead] : commands) {  // unchanged scripts go without a question everywhere
        SCOPED_TRACE(name);
        startEditor();
        prompter = FakePrompter{};
        newScript();
        type(box(), u"x"_q);
        EXPECT_TRUE(script().isWindowModified());
        prompter.saveChoices = {Prompter::SaveChoice::Cancel, Prompter::SaveChoice::Discard};
        run();
        EXPECT_FALSE(wentAhead());
        EXPECT_EQ(box().toPlainText(), u'x' + kTemplate);
        run();
        EXPECT_TRUE(wentAhead());
        EXPECT_EQ(prompter.asked, QStringList(2, u"The script newfile.dat has changed. Do you want to save it?"_q));
    }
    startEditor();  // Save: Save As cancelled, nothing loaded; then written as kept.dat and loaded
    newScript();
    type(box(), u"  "_q);
    prompter.saveChoices = {Prompter::SaveChoice::Save, Prompter::SaveChoice::Save};
    prompter.files = {other, std::nullopt, other, path("kept.dat")};
    window->load();
    EXPECT_TRUE(box().toPlainText().startsWith(u"  "_q));
    window->load();
    EXPECT_TRUE(std::filesystem::exists(folder.file("kept.dat")));
    EXPECT_EQ(current(), other);
}

TEST_F(EditorTest, TypingEnterCtrlAAndTheHelpOfTheCaretLine) {
    newScript();
    box().moveCursor(QTextCursor::End);
    type(box(), u"ab"_q);
    EXPECT_EQ(box().textCursor().charFormat().foreground().color(), QColor(255, 192, 192));  // of the letter before
    const std::tuple<QString, Qt::KeyboardModifiers, QString> enters[] = {
        {u"\t{"_q, {}, u"\t{\n\t\t"_q},              // one tab deeper than the brace, which stays unclosed
        {u"SET"_q, Qt::ShiftModifier, u"SET\n"_q}};  // Shift: a real line break
    for (const auto& [line, mods, expected] : enters) {
        setText(line);
        box().moveCursor(QTextCursor::End);
        press(box(), Qt::Key_Return, u"\r"_q, mods);
        EXPECT_EQ(box().toPlainText(), expected);
    }
    item("mnuCloseBlocks")->trigger();  // now also the missing "}" of a "{" (and IF's ENDIF) go in below
    setText(u"{\n\tIF = %1 %1\n\t{"_q);
    box().moveCursor(QTextCursor::End);
    press(box(), Qt::Key_Return, u"\r"_q);
    EXPECT_EQ(box().toPlainText(), u"{\n\tIF = %1 %1\n\t{\n\t\t\n\t}\n\tENDIF"_q);
    EXPECT_EQ(box().textCursor().blockNumber(), 3);
    EXPECT_EQ(settings({"editor/closeblocks"}), "1");
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(&box(), &override);
    EXPECT_FALSE(override.isAccepted());
    setText(u"START_SCRIPT\n\t\tset var_1 %2"_q);
    const QPlainTextEdit& help = *script().helpBox();  // the exact texts are the help's own tests
    box().moveCursor(QTextCursor::Down);
    press(box(), Qt::Key_Shift);
    EXPECT_TRUE(help.toPlainText().startsWith(u"SET <variable> <value>\n\nExample: SET VAR_12 %6\n"_q));
    ASSERT_TRUE(script().loadFile(writeScript("s.dat")));
    EXPECT_EQ(help.toPlainText(), u"START_SCRIPT\n\nis a mark for starting the script\n"_q);
}

#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)  // the sanitizer needs more address space
// Loading a file that needs more memory than there is says so and keeps the author's unsaved text.
TEST_F(EditorTest, OutOfMemoryWhileLoadingKeepsTheOpenScript) {
    std::string file("\x0C\x00", 2);
    while (file.size() < kMaxCompiledFileBytes) file += "\x57\x04";  // a long word, half a million times
    writeBytes(folder.file("big.dat"), file);
    setText(u"START_SCRIPT unsaved work"_q);
    rlimit old{}, tight{};
    ::getrlimit(RLIMIT_AS, &old);
    // Pages in use, plus 3 MB: less than the room that earlier windows leave behind, into which the load
    // would otherwise fit.
    std::ifstream("/proc/self/statm") >> tight.rlim_cur;
    tight = {tight.rlim_cur * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (3u << 20), old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &tight), 0);
    const bool loaded = script().loadFile(path("big.dat"));
    ::setrlimit(RLIMIT_AS, &old);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(prompter.told, QStringList{path("big.dat") + u": there is not enough memory to load this file."_q});
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT unsaved work"_q);
}
#endif

// Tab on several lines and Shift+Tab shift whole lines, one undo step each, and the focus stays.
TEST_F(EditorTest, TabAndShiftTabShiftTheSelectedLines) {
    newScript();
    box().setFocus();
    const std::tuple<QString, int, int, int, QString> cases[] = {
        // text, selection, key, text after it
        {u"A\nB\nC"_q, 0, 3, Qt::Key_Tab, u"\tA\n\tB\nC"_q},
        {u"\tA\n  B\nC"_q, 1, 8, Qt::Key_Backtab, u"A\nB\nC"_q},
        {u"AB"_q, 0, 1, Qt::Key_Tab, u"\tB"_q},  // within one line the tab replaces the selection
    };
    for (const auto& [text, from, to, key, shifted] : cases) {
        SCOPED_TRACE(shifted.toStdString());
        setText(text);
        box().selectRange(from, to - from);
        QKeyEvent event(QEvent::KeyPress, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier,
                        key == Qt::Key_Tab ? u"\t"_q : QString());
        QApplication::sendEvent(&box(), &event);
        EXPECT_EQ(box().toPlainText(), shifted);
        EXPECT_TRUE(event.isAccepted());  // not passed on to the window, which would move the focus
        EXPECT_EQ(window->focusWidget(), &box());
        box().undo();
        EXPECT_EQ(box().toPlainText(), text);
    }
}

// Typing is undone a word at a time, no further than New's text; Ctrl+Y redoes as Ctrl+Shift+Z does.
TEST_F(EditorTest, TypingIsUndoneWordByWordAndCtrlYRedoes) {
    newScript();
    type(box(), u"SET VAR_1"_q);
    const QString steps[] = {u"SET "_q + kTemplate, kTemplate, kTemplate};
    for (const QString& text : steps) {
        press(box(), Qt::Key_Z, u"\x1a"_q, Qt::ControlModifier);
        EXPECT_EQ(box().toPlainText(), text);
    }
    press(box(), Qt::Key_Y, u"\x19"_q, Qt::ControlModifier);
    EXPECT_EQ(box().toPlainText(), steps[0]);
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Y, Qt::ControlModifier);
    QApplication::sendEvent(&box(), &override);
    EXPECT_TRUE(override.isAccepted());  // before any Ctrl+Y of another window's Edit items
    press(box(), Qt::Key_Z, u"\x1a"_q, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box().toPlainText(), u"SET VAR_1"_q + kTemplate);
}

TEST_F(EditorTest, PlacementIsStoredInTwipsOnCloseAndRestoredWithinReach) {
    newScript();  // nothing stored: the whole area, the Problems list and the help box a third of it at most
    EXPECT_EQ(script().geometry(), window->mdiArea()->viewport()->rect());
    QCoreApplication::processEvents();
    EXPECT_LE(script().problemsDock()->height() + script().helpDock()->height(), script().height() / 3);
    EXPECT_GT(script().helpDock()->height(), 0);
    const auto twips = [dpi = script().logicalDpiX()](int px) { return std::to_string(px * 1440 / dpi); };
    const auto stored = [&] {
        return settings({"window/scriptviewerleft", "window/scriptviewertop", "window/scriptviewerwidth",
                         "window/scriptviewerheight", "window/scriptviewerstate"});
    };
    script().setGeometry(10, 20, 400, 300);
    item("mnuExit")->trigger();  // Exit closes the script window first, which stores its placement
    EXPECT_EQ(stored(), twips(10) + '|' + twips(20) + '|' + twips(400) + '|' + twips(300) + "|0");
    startEditor();
    newScript();
    EXPECT_EQ(script().geometry(), QRect(10, 20, 400, 300));
    EXPECT_EQ(readBytes(ini()).find("HIDDENDOCKS"), std::string::npos);  // no dock ever closed: nothing added
    script().helpDock()->close();
    script().outlineDock()->close();
    item("mnuExit")->trigger();
    EXPECT_EQ(settings({"editor/hiddendocks"}), "dockHelp,dockOutline");
    startEditor();
    newScript();
    EXPECT_TRUE(script().helpDock()->isHidden() && script().outlineDock()->isHidden());
    EXPECT_FALSE(script().problemsDock()->isHidden());
    item("mnuShowHelp")->trigger();
    item("mnuShowOutline")->trigger();
    item("mnuExit")->trigger();
    EXPECT_EQ(settings({"editor/hiddendocks"}), "-");                           // shown again: none hidden
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerleft", "-2147483648"));  // absurd hand-edited values
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerheight", "2147483647"));
    startEditor();
    newScript();
    EXPECT_TRUE(window->mdiArea()->viewport()->rect().intersects(script().geometry()));
    startEditor();  // maximised: only the state is stored; closing the main window stores nothing
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerstate", "2"));
    ASSERT_TRUE(WriteIni(ini(), "window", "scriptviewerwidth", "junk"));
    const std::string before = stored();
    newScript();
    EXPECT_TRUE(script().isMaximized());
    ASSERT_TRUE(script().close());
    settle();
    newScript();
    script().showNormal();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(stored(), before);
}

TEST(EditorHelpers, TextConversionsRecentFilesAndTheReachableRectangle) {
    QStringList recent = emptyRecentFiles();
    for (const char* name : {"1", "2", "3", "4", "5", "6"}) addRecentFile(recent, QString::fromLatin1(name));
    EXPECT_EQ(recent.join(u','), u"6,5,4,3,2"_q);
    for (const QString& name : {u"C:\\A.dat"_q, u"C:\\b.dat"_q, u"c:\\a.DAT"_q, QString()}) addRecentFile(recent, name);
    EXPECT_EQ(recent.join(u','), u"c:\\a.DAT,C:\\b.dat,6,5,4"_q);  // moved up in its new spelling; "" changes nothing
    // The box's line breaks are LF.
    EXPECT_EQ(boxTextFromEngine("A \r\n\tB\rC\xe9"), u"A \n\tB\nC\u00e9"_q);
    for (int dpi : {72, 96, 120, 144, 192})
        for (int twips : {0, 15, 1440, 1575, 9000})
            EXPECT_NEAR(pixelsToTwips(twipsToPixels(twips, dpi), dpi), twips, 1440 / dpi) << dpi << " " << twips;
    EXPECT_EQ(twipsToPixels(2147483647, 96), 1048576);
    EXPECT_EQ(pixelsToTwips(-2147483647, 1), -1048576);
    const QSize area(1000, 700), minimum(200, 120);
    const std::pair<QRect, QRect> cases[] = {
        // as stored; far left and above the area; beyond the right and bottom; too small; larger than the area
        {{10, 20, 400, 300}, {10, 20, 400, 300}},       {{-100000, -5, 400, 300}, {-360, 0, 400, 300}},
        {{5000, 9000, 400, 300}, {960, 660, 400, 300}}, {{0, 0, 1, -50}, {0, 0, 200, 120}},
        {{0, 0, 1000000, 1000000}, {0, 0, 1000, 700}},
    };
    for (const auto& [wanted, expected] : cases) EXPECT_EQ(reachablePlacement(wanted, area, minimum), expected);
    EXPECT_EQ(reachablePlacement({5000, 9000, 1000000, 5}, QSize(), minimum), QRect(5000, 9000, 16384, 120));
#ifndef Q_OS_WIN
    // Settings of an installed editor go to the user's folder, even for root, who may write /usr/bin.
    const std::pair<const char*, bool> folders[] = {{"/usr/bin", true},   {"/usr/local/bin/", true},
                                                    {"/opt/c", true},     {"/bin", true},
                                                    {"/home/a/x", false}, {"/tmp/usr/bin", false}};
    for (const auto& [folder, system] : folders)
        EXPECT_EQ(IsSystemProgramFolder(QString::fromLatin1(folder)), system) << folder;
#else
    // An installed copy keeps its settings in the user's folder: one under Program Files, and one whose
    // folder the setup program owns (it left its uninstaller there).
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    ASSERT_FALSE(programFiles.isEmpty());
    for (const auto& [folder, system] : {std::pair{programFiles + QStringLiteral("\\Corvane"), true},
                                         {programFiles.toLower() + QStringLiteral("/a/b"), true},
                                         {programFiles + QStringLiteral("x\\Corvane"), false},
                                         {QStringLiteral("C:\\Games\\Corvane"), false}})
        EXPECT_EQ(IsSystemProgramFolder(folder), system) << folder.toStdString();
    TempFolder installed;
    EXPECT_FALSE(IsSystemProgramFolder(QString::fromStdString(installed.path().string())));
    writeBytes(installed.file("uninstall.exe"), "");
    EXPECT_TRUE(IsSystemProgramFolder(QString::fromStdString(installed.path().string())));
#endif
}

}  // namespace
}  // namespace corvane::testing
