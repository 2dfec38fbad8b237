#include "ui/lang/lang_edit_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <filesystem>
#include <new>
#include <vector>

#include "lang/language_file.h"
#include "lang/language_filter.h"
#include "lang/language_po.h"
#include "lang/language_text.h"
#include "support/file_utils.h"
#include "support/game_folder.h"
#include "support/safe_file.h"
#include "support/settings_file.h"
#include "ui/box_text.h"
#include "ui/common/own_shortcuts.h"
#include "ui/common/prompter.h"
#include "ui/common/show_window.h"
#include "ui/common/unsaved_work.h"
#include "ui/editor_look.h"
#include "ui/placement.h"

namespace corvane {

namespace {

const QString kCaption = QStringLiteral("Language Editor");
const QString kLanguageFilter = QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*");

// The text box is 1200 twips high under a list that takes the rest of the window.
constexpr int kEditBoxTwips = 1200;

QString fromUnits(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

LangEditWindow::LangEditWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry,
                               StatusSink setStatus, QWidget* parent)
    : QWidget(parent),
      prompter_(prompter),
      paths_(paths),
      registry_(registry),
      setStatus_(std::move(setStatus)),
      txtFilter_(new QLineEdit(this)),
      lstLanguage_(new QListWidget(this)),
      txtLangEdit_(new QPlainTextEdit(this)),
      lblCheck_(new QLabel(this)),
      txtReference_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmLangEdit"));
    setWindowTitle(kCaption);
    buildLayout();
    connect(lstLanguage_, &QListWidget::currentRowChanged, this, &LangEditWindow::lstLanguageClick);
    connect(txtLangEdit_, &QPlainTextEdit::textChanged, this, &LangEditWindow::txtLangEditChange);
    connect(txtFilter_, &QLineEdit::textChanged, this, &LangEditWindow::applyFilter);
    auto* save = new QAction(tr("&Save"), this);
    save->setObjectName(QStringLiteral("langSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));  // while this window is active
    auto* saveAs = new QAction(tr("Save &As..."), this);
    saveAs->setObjectName(QStringLiteral("langSaveAs"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    for (QAction* action : {save, saveAs}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(save, &QAction::triggered, this, &LangEditWindow::saveLang);
    connect(saveAs, &QAction::triggered, this, &LangEditWindow::saveAsCommand);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    new OwnShortcuts(*this);
}

LangEditWindow::~LangEditWindow() = default;

void LangEditWindow::buildLayout() {
    lstLanguage_->setObjectName(QStringLiteral("lstLanguage"));
    txtLangEdit_->setObjectName(QStringLiteral("txtLangEdit"));
    txtFilter_->setObjectName(QStringLiteral("txtFilter"));
    txtFilter_->setPlaceholderText(tr("Filter: strings holding this text"));
    txtFilter_->setClearButtonEnabled(true);
    lblCheck_->setObjectName(QStringLiteral("lblCheck"));
    txtReference_->setObjectName(QStringLiteral("txtReference"));
    txtReference_->setReadOnly(true);
    txtReference_->hide();  // until a reference file is opened
    auto* reference = new QPushButton(tr("Reference..."), this);
    reference->setObjectName(QStringLiteral("cmdReference"));
    reference->setToolTip(tr("Show the strings of another language file beside these, by number"));
    connect(reference, &QPushButton::clicked, this, &LangEditWindow::openReferenceCommand);
    // Courier New at the size the window's own font has.
    const QFont font = courierNew(this->font().pointSizeF());
    lstLanguage_->setFont(font);
    // One line per item (a string's further lines show in the box): quick to lay out also for
    // hundreds of thousands of strings.
    lstLanguage_->setUniformItemSizes(true);
    for (QPlainTextEdit* box : {txtLangEdit_, txtReference_}) {
        box->setFont(font);
        box->setFixedHeight(twipsToPixels(kEditBoxTwips, logicalDpiY()));
    }
    auto* top = new QHBoxLayout;
    top->addWidget(txtFilter_, 1);
    top->addWidget(reference);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(txtLangEdit_);
    boxes->addWidget(txtReference_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(lstLanguage_, 1);
    layout->addLayout(boxes);
    layout->addWidget(lblCheck_);
    resize(480, 360);
}

void LangEditWindow::openCommand() {
    const auto chosen =
        prompter_.chooseFileToOpen(QStringLiteral("Open a language file"), gameLanguageFolder(), kLanguageFilter);
    // Only a name that leads nowhere is passed over in silence; a folder or an unreadable file is
    // worth a message.
    std::error_code noSuchFile;
    if (!chosen || !std::filesystem::exists(PathFromUtf8(toEnginePath(*chosen)), noSuchFile)) return;
    if (!maybeSave() || !loadFile(*chosen)) return;
    showEditor();
    rememberAsLastLangFile(*chosen);
    updateCaption();
}

QString LangEditWindow::gameLanguageFolder() const {
    return fromEnginePath(GameFolderDialogName(registry_, toEnginePath(paths_.programFolder), "\\language\\*.dat"));
}

bool LangEditWindow::loadFile(const QString& fileName) {
    LanguageFileRead read;
    try {
        read = LoadLanguageFile(toEnginePath(fileName));
    } catch (const std::bad_alloc&) {
        prompter_.tell(fileName + QStringLiteral(": there is not enough memory to load this file."));
        return false;
    }
    if (!read.file) {
        prompter_.tell(fileName + QLatin1Char(' ') + fromEnginePath(read.error));
        return false;
    }
    if (auto problem = LanguagePlausibilityProblem(*read.file)) {
        const QString question = tr("%1 does not look like a language file: %2. Open it anyway?");
        if (!prompter_.askYesNo(question.arg(fileName, fromEnginePath(*problem)))) return false;
    }
    document_ = std::make_unique<LanguageDocument>(std::move(*read.file));
    langFile_ = fileName;
    fillList();
    setWindowModified(false);
    return true;
}

void LangEditWindow::fillList() {
    editIndex_ = -1;
    {
        const QSignalBlocker quiet(txtLangEdit_);
        // The box's own text would be deleted on the first switch; this one stays while no string shows.
        if (emptyBox_ == nullptr) {
            emptyBox_ = new QTextDocument(this);
            emptyBox_->setDocumentLayout(new QPlainTextDocumentLayout(emptyBox_));
        }
        txtLangEdit_->setDocument(emptyBox_);
        for (auto& [number, text] : boxTexts_) delete text;
        boxTexts_.clear();
    }
    {
        const QSignalBlocker quiet(lstLanguage_);
        lstLanguage_->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(document_->Count()));
        for (int i = 0; i < static_cast<int>(document_->Count()); ++i) items << itemText(i);
        lstLanguage_->addItems(items);
    }
    applyFilter();
    lstLanguage_->setCurrentRow(0);
    lstLanguageClick(0);
}

QString LangEditWindow::itemText(int number) const {
    return fromUnits(LanguageListLine(*document_, static_cast<std::size_t>(number)));
}

void LangEditWindow::lstLanguageClick(int row) {
    if (!document_ || row < 0) return;
    editIndex_ = row;
    showingString_ = true;
    QTextDocument*& text = boxTexts_[row];
    if (text == nullptr) {
        text = new QTextDocument(this);
        text->setDocumentLayout(new QPlainTextDocumentLayout(text));
        text->setDefaultFont(txtLangEdit_->font());
        text->setPlainText(fromUnits(document_->Text(static_cast<std::size_t>(row))));  // no step to undo
    }
    txtLangEdit_->setDocument(text);
    showingString_ = false;
    checkEditedString();
    showReference();
}

void LangEditWindow::txtLangEditChange() {
    if (showingString_ || !document_ || editIndex_ < 0) return;
    const auto number = static_cast<std::size_t>(editIndex_);
    document_->SetText(
        number, RestoreLineBreaks(typedText(*txtLangEdit_->document()).toStdU16String(), document_->Text(number)));
    showItem(editIndex_);
    checkEditedString();
    setWindowModified(document_->IsModified());
}

bool LangEditWindow::saveLang() {
    if (!document_) {
        prompter_.tell(QStringLiteral("No language file is open."));
        return false;
    }
    return writeTo(langFile_);
}

bool LangEditWindow::saveAsCommand() {
    if (!document_) {
        prompter_.tell(QStringLiteral("No language file is open."));
        return false;
    }
    const auto chosen = prompter_.chooseFileToSave(tr("Save the language file as"), langFile_, kLanguageFilter);
    if (!chosen || !writeTo(*chosen)) return false;
    langFile_ = *chosen;
    rememberAsLastLangFile(langFile_);
    updateCaption();
    return true;
}

bool LangEditWindow::writeTo(const QString& fileName) {
    setStatus_(QStringLiteral("Saving language file"));
    const LanguageSave save = document_->BytesToSave();
    bool saved = false;
    FileError error;
    if (!save.bytes) {
        reportUnsavable(save);
    } else if (!WriteFileAtomically(toEnginePath(fileName), *save.bytes, &error)) {
        prompter_.tell(QStringLiteral("Language file %1 was not saved: %2")
                           .arg(fromEnginePath(error.path), fromEnginePath(error.reason)));
    } else {
        // What was written is what the file holds from now on.
        document_ = std::make_unique<LanguageDocument>(std::move(*ReadLanguageFile(*save.bytes).file));
        for (int row = 0; row < lstLanguage_->count(); ++row) showItem(row);  // no string is changed now
        setWindowModified(false);
        prompter_.tell(QStringLiteral("Language file ") + fileName + QStringLiteral(" saved!"));
        saved = true;
    }
    setStatus_(QStringLiteral("Ready"));
    return saved;
}

void LangEditWindow::showItem(int number) {
    QListWidgetItem* item = lstLanguage_->item(number);
    item->setText(itemText(number));
    // Strings changed since the file was opened or saved stand out in bold.
    const bool edited = document_->IsEdited(static_cast<std::size_t>(number));
    if (item->font().bold() != edited) {
        QFont font = lstLanguage_->font();
        font.setBold(edited);
        item->setFont(font);
    }
}

void LangEditWindow::applyFilter() {
    if (!document_) return;
    const std::vector<bool> kept = StringsKeptByFilter(
        *document_, reference_, txtFilter_->text().toStdU16String(),
        [](const std::u16string& text, const std::u16string& filter) {
            return QStringView(text).contains(QStringView(filter), Qt::CaseInsensitive);  // no copy per string
        });
    for (int row = 0; row < lstLanguage_->count(); ++row) {
        lstLanguage_->setRowHidden(row, !kept[static_cast<std::size_t>(row)]);
    }
}

void LangEditWindow::openReferenceCommand() {
    const auto chosen = prompter_.chooseFileToOpen(
        tr("Open a reference language file"), langFile_.isEmpty() ? gameLanguageFolder() : langFile_, kLanguageFilter);
    if (chosen) loadReference(*chosen);
}

bool LangEditWindow::loadReference(const QString& fileName) {
    LanguageFileRead read = LoadLanguageFile(toEnginePath(fileName));
    if (!read.file) {
        prompter_.tell(fileName + QLatin1Char(' ') + fromEnginePath(read.error));
        return false;
    }
    reference_ = std::move(read.file);
    txtReference_->setToolTip(fileName);
    txtReference_->show();
    showReference();
    applyFilter();
    return true;
}

void LangEditWindow::showReference() {
    if (!reference_) return;
    txtReference_->setPlainText(
        editIndex_ < 0 ? QString()
                       : fromUnits(LanguageReferenceText(reference_, static_cast<std::size_t>(editIndex_))));
    txtReference_->setPlaceholderText(tr("The reference file has no string %1").arg(editIndex_));
}

void LangEditWindow::findCommand() {
    txtFilter_->setFocus();
    txtFilter_->selectAll();
}

void LangEditWindow::findNextCommand() {
    if (txtFilter_->text().isEmpty()) {
        findCommand();
        return;
    }
    std::vector<bool> kept;
    for (int row = 0; row < lstLanguage_->count(); ++row) kept.push_back(!lstLanguage_->isRowHidden(row));
    const int current = lstLanguage_->currentRow();
    const auto next =
        NextKeptString(kept, current < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(current)));
    if (next) lstLanguage_->setCurrentRow(static_cast<int>(*next));
}

void LangEditWindow::checkEditedString() {
    // Said while typing, not only when saving: the character that the file cannot hold.
    auto refusal = document_->UnsavableCharacter(static_cast<std::size_t>(editIndex_));
    lblCheck_->setText(refusal ? QString::fromStdString(UnsavableCharacterMessage(*refusal)) : QString());
}

void LangEditWindow::reportUnsavable(const LanguageSave& save) {
    lstLanguage_->setCurrentRow(static_cast<int>(save.number));
    prompter_.tell(QStringLiteral("Language file %1 was not saved: %2")
                       .arg(langFile_, QString::fromStdString(UnsavableCharacterMessage(save))));
}

// The settings file's "lastlangfile"; nothing reads it back. A settings file that cannot be written
// costs only the remembered name.
void LangEditWindow::rememberAsLastLangFile(const QString& file) {
    WriteIni(toEnginePath(paths_.settingsFile()), settings::kFileSection, settings::kLastLangFile, toEnginePath(file));
}

void LangEditWindow::updateCaption() {
    setWindowTitle(kCaption + QStringLiteral(" - ") + langFile_ + QStringLiteral("[*]"));
}

bool LangEditWindow::maybeSave() {
    if (!document_ || !document_->IsModified()) return true;
    return MayDiscardUnsavedWork(prompter_, QStringLiteral("language file ") + langFile_,
                                 [this] { return saveLang(); });
}

void LangEditWindow::showEditor() {
    ShowWindowWithFrame(*this);
    emit saveAvailable(true);
}

void LangEditWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    emit saveAvailable(false);
    event->accept();
}

}  // namespace corvane
