#include "ui/line_number_area.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include "ui/editor_look.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {
constexpr qreal kNumberPoints = 8.0;  // the size of a loaded script's text
constexpr int kPadding = 6;
}  // namespace

LineNumberArea::LineNumberArea(ScriptTextBox& box) : QWidget(&box), box_(box) {
    setObjectName(QStringLiteral("lineNumbers"));
    setFont(courierNew(kNumberPoints));
    box.installEventFilter(this);
    connect(box.document(), &QTextDocument::blockCountChanged, this, &LineNumberArea::updateWidth);
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&box, &QTextEdit::cursorPositionChanged, this, qOverload<>(&QWidget::update));
    connect(box.document(), &QTextDocument::contentsChanged, this, qOverload<>(&QWidget::update));
    updateWidth();
}

void LineNumberArea::setZoom(int percent) {
    zoom_ = percent;
    QFont numbers = font();
    numbers.setPointSizeF(kNumberPoints * percent / 100.0);
    setFont(numbers);
    updateWidth();
}

int LineNumberArea::areaWidth() const {
    const int digits = static_cast<int>(QString::number(qMax(1, box_.document()->blockCount())).size());
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(3, digits) + 2 * kPadding;
}

void LineNumberArea::updateWidth() {
    box_.setLeftMargin(areaWidth());
    place();
    update();
}

void LineNumberArea::place() {
    const QRect inside = box_.contentsRect();
    setGeometry(inside.left(), inside.top(), areaWidth(), inside.height());
}

bool LineNumberArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_ && event->type() == QEvent::Resize) place();
    return QWidget::eventFilter(watched, event);
}

void LineNumberArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), darkBackground().darker(125));
    QAbstractTextDocumentLayout* layout = box_.document()->documentLayout();
    const int scroll = box_.verticalScrollBar()->value();
    const int caretLine = box_.textCursor().blockNumber();
    for (QTextBlock block = box_.cursorForPosition(QPoint(0, 0)).block(); block.isValid(); block = block.next()) {
        if (!block.isVisible()) continue;  // folded away
        const QRectF rect = layout->blockBoundingRect(block);
        const int top = static_cast<int>(rect.top()) - scroll;
        if (top > height()) break;
        const bool current = block.blockNumber() == caretLine;
        painter.setPen(current ? QColor(255, 255, 255) : QColor(120, 128, 150));
        painter.drawText(QRect(0, top, width() - kPadding, static_cast<int>(rect.height())),
                         Qt::AlignRight | Qt::AlignTop, QString::number(block.blockNumber() + 1));
    }
}

}  // namespace corvane
