#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <functional>

#include "assist/reference_lists.h"
#include "checker/grammar.h"
#include "checker/script_checker.h"
#include "core/language_tables.h"
#include "support/dialog_start.h"
#include "support/file_utils.h"
#include "support/safe_file.h"
#include "support/settings_file.h"
#include "ui/about_window.h"
#include "ui/box_text.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/shown_path.h"
#include "ui/editor_look.h"
#include "ui/find_window.h"
#include "ui/outline_dock.h"
#include "ui/quick_fixes.h"
#include "ui/recent_files.h"
#include "ui/reference_list_window.h"
#include "ui/replace_bar.h"
#include "ui/script_assistant.h"
#include "ui/script_text_box.h"
#include "ui/script_text_file.h"
#include "ui/script_window.h"
#include "ui/splash_window.h"

namespace corvane {

namespace {

const QString kScriptFilter = QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*");
const QString kTextFilter = QStringLiteral("Script Texts (*.txt)|*.txt|All Files (*.*)|*.*");
constexpr std::string_view kTypingAssistKey = "colourandcomplete";
constexpr std::string_view kCloseBlocksKey = "closeblocks";
// A script text is a few ten kilobytes; far larger files are chosen by mistake.
constexpr std::uintmax_t kMaxTextBytes = 4u << 20;
// No script the game can read comes near this; a text over it is opened only after asking.
constexpr std::size_t kLargeTextBytes = 256u << 10;

constexpr int kRecentMenuCharacters = 60;

bool hasSuffix(const QString& fileName, const QString& suffix) {
    return fileName.endsWith(suffix, Qt::CaseInsensitive);
}

// "&" in a path must not become an access key of the menu item; a long path is shortened in the
// middle to what a menu of about 60 characters shows.
QString menuCaption(const QString& path) {
    const QFontMetrics metrics(QApplication::font("QMenu"));
    QString caption = shownPath(path, metrics, kRecentMenuCharacters * metrics.averageCharWidth());
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

MainWindow::MainWindow(const AppPaths& paths, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent),
      ownPrompter_(prompter != nullptr ? nullptr : std::make_unique<QtPrompter>(this)),
      context_(paths, prompter != nullptr ? *prompter : *ownPrompter_),
      recent_(emptyRecentFiles()) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programName());
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    mdi_->setBackground(QColor(96, 96, 112));
    // A list opened beside a maximized script stays a window of its own, which gives the script back.
    mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(mdi_);
    statusBar()->setObjectName(QStringLiteral("SB"));
    statusLabel_ =
        new QLabel(QStringLiteral("Corvane Scripter Tools Loaded - Press CTRL-F1 to load last edited scriptfile!"));
    statusBar()->addWidget(statusLabel_, 1);
    createMenus();
    createAssistMenus();
    setAcceptDrops(true);
    resize(1000, 720);
}

MainWindow::~MainWindow() {
    // The child windows refer to context_; they go first, without their closing steps.
    delete script_.data();
    delete find_.data();
    delete about_.data();
    delete splash_.data();
}

QAction* MainWindow::addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                             bool enabled, void (MainWindow::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setEnabled(enabled);
    if (command != nullptr) connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->menuAction()->setObjectName(QStringLiteral("mnufile"));
    QMenu* scripts = file->addMenu(QStringLiteral("&Scripts"));
    scripts->menuAction()->setObjectName(QStringLiteral("mnuScripts"));
    addItem(scripts, "mnuScriptsNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), true,
            &MainWindow::newScript);
    addItem(scripts, "mnuScriptsLoad", QStringLiteral("&Load..."), QKeySequence(Qt::CTRL | Qt::Key_O), true,
            &MainWindow::load);
    addItem(scripts, "mnuScriptsSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), false,
            &MainWindow::save);
    QAction* saveAsItem = addItem(scripts, "mnuScriptsSaveAs", QStringLiteral("Save &As..."),
                                  QKeySequence(Qt::CTRL | Qt::Key_A), false, nullptr);
    connect(saveAsItem, &QAction::triggered, this, [this] { saveAs(); });
    scripts->addSeparator()->setObjectName(QStringLiteral("mnufilescriptsstreep01"));
    QMenu* recentMenu = scripts->addMenu(QStringLiteral("Recent files"));
    recentMenu->menuAction()->setObjectName(QStringLiteral("mnuRecentFiles"));
    for (int i = 0; i < static_cast<int>(recentItems_.size()); ++i) {
        QAction* item = recentMenu->addAction(QStringLiteral("b0%1").arg(i));
        item->setObjectName(QStringLiteral("mnuRec%1").arg(i));
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + i)));
        connect(item, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentItems_[static_cast<std::size_t>(i)] = item;
    }

    QMenu* maps = file->addMenu(QStringLiteral("&Maps"));
    maps->menuAction()->setObjectName(QStringLiteral("mnuMapS"));
    connect(addItem(maps, "mnuMapsOpen", QStringLiteral("&Open Map"), {}, true, nullptr), &QAction::triggered, this,
            [this] { runExternal(external_.openMap); });
    connect(addItem(maps, "mnuMapSave", QStringLiteral("&Save Map"), {}, false, nullptr), &QAction::triggered, this,
            [this] { runExternal(external_.saveMap); });
    QMenu* lang = file->addMenu(QStringLiteral("&Language"));
    lang->menuAction()->setObjectName(QStringLiteral("mnuLang"));
    connect(addItem(lang, "mnuOpenLang", QStringLiteral("&Open..."), {}, true, nullptr), &QAction::triggered, this,
            [this] { runExternal(external_.openLanguage); });
    connect(addItem(lang, "mnuSaveLang", QStringLiteral("&Save"), {}, false, nullptr), &QAction::triggered, this,
            [this] { runExternal(external_.saveLanguage); });
    file->addSeparator()->setObjectName(QStringLiteral("mnustreepiezoveel"));
    connect(
        addItem(file, "mnuCheckNewVersion", QStringLiteral("&Check for new version && Update..."), {}, true, nullptr),
        &QAction::triggered, this, [this] { runExternal(external_.checkNewVersion); });
    addItem(file, "mnuExit", QStringLiteral("&Exit"), {}, true, &MainWindow::exitProgram);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    addItem(edit, "mnuFind", QStringLiteral("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), false, &MainWindow::find);
    addItem(edit, "mnuFindNext", QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3), false, &MainWindow::findNext);

    // Not "&Extra": Alt+E would alternate between Edit and Extra.
    QMenu* extra = menuBar()->addMenu(QStringLiteral("E&xtra"));
    extra->menuAction()->setObjectName(QStringLiteral("mnuExtra"));
    addItem(extra, "mnuShowCommands", QStringLiteral("Show &commands"), QKeySequence(Qt::Key_F1), true,
            &MainWindow::showCommands);
    addItem(extra, "mnuShowVariables", QStringLiteral("Show &variables"), QKeySequence(Qt::Key_F2), true,
            &MainWindow::showVariables);
    addItem(extra, "mnuShowKeywords", QStringLiteral("Show &keywords"), QKeySequence(Qt::Key_F4), true,
            &MainWindow::showKeywords);
    addItem(extra, "mnuCheckScript", QStringLiteral("&Check script for errors"), QKeySequence(Qt::Key_F5), true,
            &MainWindow::checkScript);

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    info->menuAction()->setObjectName(QStringLiteral("mnuInfo"));
    addItem(info, "mnuAbout", QStringLiteral("&About"), {}, true, &MainWindow::showAbout);
}

