#pragma once
// Every message box and file dialog of the program goes through this interface, so that every
// path of every command can be driven by a test without a person.

#include <QString>
#include <QStringList>
#include <optional>

namespace corvane {

class Prompter {
public:
    enum class SaveChoice { Save, Discard, Cancel };

    virtual ~Prompter() = default;

    // A message box with an OK button and the program's title.
    virtual void tell(const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // The same with No as the default button, for a question whose Yes risks the author's work.
    virtual bool askYesNoDefaultNo(const QString& text) = 0;
    // Unsaved work: save it, throw it away, or stay where we are.
    virtual SaveChoice askSaveDiscardCancel(const QString& text) = 0;
    // A whole number from `minimum` to `maximum`, `value` offered first; nothing when cancelled.
    virtual std::optional<int> askNumber(const QString& text, int value, int minimum, int maximum) = 0;

    // File dialogs. `filter` is in the "Name (*.ext)|*.ext|..." form; `initialName` may hold a
    // folder and a pattern such as "C:\Games\levels\levl*.dat". Nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const QString& title, const QString& initialName,
                                                    const QString& filter) = 0;
    virtual std::optional<QString> chooseFileToSave(const QString& title, const QString& initialName,
                                                    const QString& filter) = 0;
};

// "Script Files (*.dat)|*.dat|All Files (*.*)|*.*" -> "Script Files (*.dat);;All Files (*.*)".
QString qtFilterFromPipeFilter(const QString& pipeFilter);

// The name filters of a file dialog. A pattern in the initial name ("levl*.dat") comes first, so
// that the dialog shows only what it matches, unless one of the filter's entries has that pattern.
QStringList dialogNameFilters(const QString& initialName, const QString& pipeFilter);

}  // namespace corvane
