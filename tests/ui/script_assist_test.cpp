// The engine's assistance in the script box and the views around it: problems, completion, hover, the
// replace bar, the outline, folding, signature help and quick fixes; and text files.

#include <QToolTip>

#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/layout.h"
#include "tests/ui/editor_fixture.h"
#include "ui/box_text.h"
#include "ui/completion_popup.h"
#include "ui/fold_margin.h"
#include "ui/outline_dock.h"
#include "ui/problems_dock.h"
#include "ui/quick_fixes.h"
#include "ui/reference_list_window.h"
#include "ui/replace_bar.h"
#include "ui/script_assistant.h"
#include "ui/script_highlighter.h"
#include "ui/signature_popup.h"

namespace corvane::testing {
namespace {

// Tab, CR LF and characters beyond ASCII (one of them beyond Latin-1) before the problem words.
const std::string kTextFile = "START_SCRIPT\r\n{\r\n\tSET VAR_1 %2 \xe9\x80\r\n\tDO BLAH\r\n}\r\nENDSCRIPT";

void doubleClick(QWidget& widget, QPoint at) {  // a press and release first, as a real double-click has
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
        QApplication::sendEvent(&widget, &event);
    }
}

class AssistTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        newScript();
        script().show();
    }
    ScriptAssistant& assistant() { return script().assistant(); }
    QListWidget& problemList() { return *script().problemsDock()->list(); }
    QStringList problemLines() {
        QStringList lines;
        for (int i = 0; i < problemList().count(); ++i) lines << problemList().item(i)->text();
        return lines;
    }
    void waitForCheck() {  // the check runs once typing pauses
        QElapsedTimer clock;
        clock.start();
        while (assistant().pauseTimer().isActive() && clock.elapsed() < 5000) QCoreApplication::processEvents();
        assistant().waitForCheck();
    }
    QStringList marked(bool wave) {  // the words under a wave line or on a background, with its colour
        QStringList words;
        for (const QTextEdit::ExtraSelection& mark : box().extraSelections()) {
            const bool isWave = mark.format.underlineStyle() == QTextCharFormat::WaveUnderline;
            const QColor colour = isWave ? mark.format.underlineColor() : mark.format.background().color();
            if (isWave == wave && mark.cursor.hasSelection())
                words << mark.cursor.selectedText() + u' ' + colour.name();
        }
        return words;
    }
    QString openTextFile(const std::string& bytes) {
        writeBytes(folder.file("s.txt"), bytes);
        prompter.files = {path("s.txt")};
        item("mnuScriptsOpenText")->trigger();
        return path("s.txt");
    }
    QString engineMessage(std::string_view text, std::size_t index) {
        return messageFromEngine(Diagnose(text, LanguageTables::Standard(), Grammar::Standard()).at(index).message);
    }
    void caretAt(int position) { box().selectRange(position, 0); }
    bool coloured(int line) { return !box().document()->findBlockByNumber(line).layout()->formats().isEmpty(); }
    ReplaceBar& bar() { return *script().replaceBar(); }
    QStringList outline() {  // the outline's lines, indented by depth
        QStringList lines;
        for (QTreeWidgetItemIterator it(script().outlineDock()->tree()); *it != nullptr; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent()) ++depth;
            lines << QString(depth, u'.') + (*it)->text(0);
        }
        return lines;
    }
    // The items of the menu that `open` pops up, which is then closed; the box's own menu pops up
    // without waiting, a menu of ours waits in exec().
    static QStringList popupItems(const std::function<void()>& open) {
        QStringList items;
        QTimer look;
        look.setSingleShot(true);
        QObject::connect(&look, &QTimer::timeout, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (const QAction* action : menu->actions())
                if (!action->isSeparator()) items << action->text();
            menu->close();
        });
        look.start(0);
        open();
        QElapsedTimer clock;
        clock.start();
        while (look.isActive() && clock.elapsed() < 5000) QCoreApplication::processEvents();
        return items;
    }
    QList<bool> shownLines() {
        QList<bool> shown;
        for (QTextBlock block = box().document()->begin(); block.isValid(); block = block.next())
            shown << block.isVisible();
        return shown;
    }
};

