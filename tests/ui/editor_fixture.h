#pragma once
// A started main window in a fresh folder, with scripted dialogs, and the helpers of the window tests.

#include <gtest/gtest.h>

#include <QtWidgets>

#include "core/compiler.h"
#include "core/language_tables.h"
#include "core/script_messages.h"
#include "support/settings_file.h"
#include "tests/common/fake_prompter.h"
#include "tests/common/temp_folder.h"
#include "ui/main_window.h"
#include "ui/script_text_box.h"
#include "ui/script_window.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }  // readable

namespace corvane::testing {

inline QString operator""_q(const char16_t* text, std::size_t size) { return QString::fromUtf16(text, size); }
inline std::string compiled(const std::string& text) {
    return CompileScript(text, LanguageTables::Standard()).script().fileBytes;
}
const std::string kEmptyScript = "START_SCRIPT { } ENDSCRIPT";

inline void press(QWidget& widget, int key, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent event(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&widget, &event);
}
inline void type(QWidget& widget, const QString& text) {
    for (QChar c : text) press(widget, 0, QString(c));
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { startEditor(); }
    void startEditor() {
        window = std::make_unique<MainWindow>(AppPaths::inFolder(path("")), &prompter);
        window->start(0);
    }
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }  // closed windows

    QString path(const std::string& name) const { return QString::fromStdString(folder.file(name)); }
    std::string ini() const { return folder.file("editor.ini"); }
    std::string settings(std::initializer_list<std::string_view> keys) const {  // of "section/key"s, '|'-joined
        std::string values;
        for (std::string_view key : keys) {
            const std::size_t slash = key.find('/');
            values += (values.empty() ? "" : "|") + ReadIni(ini(), key.substr(0, slash), key.substr(slash + 1), "-");
        }
        return values;
    }
    QString writeScript(const std::string& name, const std::string& text = kEmptyScript) {
        writeBytes(folder.file(name), compiled(text));
        return path(name);
    }

    void newScript() { item("mnuScriptsNew")->trigger(); }
    ScriptWindow& script() { return window->scriptWindow(); }
    ScriptTextBox& box() { return *script().scriptBox(); }
    void setText(const QString& text) { box().setPlainText(text); }
    QString selected() const { return window->openScriptWindow()->scriptBox()->textCursor().selectedText(); }
    QAction* item(const char* name) const { return window->menuAction(QString::fromLatin1(name)); }
    QString current() const { return window->context().currentFile; }
    QStringList seen() {  // what the window shows of the script: file, caption, status, "*" when changed, text
        const QString changed = script().isModified() ? u"*"_q : QString();
        return {current(), script().caption(), window->statusText(), changed, box().toPlainText()};
    }

    TempFolder folder;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;
};

}  // namespace corvane::testing
