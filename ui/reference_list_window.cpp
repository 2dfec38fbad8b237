#include "ui/reference_list_window.h"

#include <QPlainTextEdit>

#include "ui/editor_look.h"

namespace corvane {

namespace {
constexpr qreal kListPoints = 9.0;
}

ReferenceListWindow::ReferenceListWindow(const Kind& kind, const QString& listText, QWidget* parent)
    : QMdiSubWindow(parent) {
    setObjectName(kind.windowName);
    setWindowTitle(kind.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(kind.textBoxName);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(courierNew(kListPoints));
    text_->setPlainText(listText);
    setWidget(text_);
    resize(460, 420);
}

ReferenceListWindow::Kind ReferenceListWindow::commands() {
    return {QStringLiteral("frmCommandList"), QStringLiteral("Commands"), QStringLiteral("txtCommands")};
}
ReferenceListWindow::Kind ReferenceListWindow::variables() {
    return {QStringLiteral("frmVariableList"), QStringLiteral("Variables"), QStringLiteral("txtVariables")};
}
ReferenceListWindow::Kind ReferenceListWindow::keywords() {
    return {QStringLiteral("frmKeywords"), QStringLiteral("Keywords list"), QStringLiteral("txtKeywords")};
}

}  // namespace corvane
