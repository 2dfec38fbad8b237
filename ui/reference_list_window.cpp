#include "ui/reference_list_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

#include "ui/editor_look.h"
#include "ui/escape_closes.h"

namespace corvane {

namespace {

constexpr qreal kListPoints = 9.0;

struct ListNames {
    QString windowName;   // "frmCommandList"
    QString caption;      // "Commands"
    QString textBoxName;  // "txtCommands"
};

ListNames namesOf(ReferenceList list) {
    switch (list) {
        case ReferenceList::kCommands:
            return {QStringLiteral("frmCommandList"), QStringLiteral("Commands"), QStringLiteral("txtCommands")};
        case ReferenceList::kVariables:
            return {QStringLiteral("frmVariableList"), QStringLiteral("Variables"), QStringLiteral("txtVariables")};
        case ReferenceList::kKeywords:
            break;
    }
    return {QStringLiteral("frmKeywords"), QStringLiteral("Keywords list"), QStringLiteral("txtKeywords")};
}

}  // namespace

ReferenceListWindow::ReferenceListWindow(ReferenceList list, const QString& listText, QWidget* parent)
    : QMdiSubWindow(parent), listText_(listText) {
    const ListNames kind = namesOf(list);
    setObjectName(kind.windowName);
    setWindowTitle(kind.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* content = new QWidget(this);
    filter_ = new QLineEdit(content);
    filter_->setObjectName(QStringLiteral("txtFilter"));
    filter_->setPlaceholderText(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    text_ = new QPlainTextEdit(content);
    text_->setObjectName(kind.textBoxName);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(courierNew(kListPoints));
    text_->setPlainText(listText);
    text_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filter_);
    layout->addWidget(text_, 1);
    setWidget(content);
    resize(460, 420);
    connect(filter_, &QLineEdit::textChanged, this, &ReferenceListWindow::applyFilter);
}

void ReferenceListWindow::applyFilter(const QString& filter) {
    if (filter.isEmpty()) {
        text_->setPlainText(listText_);
        return;
    }
    QStringList kept;
    for (const QString& line : listText_.split(QLatin1Char('\n'))) {
        if (line.contains(filter, Qt::CaseInsensitive)) kept << line;
    }
    text_->setPlainText(kept.join(QLatin1Char('\n')));
}

bool ReferenceListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QStringList words =
            text_->cursorForPosition(at).block().text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty()) emit wordChosen(words.constFirst());
        return true;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void ReferenceListWindow::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(*this, *event)) QMdiSubWindow::keyPressEvent(event);
}

}  // namespace corvane
