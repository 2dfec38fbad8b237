#pragma once
// frmScriptViewer: the one window in which a script is edited. Saving compiles the text into the
// game's file; opening a file turns it back into text.

#include <QMdiSubWindow>
#include <QString>

#include <string>

class QPlainTextEdit;

namespace corvane {

struct EditorContext;
class ScriptHost;
class ScriptTextBox;

class ScriptWindow final : public QMdiSubWindow {
    Q_OBJECT

public:
    ScriptWindow(EditorContext& context, ScriptHost& host, QWidget* parent = nullptr);

    ScriptTextBox* scriptBox() const { return txtScript_; }
    QPlainTextEdit* helpBox() const { return lblHelp_; }

    // Opening steps once the window sits in the MDI area: the script items come on and the
    // remembered placement is restored.
    void open();

    void newScript();                         // New: the four-line template, "newfile.dat"
    bool save();                              // Save: compile to the current file, or Save As
    void openRecent(int index);               // a recent-file menu item
    bool loadFile(const QString& fileName);   // the loader; false when nothing was loaded
    bool compile(const QString& fileName);    // the compiler; false when nothing was written
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
    void storePlacement();
    void appendBlankIfMissing();
    bool makeBackup(QString& backupName);
    // A script without words is refused; one that fails the check is saved only when the author
    // says so. False (the wrong word selected) when nothing may be written.
    bool checkBeforeSave(const std::string& text);
    void reportCompileError(int position, int length, const QString& message);
    void setCaption(const QString& caption);

    EditorContext& context_;
    ScriptHost& host_;
    ScriptTextBox* txtScript_;
    QPlainTextEdit* lblHelp_;
};

}  // namespace corvane
