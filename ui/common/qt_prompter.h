#pragma once

#include "ui/common/prompter.h"

class QWidget;

namespace corvane {

// The real dialogs: QMessageBox and QFileDialog, parented to one window.
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent) : parent_(parent) {}
    // The window the dialogs belong to (set once that window exists).
    void setParent(QWidget* parent) { parent_ = parent; }

    void tell(const QString& text) override;
    bool askYesNo(const QString& text) override;
    bool askYesNoDefaultNo(const QString& text) override;
    SaveChoice askSaveDiscardCancel(const QString& text) override;
    std::optional<int> askNumber(const QString& text, int value, int minimum, int maximum) override;
    std::optional<QString> chooseFileToOpen(const QString& title, const QString& initialName,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& title, const QString& initialName,
                                            const QString& filter) override;

private:
    QWidget* parent_;
};

}  // namespace corvane
