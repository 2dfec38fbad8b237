#pragma once
// A started main window in a fresh folder, with scripted dialogs.

#include <QCoreApplication>
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

    TempFolder folder;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;
};

}  // namespace corvane::testing
