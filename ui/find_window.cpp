#include "ui/find_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "support/settings_file.h"
#include "ui/editor_context.h"
#include "ui/escape_closes.h"
#include "ui/placement.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {

// Designed in twips: client area 5295 x 945.
QRect twipsRect(const QWidget* widget, int left, int top, int width, int height) {
    const int dpi = widget->logicalDpiX();
    return {twipsToPixels(left, dpi), twipsToPixels(top, dpi), twipsToPixels(width, dpi), twipsToPixels(height, dpi)};
}

}  // namespace

FindWindow::FindWindow(EditorContext& context, std::function<ScriptTextBox*()> scriptBox, QWidget* parent)
    : QWidget(parent, Qt::Tool), context_(context), scriptBox_(std::move(scriptBox)) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(QStringLiteral("Text to look for:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    txtFind_ = new QLineEdit(this);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    cmdFindNext_ = new QPushButton(QStringLiteral("Find Next"), this);
    cmdFindNext_->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext_->setDefault(true);

    // The designed measures, widened where this system's font needs more room for the label.
    const QRect labelRect = twipsRect(this, 120, 120, 1215, 255);
    const int wider = qMax(0, label->sizeHint().width() - labelRect.width());
    label->setGeometry(labelRect.adjusted(0, 0, wider, 0));
    txtFind_->setGeometry(twipsRect(this, 1440, 120, 3735, 285).translated(wider, 0));
    cmdFindNext_->setGeometry(twipsRect(this, 4080, 480, 1095, 375).translated(wider, 0));
    setFixedSize(twipsRect(this, 0, 0, 5295, 945).size() + QSize(wider, 0));

    txtFind_->setText(context_.settings.read(settings::kFindSection, settings::kFindWhat, QString()));
    txtFind_->installEventFilter(this);
    connect(cmdFindNext_, &QPushButton::clicked, this, &FindWindow::findNext);
    connect(txtFind_, &QLineEdit::returnPressed, this, &FindWindow::findNext);
}

void FindWindow::findNext() {
    ScriptTextBox* box = scriptBox_();
    if (box == nullptr) return;
    const QString what = txtFind_->text();
    const qsizetype from = box->textCursor().selectionStart() + 1;
    const qsizetype found = box->toPlainText().indexOf(what, from, Qt::CaseInsensitive);
    if (found < 0) {
        context_.prompter.tell(QStringLiteral("Not found below your cursor!"));
        return;
    }
    box->selectRange(static_cast<int>(found), static_cast<int>(what.size()));
    box->window()->activateWindow();
}

void FindWindow::showForTyping() {
    show();
    raise();
    activateWindow();
    txtFind_->setFocus(Qt::ShortcutFocusReason);
    txtFind_->selectAll();
}

void FindWindow::closeEvent(QCloseEvent* event) {
    if (!programEnding_) context_.settings.write(settings::kFindSection, settings::kFindWhat, txtFind_->text());
    QWidget::closeEvent(event);
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFind_ && event->type() == QEvent::FocusIn) {
        // Typing replaces the previous search text.
        QMetaObject::invokeMethod(txtFind_, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::focusInEvent(QFocusEvent* event) {
    txtFind_->selectAll();
    QWidget::focusInEvent(event);
}

}  // namespace corvane
