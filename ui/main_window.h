#pragma once
// frmMain: the MDI main window with every menu command, the status line and the start-up
// sequence.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>

#include "ui/about_window.h"
#include "ui/common/app_paths.h"
#include "ui/editor_context.h"
#include "ui/external_commands.h"
#include "ui/find_window.h"
#include "ui/reference_list_window.h"
#include "ui/script_host.h"
#include "ui/script_window.h"
#include "ui/splash_window.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace corvane {

class Prompter;

class MainWindow final : public QMainWindow, public ScriptHost {
    Q_OBJECT

public:
    // Without a prompter the window uses the real dialogs.
    explicit MainWindow(const AppPaths& paths, Prompter* prompter = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: shown disabled, the splash for `splashMilliseconds`, the language
    // tables, the recent files. Tests pass 0.
    void start(int splashMilliseconds = 1000);

    void setExternalCommands(ExternalCommands commands) { external_ = std::move(commands); }
    void setMapSaveEnabled(bool enabled);
    void setLanguageSaveEnabled(bool enabled);
    // Items another window adds to the Edit menu; they leave it when that window deletes them.
    void addEditItems(const QList<QAction*>& items);

    EditorContext& context() { return context_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QAction* menuAction(const QString& objectName) const;
    QString statusText() const;
    // The script window if it is open; nullptr otherwise.
    ScriptWindow* openScriptWindow() const { return script_; }
    // The script window, created and shown if it is not open.
    ScriptWindow& scriptWindow();
    FindWindow& findWindow();

    // Menu commands.
    void newScript();
    // New, with the new script's compiled file named already: Save writes it there.
    void newScriptAt(const QString& fileName);
    void load();
    // Load with its dialog opening in `folder`.
    void loadFromFolder(const QString& folder);
    // The end of Load once a file is chosen: asks about the unsaved script, then opens the file.
    void loadScript(const QString& fileName);
    void save();
    bool saveAs() override;
    void openRecent(int index);
    void checkScript();
    void find();
    void findNext();
    void showCommands();
    void showVariables();
    void showKeywords();
    void showAbout();
    void exitProgram();
    // Script text files and the script assistance.
    void openText();
    void saveText();
    void saveTextAs();
    bool openTextFile(const QString& fileName);
    // A file dropped on the window: a compiled script is loaded, a text opened as text.
    void openDropped(const QString& fileName);
    void setTypingAssist(bool on);
    // Before the program ends: asks about an unsaved script and other unsaved work; false to stay.
    bool mayEndProgram();
    // Ends the program without asking again.
    void endProgram();

    // ScriptHost.
    void setStatus(const QString& text) override;
    void setScriptItemsEnabled(bool enabled) override;
    QString recentFile(int index) const override;
    void rememberCurrentFile(const QString& fileName) override;

signals:
    // The main window closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createMenus();
    void createAssistMenus();
    void insertWord(const QString& word);
    // A checkable Extra item kept in editor.ini and handed to the script window's assistance.
    QAction* addOption(QMenu* menu, const char* name, const QString& caption, std::string_view key,
                       void (ScriptAssistant::*apply)(bool));
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut, bool enabled,
                     void (MainWindow::*command)());
    void runExternal(const std::function<void()>& command);
    void buildLanguageTables();
    void waitForSplash(int milliseconds);
    void readRecentFiles();
    QString loadDialogStart() const;
    // The script's text as a text file in `encoding`; nothing (and the author told why) when it
    // holds a character that the encoding cannot.
    std::optional<std::string> textFileBytes(FileEncoding encoding);
    bool writeTextFile(const QString& fileName, FileEncoding encoding);
    void showReferenceList(QPointer<ReferenceListWindow>& window, ReferenceList list);

    std::unique_ptr<Prompter> ownPrompter_;
    EditorContext context_;
    ExternalCommands external_;
    QMdiArea* mdi_;
    QLabel* statusLabel_;
    QStringList recent_;
    std::array<QAction*, 5> recentItems_{};
    QList<QAction*> assistItems_;  // on while the script window is open
    QAction* typingAssist_ = nullptr;
    QAction* closeBlocks_ = nullptr;
    QPointer<ScriptWindow> script_;
    QPointer<FindWindow> find_;
    QPointer<ReferenceListWindow> commands_;
    QPointer<ReferenceListWindow> variables_;
    QPointer<ReferenceListWindow> keywords_;
    QPointer<AboutWindow> about_;
    QPointer<SplashWindow> splash_;
    bool endWithoutAsking_ = false;
};

}  // namespace corvane