TEST_F(AssistTest, ProblemsOfAnOpenedTextAreMarkedListedAndVisitedAtTheirExactWords) {
    openTextFile(kTextFile);
    EXPECT_EQ(current(), u"newfile.dat"_q);  // Save asks for a compiled file's name
    // Checked at once, no pause needed. The unknown word also breaks the grammar: one mark; BLAH, four
    // letters, compiles as a raw code, which no command is.
    EXPECT_EQ(marked(true), (QStringList{u"\u00e9\u20ac #ff5050"_q, u"BLAH #ff5050"_q}));
    EXPECT_EQ(problemLines(),
              (QStringList{u"3:15  "_q + engineMessage(kTextFile, 0), u"4:5  "_q + engineMessage(kTextFile, 1)}));
    item("mnuNextProblem")->trigger();
    EXPECT_EQ(selected(), u"\u00e9\u20ac"_q);
    EXPECT_EQ(window->statusText(), problemLines().at(0));
    item("mnuNextProblem")->trigger();
    EXPECT_EQ(selected(), u"BLAH"_q);
    item("mnuNextProblem")->trigger();  // round to the first
    EXPECT_EQ(selected(), u"\u00e9\u20ac"_q);
    item("mnuPreviousProblem")->trigger();  // round to the last
    EXPECT_EQ(selected(), u"BLAH"_q);
    caretAt(0);
    EXPECT_EQ(window->statusText(), QString());  // no problem under the caret: the problem text goes
    doubleClick(*problemList().viewport(), problemList().visualItemRect(problemList().item(0)).center());
    EXPECT_EQ(selected(), u"\u00e9\u20ac"_q);
}

TEST_F(AssistTest, TypingIsCheckedAtThePauseAndMarksFollowTheText) {
    caretAt(14);                                // after "START_SCRIPT\n{"
    type(box(), u"\n\t\u00a0SET VAR_1 ZZZ"_q);  // a no-break space is no blank: "\u00a0SET" is one unknown word
    EXPECT_TRUE(marked(true).isEmpty());
    waitForCheck();
    // Four letters compile as a raw code, which starts no statement: one error; the words after it are
    // skipped up to the next statement, but an unknown one is still marked.
    const QStringList waves{u"\u00a0SET #ff5050"_q, u"ZZZ #ff5050"_q};
    EXPECT_EQ(marked(true), waves);
    caretAt(0);
    type(box(), u"  "_q);  // the marks move with the text until the next check
    EXPECT_EQ(marked(true), waves);
    setText(u"START_SCRIPT { SET VAR_1 } ENDSCRIPT"_q);  // the next check replaces every mark
    waitForCheck();
    EXPECT_EQ(marked(true), QStringList{u"} #ff5050"_q});
}

TEST_F(AssistTest, CompletionInsertsReplacingThePartialWordAndCancelsWithoutATrace) {
    setText(u"START_SCRIPT { DO ATT } ENDSCRIPT"_q);
    caretAt(21);  // after "ATT"
    CompletionPopup& popup = assistant().completionPopup();
    press(box(), Qt::Key_Space, u" "_q, Qt::ControlModifier);
    ASSERT_TRUE(popup.isOpen());
    const QString first = popup.list()->topLevelItem(0)->text(0);
    type(box(), u"A"_q);  // narrows as the word grows
    EXPECT_TRUE(popup.list()->topLevelItem(0)->text(0).startsWith(u"ATTA"_q));
    press(box(), Qt::Key_Escape);
    EXPECT_FALSE(popup.isOpen());
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT { DO ATTA } ENDSCRIPT"_q);
    press(box(), Qt::Key_Space, u" "_q, Qt::ControlModifier);
    const int shown = popup.list()->topLevelItemCount();
    for (int key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown}) press(box(), key);
    EXPECT_EQ(popup.list()->currentItem(), popup.list()->topLevelItem(shown - 1));  // stops at the last
    for (int key : {Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp}) press(box(), key);
    EXPECT_EQ(popup.list()->currentItem(), popup.list()->topLevelItem(0));
    press(box(), Qt::Key_Tab, u"\t"_q);
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT { DO "_q + first + u" } ENDSCRIPT"_q);
    box().undo();
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT { DO ATTA } ENDSCRIPT"_q);  // one undo step
    caretAt(19);  // inside the word: the whole word gives way
    press(box(), Qt::Key_Space, u" "_q, Qt::ControlModifier);
    press(box(), Qt::Key_Return, u"\r"_q);
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT { DO "_q + first + u" } ENDSCRIPT"_q);
    press(box(), Qt::Key_Return, u"\r"_q);  // hidden: the key is the box's again
    EXPECT_EQ(box().toPlainText().count(u'\n'), 1);
    setText(u"START_SCRIPT { DO STATE_DEFEND } ENDSCRIPT"_q);
    caretAt(30);  // after STATE_DEFEND, which STATE_DEFEND_BASE continues
    press(box(), Qt::Key_Space, u" "_q, Qt::ControlModifier);
    ASSERT_EQ(popup.list()->topLevelItemCount(), 2);
    EXPECT_EQ(popup.list()->viewport()->height() / popup.list()->sizeHintForRow(0), 2);  // rows for its words
    press(box(), Qt::Key_Return, u"\r"_q);  // the word is complete as typed: Enter breaks the line
    EXPECT_FALSE(popup.isOpen());
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT { DO STATE_DEFEND\n } ENDSCRIPT"_q);
}

