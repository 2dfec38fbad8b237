#include "ui/common/qt_prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStringList>
#include <QTreeView>

#include "support/dialog_start.h"

namespace corvane {

QString qtFilterFromPipeFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList names;
    // Pairs of "shown name | pattern"; Qt reads the pattern from the parentheses of the name.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        if (!name.contains(QLatin1Char('('))) name += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
        names << name;
    }
    return names.join(QStringLiteral(";;"));
}

QStringList dialogNameFilters(const QString& initialName, const QString& pipeFilter) {
    QStringList filters = qtFilterFromPipeFilter(pipeFilter).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    const QString pattern = QString::fromStdString(SplitDialogName(initialName.toStdString()).name);
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?'))) return filters;
    const QStringList patterns = pipeFilter.split(QLatin1Char('|'));
    for (qsizetype i = 1; i < patterns.size(); i += 2)
        if (patterns[i].split(QLatin1Char(';')).contains(pattern)) return filters;
    filters.prepend(pattern);
    return filters;
}

namespace {

QString programTitle() { return QCoreApplication::applicationName(); }

// Room in a title bar beside the title: the window's icon and its buttons.
constexpr int kTitleBarRoom = 160;

// The width at which a window manager shows the program's title whole.
int titleWidth(const QWidget& dialog) {
    return dialog.fontMetrics().horizontalAdvance(programTitle()) * 5 / 4 + kTitleBarRoom;
}

// A message box at least as wide as its title, which a window manager would cut in a narrower one.
QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, programTitle(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = titleWidth(box);
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The file list's columns share the width so that none is cut: the name takes what the others leave.
void fitFileColumns(QFileDialog& dialog) {
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (files == nullptr) return;  // the system's own dialog
    QHeaderView* header = files->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

std::optional<QString> runDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                                 const QString& initialName, const QString& filter) {
    const DialogName start = SplitDialogName(initialName.toStdString());
    const QString name = QString::fromStdString(start.name);
    QFileDialog dialog(parent, title, QDir::fromNativeSeparators(QString::fromStdString(start.folder)));
    dialog.setNameFilters(dialogNameFilters(initialName, filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks about overwriting itself, with its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) dialog.selectFile(name);
    fitFileColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());  // Windows shows "C:\\..."
}

}  // namespace

void QtPrompter::tell(const QString& text) {
    ask(parent_, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::askYesNo(const QString& text) {
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool QtPrompter::askYesNoDefaultNo(const QString& text) {
    return ask(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

Prompter::SaveChoice QtPrompter::askSaveDiscardCancel(const QString& text) {
    const auto answer = ask(parent_, QMessageBox::Warning, text,
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    if (answer == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<int> QtPrompter::askNumber(const QString& text, int value, int minimum, int maximum) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(programTitle());
    dialog.setLabelText(text);
    dialog.setIntRange(minimum, maximum);
    dialog.setIntValue(value);
    // The dialog's layout sets its size from its parts: the label carries the width.
    if (auto* label = dialog.findChild<QLabel*>()) label->setMinimumWidth(titleWidth(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

std::optional<QString> QtPrompter::chooseFileToOpen(const QString& title, const QString& initialName,
                                                    const QString& filter) {
    return runDialog(parent_, QFileDialog::AcceptOpen, title, initialName, filter);
}

std::optional<QString> QtPrompter::chooseFileToSave(const QString& title, const QString& initialName,
                                                    const QString& filter) {
    return runDialog(parent_, QFileDialog::AcceptSave, title, initialName, filter);
}

}  // namespace corvane
