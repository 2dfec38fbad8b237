// Takes the pictures in docs/screenshots, the real windows grabbed offscreen. SHOWN_PATH: the script's path
// in the caption, so that no scratch folder shows.   ui_screenshots EXAMPLE.txt OUTPUT_FOLDER [SHOWN_PATH]
#include <QtWidgets>
#include <iostream>

#include "core/compiler.h"
#include "core/language_tables.h"
#include "support/file_utils.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "ui/about_window.h"
#include "ui/completion_popup.h"
#include "ui/find_window.h"
#include "ui/fold_margin.h"
#include "ui/main_window.h"
#include "ui/replace_bar.h"
#include "ui/script_assistant.h"
#include "ui/script_text_box.h"
#include "ui/script_window.h"
#include "ui/splash_window.h"

using namespace corvane;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::string text;
    if ((argc != 3 && argc != 4) || !ReadWholeFile(argv[1], text)) {
        std::cerr << "usage: ui_screenshots EXAMPLE.txt OUTPUT_FOLDER [SHOWN_PATH]\n";
        return 2;
    }
    const CompileResult compiled = CompileScript(text, LanguageTables::Standard());
    testing::TempFolder folder;
    testing::writeBytes(folder.file("skirmish.dat"), compiled.script().fileBytes);
    testing::FakePrompter prompter;
    MainWindow window(AppPaths::inFolder(QString::fromStdString(folder.path().string())), &prompter);
    window.start(0);
    window.resize(1000, 700);
    ScriptWindow& script = window.scriptWindow();
    if (!compiled.ok() || !script.loadFile(QString::fromStdString(folder.file("skirmish.dat")))) return 1;
    window.context().currentFile = QString::fromLocal8Bit(argc == 4 ? argv[3] : "/home/author/scripts/skirmish.dat");
    script.updateCaption();
    script.scriptBox()->setTextCursor(QTextCursor(script.scriptBox()->document()->findBlockByNumber(23)));
    script.scriptBox()->moveCursor(QTextCursor::EndOfBlock);
    script.showHelp();
    bool ok = true;
    CompletionPopup& popup = script.assistant().completionPopup();
    const auto save = [&ok, &popup, out = QString::fromLocal8Bit(argv[2])](QWidget& widget, const char* name) {
        QCoreApplication::processEvents();
        const QString file = out + u'/' + QString::fromLatin1(name) + QStringLiteral(".png");
        QPixmap picture = widget.grab();
        if (popup.isVisible()) {  // a window of its own over the script
            QPainter painter(&picture);
            painter.drawPixmap(widget.mapFromGlobal(popup.pos()), popup.grab());
        }
        const bool saved = picture.save(file);
        std::cout << (saved ? "wrote " : "could not write ") << file.toStdString() << '\n';
        ok = saved && ok;
    };
    save(window, "main-window");
    // A mistyped command and a missing value, as the check marks them; then completion with colours.
    ScriptTextBox& box = *script.scriptBox();
    QTextCursor cursor(box.document()->findBlockByNumber(6));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("\n\tDO TRAIN_PEOPEL_NOW %2 INT_WARRIOR\n\tSET VAR_3"));
    script.assistant().checkNow();
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::NextWord);
    cursor.movePosition(QTextCursor::NextWord);
    box.setTextCursor(cursor);
    script.showHelp();
    save(script, "problems");
    window.setTypingAssist(true);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("\n\tDO BUILD_"));
    box.setTextCursor(cursor);
    script.assistant().complete();
    save(script, "completion");
    popup.close();
    window.setTypingAssist(false);
    // The replace bar with every match marked; then the outline beside a folded block.
    window.menuAction(QStringLiteral("mnuReplace"))->trigger();
    ReplaceBar& bar = *script.replaceBar();
    bar.setOptions({false, true, true});
    bar.searchBox()->setText(QStringLiteral("VAR_1"));
    bar.replacementBox()->setText(QStringLiteral("VAR_7"));
    box.setTextCursor(QTextCursor(box.document()->findBlockByNumber(30)));
    bar.findNext();
    save(script, "replace");
    bar.closeBar();
    const QTextBlock every = box.document()->find(QStringLiteral("EVERY %512")).block();
    box.setTextCursor(QTextCursor(every));
    script.foldMargin()->toggleFoldAt(every.blockNumber() + 1);
    save(script, "outline");
    script.foldMargin()->unfoldAll();
    for (const auto& [item, name] :
         {std::pair{"mnuShowCommands", "frmCommandList"}, std::pair{"mnuShowVariables", "frmVariableList"},
          std::pair{"mnuShowKeywords", "frmKeywords"}}) {
        window.menuAction(QString::fromLatin1(item))->trigger();
        auto* list = window.findChild<QMdiSubWindow*>(QString::fromLatin1(name));
        list->showNormal();
        list->resize(520, 460);
        save(*list, name);
        list->close();
    }
    window.find();
    window.findWindow().searchBox()->setText(QStringLiteral("int_attr"));
    window.findNext();
    save(window.findWindow(), "find");
    SplashWindow splash;
    save(splash, "splash");
    window.showAbout();
    save(*window.findChild<AboutWindow*>(), "about");
    return ok ? 0 : 1;
}