TEST_F(AssistTest, HoverShowsTheEngineHelpOfTheWordUnderThePointer) {
    box().resize(600, 300);
    const QString text = u"START_SCRIPT { DO ATTACK } ENDSCRIPT"_q;
    setText(text);
    const auto hoverAt = [this](QPoint point) {
        QHelpEvent hover(QEvent::ToolTip, point, box().viewport()->mapToGlobal(point));
        QApplication::sendEvent(box().viewport(), &hover);
    };
    caretAt(text.size());
    hoverAt(box().cursorRect().center() + QPoint(200, 0));  // right of the line's end: no help
    EXPECT_EQ(QToolTip::text(), QString());
    caretAt(20);
    hoverAt(box().cursorRect().center());
    const auto help = HoverAt(text.toStdString(), 20, LanguageTables::Standard(), Grammar::Standard());
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(QToolTip::text(), messageFromEngine(help->text));
}

TEST_F(AssistTest, FormatIsOneUndoStepAndGoToLineMovesTheCaret) {
    const QString text = u"START_SCRIPT { SET VAR_1 %2 IF < VAR_1 %3 { DO STATE_DEFEND ON } ENDIF } ENDSCRIPT"_q;
    setText(text);
    item("mnuFormatScript")->trigger();
    EXPECT_EQ(box().toPlainText(), boxTextFromEngine(LayOutScript(text.toStdString(), LanguageTables::Standard())));
    box().undo();
    EXPECT_EQ(box().toPlainText(), text);
    box().redo();
    caretAt(0);
    prompter.numbers = {4, std::nullopt};
    item("mnuGoToLine")->trigger();
    EXPECT_EQ(prompter.asked.constLast(), u"Go to line (1 to %1): [1, 1..%1]"_q.arg(box().document()->blockCount()));
    EXPECT_EQ(box().textCursor().blockNumber(), 3);
    EXPECT_EQ(box().textCursor().positionInBlock(), 0);
    item("mnuGoToLine")->trigger();  // cancelled: the caret stays
    EXPECT_EQ(box().textCursor().blockNumber(), 3);
}

