#include "ui/fold_ellipsis.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/script_text_box.h"

namespace corvane {

namespace {
const QString kEllipsis = QStringLiteral("...");
constexpr int kGap = 6;
}  // namespace

FoldEllipsis::FoldEllipsis(ScriptTextBox& box) : QWidget(box.viewport()), box_(box), viewport_(box.viewport()) {
    setObjectName(QStringLiteral("foldEllipsis"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Scrolling moves the viewport's children with the text: this one covers the viewport again.
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, &FoldEllipsis::cover);
    connect(box.horizontalScrollBar(), &QScrollBar::valueChanged, this, &FoldEllipsis::cover);
    viewport_->installEventFilter(this);
    cover();
}

void FoldEllipsis::setFolds(const QList<QTextCursor>& folds) {
    folds_ = folds;
    cover();
    setVisible(!folds_.isEmpty());
}

void FoldEllipsis::cover() {
    setGeometry(viewport_->rect());
    update();
}

bool FoldEllipsis::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && event->type() == QEvent::Resize) cover();
    return QWidget::eventFilter(watched, event);
}

void FoldEllipsis::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(box_.font());
    painter.setFont(box_.font());
    QAbstractTextDocumentLayout* layout = box_.document()->documentLayout();
    const QPoint scroll(box_.horizontalScrollBar()->value(), box_.verticalScrollBar()->value());
    for (const QTextCursor& fold : folds_) {
        const QTextBlock block = fold.block();
        if (!block.isVisible() || block.layout() == nullptr || block.layout()->lineCount() == 0) continue;
        const QRectF line = layout->blockBoundingRect(block).translated(-scroll);
        if (line.bottom() < 0 || line.top() > height()) continue;
        const qreal textWidth = block.layout()->lineAt(0).naturalTextWidth();
        const QRectF mark(line.left() + textWidth + kGap, line.top() + 1, metrics.horizontalAdvance(kEllipsis) + 6,
                          line.height() - 2);
        painter.setPen(QColor(240, 200, 90));
        painter.setBrush(QColor(240, 200, 90, 40));
        painter.drawRoundedRect(mark, 3, 3);
        painter.drawText(mark, Qt::AlignCenter, kEllipsis);
    }
}

}  // namespace corvane
