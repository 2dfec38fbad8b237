#include "lang/lang_edit_window.h"

#include "ui/common/show_window.h"

#include "lang/language_file.h"
#include "support/file_utils.h"
#include "support/game_folder.h"
#include "support/safe_file.h"
#include "support/settings_file.h"
#include "ui/common/prompter.h"

#include <QCloseEvent>
#include <QFont>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace corvane {

namespace {

const QString kCaption = QStringLiteral("Language Editor");

// The text box is 1200 twips high under a list that takes the rest of the window.
constexpr int kEditBoxTwips = 1200;

int pixelsFromTwips(int twips, int dotsPerInch) { return twips * dotsPerInch / 1440; }

QFont courierNew() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QString fromUnits(const std::u16string& text) { return QString::fromStdU16String(text); }

// The box gives line breaks as LF; the game's texts, like the program's, break lines with CR LF.
std::u16string stringFromBox(QString boxText) {
    return boxText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
        .toStdU16String();
}

}  // namespace

LangEditWindow::LangEditWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry,
                               StatusSink setStatus, QWidget* parent)
    : QWidget(parent),
      prompter_(prompter),
      paths_(paths),
      registry_(registry),
      setStatus_(std::move(setStatus)),
      rememberFile_([this](const QString& file) { rememberInSettings(file); }),
      lstLanguage_(new QListWidget(this)),
      txtLangEdit_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmLangEdit"));
    setWindowTitle(kCaption);
    buildLayout();
    connect(lstLanguage_, &QListWidget::currentRowChanged, this, &LangEditWindow::lstLanguageClick);
    connect(txtLangEdit_, &QPlainTextEdit::textChanged, this, &LangEditWindow::txtLangEditChange);
}

LangEditWindow::~LangEditWindow() = default;

void LangEditWindow::buildLayout() {
    lstLanguage_->setObjectName(QStringLiteral("lstLanguage"));
    txtLangEdit_->setObjectName(QStringLiteral("txtLangEdit"));
    lstLanguage_->setFont(courierNew());
    txtLangEdit_->setFont(courierNew());
    txtLangEdit_->setFixedHeight(pixelsFromTwips(kEditBoxTwips, logicalDpiY()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lstLanguage_, 1);
    layout->addWidget(txtLangEdit_);
    resize(480, 360);
}

void LangEditWindow::openCommand() {
    const QString initialName = fromEnginePath(
        GameFolderDialogName(registry_, toEnginePath(paths_.programFolder), "\\language\\*.dat"));
    const auto chosen = prompter_.chooseFileToOpen(QStringLiteral("Open a language file"), initialName,
                                                   QStringLiteral("Script Files (*.dat)|*.dat|All Files (*.*)|*.*"));
    if (!chosen || !FileExists(toEnginePath(*chosen))) return;
    if (!loadFile(*chosen)) return;
    showEditor();
    rememberFile_(*chosen);
    updateCaption();
}

bool LangEditWindow::loadFile(const QString& fileName) {
    std::string bytes, error;
    if (!ReadWholeFile(toEnginePath(fileName), bytes, &error)) {
        prompter_.tell(QStringLiteral("Language file %1 could not be read: %2").arg(fileName, fromEnginePath(error)));
        return false;
    }
    auto read = ReadLanguageFile(bytes);
    if (!read.file) {
        prompter_.tell(QStringLiteral("%1 is not a language file: %2").arg(fileName, fromEnginePath(read.error)));
        return false;
    }
    document_ = std::make_unique<LanguageDocument>(std::move(*read.file));
    langFile_ = fileName;
    fillList();
    return true;
}

void LangEditWindow::fillList() {
    editIndex_ = -1;
    {
        const QSignalBlocker quiet(lstLanguage_);
        lstLanguage_->clear();
        for (int i = 0; i < static_cast<int>(document_->count()); ++i) lstLanguage_->addItem(itemText(i));
    }
    lstLanguage_->setCurrentRow(0);
    lstLanguageClick(0);
}

QString LangEditWindow::itemText(int number) const {
    return QString::number(number) + QStringLiteral(": ") + fromUnits(document_->text(static_cast<std::size_t>(number)));
}

void LangEditWindow::lstLanguageClick(int row) {
    if (!document_ || row < 0) return;
    editIndex_ = row;
    showingString_ = true;
    txtLangEdit_->setPlainText(fromUnits(document_->text(static_cast<std::size_t>(row))));
    showingString_ = false;
}

void LangEditWindow::txtLangEditChange() {
    if (showingString_ || !document_ || editIndex_ < 0) return;
    document_->setText(static_cast<std::size_t>(editIndex_), stringFromBox(txtLangEdit_->toPlainText()));
    lstLanguage_->item(editIndex_)->setText(itemText(editIndex_));
}

bool LangEditWindow::saveLang() {
    if (!document_) {
        prompter_.tell(QStringLiteral("No language file is open."));
        return false;
    }
    setStatus_(QStringLiteral("Saving language file"));
    const LanguageSave save = document_->bytesToSave();
    bool saved = false;
    FileError error;
    if (!save.bytes) {
        reportUnsavable(save);
    } else if (!WriteFileAtomically(toEnginePath(langFile_), *save.bytes, &error)) {
        prompter_.tell(QStringLiteral("Language file %1 was not saved: %2")
                           .arg(fromEnginePath(error.path), fromEnginePath(error.reason)));
    } else {
        prompter_.tell(QStringLiteral("Language file ") + langFile_ + QStringLiteral(" saved!"));
        saved = true;
    }
    setStatus_(QStringLiteral("Ready"));
    return saved;
}

void LangEditWindow::reportUnsavable(const LanguageSave& save) {
    lstLanguage_->setCurrentRow(static_cast<int>(save.number));
    prompter_.tell(QStringLiteral("Language file %1 was not saved: string %2 holds the character U+%3 at position "
                                  "%4, which a language file cannot hold.")
                       .arg(langFile_)
                       .arg(save.number)
                       .arg(static_cast<unsigned>(save.character), 4, 16, QLatin1Char('0'))
                       .arg(save.position + 1));
}

// A settings file that cannot be written costs only the remembered name.
void LangEditWindow::rememberInSettings(const QString& file) {
    WriteIni(toEnginePath(paths_.settingsFile()), settings::kFileSection, settings::kLastLangFile, toEnginePath(file));
}

void LangEditWindow::updateCaption() { setWindowTitle(kCaption + QStringLiteral(" - ") + langFile_); }

void LangEditWindow::showEditor() {
    ShowWindowWithFrame(*this);
    emit saveAvailable(true);
}

void LangEditWindow::closeEvent(QCloseEvent* event) {
    emit saveAvailable(false);
    event->accept();
}

}  // namespace corvane