void MainWindow::createAssistMenus() {
    QMenu* scripts = menuAction(QStringLiteral("mnuScripts"))->menu();
    QAction* separator = menuAction(QStringLiteral("mnufilescriptsstreep01"));
    QMenu* edit = menuAction(QStringLiteral("mnuEdit"))->menu();
    QMenu* extra = menuAction(QStringLiteral("mnuExtra"))->menu();
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut,
                            const std::function<void()>& command) {
        QAction* action = addItem(menu, name, caption, shortcut, false, nullptr);
        connect(action, &QAction::triggered, this, command);
        assistItems_ << action;
        return action;
    };
    QAction* openTextItem =
        add(scripts, "mnuScriptsOpenText", QStringLiteral("Open &text..."), {}, [this] { openText(); });
    openTextItem->setEnabled(true);
    assistItems_.removeOne(openTextItem);  // like Load, it opens the script window itself
    add(scripts, "mnuScriptsSaveTextFile", QStringLiteral("Sa&ve text"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { saveText(); });
    add(scripts, "mnuScriptsSaveText", QStringLiteral("Save te&xt as..."), {}, [this] { saveTextAs(); });
    scripts->removeAction(separator);
    scripts->insertAction(menuAction(QStringLiteral("mnuRecentFiles")), separator);

    add(edit, "mnuReplace", QStringLiteral("Replace..."), QKeySequence(Qt::CTRL | Qt::Key_H),
        [this] { scriptWindow().replaceBar()->openForTyping(); });
    edit->addSeparator();
    add(edit, "mnuGoToLine", QStringLiteral("&Go to line..."), QKeySequence(Qt::CTRL | Qt::Key_G),
        [this] { scriptWindow().assistant().goToLine(); });
    add(edit, "mnuNextProblem", QStringLiteral("Next &problem"), QKeySequence(Qt::Key_F8),
        [this] { scriptWindow().assistant().nextProblem(); });
    add(edit, "mnuPreviousProblem", QStringLiteral("P&revious problem"), QKeySequence(Qt::SHIFT | Qt::Key_F8),
        [this] { scriptWindow().assistant().previousProblem(); });
    add(edit, "mnuQuickFix", QStringLiteral("&Quick fix..."), QKeySequence(Qt::CTRL | Qt::Key_Period),
        [this] { scriptWindow().quickFixes().showAtCaret(); });

    extra->addSeparator();
    add(extra, "mnuShowOutline", QStringLiteral("Show &outline"), {}, [this] {
        QDockWidget* outline = scriptWindow().outlineDock();
        outline->show();
        outline->raise();
    });
    add(extra, "mnuFormatScript", QStringLiteral("&Format script"), {},
        [this] { scriptWindow().assistant().formatScript(); });
    typingAssist_ = addOption(extra, "mnuTypingAssist", QStringLiteral("Colour and complete &while typing"),
                              kTypingAssistKey, &ScriptAssistant::setTypingAssist);
    closeBlocks_ = addOption(extra, "mnuCloseBlocks", QStringLiteral("&Insert closing } and ENDIF"), kCloseBlocksKey,
                             &ScriptAssistant::setCloseBlocks);
}