// A text file is saved again in its own encoding, byte-order mark included: in place with no dialog or
// under another name, which the caption then shows. No to overwriting, a character the encoding cannot
// hold and a missing file change nothing.
TEST_F(AssistTest, TextFilesSaveByteExactInTheirEncodingAndRefuseWhatTheyCannotHold) {
    const QString file = openTextFile("\xEF\xBB\xBFSTART_SCRIPT\r\n{\r\n\tSET VAR_\xC3\xA9 %1\r\n}\r\nENDSCRIPT");
    type(box(), u"\u0101 "_q);  // UTF-8 holds what Windows-1252 cannot
    EXPECT_EQ(script().windowTitle(), u"Script Editor - "_q + file + u"[*]"_q);
    item("mnuScriptsSaveTextFile")->trigger();
    const std::string saved = "\xEF\xBB\xBF\xC4\x81 START_SCRIPT\r\n{\r\n\tSET VAR_\xC3\xA9 %1\r\n}\r\nENDSCRIPT";
    EXPECT_EQ(readBytes(file.toStdString()), saved);
    EXPECT_FALSE(script().isModified());
    EXPECT_EQ(item("mnuScriptsSaveTextFile")->shortcut(), QKeySequence(u"Ctrl+Shift+S"_q));
    prompter.files = {path("other.txt")};
    item("mnuScriptsSaveText")->trigger();
    EXPECT_EQ(readBytes(folder.file("other.txt")), saved);
    EXPECT_EQ(script().caption(), u"Script Editor - "_q + path("other.txt"));

    const std::string ansi = "START_SCRIPT\r\n{\r\n\tSET VAR_1 %2 \x80\xe9\xa0x\r\n}\r\nENDSCRIPT\r\n";  // no UTF-8
    openTextFile(ansi);
    writeBytes(folder.file("s.txt"), "");
    item("mnuScriptsSaveTextFile")->trigger();
    EXPECT_EQ(readBytes(folder.file("s.txt")), ansi);
    prompter.files = {path("other.txt")};
    prompter.yesNo = {false};
    type(box(), u"x"_q);
    item("mnuScriptsSaveText")->trigger();  // not overwritten
    EXPECT_EQ(readBytes(folder.file("other.txt")), saved);
    type(box(), u"\u0101"_q);  // no Windows-1252 code
    item("mnuScriptsSaveTextFile")->trigger();
    EXPECT_EQ(
        prompter.lastTold(),
        u"The script holds the character \"\u0101\", which a Windows-1252 text file cannot hold. Nothing was written."_q);
    EXPECT_EQ(readBytes(folder.file("s.txt")), ansi);
    prompter.saveChoices = {Prompter::SaveChoice::Discard};
    prompter.files = {path("missing.txt")};
    item("mnuScriptsOpenText")->trigger();
    EXPECT_EQ(prompter.lastTold(), u"Could not open "_q + path("missing.txt") + u": No such file or directory"_q);
    EXPECT_TRUE(box().toPlainText().startsWith(u"x\u0101START_SCRIPT"_q));  // nothing changed
}

// A text far larger than any script is opened only after asking; then its first problems are
// marked and listed, and the rest summed up in one line.
TEST_F(AssistTest, LargeTextsAreOpenedAfterAskingAndMarkABoundedNumberOfProblems) {
    const QString before = box().toPlainText();
    std::string words = "START_SCRIPT";
    while (words.size() <= (256u << 10)) words += " FOO";
    prompter.yesNo = {false};
    const QString file = openTextFile(words);
    EXPECT_EQ(prompter.asked.constLast(), file +
                                              u" holds 257 KB, more than any script the game can read (4096 codes "
                                              u"fit in far less than 256 KB). Open it anyway?"_q);
    EXPECT_EQ(box().toPlainText(), before);
    prompter.yesNo = {true};
    openTextFile(words);
    EXPECT_EQ(marked(true).size(), static_cast<qsizetype>(ScriptAssistant::kMaxMarkedProblems));
    const QStringList lines = problemLines();
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(ScriptAssistant::kMaxMarkedProblems) + 1);
    EXPECT_TRUE(QRegularExpression(u"^and \\d+ more problems$"_q).match(lines.constLast()).hasMatch())
        << lines.constLast().toStdString();
}

TEST_F(AssistTest, DroppedFilesLoadOrOpenAsTextAfterAskingAboutUnsavedWork) {
    const auto drop = [this](const QString& file, QWidget* over = nullptr) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        data.setText(file);  // as file managers offer it: the script box alone would insert the path
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(over != nullptr ? over : window.get(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &dropped);
        return enter.isAccepted();
    };
    const QString compiledFile = writeScript("d.DAT", "START_SCRIPT { SET VAR_1 %2 } ENDSCRIPT");
    EXPECT_TRUE(drop(compiledFile));
    EXPECT_EQ(current(), compiledFile);
    writeBytes(folder.file("t.txt"), "START_SCRIPT ENDSCRIPT");
    type(box(), u"x"_q);
    prompter.saveChoices = {Prompter::SaveChoice::Cancel, Prompter::SaveChoice::Discard};
    EXPECT_TRUE(drop(path("t.txt")));  // cancelled: the changed script stays
    EXPECT_TRUE(box().toPlainText().startsWith(u"x"_q));
    EXPECT_TRUE(drop(path("t.txt"), box().viewport()));  // over the script box: still the main window's
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT ENDSCRIPT"_q);
    EXPECT_EQ(prompter.asked.size(), 2);
    writeBytes(folder.file("n.png"), "x");
    EXPECT_FALSE(drop(path("n.png")));  // other files are not taken
}

