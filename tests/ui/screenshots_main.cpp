// Takes the pictures in docs/screenshots: the real windows, grabbed offscreen.
//   ui_screenshots EXAMPLE.txt OUTPUT_FOLDER [SHOWN_PATH]
// SHOWN_PATH is the script's path as the caption shows it (default /home/author/scripts/skirmish.dat),
// so that the pictures do not show the scratch folder the script really sits in.
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>

#include <iostream>

#include "core/compiler.h"
#include "core/language_tables.h"
#include "support/file_utils.h"
#include "support/safe_file.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "ui/about_window.h"
#include "ui/find_window.h"
#include "ui/splash_window.h"
#include "ui/main_window.h"
#include "ui/script_text_box.h"
#include "ui/script_window.h"

namespace {

bool save(QWidget& widget, const QString& file) {
    QCoreApplication::processEvents();
    const bool ok = widget.grab().save(file);
    std::cout << (ok ? "wrote " : "could not write ") << file.toStdString() << '\n';
    return ok;
}

void caretOnLine(corvane::ScriptTextBox& box, int line) {
    QTextCursor cursor(box.document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    box.setTextCursor(cursor);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: ui_screenshots EXAMPLE.txt OUTPUT_FOLDER [SHOWN_PATH]\n";
        return 2;
    }
    std::string text;
    if (!corvane::ReadWholeFile(argv[1], text)) return 2;
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString shownPath =
        argc == 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("/home/author/scripts/skirmish.dat");

    corvane::testing::TempFolder folder;
    const std::string script = folder.file("skirmish.dat");
    const corvane::CompileResult compiled = corvane::CompileScript(text, corvane::LanguageTables::Standard());
    if (!compiled.ok() || !corvane::WriteFileAtomically(script, compiled.script().fileBytes)) return 1;

    corvane::testing::FakePrompter prompter;
    corvane::MainWindow window(corvane::AppPaths::inFolder(QString::fromStdString(folder.path().string())), &prompter);
    window.start(0);
    window.resize(1000, 700);
    corvane::ScriptWindow& scriptWindow = window.scriptWindow();
    if (!scriptWindow.loadFile(QString::fromStdString(script))) return 1;
    window.context().currentFile = shownPath;
    scriptWindow.updateCaption();
    scriptWindow.setGeometry(8, 8, 900, 600);
    caretOnLine(*scriptWindow.scriptBox(), 23);
    scriptWindow.showHelp();
    bool ok = save(window, out + QStringLiteral("/main-window.png"));

    const struct {
        void (corvane::MainWindow::*show)();
        const char* name;
    } lists[] = {{&corvane::MainWindow::showCommands, "frmCommandList"},
                 {&corvane::MainWindow::showVariables, "frmVariableList"},
                 {&corvane::MainWindow::showKeywords, "frmKeywords"}};
    for (const auto& list : lists) {
        (window.*list.show)();
        auto* sub = window.findChild<QMdiSubWindow*>(QString::fromLatin1(list.name));
        sub->showNormal();
        sub->resize(520, 460);
        ok = save(*sub, out + QLatin1Char('/') + QString::fromLatin1(list.name) + QStringLiteral(".png")) && ok;
        sub->close();
    }
    window.find();
    window.findWindow().searchBox()->setText(QStringLiteral("int_attr"));
    window.findNext();
    ok = save(window.findWindow(), out + QStringLiteral("/find.png")) && ok;
    corvane::SplashWindow splash;
    ok = save(splash, out + QStringLiteral("/splash.png")) && ok;
    window.showAbout();
    ok = save(*window.findChild<corvane::AboutWindow*>(), out + QStringLiteral("/about.png")) && ok;
    return ok ? 0 : 1;
}
