#pragma once
// A started main window in a fresh folder, with scripted dialogs.

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "core/compiler.h"
#include "core/language_tables.h"
#include "support/settings_file.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "ui/main_window.h"
#include "ui/script_text_box.h"
#include "ui/script_window.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace corvane::testing {

inline void press(QWidget& widget, int key, const QString& text = QString(), Qt::KeyboardModifiers mods = {}) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&widget, &event);
}

inline void type(QWidget& widget, const QString& text) {
    for (QChar c : text) press(widget, 0, QString(c));
}

inline QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), text.size()); }

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { startEditor(); }
    void TearDown() override { window.reset(); }

    void startEditor() {
        window = std::make_unique<MainWindow>(AppPaths::inFolder(QString::fromStdString(folder.path().string())),
                                              &prompter);
        window->start(0);
    }

    // Deferred deletes (closed windows) done.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString path(const std::string& name) const { return QString::fromStdString(folder.file(name)); }
    std::string ini() const { return folder.file("editor.ini"); }
    std::string setting(std::string_view section, std::string_view key) const {
        return ReadIni(ini(), section, key, "(none)");
    }

    // A compiled file of `text` written as `name`.
    QString writeScript(const std::string& name, const std::string& text) {
        const CompileResult result = CompileScript(text, LanguageTables::Standard());
        EXPECT_TRUE(result.ok());
        writeBytes(folder.file(name), result.script().fileBytes);
        return path(name);
    }

    ScriptWindow& script() { return window->scriptWindow(); }
    ScriptTextBox& box() { return *script().scriptBox(); }
    void setText(const QString& text) { box().setPlainText(text); }
    QString selected() const { return window->openScriptWindow()->scriptBox()->textCursor().selectedText(); }
    void placeCaret(int position) {
        QTextCursor cursor = box().textCursor();
        cursor.setPosition(position);
        box().setTextCursor(cursor);
    }
    QAction* item(const char* name) const { return window->menuAction(QString::fromLatin1(name)); }
    QString current() const { return window->context().currentFile; }

    TempFolder folder;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;
};

}  // namespace corvane::testing