// A "}" at a line's start takes a tab back, as one undo step, also without the typing assist.
TEST_F(AssistTest, BracesDedentAsOneUndoStep) {
    setText(u"START_SCRIPT\n{\n\t\t\n}"_q);
    caretAt(17);
    type(box(), u"}"_q);
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\n\t}\n}"_q);
    box().undo();  // the dedent first, as the author may want the tab back
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\n\t\t}\n}"_q);
}

// With the typing assist the list opens by itself where a word is being typed or DO's command is due,
// never for blanks alone, and the lines get colours; both go with the option.
TEST_F(AssistTest, TheTypingAssistColoursAndOpensTheListOnlyForWords) {
    const std::tuple<bool, QString, bool> cases[] = {
        // typing assist, typed on the line after "{", list open
        {false, u"\tDO "_q, false}, {true, u"\tDO "_q, true},   {true, u"\t  "_q, false},
        {true, u"\tSET "_q, false}, {true, u"\tDO ST"_q, true}, {true, u"\tDO STATE_PREACH ON"_q, false},
    };
    for (const auto& [on, typed, open] : cases) {
        SCOPED_TRACE(typed.toStdString());
        item("mnuTypingAssist")->setChecked(on);
        setText(u"START_SCRIPT\n{\n\n}"_q);
        caretAt(15);
        type(box(), typed);
        EXPECT_EQ(assistant().completionPopup().isOpen(), open);
        EXPECT_EQ(coloured(0), on);
    }
    EXPECT_EQ(settings({"editor/colourandcomplete"}), "1");
    item("mnuTypingAssist")->trigger();
    EXPECT_EQ(settings({"editor/colourandcomplete"}), "0");
    EXPECT_FALSE(coloured(0));
}

// The list is a window of its own, never cut by the box, placed by PlacePopupAtCaret's rule: here above
// a caret at the screen's bottom; as many rows as it has words, ten at most.
TEST_F(AssistTest, TheCompletionListIsAWindowOnTheScreenThatFitsItsWords) {
    setText(u"START_SCRIPT\n{\n\tDO \n}\nENDSCRIPT"_q);
    const QRect screen = box().screen()->availableGeometry();
    const auto caret = [this] {
        const QRect at = box().cursorRect();
        return QRect(box().viewport()->mapToGlobal(at.topLeft()), at.size());
    };
    caretAt(19);
    window->move(window->pos() + QPoint(screen.left() + 40, screen.bottom() - 20) - caret().topLeft());
    press(box(), Qt::Key_Space, u" "_q, Qt::ControlModifier);
    CompletionPopup& popup = assistant().completionPopup();
    ASSERT_TRUE(popup.isOpen());
    EXPECT_TRUE(popup.isWindow());
    EXPECT_EQ(popup.pos(), caret().topLeft() - QPoint(0, 2 + popup.height()));  // 2 pixels above the caret
    EXPECT_EQ(popup.list()->viewport()->height() / popup.list()->sizeHintForRow(0), CompletionPopup::kMostRowsShown);
}

