#pragma once
// frmScriptViewer: the one window in which a script is edited. Saving compiles the text into the
// game's file; opening a file turns it back into text.

#include <QList>
#include <QMdiSubWindow>
#include <QString>
#include <optional>
#include <string>

#include "text/script_text.h"

class QAction;
class QDockWidget;
class QMainWindow;
class QPlainTextEdit;

namespace corvane {

struct EditorContext;
class FoldMargin;
class OutlineDock;
class ProblemsDock;
class QuickFixes;
class ReplaceBar;
class ScriptAssistant;
class ScriptHost;
class ScriptTextBox;

class ScriptWindow final : public QMdiSubWindow {
    Q_OBJECT

public:
    ScriptWindow(EditorContext& context, ScriptHost& host, QWidget* parent = nullptr);

    ScriptTextBox* scriptBox() const { return txtScript_; }
    QPlainTextEdit* helpBox() const { return lblHelp_; }
    ScriptAssistant& assistant() const { return *assistant_; }
    ProblemsDock* problemsDock() const { return problems_; }
    QDockWidget* helpDock() const { return helpDock_; }
    // Items that show or hide the Problems list and the help box.
    QList<QAction*> panelActions() const;
    ReplaceBar* replaceBar() const { return replace_; }
    OutlineDock* outlineDock() const { return outline_; }
    FoldMargin* foldMargin() const { return folds_; }
    QuickFixes& quickFixes() const { return *quickFixes_; }

    // Opening steps once the window sits in the MDI area: the script items come on and the
    // remembered placement is restored.
    void open();

    void newScript();                        // New: the four-line template, "newfile.dat"
    bool save();                             // Save: compile to the current file, or Save As
    void openRecent(int index);              // a recent-file menu item
    bool loadFile(const QString& fileName);  // the loader; false when nothing was loaded
    bool compile(const QString& fileName);   // the compiler; false when nothing was written
    // A script text from a text file: no compiled file yet, so Save asks for one.
    void showText(const QString& text, const QString& sourceName, FileEncoding encoding);
    // The text file the box's text was last read from or written to (empty for none), and its encoding.
    const QString& textFile() const { return textFile_; }
    FileEncoding textFileEncoding() const { return textEncoding_; }
    // The box's text now stands in this text file.
    void textWritten(const QString& fileName, FileEncoding encoding);
    // The caption names the current file, which becomes the last file and the top recent file.
    void updateCaption();
    void showHelp();

    // Unsaved work: asks whether to save it. True when the caller may go on (saved, discarded or
    // nothing changed).
    bool maybeSave();
    bool isModified() const;
    // The caption as shown without the modified mark.
    QString caption() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeScriptArea();
    // Where the window opens: as stored, else over the whole MDI area.
    QRect openingPlacement() const;
    // The Problems list and the help box at their designed heights, together at most a third of the window.
    void fitPanels();
    void addEditorViews(QMainWindow* area);
    // The Problems list, the help box and the outline: the docks whose closing is remembered.
    QList<QDockWidget*> docks() const;
    void storePlacement();
    bool makeBackup(QString& backupName);
    // The compiled file's bytes once every question is answered Yes; nothing (with the message
    // shown and the word selected) when nothing may be written.
    std::optional<std::string> compiledBytes();
    // This file became the current script file.
    void becameCurrent(const QString& fileName);
    void reportCompileError(int position, int length, const QString& message);
    void setCaption(const QString& caption);

    EditorContext& context_;
    ScriptHost& host_;
    ScriptTextBox* txtScript_;
    QPlainTextEdit* lblHelp_;
    QMainWindow* scriptArea_;
    QDockWidget* helpDock_;
    ProblemsDock* problems_;
    ScriptAssistant* assistant_;
    ReplaceBar* replace_;
    OutlineDock* outline_;
    FoldMargin* folds_;
    QuickFixes* quickFixes_;
    QString textFile_;
    FileEncoding textEncoding_;
};

}  // namespace corvane
