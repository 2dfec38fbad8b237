#include "ui/script_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <new>

#include "assist/context_help.h"
#include "assist/save_workflow.h"
#include "core/backup_name.h"
#include "core/compiled_file.h"
#include "core/loader.h"
#include "core/script_messages.h"
#include "support/file_utils.h"
#include "support/safe_file.h"
#include "support/settings_file.h"
#include "ui/box_text.h"
#include "ui/common/shown_path.h"
#include "ui/common/unsaved_work.h"
#include "ui/editor_context.h"
#include "ui/editor_look.h"
#include "ui/fold_margin.h"
#include "ui/outline_dock.h"
#include "ui/placement.h"
#include "ui/problems_dock.h"
#include "ui/quick_fixes.h"
#include "ui/replace_bar.h"
#include "ui/script_assistant.h"
#include "ui/script_host.h"
#include "ui/script_text_box.h"
#include "ui/signature_popup.h"

namespace corvane {

namespace {

constexpr int kHelpBoxHeightTwips = 1575;
constexpr qreal kHelpPoints = 8.25;
constexpr int kProblemsHeight = 90;
constexpr int kOutlineWidth = 170;

// Four lines, no line break after the last.
QString newScriptTemplate() { return QStringLiteral("START_SCRIPT\n{\n}\nENDSCRIPT"); }

QPlainTextEdit* makeHelpBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("lblHelp"));
    box->setReadOnly(true);
    box->setFont(courierNew(kHelpPoints));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, darkBackground().darker(115));
    colours.setColor(QPalette::Text, QColor(224, 224, 224));
    box->setPalette(colours);
    return box;
}

}  // namespace