// Next problem shows the word's line from its start, also after the view was scrolled sideways.
TEST_F(AssistTest, NextProblemScrollsTheWordIntoView) {
    box().resize(300, 200);
    setText(u"START_SCRIPT\n{\n\tSET VAR_1 %1"_q + QString(40, u' ') + u"SET VAR_1 %1\n"_q + QString(30, u'\n') +
            u"\tBLAH\n}\nENDSCRIPT"_q);
    assistant().checkNow();
    caretAt(80);  // at the end of the long line
    ASSERT_GT(box().horizontalScrollBar()->value(), 0);
    item("mnuNextProblem")->trigger();
    EXPECT_EQ(selected(), u"BLAH"_q);
    EXPECT_EQ(box().horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(box().viewport()->rect().contains(box().cursorRect()));
}

TEST_F(AssistTest, ReferenceListsFilterAndInsertTheDoubleClickedWord) {
    caretAt(14);
    item("mnuShowCommands")->trigger();
    auto* list = window->findChild<ReferenceListWindow*>(u"frmCommandList"_q);
    list->filterBox()->setText(u"build_drum_t"_q);
    EXPECT_EQ(list->textBox()->toPlainText(), u"BUILD_DRUM_TOWER <var> <var> "_q);
    QPlainTextEdit& text = *list->textBox();
    doubleClick(*text.viewport(), text.cursorRect(QTextCursor(text.document())).center());
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{BUILD_DRUM_TOWER\n}\nENDSCRIPT"_q);
    list->filterBox()->clear();
    EXPECT_EQ(text.document()->blockCount(), 117);  // the whole list back
}

TEST_F(AssistTest, LineNumbersAndTheBlockPartnersOfTheCaretWord) {
    EXPECT_GT(box().viewport()->geometry().left(), box().findChild<QWidget*>(u"lineNumbers"_q)->width() - 1);
    setText(u"START_SCRIPT\n{\n\tIF = %1 %1 { } ELSE { } ENDIF\n}\nENDSCRIPT"_q);
    caretAt(42);  // inside ENDIF
    EXPECT_EQ(marked(false), (QStringList{u"IF #3c6496"_q, u"ELSE #3c6496"_q, u"ENDIF #3c6496"_q}));
}

TEST_F(AssistTest, ColoursCoverASmallTextWholeAndALongOneAroundTheShownLines) {
    item("mnuTypingAssist")->trigger();
    const auto lines = [](int count) {
        QString text = u"START_SCRIPT"_q;
        for (int i = 1; i < count; ++i) text += u"\n\tDO ATTACK"_q;
        return text;
    };
    setText(lines(ScriptHighlighter::kColouredWholeLines));
    QCoreApplication::processEvents();
    EXPECT_TRUE(coloured(ScriptHighlighter::kColouredWholeLines - 1));  // far below the shown lines
    setText(lines(ScriptHighlighter::kColouredWholeLines + 1));
    QCoreApplication::processEvents();
    EXPECT_TRUE(coloured(1));
    EXPECT_FALSE(coloured(ScriptHighlighter::kColouredWholeLines));
    box().moveCursor(QTextCursor::End);
    box().ensureCursorVisible();
    QCoreApplication::processEvents();
    EXPECT_TRUE(coloured(ScriptHighlighter::kColouredWholeLines));
    type(box(), u" X"_q);  // a changed line keeps its colours
    EXPECT_TRUE(coloured(ScriptHighlighter::kColouredWholeLines));
}

TEST_F(AssistTest, ZoomScalesTheShownTextOnly) {
    press(box(), Qt::Key_Plus, u"+"_q, Qt::ControlModifier);
    press(box(), Qt::Key_Plus, u"+"_q, Qt::ControlModifier);
    const QList<QTextLayout::FormatRange> shown = box().document()->begin().layout()->formats();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_DOUBLE_EQ(shown.first().format.fontPointSize(), 8.0 * 1.2);
    EXPECT_EQ(box().document()->begin().begin().fragment().charFormat().fontPointSize(), 8.0);  // stored as it was
    EXPECT_FALSE(script().isModified());
    press(box(), Qt::Key_0, u"0"_q, Qt::ControlModifier);
    EXPECT_TRUE(box().document()->begin().layout()->formats().isEmpty());
}

TEST_F(AssistTest, ReplaceBarFindsMarksAndReplacesWithTheFindWindowUntouched) {
    box().setScriptText(u"START_SCRIPT\n{\nSET VAR_1 %1\nSET var_10 VAR_1\n}\nENDSCRIPT"_q);  // 8 points
    box().selectRange(19, 5);  // VAR_1 of the first SET becomes the search text
    item("mnuReplace")->trigger();
    ASSERT_TRUE(bar().isVisible());
    EXPECT_EQ(marked(false), (QStringList{u"VAR_1 #6e5a1e"_q, u"var_1 #6e5a1e"_q, u"VAR_1 #6e5a1e"_q}));
    EXPECT_EQ(bar().countLabel()->text(), u"1 of 3"_q);
    bar().setOptions({true, true, true});  // match case, whole words, wrap around
    QCoreApplication::processEvents();
    EXPECT_EQ(marked(false), (QStringList{u"VAR_1 #6e5a1e"_q, u"VAR_1 #6e5a1e"_q}));
    bar().findNext();
    EXPECT_EQ(bar().countLabel()->text(), u"2 of 2"_q);
    bar().findNext();
    EXPECT_EQ(bar().countLabel()->text(), u"1 of 2, from the top"_q);
    bar().findPrevious();
    EXPECT_EQ(bar().countLabel()->text(), u"2 of 2, from the top"_q);
    box().selectRange(0, 0);  // the caret off every match: the count without its place
    QCoreApplication::processEvents();
    EXPECT_EQ(bar().countLabel()->text(), u"2 matches"_q);
    box().selectRange(39, 5);
    bar().replacementBox()->setText(u"VAR_2"_q);
    bar().replace();  // the selected match at 39, then on to the next: round to 19
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\nSET VAR_1 %1\nSET var_10 VAR_2\n}\nENDSCRIPT"_q);
    EXPECT_EQ(box().textCursor().selectionStart(), 19);

    bar().setOptions({false, false, false});
    bar().replacementBox()->setText(u"INT_7"_q);
    bar().replaceAll();
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\nSET INT_7 %1\nSET INT_70 VAR_2\n}\nENDSCRIPT"_q);
    EXPECT_EQ(bar().countLabel()->text(), u"2 replaced"_q);
    QTextCursor replaced(box().document());
    replaced.setPosition(20);  // what replaces a word is pink and as large as the words around it
    EXPECT_EQ(replaced.charFormat().fontPointSize(), 8.0);
    EXPECT_EQ(replaced.charFormat().foreground().color(), QColor(255, 192, 192));
    box().undo();  // Replace All is one step
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\nSET VAR_1 %1\nSET var_10 VAR_2\n}\nENDSCRIPT"_q);

    press(*bar().searchBox(), Qt::Key_Escape);
    EXPECT_FALSE(bar().isVisible());
    EXPECT_TRUE(marked(false).isEmpty());
    item("mnuFind")->trigger();  // Ctrl+F is still the Find window
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_EQ(item("mnuReplace")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

TEST_F(AssistTest, OutlineListsTheBlocksAtTheCheckAndGoesToThem) {
    setText(u"START_SCRIPT {\nEVERY %64 {\n  IF VAR_1 > %2 { } ELSE { }\n}\nIF INT_7 = %0 { } ENDSCRIPT"_q);
    script().assistant().checkNow();
    EXPECT_EQ(outline(), (QStringList{u"EVERY %64"_q, u".IF VAR_1 > %2"_q, u"IF INT_7 = %0"_q}));
    const QTreeWidgetItem* nested = script().outlineDock()->tree()->topLevelItem(0)->child(0);
    script().outlineDock()->tree()->itemClicked(const_cast<QTreeWidgetItem*>(nested), 0);
    EXPECT_EQ(selected(), u"IF"_q);
    QTextCursor cursor(box().document());
    cursor.insertText(u"\n\n"_q);  // the same blocks further down: the click follows them
    script().assistant().checkNow();
    script().outlineDock()->tree()->itemClicked(const_cast<QTreeWidgetItem*>(nested), 0);
    EXPECT_EQ(box().textCursor().selectionStart(), 31);
    box().selectAll();
    box().insertPlainText(u"EVERY %2 { }"_q);
    script().assistant().checkNow();
    EXPECT_EQ(outline(), QStringList{u"EVERY %2"_q});
}

// The ranges and the lines they hide are FoldRanges' and HiddenLines'; here the margin, the box and the file.
TEST_F(AssistTest, FoldingHidesLinesOnlyAndTheCaretOpensThem) {
    const QString text = u"START_SCRIPT\n{\n\tEVERY %4\n\t{\n\t\tSET VAR_1 %1\n\t}\n}\nENDSCRIPT"_q;
    setText(text);
    FoldMargin& folds = *script().foldMargin();
    EXPECT_FALSE(folds.toggleFoldAt(0));  // START_SCRIPT: no brace
    const QRect brace = box().cursorRect(QTextCursor(box().document()->findBlockByNumber(3)));
    const QPoint marker(folds.width() / 2, brace.center().y());  // beside EVERY's "{"
    QMouseEvent click(QEvent::MouseButtonPress, marker, folds.mapToGlobal(marker), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&folds, &click);
    ASSERT_TRUE(folds.isFolded(3));
    const QWidget* ellipsis = box().viewport()->findChild<QWidget*>(u"foldEllipsis"_q);
    ASSERT_NE(ellipsis, nullptr);
    EXPECT_TRUE(ellipsis->isVisible());  // "..." after the folded "{"
    script().resize(script().size() + QSize(40, 30));
    EXPECT_EQ(ellipsis->geometry(), box().viewport()->rect());  // covers the text as the window grows
    EXPECT_EQ(shownLines(), (QList<bool>{true, true, true, true, false, true, true, true}));
    EXPECT_EQ(typedText(*box().document()), text);  // saved and compiled unchanged
    prompter.files = {path("f.dat")};
    item("mnuScriptsSaveAs")->trigger();
    EXPECT_EQ(readBytes(folder.file("f.dat")), compiled(text.toStdString()));
    ASSERT_TRUE(folds.toggleFoldAt(1));  // the outer one folded and opened: the inner one stays folded
    folds.toggleFoldAt(1);
    EXPECT_TRUE(folds.isFolded(3));
    QTextCursor caret = box().textCursor();
    caret.setPosition(text.indexOf(u"VAR_1"_q));  // Find or F8 reaching a hidden word opens its fold
    box().setTextCursor(caret);
    EXPECT_EQ(shownLines(), QList<bool>(8, true));
    EXPECT_FALSE(folds.isFolded(3));
}

TEST_F(AssistTest, SignatureHelpMarksTheParameterBeingTyped) {
    setText(u"START_SCRIPT\n{\n\n}\nENDSCRIPT"_q);
    box().selectRange(15, 0);
    box().setFocus();
    const SignaturePopup* popup = box().findChild<SignaturePopup*>();
    ASSERT_NE(popup, nullptr);
    type(box(), u"DO ATTACK "_q);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_TRUE(popup->text().startsWith(u"ATTACK <b><u>&lt;color&gt;</u></b> &lt;var&gt;"_q))
        << popup->text().toStdString();
    type(box(), u"BLUE "_q);
    EXPECT_TRUE(popup->text().startsWith(u"ATTACK &lt;color&gt; <b><u>&lt;var&gt;</u></b>"_q))
        << popup->text().toStdString();
    press(box(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    box().selectRange(0, 0);  // away from the DO command: nothing to show
    type(box(), u" "_q);
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(AssistTest, QuickFixesMendTheMarkedWordInOneUndoStep) {
    const QString text = u"START_SCRIPT\n{\nDO STATE_FETCH_WOD ON\n}\nENDSCRIPT"_q;
    const QString title = u"Replace with STATE_FETCH_WOOD"_q;
    setText(text);
    script().assistant().checkNow();
    box().selectRange(18, 0);  // before the misspelt word
    const QPoint at = box().cursorRect().center();
    const auto contextMenu = [this](QPoint point) {
        return popupItems([&] {
            QContextMenuEvent request(QContextMenuEvent::Mouse, point, box().viewport()->mapToGlobal(point));
            QApplication::sendEvent(box().viewport(), &request);
        });
    };
    const QStringList onWord = contextMenu(at);
    ASSERT_GT(onWord.size(), 1);  // the fixes first, then the box's own items
    EXPECT_EQ(onWord.first(), title);
    EXPECT_NE(contextMenu({box().viewport()->width() - 4, at.y()}).value(0), title);    // right of the line's end
    EXPECT_EQ(popupItems([this] { item("mnuQuickFix")->trigger(); }).value(0), title);  // Ctrl+.
    QMenu menu;
    const QList<QAction*> fixes = script().quickFixes().fixItems(18, &menu);
    ASSERT_FALSE(fixes.isEmpty());
    fixes.first()->trigger();
    EXPECT_EQ(box().toPlainText(), u"START_SCRIPT\n{\nDO STATE_FETCH_WOOD ON\n}\nENDSCRIPT"_q);
    box().undo();
    EXPECT_EQ(box().toPlainText(), text);
    box().selectRange(0, 0);
    item("mnuQuickFix")->trigger();  // Ctrl+. where nothing can be mended
    EXPECT_EQ(window->statusText(), u"No quick fix at the caret"_q);
}

}  // namespace
}  // namespace corvane::testing