QAction* MainWindow::addOption(QMenu* menu, const char* name, const QString& caption, std::string_view key,
                               void (ScriptAssistant::*apply)(bool)) {
    QAction* option = addItem(menu, name, caption, {}, true, nullptr);
    option->setCheckable(true);
    option->setChecked(context_.settings.readInt(settings::kEditorSection, key, 0) != 0);
    connect(option, &QAction::toggled, this, [this, key, apply](bool on) {
        context_.settings.write(settings::kEditorSection, key, on ? QStringLiteral("1") : QStringLiteral("0"));
        if (script_ != nullptr) (script_->assistant().*apply)(on);
    });
    return option;
}

QAction* MainWindow::menuAction(const QString& objectName) const {
    const QList<QAction*> actions = menuBar()->findChildren<QAction*>(objectName);
    if (!actions.isEmpty()) return actions.first();
    return findChild<QAction*>(objectName);
}

void MainWindow::runExternal(const std::function<void()>& command) {
    if (command) command();
}

void MainWindow::setMapSaveEnabled(bool enabled) { menuAction(QStringLiteral("mnuMapSave"))->setEnabled(enabled); }

void MainWindow::addEditItems(const QList<QAction*>& items) {
    menuAction(QStringLiteral("mnuEdit"))->menu()->addActions(items);
}

void MainWindow::setLanguageSaveEnabled(bool enabled) {
    menuAction(QStringLiteral("mnuSaveLang"))->setEnabled(enabled);
}

// ---- start-up ----

void MainWindow::start(int splashMilliseconds) {
    show();
    setEnabled(false);
    QCoreApplication::processEvents();
    splash_ = new SplashWindow(this);
    splash_->show();
    splash_->setFocus();
    QCoreApplication::processEvents();
    waitForSplash(splashMilliseconds);
    buildLanguageTables();
    // The window is enabled once the tables exist and again after the splash is gone: the
    // program's start-up order, in which the second call is what a splash that took the focus
    // needs to give the main window back its input.
    setEnabled(true);
    readRecentFiles();
    splash_->hide();
    setEnabled(true);
}