ScriptWindow::ScriptWindow(EditorContext& context, ScriptHost& host, QWidget* parent)
    : QMdiSubWindow(parent), context_(context), host_(host) {
    setObjectName(QStringLiteral("frmScriptViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* content = new QWidget(this);
    txtScript_ = new ScriptTextBox(content);
    lblHelp_ = makeHelpBox(content);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeScriptArea(), 1);
    setWidget(content);
    setCaption(QStringLiteral("Corvane Scripter"));
    resize(twipsToPixels(9000, logicalDpiX()), twipsToPixels(6000, logicalDpiY()));

    connect(txtScript_, &ScriptTextBox::helpRequested, this, &ScriptWindow::showHelp);
    connect(txtScript_->document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
}

// The script box with the Problems list and the help box docked under it: each can be resized,
// hidden or moved away.
QWidget* ScriptWindow::makeScriptArea() {
    auto* area = new QMainWindow(txtScript_->parentWidget());
    scriptArea_ = area;
    area->setWindowFlags(Qt::Widget);
    area->setCentralWidget(txtScript_);
    problems_ = new ProblemsDock(area);
    area->addDockWidget(Qt::BottomDockWidgetArea, problems_);
    helpDock_ = new QDockWidget(QStringLiteral("Help"), area);
    helpDock_->setObjectName(QStringLiteral("dockHelp"));
    helpDock_->setWidget(lblHelp_);
    area->addDockWidget(Qt::BottomDockWidgetArea, helpDock_, Qt::Vertical);
    problems_->toggleViewAction()->setText(QStringLiteral("Show problems &list"));
    helpDock_->toggleViewAction()->setText(QStringLiteral("Show &help box"));
    problems_->toggleViewAction()->setObjectName(QStringLiteral("mnuShowProblems"));
    helpDock_->toggleViewAction()->setObjectName(QStringLiteral("mnuShowHelp"));
    assistant_ = new ScriptAssistant(context_, host_, *txtScript_, *problems_);
    addEditorViews(area);
    return area;
}

QList<QDockWidget*> ScriptWindow::docks() const { return {problems_, helpDock_, outline_}; }

QList<QAction*> ScriptWindow::panelActions() const {
    return {problems_->toggleViewAction(), helpDock_->toggleViewAction()};
}

void ScriptWindow::fitPanels() {
    const int designedHelp = twipsToPixels(kHelpBoxHeightTwips, logicalDpiY());
    const int room = height() / 3;
    const double share = qMin(1.0, room / static_cast<double>(designedHelp + kProblemsHeight));
    scriptArea_->resizeDocks({problems_, helpDock_},
                             {static_cast<int>(kProblemsHeight * share), static_cast<int>(designedHelp * share)},
                             Qt::Vertical);
}

// The replace bar above the script, the outline beside it, the folding margin, the quick fixes and
// the signature help.
void ScriptWindow::addEditorViews(QMainWindow* area) {
    replace_ = new ReplaceBar(*txtScript_, *assistant_, area);
    area->addToolBar(Qt::TopToolBarArea, replace_);
    outline_ = new OutlineDock(*txtScript_, area);
    area->addDockWidget(Qt::RightDockWidgetArea, outline_);
    area->resizeDocks({outline_}, {kOutlineWidth}, Qt::Horizontal);
    connect(assistant_, &ScriptAssistant::problemsShown, outline_, &OutlineDock::refresh);
    folds_ = new FoldMargin(*txtScript_);
    quickFixes_ = new QuickFixes(*txtScript_, *assistant_, host_);
    new SignaturePopup(context_, *txtScript_);
}

void ScriptWindow::open() {
    host_.setScriptItemsEnabled(true);
    const QSize area = mdiArea() != nullptr ? mdiArea()->viewport()->size() : QSize();
    setGeometry(reachablePlacement(openingPlacement(), area, minimumSizeHint().boundedTo(QSize(200, 120))));
    fitPanels();
    const QStringList hidden =
        context_.settings.read(settings::kEditorSection, settings::kHiddenDocks, QString()).split(QLatin1Char(','));
    for (QDockWidget* dock : docks()) dock->setHidden(hidden.contains(dock->objectName()));
    switch (context_.settings.readInt(settings::kWindowSection, settings::kScriptViewerState, 0)) {
        case 1:
            showMinimized();
            break;
        case 2:
            showMaximized();
            break;
        default:
            showNormal();
            break;
    }
}

QRect ScriptWindow::openingPlacement() const {
    const EditorSettings& settings = context_.settings;
    const bool stored = !settings.read(settings::kWindowSection, settings::kScriptViewerWidth, QString()).isEmpty();
    if (!stored && mdiArea() != nullptr) return QRect(QPoint(0, 0), mdiArea()->viewport()->size());
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const QRect now = geometry();
    const int left =
        settings.readInt(settings::kWindowSection, settings::kScriptViewerLeft, pixelsToTwips(now.x(), dpiX));
    const int top =
        settings.readInt(settings::kWindowSection, settings::kScriptViewerTop, pixelsToTwips(now.y(), dpiY));
    const int width =
        settings.readInt(settings::kWindowSection, settings::kScriptViewerWidth, pixelsToTwips(now.width(), dpiX));
    const int height =
        settings.readInt(settings::kWindowSection, settings::kScriptViewerHeight, pixelsToTwips(now.height(), dpiY));
    return QRect(twipsToPixels(left, dpiX), twipsToPixels(top, dpiY), twipsToPixels(width, dpiX),
                 twipsToPixels(height, dpiY));
}

void ScriptWindow::storePlacement() {
    std::vector<EditorSettings::Value> values;
    if (!isMaximized()) {
        const QRect now = geometry();
        const auto store = [&](std::string_view key, int pixels, int dpi) {
            values.push_back({settings::kWindowSection, key, QString::number(pixelsToTwips(pixels, dpi))});
        };
        store(settings::kScriptViewerLeft, now.x(), logicalDpiX());
        store(settings::kScriptViewerTop, now.y(), logicalDpiY());
        store(settings::kScriptViewerWidth, now.width(), logicalDpiX());
        store(settings::kScriptViewerHeight, now.height(), logicalDpiY());
    }
    const int state = isMaximized() ? 2 : (isMinimized() ? 1 : 0);
    values.push_back({settings::kWindowSection, settings::kScriptViewerState, QString::number(state)});
    QStringList hidden;
    for (const QDockWidget* dock : docks()) {
        if (dock->isHidden()) hidden << dock->objectName();
    }
    // Nothing is added to the settings file of an author who never closed a dock.
    const QString stored = context_.settings.read(settings::kEditorSection, settings::kHiddenDocks, QString());
    if (!hidden.isEmpty() || !stored.isEmpty()) {
        values.push_back({settings::kEditorSection, settings::kHiddenDocks, hidden.join(QLatin1Char(','))});
    }
    context_.settings.write(values);
}

void ScriptWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    storePlacement();
    host_.setScriptItemsEnabled(false);
    emit closed();
    QMdiSubWindow::closeEvent(event);
}

bool ScriptWindow::isModified() const { return txtScript_->document()->isModified(); }

bool ScriptWindow::maybeSave() {
    if (!isModified()) return true;
    const QString name = context_.currentFile.isEmpty() ? newFileMarker() : context_.currentFile;
    return MayDiscardUnsavedWork(context_.prompter, QStringLiteral("script ") + name,
                                 [this] { return save() && !isModified(); });
}

void ScriptWindow::setCaption(const QString& caption) { setWindowTitle(caption + QStringLiteral("[*]")); }

QString ScriptWindow::caption() const {
    QString title = windowTitle();
    title.remove(QStringLiteral("[*]"));
    return title;
}

void ScriptWindow::newScript() {
    context_.currentFile = newFileMarker();
    textFile_.clear();
    txtScript_->setScriptText(newScriptTemplate());
}

bool ScriptWindow::save() {
    if (context_.currentFile.isEmpty() || context_.currentFile == newFileMarker()) return host_.saveAs();
    return compile(context_.currentFile);
}

void ScriptWindow::openRecent(int index) {
    const QString fileName = host_.recentFile(index);
    if (fileName == QString::fromLatin1(settings::kNoRecentFile.data(), settings::kNoRecentFile.size())) return;
    if (!FileExists(toEnginePath(fileName))) return;
    if (!maybeSave()) return;
    // Loading makes the file current, which stores it as "lastfile" with the caption; a second
    // caption update here would only write the same settings again.
    loadFile(fileName);
}

void ScriptWindow::showText(const QString& text, const QString& sourceName, FileEncoding encoding) {
    context_.currentFile = newFileMarker();
    txtScript_->setScriptText(text);
    assistant_->checkNow();
    textWritten(sourceName, encoding);
    showHelp();
}

void ScriptWindow::textWritten(const QString& fileName, FileEncoding encoding) {
    textFile_ = fileName;
    textEncoding_ = encoding;
    txtScript_->document()->setModified(false);
    setCaption(QStringLiteral("Script Editor - ") + captionPath(fileName));
}

void ScriptWindow::updateCaption() {
    setCaption(QStringLiteral("Script Editor - ") + captionPath(context_.currentFile));
    host_.rememberCurrentFile(context_.currentFile);
}

void ScriptWindow::becameCurrent(const QString& fileName) {
    context_.currentFile = fileName;
    updateCaption();
}

bool ScriptWindow::loadFile(const QString& fileName) {
    host_.setStatus(QStringLiteral("Loading ") + fileName + QStringLiteral("..."));
    const std::string path = toEnginePath(fileName);
    if (!FileExists(path)) {
        context_.prompter.tell(messageFromEngine(kFileDoesNotExist));
        if (context_.currentFile.isEmpty()) newScript();
        return false;
    }
    QString text;
    try {
        std::string bytes;
        std::string reason;
        if (!ReadWholeFile(path, bytes, &reason, kMaxCompiledFileBytes)) {
            context_.prompter.tell(fileName + QStringLiteral(": ") + QString::fromStdString(reason));
            return false;
        }
        const LoadResult result = LoadScript(bytes, *context_.tables);
        if (!result.ok()) {
            context_.prompter.tell(messageFromEngine(result.error().message));
            return false;
        }
        text = boxTextFromEngine(result.script().text);
    } catch (const std::bad_alloc&) {
        // The script in the window is untouched: nothing of the author's work is lost.
        context_.prompter.tell(fileName + QStringLiteral(": there is not enough memory to load this file."));
        host_.setStatus(QString());
        return false;
    }
    // The caption reads "Loading" while the window paints, then "Loading..." once the variable
    // table is read: the program's own progress display, kept as authors know it.
    setWindowTitle(QStringLiteral("Loading"));
    show();
    QCoreApplication::processEvents();
    setWindowTitle(QStringLiteral("Loading..."));
    txtScript_->setScriptText(text);
    assistant_->checkNow();
    textFile_.clear();
    becameCurrent(fileName);
    showHelp();
    host_.setStatus(QString());
    return true;
}

bool ScriptWindow::makeBackup(QString& backupName) {
    const QString& current = context_.currentFile;
    if (current.isEmpty() || current == newFileMarker() || !FileExists(toEnginePath(current))) return true;
    backupName = fromEnginePath(BackupFileName(toEnginePath(current)));
    FileError error;
    if (CopyFileAtomically(toEnginePath(current), toEnginePath(backupName), &error)) return true;
    context_.prompter.tell(QStringLiteral("Could not back up ") + current + QStringLiteral(" to ") +
                           fromEnginePath(error.message()) + QStringLiteral(". Nothing was written."));
    return false;
}

void ScriptWindow::reportCompileError(int position, int length, const QString& message) {
    txtScript_->selectRange(position, length);
    txtScript_->repaint();
    QCoreApplication::processEvents();
    context_.prompter.tell(message);
}

std::optional<std::string> ScriptWindow::compiledBytes() {
    // The compiler's blank after the last word goes into the compiled text only: the box keeps the
    // author's text and undo steps.
    const std::string text = txtScript_->engineText();  // a copy: the questions below run the event loop
    SaveAnswers answers;
    for (;;) {
        const SaveStep step = PrepareScriptSave(text, *context_.tables, *context_.grammar, answers);
        switch (step.kind) {
            case SaveStepKind::kWrite:
                return step.fileBytes;
            case SaveStepKind::kNoWords:
                context_.prompter.tell(messageFromEngine(step.message));
                host_.setStatus(QString());
                return std::nullopt;
            case SaveStepKind::kAskSaveDespiteCheck:
                if (!context_.prompter.askYesNoDefaultNo(messageFromEngine(step.message))) {
                    txtScript_->selectRange(static_cast<int>(step.position), static_cast<int>(step.length));
                    host_.setStatus(QString());
                    return std::nullopt;
                }
                answers.saveDespiteCheck = true;
                break;
            case SaveStepKind::kAskMoreThan256:
                if (!context_.prompter.askYesNo(messageFromEngine(step.message))) {
                    context_.prompter.tell(messageFromEngine(kCompilingCancelled));
                    updateCaption();
                    return std::nullopt;
                }
                answers.allowMoreThan256 = true;
                break;
            case SaveStepKind::kCompileError:
                reportCompileError(static_cast<int>(step.position), static_cast<int>(step.length),
                                   messageFromEngine(step.message));
                return std::nullopt;
        }
    }
}

bool ScriptWindow::compile(const QString& fileName) {
    host_.setStatus(QStringLiteral("Saving (compiling) ") + fileName + QStringLiteral("..."));
    const std::optional<std::string> bytes = compiledBytes();
    if (!bytes) return false;
    QString backupName;
    const QString failed = QStringLiteral("Saving failed: ") + fileName + QStringLiteral(" was not written");
    if (!makeBackup(backupName)) {
        host_.setStatus(failed);
        return false;
    }
    FileError error;
    if (!WriteFileAtomically(toEnginePath(fileName), *bytes, &error)) {
        host_.setStatus(failed);
        context_.prompter.tell(QStringLiteral("Could not write ") + fromEnginePath(error.message()));
        return false;
    }
    const QString backupLine =
        backupName.isEmpty() ? QStringLiteral("nothing (there was no earlier file)") : backupName;
    context_.prompter.tell(QStringLiteral("Written to ") + fileName + QStringLiteral("\r\nBackupped to ") + backupLine);
    txtScript_->document()->setModified(false);
    becameCurrent(fileName);
    host_.setStatus(QString());
    return true;
}

void ScriptWindow::showHelp() {
    const QTextCursor cursor = txtScript_->textCursor();
    const QTextBlock block = txtScript_->document()->findBlock(cursor.selectionStart());
    const std::string line = engineBytesFromBoxText(block.text());
    const auto caret = static_cast<std::size_t>(cursor.selectionStart() - block.position());
    lblHelp_->setPlainText(boxTextFromEngine(HelpTextFor(HelpWordsAt(line, caret), context_.commandList)));
}

}  // namespace corvane
