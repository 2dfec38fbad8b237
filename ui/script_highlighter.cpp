#include "ui/script_highlighter.h"

#include <QTextBlock>
#include <QTextDocument>

#include "assist/word_colouring.h"
#include "ui/box_text.h"

namespace corvane {

namespace {

// Readable on the box's dark background, each kind clearly apart.
QColor colourOf(WordKind kind) {
    switch (kind) {
        case WordKind::kKeyword:
            return QColor(255, 198, 109);
        case WordKind::kCommand:
            return QColor(120, 200, 255);
        case WordKind::kInternalValue:
            return QColor(200, 160, 255);
        case WordKind::kNumber:
            return QColor(150, 230, 150);
        case WordKind::kUserVariable:
            return QColor(120, 230, 220);
        case WordKind::kBrace:
            return QColor(235, 235, 235);
        case WordKind::kUnknown:
            return QColor(255, 105, 105);
    }
    return QColor(235, 235, 235);
}

// Set on a line that carries its colours.
class ColouredLine final : public QTextBlockUserData {};

}  // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document, const LanguageTables& tables, const Grammar& grammar)
    : QSyntaxHighlighter(document), tables_(tables), grammar_(grammar) {}

void ScriptHighlighter::setColouring(bool on) {
    if (on == colouring_) return;
    colouring_ = on;
    rehighlight();
}

bool ScriptHighlighter::coloursLine(int line) const {
    return document()->blockCount() <= kColouredWholeLines || (line >= firstColouredLine_ && line <= lastColouredLine_);
}

void ScriptHighlighter::colourLines(int first, int last) {
    firstColouredLine_ = first;
    lastColouredLine_ = last;
    if (!colouring_) return;
    QTextBlock block = document()->findBlockByNumber(first);
    for (int line = first; line <= last && block.isValid(); ++line, block = block.next()) {
        if (block.userData() == nullptr) rehighlightBlock(block);
    }
}

void ScriptHighlighter::setZoom(int percent) {
    if (percent == zoom_) return;
    zoom_ = percent;
    rehighlight();
}

void ScriptHighlighter::highlightBlock(const QString& text) {
    if (zoom_ != 100) applyZoom();
    const bool coloured = colouring_ && coloursLine(currentBlock().blockNumber());
    if (coloured) applyColours(text);
    // A line left out loses its colours (it may have changed): it gets them again once shown.
    setCurrentBlockUserData(coloured ? new ColouredLine : nullptr);
}

void ScriptHighlighter::applyZoom() {
    const QTextBlock block = currentBlock();
    const qreal defaultPoints = document()->defaultFont().pointSizeF();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const qreal points =
            fragment.charFormat().fontPointSize() > 0 ? fragment.charFormat().fontPointSize() : defaultPoints;
        QTextCharFormat format;
        format.setFontPointSize(points * zoom_ / 100.0);
        setFormat(fragment.position() - block.position(), fragment.length(), format);
    }
}

void ScriptHighlighter::applyColours(const QString& text) {
    for (const ColouredWord& word : ColourWords(engineBytesFromBoxText(text), tables_, grammar_)) {
        const int start = static_cast<int>(word.position);
        QTextCharFormat format = this->format(start);
        format.setForeground(colourOf(word.kind));
        setFormat(start, static_cast<int>(word.length), format);
    }
}

}  // namespace corvane