void MainWindow::waitForSplash(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void MainWindow::buildLanguageTables() {
    // Token table and internal values, then the grammar (which reads the token table), then the
    // DO command list (which reads the grammar).
    context_.tables = &LanguageTables::Standard();
    context_.grammar = &Grammar::Standard();
    context_.commandList = BuildCommandList(*context_.grammar);
}

void MainWindow::readRecentFiles() {
    for (int i = 0; i < settings::kRecentCount; ++i) {
        recent_[i] = context_.settings.read(settings::kRecentSection, settings::RecentKey(i), noRecentFile());
    }
    // At start-up every item stays enabled, "<none>" included.
    for (int i = 0; i < settings::kRecentCount; ++i)
        recentItems_[static_cast<std::size_t>(i)]->setText(menuCaption(recent_[i]));
}

// ---- the script window ----

ScriptWindow& MainWindow::scriptWindow() {
    if (script_ == nullptr) {
        script_ = new ScriptWindow(context_, *this);
        connect(script_, &ScriptWindow::closed, this, [this] { script_ = nullptr; });
        mdi_->addSubWindow(script_);
        script_->show();
        script_->open();
        script_->assistant().setTypingAssist(typingAssist_->isChecked());
        script_->assistant().setCloseBlocks(closeBlocks_->isChecked());
        menuAction(QStringLiteral("mnuExtra"))->menu()->addActions(script_->panelActions());
    }
    return *script_;
}

void MainWindow::setStatus(const QString& text) { statusLabel_->setText(text); }

QString MainWindow::statusText() const { return statusLabel_->text(); }

void MainWindow::setScriptItemsEnabled(bool enabled) {
    for (const char* name : {"mnuFind", "mnuFindNext", "mnuScriptsSave", "mnuScriptsSaveAs", "mnuCheckScript"}) {
        menuAction(QString::fromLatin1(name))->setEnabled(enabled);
    }
    for (QAction* item : assistItems_) item->setEnabled(enabled);
}

QString MainWindow::recentFile(int index) const {
    return index >= 0 && index < recent_.size() ? recent_[index] : noRecentFile();
}

void MainWindow::rememberCurrentFile(const QString& fileName) {
    std::array<std::string, settings::kRecentCount> keys;
    std::vector<EditorSettings::Value> values{{settings::kFileSection, settings::kLastFile, fileName}};
    if (!fileName.isEmpty()) {
        addRecentFile(recent_, fileName);
        for (int i = 0; i < settings::kRecentCount; ++i) {
            keys[static_cast<std::size_t>(i)] = settings::RecentKey(i);
            values.push_back({settings::kRecentSection, keys[static_cast<std::size_t>(i)], recent_[i]});
            QAction* item = recentItems_[static_cast<std::size_t>(i)];
            item->setText(menuCaption(recent_[i]));
            item->setEnabled(recent_[i] != noRecentFile());
        }
    }
    context_.settings.write(values);
}

// ---- Scripts menu ----

void MainWindow::newScript() {
    ScriptWindow& window = scriptWindow();
    if (window.maybeSave()) window.newScript();
}

void MainWindow::newScriptAt(const QString& fileName) {
    ScriptWindow& window = scriptWindow();
    if (!window.maybeSave()) return;
    window.newScript();
    context_.currentFile = fileName;
    window.updateCaption();
}

QString MainWindow::loadDialogStart() const {
    const std::string folder = toEnginePath(context_.paths.programFolder);
    const QString lastFile = context_.settings.read(settings::kFileSection, settings::kLastFile,
                                                    fromEnginePath(WithTrailingSeparator(folder) + "*.dat"));
    return fromEnginePath(LoadDialogStart(toEnginePath(lastFile), folder));
}

void MainWindow::load() { loadFromFolder(QString()); }

void MainWindow::loadFromFolder(const QString& folder) {
    const QString start =
        folder.isEmpty() ? loadDialogStart() : fromEnginePath(WithTrailingSeparator(toEnginePath(folder)) + "*.dat");
    const std::optional<QString> chosen =
        context_.prompter.chooseFileToOpen(QStringLiteral("Open a script file"), start, kScriptFilter);
    if (chosen && FileExists(toEnginePath(*chosen))) loadScript(*chosen);
}

void MainWindow::loadScript(const QString& fileName) {
    ScriptWindow& window = scriptWindow();
    // The load makes the file current, which stores it as "lastfile" with the caption.
    if (window.maybeSave()) window.loadFile(fileName);
}

void MainWindow::save() { scriptWindow().save(); }

bool MainWindow::saveAs() {
    const std::optional<QString> chosen = context_.prompter.chooseFileToSave(QStringLiteral("Save as a script file"),
                                                                             context_.currentFile, kScriptFilter);
    if (!chosen || chosen->isEmpty()) return false;
    if (FileExists(toEnginePath(*chosen)) &&
        !context_.prompter.askYesNo(QStringLiteral("Do you want to overwrite the existing file?"))) {
        return false;
    }
    // The compile makes the file current, which stores it as "lastfile" with the caption.
    return scriptWindow().compile(*chosen);
}

void MainWindow::openText() {
    const QString start =
        fromEnginePath(SplitDialogName(toEnginePath(loadDialogStart())).folder) + QStringLiteral("*.txt");
    const std::optional<QString> chosen =
        context_.prompter.chooseFileToOpen(QStringLiteral("Open a script text"), start, kTextFilter);
    if (chosen && !chosen->isEmpty()) openTextFile(*chosen);
}

bool MainWindow::openTextFile(const QString& fileName) {
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(toEnginePath(fileName), bytes, &reason, kMaxTextBytes)) {
        context_.prompter.tell(QStringLiteral("Could not open ") + fileName + QStringLiteral(": ") +
                               QString::fromStdString(reason));
        return false;
    }
    if (bytes.size() > kLargeTextBytes &&
        !context_.prompter.askYesNo(fileName +
                                    QStringLiteral(" holds %1 KB, more than any script the game can read "
                                                   "(4096 codes fit in far less than %2 KB). Open it anyway?")
                                        .arg((bytes.size() + 1023) / 1024)
                                        .arg(kLargeTextBytes / 1024))) {
        return false;
    }
    QString refusal;
    const std::optional<ScriptTextFile> file = scriptTextFromFile(bytes, fileName, refusal);
    if (!file) {
        context_.prompter.tell(refusal);
        return false;
    }
    ScriptWindow& window = scriptWindow();
    if (!window.maybeSave()) return false;
    window.showText(file->text, fileName, file->encoding);
    return true;
}

