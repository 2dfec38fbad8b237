#pragma once
// The language editor (frmLangEdit): the strings of a language file as a numbered list
// (lstLanguage) and a text box (txtLangEdit) for the one being edited, written into the list as the
// author types. A filter box above the list keeps only the strings holding its text; a reference
// language file, when one is opened, shows the string of the same number beside the box.

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "lang/language_document.h"
#include "lang/language_file.h"
#include "ui/common/app_paths.h"

class QCloseEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTextDocument;

namespace corvane {

class Prompter;
class RegistryReader;

class LangEditWindow : public QWidget {
    Q_OBJECT

public:
    using StatusSink = std::function<void(const QString&)>;

    LangEditWindow(Prompter& prompter, const AppPaths& paths, const RegistryReader& registry, StatusSink setStatus,
                   QWidget* parent = nullptr);
    ~LangEditWindow() override;

    // Language > Open...: asks for a file, loads it and shows the window.
    void openCommand();
    // Language > Save.
    void saveCommand() { saveLang(); }

    // Fills the list from the file. A file that cannot be read or holds no complete string is
    // reported and changes nothing; returns false then.
    bool loadFile(const QString& fileName);
    // Writes the strings back to the open file; false (after a message) when that failed.
    bool saveLang();
    // Save As...: writes the strings to a file the user chooses, which becomes the open file.
    bool saveAsCommand();
    // Reference...: asks for a language file to show beside the edited one.
    void openReferenceCommand();
    // Shows the strings of this file beside the edited ones; false (after a message) when it cannot
    // be read.
    bool loadReference(const QString& fileName);
    // Edit > Find: the filter box, its text selected for typing. Find Next: the next string the
    // filter keeps, from the top after the last one.
    void findCommand();
    void findNextCommand();
    void updateCaption();
    // Unsaved edits: asks whether to save them. True when the caller may go on (saved, discarded or
    // nothing changed).
    bool maybeSave();

    const QString& langFile() const { return langFile_; }
    QListWidget* lstLanguage() const { return lstLanguage_; }
    QPlainTextEdit* txtLangEdit() const { return txtLangEdit_; }
    QLineEdit* filterBox() const { return txtFilter_; }
    QLabel* checkLabel() const { return lblCheck_; }
    QPlainTextEdit* referenceBox() const { return txtReference_; }

signals:
    // Language > Save is available exactly while the editor is open.
    void saveAvailable(bool available);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    // The file dialogs' start: the game's language folder.
    QString gameLanguageFolder() const;
    void showEditor();
    void rememberAsLastLangFile(const QString& file);
    void fillList();
    void lstLanguageClick(int row);
    void txtLangEditChange();
    QString itemText(int number) const;
    void reportUnsavable(const LanguageSave& save);
    bool writeTo(const QString& fileName);
    void showItem(int number);
    void applyFilter();
    void showReference();
    void checkEditedString();

    Prompter& prompter_;
    AppPaths paths_;
    const RegistryReader& registry_;
    StatusSink setStatus_;

    std::unique_ptr<LanguageDocument> document_;
    std::optional<LanguageFile> reference_;
    QString langFile_;
    int editIndex_ = -1;
    bool showingString_ = false;  // the box is being filled by the program, not typed into
    // The box's text of each string shown since the file was opened, with its own undo history, so
    // that undo still works after moving to another string and back.
    std::map<int, QTextDocument*> boxTexts_;
    QTextDocument* emptyBox_ = nullptr;

    QLineEdit* txtFilter_;
    QListWidget* lstLanguage_;
    QPlainTextEdit* txtLangEdit_;
    QLabel* lblCheck_;
    QPlainTextEdit* txtReference_;
};

}  // namespace corvane
