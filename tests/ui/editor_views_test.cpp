// The replace bar, the outline, folding and quick fixes around the script box.

#include "tests/ui/editor_fixture.h"
#include "ui/box_text.h"
#include "ui/fold_margin.h"
#include "ui/outline_dock.h"
#include "ui/quick_fixes.h"
#include "ui/replace_bar.h"
#include "ui/script_assistant.h"
#include "ui/signature_popup.h"

namespace corvane::testing {
namespace {

class EditorViewsTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        newScript();
        script().show();
    }
    ReplaceBar& bar() { return *script().replaceBar(); }
    QStringList searchMarks() {  // the marked matches as "position:text"
        QStringList marks;
        for (const QTextEdit::ExtraSelection& mark : box().extraSelections()) {
            if (mark.format.background().color() == QColor(110, 90, 30))
                marks << QString::number(mark.cursor.selectionStart()) + u':' + mark.cursor.selectedText();
        }
        return marks;
    }
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

TEST_F(EditorViewsTest, ReplaceBarFindsMarksAndReplacesWithTheFindWindowUntouched) {
    box().setScriptText(u"START_SCRIPT\n{\nSET VAR_1 %1\nSET var_10 VAR_1\n}\nENDSCRIPT"_q);  // 8 points
    box().selectRange(19, 5);  // VAR_1 of the first SET becomes the search text
    item("mnuReplace")->trigger();
    ASSERT_TRUE(bar().isVisible());
    EXPECT_EQ(searchMarks(), (QStringList{u"19:VAR_1"_q, u"32:var_1"_q, u"39:VAR_1"_q}));
    EXPECT_EQ(bar().countLabel()->text(), u"1 of 3"_q);
    bar().setOptions({true, true, true});  // match case, whole words, wrap around
    QCoreApplication::processEvents();
    EXPECT_EQ(searchMarks(), (QStringList{u"19:VAR_1"_q, u"39:VAR_1"_q}));
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
    EXPECT_TRUE(searchMarks().isEmpty());
    item("mnuFind")->trigger();  // Ctrl+F is still the Find window
    EXPECT_TRUE(window->findWindow().isVisible());
    EXPECT_EQ(item("mnuReplace")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

TEST_F(EditorViewsTest, OutlineListsTheBlocksAtTheCheckAndGoesToThem) {
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
TEST_F(EditorViewsTest, FoldingHidesLinesOnlyAndTheCaretOpensThem) {
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

TEST_F(EditorViewsTest, SignatureHelpMarksTheParameterBeingTyped) {
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

TEST_F(EditorViewsTest, QuickFixesMendTheMarkedWordInOneUndoStep) {
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
