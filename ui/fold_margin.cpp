#include "ui/fold_margin.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "ui/box_text.h"
#include "ui/editor_look.h"
#include "ui/fold_ellipsis.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {
constexpr int kMarginWidth = 14;
QColor markerColour() { return QColor(150, 160, 190); }
}  // namespace

FoldMargin::FoldMargin(ScriptTextBox& box)
    : QWidget(&box), box_(box), viewport_(box.viewport()), ellipsis_(new FoldEllipsis(box)) {
    setObjectName(QStringLiteral("foldMargin"));
    setCursor(Qt::PointingHandCursor);
    box.setFoldMarginWidth(kMarginWidth);
    viewport_->installEventFilter(this);
    refreshLater_.setSingleShot(true);
    refreshLater_.setInterval(0);
    connect(&refreshLater_, &QTimer::timeout, this, &FoldMargin::refresh);
    connect(box.document(), &QTextDocument::contentsChange, this, &FoldMargin::contentsChange);
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&box, &QTextEdit::cursorPositionChanged, this, &FoldMargin::caretMoved);
    place();
    refresh();
}

void FoldMargin::place() {
    const QRect viewport = viewport_->geometry();
    setGeometry(viewport.left() - kMarginWidth, viewport.top(), kMarginWidth, viewport.height());
}

bool FoldMargin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) place();
    return QWidget::eventFilter(watched, event);
}

void FoldMargin::contentsChange(int from, int removed, int added) {
    if (applying_) return;
    // The whole text replaced (a new or loaded script): no fold of the old one applies.
    if (from == 0 && removed > 0 && added >= box_.document()->characterCount() - 1) folded_.clear();
    refreshLater_.start();
}

void FoldMargin::refresh() {
    ranges_ = FoldRanges(box_.engineText());
    QList<QTextCursor> kept;
    for (const QTextCursor& fold : folded_) {
        const bool stillFolds = rangeOpeningAt(fold.position()) != nullptr;
        const bool twice = std::any_of(kept.begin(), kept.end(),
                                       [&](const QTextCursor& other) { return other.position() == fold.position(); });
        if (stillFolds && !twice) kept << fold;
    }
    folded_ = kept;
    applyFolds();
    update();
}

const FoldRange* FoldMargin::rangeOnLine(int blockNumber) const {
    const QTextBlock line = box_.document()->findBlockByNumber(blockNumber);
    if (!line.isValid()) return nullptr;
    const auto range = firstRangeFrom(line.position());
    return range != ranges_.end() && static_cast<int>(range->open) < line.position() + line.length() ? &*range
                                                                                                     : nullptr;
}

std::vector<FoldRange>::const_iterator FoldMargin::firstRangeFrom(int position) const {
    return std::lower_bound(ranges_.begin(), ranges_.end(), position, [](const FoldRange& candidate, int wanted) {
        return static_cast<int>(candidate.open) < wanted;
    });
}

const FoldRange* FoldMargin::rangeOpeningAt(int position) const {
    const auto range = firstRangeFrom(position);
    return range != ranges_.end() && static_cast<int>(range->open) == position ? &*range : nullptr;
}

bool FoldMargin::isFolded(int blockNumber) const {
    return std::any_of(folded_.begin(), folded_.end(),
                       [&](const QTextCursor& fold) { return fold.blockNumber() == blockNumber; });
}

bool FoldMargin::toggleFoldAt(int blockNumber) {
    refresh();
    const FoldRange* range = rangeOnLine(blockNumber);
    if (range == nullptr) return false;
    const auto open = std::find_if(folded_.begin(), folded_.end(), [&](const QTextCursor& fold) {
        return fold.position() == static_cast<int>(range->open);
    });
    if (open != folded_.end()) {
        folded_.erase(open);
    } else {
        QTextCursor fold(box_.document());
        fold.setPosition(static_cast<int>(range->open));
        folded_ << fold;
    }
    applyFolds();
    // A caret left inside the hidden lines goes to the "{" line.
    if (!box_.textCursor().block().isVisible()) {
        QTextCursor caret = box_.textCursor();
        caret.setPosition(static_cast<int>(range->open) + 1);
        box_.setTextCursor(caret);
    }
    update();
    return true;
}

void FoldMargin::unfoldAll() {
    folded_.clear();
    applyFolds();
    update();
}

void FoldMargin::applyFolds() {
    QTextDocument* document = box_.document();
    std::vector<std::size_t> folded;
    for (const QTextCursor& fold : folded_) folded.push_back(static_cast<std::size_t>(fold.position()));
    const std::vector<bool> hidden = HiddenLines(ranges_, folded, static_cast<std::size_t>(document->blockCount()));
    ellipsis_->setFolds(folded_);
    int from = -1;
    int to = -1;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const bool hide = hidden[static_cast<std::size_t>(block.blockNumber())];
        if (block.isVisible() != hide) continue;
        block.setVisible(!hide);
        if (from < 0) from = block.position();
        to = block.position() + block.length();
    }
    if (from < 0) return;
    applying_ = true;
    document->markContentsDirty(from, to - from);
    applying_ = false;
    box_.viewport()->update();
}

void FoldMargin::caretMoved() {
    if (box_.textCursor().block().isVisible()) return;
    if (refreshLater_.isActive()) refresh();  // the lines of the ranges as the text stands now
    const auto line = static_cast<std::size_t>(box_.textCursor().blockNumber());
    // Found, jumped to or walked into: whatever hides the caret's line opens.
    folded_.erase(std::remove_if(folded_.begin(), folded_.end(),
                                 [&](const QTextCursor& fold) {
                                     const FoldRange* range = rangeOpeningAt(fold.position());
                                     return range != nullptr && range->Hides(line);
                                 }),
                  folded_.end());
    applyFolds();
    update();
}

void FoldMargin::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QTextBlock block = box_.cursorForPosition(QPoint(0, event->position().toPoint().y())).block();
    toggleFoldAt(block.blockNumber());
}

void FoldMargin::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), darkBackground().darker(125));
    painter.setRenderHint(QPainter::Antialiasing);
    QTextDocument* document = box_.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    const int scroll = box_.verticalScrollBar()->value();
    // Only the blocks on screen: from the first line shown on, until one lies below the margin.
    const int firstShown = box_.cursorForPosition(QPoint(0, 0)).block().position();
    for (auto range = firstRangeFrom(firstShown); range != ranges_.end(); ++range) {
        const QTextBlock block = document->findBlock(static_cast<int>(range->open));
        if (!block.isVisible()) continue;
        const QRectF line = layout->blockBoundingRect(block).translated(0, -scroll);
        if (line.top() > height()) break;
        if (line.bottom() < 0) continue;
        const qreal size = qMin<qreal>(8, line.height() - 4);
        const QPointF centre(width() / 2.0, line.center().y());
        QPainterPath marker;
        if (isFolded(block.blockNumber())) {  // pointing right: lines hidden below
            marker.moveTo(centre + QPointF(-size / 3, -size / 2));
            marker.lineTo(centre + QPointF(size / 2, 0));
            marker.lineTo(centre + QPointF(-size / 3, size / 2));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(240, 200, 90));
        } else {  // pointing down: the block is open
            marker.moveTo(centre + QPointF(-size / 2, -size / 3));
            marker.lineTo(centre + QPointF(size / 2, -size / 3));
            marker.lineTo(centre + QPointF(0, size / 2));
            painter.setPen(QPen(markerColour(), 1));
            painter.setBrush(Qt::NoBrush);
        }
        marker.closeSubpath();
        painter.drawPath(marker);
    }
}

}  // namespace corvane