void MainWindow::saveText() {
    ScriptWindow& window = scriptWindow();
    if (window.textFile().isEmpty()) {
        saveTextAs();
    } else {
        writeTextFile(window.textFile(), window.textFileEncoding());
    }
}

std::optional<std::string> MainWindow::textFileBytes(FileEncoding encoding) {
    QString offending;
    std::optional<std::string> bytes =
        fileBytesFromScriptText(typedText(*scriptWindow().scriptBox()->document()), encoding, &offending);
    if (!bytes) {
        const QString kind =
            encoding.encoding == TextEncoding::kUtf8 ? QStringLiteral("a UTF-8") : QStringLiteral("a Windows-1252");
        context_.prompter.tell(QStringLiteral("The script holds the character \"") + offending +
                               QStringLiteral("\", which ") + kind +
                               QStringLiteral(" text file cannot hold. Nothing was written."));
    }
    return bytes;
}

void MainWindow::saveTextAs() {
    ScriptWindow& window = scriptWindow();
    // A new text file is written as the text it came from was, else as ANSI.
    const FileEncoding encoding = window.textFileEncoding();
    if (!textFileBytes(encoding)) return;
    const std::optional<QString> chosen =
        context_.prompter.chooseFileToSave(QStringLiteral("Save as a script text"), window.textFile(), kTextFilter);
    if (!chosen || chosen->isEmpty()) return;
    if (FileExists(toEnginePath(*chosen)) &&
        !context_.prompter.askYesNo(QStringLiteral("Do you want to overwrite the existing file?"))) {
        return;
    }
    writeTextFile(*chosen, encoding);
}

