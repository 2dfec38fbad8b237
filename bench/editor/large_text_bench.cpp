// The editor with a text far larger than any script (1 MB of unknown words, 250,000 problems; 4 MB,
// the most Open text... reads):
// opening it in the script box with its problems marked, and one keystroke with the marks that
// follow the text. Both must stay bounded by the number of marked problems, not the text's, also
// with "Colour and complete while typing" on (the box shown, as the author sees it).

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <optional>

#include "ui/editor_context.h"
#include "ui/problems_dock.h"
#include "ui/script_assistant.h"
#include "ui/script_host.h"
#include "ui/script_text_box.h"

namespace corvane {
namespace {

class SilentPrompter final : public Prompter {
public:
    void tell(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
    bool askYesNoDefaultNo(const QString&) override { return false; }
    SaveChoice askSaveDiscardCancel(const QString&) override { return SaveChoice::Discard; }
    std::optional<int> askNumber(const QString&, int, int, int) override { return std::nullopt; }
    std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> chooseFileToSave(const QString&, const QString&, const QString&) override { return {}; }
};

class NoHost final : public ScriptHost {
public:
    void setStatus(const QString&) override {}
    void setScriptItemsEnabled(bool) override {}
    QString recentFile(int) const override { return {}; }
    void rememberCurrentFile(const QString&) override {}
    bool saveAs() override { return false; }
};

QString LargeText(int megabytes = 1) {
    QString text = QStringLiteral("START_SCRIPT\n{\n");
    while (text.size() < (megabytes << 20)) text += QStringLiteral("\tFOO BAR BAZ QUX\n");
    return text + QStringLiteral("}\nENDSCRIPT");
}

EditorContext StandardContext(const QString& folder, Prompter& prompter) {
    EditorContext context(AppPaths::inFolder(folder), prompter);
    context.tables = &LanguageTables::Standard();
    context.grammar = &Grammar::Standard();
    return context;
}

struct Editor {
    QTemporaryDir folder;
    SilentPrompter prompter;
    NoHost host;
    // The tables are set before the assistant is made: its colouring reads them.
    EditorContext context = StandardContext(folder.path(), prompter);
    ScriptTextBox box;
    ProblemsDock dock;
    ScriptAssistant assistant{context, host, box, dock};
    explicit Editor(bool coloured = false) {
        if (!coloured) return;
        assistant.setTypingAssist(true);
        box.resize(800, 600);
        box.show();
    }
    // The shown box lays a long text out bit by bit between events: all of it, now.
    void layOut() { box.document()->documentLayout()->blockBoundingRect(box.document()->lastBlock()); }
};

// Arguments: megabytes, colours on.
void BM_OpenLargeText(benchmark::State& state) {
    const QString text = LargeText(static_cast<int>(state.range(0)));
    Editor editor(state.range(1) != 0);
    for (auto _ : state) {
        editor.box.setScriptText(text);
        editor.assistant.checkNow();
        QApplication::processEvents();
        editor.layOut();
    }
    state.counters["marked"] = static_cast<double>(editor.assistant.problems().size());
}

// The check at a pause in typing: every problem found, the first ones marked.
void BM_CheckLargeText(benchmark::State& state) {
    Editor editor;
    editor.box.setScriptText(LargeText());
    for (auto _ : state) editor.assistant.checkNow();
}

// Argument: colours on.
void BM_KeystrokeInLargeText(benchmark::State& state) {
    Editor editor(state.range(0) != 0);
    editor.box.setScriptText(LargeText());
    editor.assistant.checkNow();
    QApplication::processEvents();
    editor.layOut();
    QTextCursor caret(editor.box.document());
    caret.setPosition(20);
    editor.box.setTextCursor(caret);
    for (auto _ : state) {
        editor.box.textCursor().insertText(QStringLiteral("x"));
        QApplication::processEvents();  // the caret's marks and the line numbers, as after a key
    }
}

// Typing on with no pause: each key lets the check at the pause start (no pause here), and the key
// must not wait for it.
void BM_KeystrokeWhileChecking(benchmark::State& state) {
    Editor editor;
    editor.box.setScriptText(LargeText());
    editor.assistant.checkNow();
    editor.assistant.pauseTimer().setInterval(0);
    QTextCursor caret(editor.box.document());
    caret.setPosition(20);
    editor.box.setTextCursor(caret);
    for (auto _ : state) {
        editor.box.textCursor().insertText(QStringLiteral("x"));
        QApplication::processEvents();
    }
}

// Extra > "Colour and complete while typing" switched on and off again in a 1 MB text.
void BM_ColoursOnInLargeText(benchmark::State& state) {
    Editor editor;
    editor.box.resize(800, 600);
    editor.box.show();
    editor.box.setScriptText(LargeText());
    editor.layOut();
    for (auto _ : state) {
        editor.assistant.setTypingAssist(true);
        QApplication::processEvents();
        editor.assistant.setTypingAssist(false);
    }
}

BENCHMARK(BM_OpenLargeText)->Args({1, 0})->Args({4, 0})->Args({1, 1})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CheckLargeText)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_KeystrokeInLargeText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColoursOnInLargeText)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_KeystrokeWhileChecking)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the script box is a widget
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