bool MainWindow::writeTextFile(const QString& fileName, FileEncoding encoding) {
    const std::optional<std::string> bytes = textFileBytes(encoding);
    if (!bytes) return false;
    FileError error;
    if (!WriteFileAtomically(toEnginePath(fileName), *bytes, &error)) {
        context_.prompter.tell(QStringLiteral("Could not write ") + fromEnginePath(error.message()));
        return false;
    }
    scriptWindow().textWritten(fileName, encoding);
    return true;
}

void MainWindow::openDropped(const QString& fileName) {
    if (hasSuffix(fileName, QStringLiteral(".txt"))) {
        openTextFile(fileName);
    } else if (FileExists(toEnginePath(fileName))) {
        loadScript(fileName);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() &&
        (hasSuffix(urls.first().toLocalFile(), QStringLiteral(".dat")) ||
         hasSuffix(urls.first().toLocalFile(), QStringLiteral(".txt")))) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    openDropped(QDir::toNativeSeparators(urls.first().toLocalFile()));
}

void MainWindow::setTypingAssist(bool on) { typingAssist_->setChecked(on); }

void MainWindow::insertWord(const QString& word) {
    ScriptTextBox* box = scriptWindow().scriptBox();
    box->setTextColor(typedTextColour());
    box->insertPlainText(word);
    box->setFocus();
}

void MainWindow::openRecent(int index) { scriptWindow().openRecent(index); }

// ---- Edit and Extra menus ----

void MainWindow::checkScript() {
    ScriptTextBox* box = scriptWindow().scriptBox();
    const CheckVerdict verdict = CheckScript(box->engineText(), *context_.grammar);
    context_.prompter.tell(messageFromEngine(verdict.message));
    if (verdict.selectWord) box->selectRange(static_cast<int>(verdict.position), static_cast<int>(verdict.length));
}

FindWindow& MainWindow::findWindow() {
    if (find_ == nullptr) {
        find_ = new FindWindow(
            context_, [this] { return scriptWindow().scriptBox(); }, this);
    }
    return *find_;
}

void MainWindow::find() {
    if (external_.find && external_.find()) return;
    findWindow().showForTyping();
}

void MainWindow::findNext() {
    if (external_.findNext && external_.findNext()) return;
    FindWindow& window = findWindow();
    window.showForTyping();
    window.findNext();
}

void MainWindow::showReferenceList(QPointer<ReferenceListWindow>& window, ReferenceList list) {
    if (window == nullptr) {
        const std::string text = ReferenceListText(list, *context_.grammar, *context_.tables);
        window = new ReferenceListWindow(list, boxTextFromEngine(text));
        connect(window, &ReferenceListWindow::wordChosen, this, &MainWindow::insertWord);
        mdi_->addSubWindow(window);
        // At the right edge, where it covers the least of a script's lines.
        window->move(qMax(0, mdi_->viewport()->width() - window->width()), 0);
    }
    window->show();
    mdi_->setActiveSubWindow(window);
}

void MainWindow::showCommands() { showReferenceList(commands_, ReferenceList::kCommands); }
void MainWindow::showVariables() { showReferenceList(variables_, ReferenceList::kVariables); }
void MainWindow::showKeywords() { showReferenceList(keywords_, ReferenceList::kKeywords); }

void MainWindow::showAbout() {
    if (about_ == nullptr) about_ = new AboutWindow(this);
    about_->show();
    about_->raise();
}

// ---- shut-down ----

void MainWindow::exitProgram() {
    // Every window is asked before any closes: a Cancel anywhere leaves them all as they were.
    if (!mayEndProgram()) return;
    if (script_ != nullptr) {
        script_->scriptBox()->document()->setModified(false);  // asked and answered above
        script_->close();
    }
    endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program without the other windows' closing steps; only
    // unsaved work is asked about.
    if (!endWithoutAsking_ && !mayEndProgram()) {
        event->ignore();
        return;
    }
    event->accept();
    if (find_ != nullptr) find_->programEnds();
    emit closed();
}

bool MainWindow::mayEndProgram() {
    if (script_ != nullptr && !script_->maybeSave()) return false;
    return !external_.mayEndProgram || external_.mayEndProgram();
}

void MainWindow::endProgram() {
    endWithoutAsking_ = true;
    close();
}

}  // namespace corvane
