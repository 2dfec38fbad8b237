#include "ui/script_assistant.h"

#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "assist/block_match.h"
#include "assist/completion.h"
#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/layout_edits.h"
#include "assist/typing_edits.h"
#include "ui/background_check.h"
#include "ui/box_text.h"
#include "ui/completion_popup.h"
#include "ui/editor_context.h"
#include "ui/editor_look.h"
#include "ui/line_number_area.h"
#include "ui/problems_dock.h"
#include "ui/script_highlighter.h"
#include "ui/script_host.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {

constexpr int kZoomStep = 10;
constexpr int kMinZoom = 50;
constexpr int kMaxZoom = 300;
constexpr int kAutoCompleteLetters = 2;
// In a long text the lines of one screen above and below the shown ones are coloured too, so
// that scrolling by a page shows them coloured at once.
constexpr int kColouredScreensAround = 1;

QColor errorMarkColour() { return QColor(255, 80, 80); }
QColor warningMarkColour() { return QColor(240, 200, 60); }

QTextEdit::ExtraSelection mark(const QTextCursor& range, const QTextCharFormat& look) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = range;
    selection.format = look;
    return selection;
}

// A zero-length problem (a word missing at the end) still needs one character to carry its mark.
QTextCursor problemRange(QTextDocument* document, std::size_t position, std::size_t length) {
    const int last = document->characterCount() - 1;
    int start = qBound(0, static_cast<int>(position), last);
    int end = qBound(0, static_cast<int>(position + length), last);
    if (start == end) start > 0 ? --start : end = qMin(last, end + 1);
    QTextCursor range(document);
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    return range;
}

QList<ProblemFix> fixesOf(QTextDocument* document, const Diagnostic& problem) {
    QList<ProblemFix> fixes;
    const int last = document->characterCount() - 1;
    for (const TextFix& fix : problem.fixes) {
        QTextCursor range(document);
        range.setPosition(qBound(0, static_cast<int>(fix.position), last));
        range.setPosition(qBound(0, static_cast<int>(fix.position + fix.length), last), QTextCursor::KeepAnchor);
        fixes.push_back({messageFromEngine(fix.title), range, boxTextFromEngine(fix.replacement)});
    }
    return fixes;
}

// Only a caret on a brace, IF, ELSE or ENDIF needs the whole text scanned for partners.
bool caretOnBlockWord(const QTextCursor& caret) {
    const QString line = caret.block().text();
    const int at = caret.positionInBlock();
    for (int start : {at, at - 1}) {
        if (start < 0 || start >= line.size() || isScriptBlank(line.at(start))) continue;
        int from = start;
        int to = start;
        while (from > 0 && !isScriptBlank(line.at(from - 1))) --from;
        while (to < line.size() && !isScriptBlank(line.at(to))) ++to;
        if (HasBlockPartners(line.mid(from, to - from).toStdString())) return true;
    }
    return false;
}

// The box puts the caret at the line's end for a pointer right of it: no help for empty space.
bool pointerOnWord(const QTextEdit& box, QPoint pointer, const HoverText& hover) {
    QTextCursor word(box.document());
    word.setPosition(static_cast<int>(hover.position));
    const int left = box.cursorRect(word).left();
    word.setPosition(static_cast<int>(hover.position + hover.length));
    return pointer.x() >= left && pointer.x() <= box.cursorRect(word).right();
}

bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('%'); }

}  // namespace

ScriptAssistant::ScriptAssistant(EditorContext& context, ScriptHost& host, ScriptTextBox& box, ProblemsDock& dock)
    : QObject(&box),
      context_(context),
      host_(host),
      box_(box),
      viewport_(box.viewport()),
      dock_(dock),
      highlighter_(new ScriptHighlighter(box.document(), *context.tables, *context.grammar)),
      lineNumbers_(new LineNumberArea(box)),
      popup_(new CompletionPopup(box)),
      check_(new BackgroundCheck(
          *context.tables, *context.grammar, [this](const std::vector<Diagnostic>& found) { showFound(found); },
          this)) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMilliseconds);
    connect(&pause_, &QTimer::timeout, this, &ScriptAssistant::startCheck);
    colourShown_.setSingleShot(true);
    colourShown_.setInterval(0);
    connect(&colourShown_, &QTimer::timeout, this, &ScriptAssistant::colourShownLines);
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, &colourShown_, qOverload<>(&QTimer::start));
    connect(box.document(), &QTextDocument::contentsChanged, this, &ScriptAssistant::textChanged);
    connect(&box, &QTextEdit::cursorPositionChanged, this, &ScriptAssistant::caretMoved);
    connect(&box, &ScriptTextBox::typed, this, &ScriptAssistant::typed);
    connect(&dock, &ProblemsDock::problemChosen, this, &ScriptAssistant::showProblem);
    box.installEventFilter(this);
    viewport_->installEventFilter(this);
    showMarks();
}

ScriptAssistant::~ScriptAssistant() = default;

void ScriptAssistant::textChanged() {
    check_->textChanged();
    pause_.start();
    colourShown_.start();
}

void ScriptAssistant::colourShownLines() {
    if (!typingAssist_) return;
    const int first = box_.cursorForPosition(QPoint(0, 0)).blockNumber();
    const int last = box_.cursorForPosition(QPoint(0, viewport_->height())).blockNumber();
    const int around = (last - first + 1) * kColouredScreensAround;
    highlighter_->colourLines(qMax(0, first - around), last + around);
}

void ScriptAssistant::startCheck() { check_->start(box_.engineText()); }

void ScriptAssistant::checkNow() {
    pause_.stop();
    startCheck();
    check_->wait();
}

void ScriptAssistant::waitForCheck() { check_->wait(); }

void ScriptAssistant::showFound(const std::vector<Diagnostic>& found) {
    problems_.clear();
    // Each marked problem is a cursor that the document moves on every edit: only the first ones
    // are marked, so that typing stays quick in a text of any size.
    const std::size_t marked = std::min(found.size(), kMaxMarkedProblems);
    problems_.reserve(marked);
    for (std::size_t i = 0; i < marked; ++i) {
        problems_.push_back({problemRange(box_.document(), found[i].position, found[i].length),
                             found[i].severity == DiagnosticSeverity::kError, messageFromEngine(found[i].message),
                             fixesOf(box_.document(), found[i])});
    }
    dock_.showProblems(problems_, found.size() - marked);
    showMarks();
    showProblemUnderCaret();
    emit problemsShown();
}

void ScriptAssistant::caretMoved() {
    showMarks();
    showProblemUnderCaret();
}

void ScriptAssistant::showMarks() {
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat line;
    line.setBackground(darkBackground().lighter(150));
    line.setProperty(QTextFormat::FullWidthSelection, true);
    QTextCursor caret = box_.textCursor();
    caret.clearSelection();
    marks << mark(caret, line);

    if (caretOnBlockWord(caret)) {
        QTextCharFormat partner;
        partner.setBackground(QColor(60, 100, 150));
        for (const WordSpan& word : MatchingWordsAt(box_.engineText(), static_cast<std::size_t>(caret.position()))) {
            marks << mark(problemRange(box_.document(), word.position, word.length), partner);
        }
    }
    QTextCharFormat found;
    found.setBackground(QColor(110, 90, 30));
    for (const QTextCursor& match : searchMarks_) marks << mark(match, found);
    for (const ScriptProblem& problem : problems_) {
        QTextCharFormat wave;
        wave.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wave.setUnderlineColor(problem.error ? errorMarkColour() : warningMarkColour());
        marks << mark(problem.word, wave);
    }
    box_.setExtraSelections(marks);
}

void ScriptAssistant::setSearchMarks(const QList<QTextCursor>& marks) {
    searchMarks_ = marks;
    showMarks();
}

int ScriptAssistant::problemAt(int position) const {
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const QTextCursor& word = problems_[i].word;
        if (position >= word.selectionStart() && position <= word.selectionEnd()) return static_cast<int>(i);
    }
    return -1;
}

void ScriptAssistant::showProblemUnderCaret() {
    const int index = problemAt(box_.textCursor().position());
    if (index >= 0) {
        const ScriptProblem& problem = problems_[static_cast<std::size_t>(index)];
        host_.setStatus(lineAndColumn(problem.word) + QStringLiteral("  ") + problem.message);
        statusShowsProblem_ = true;
    } else if (statusShowsProblem_) {
        host_.setStatus(QString());
        statusShowsProblem_ = false;
    }
}

void ScriptAssistant::showProblem(int index) {
    if (index < 0 || index >= static_cast<int>(problems_.size())) return;
    const QTextCursor& word = problems_[static_cast<std::size_t>(index)].word;
    box_.selectRange(word.selectionStart(), word.selectionEnd() - word.selectionStart());
    dock_.setCurrent(index);
}

void ScriptAssistant::nextProblem() {
    const int caret = box_.textCursor().selectionStart();
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        if (problems_[i].word.selectionStart() > caret) return showProblem(static_cast<int>(i));
    }
    showProblem(0);  // round to the first
}

void ScriptAssistant::previousProblem() {
    const int caret = box_.textCursor().selectionStart();
    for (std::size_t i = problems_.size(); i-- > 0;) {
        if (problems_[i].word.selectionStart() < caret) return showProblem(static_cast<int>(i));
    }
    showProblem(static_cast<int>(problems_.size()) - 1);  // round to the last
}

void ScriptAssistant::complete() {
    const int caret = box_.textCursor().position();
    const Completion found =
        CompleteAt(box_.engineText(), static_cast<std::size_t>(caret), *context_.tables, *context_.grammar);
    std::vector<CompletionCandidate> candidates;
    for (const CompletionItem& item : found.items) {
        candidates.push_back({messageFromEngine(item.word), messageFromEngine(item.detail)});
    }
    popup_->open(static_cast<int>(found.replaceStart), std::move(candidates));
}

void ScriptAssistant::formatScript() {
    if (const auto edits = LayoutEdits(box_.engineText(), *context_.tables)) applyBlankEdits(*box_.document(), *edits);
}

void ScriptAssistant::goToLine() {
    const int lines = box_.document()->blockCount();
    const std::optional<int> line = context_.prompter.askNumber(QStringLiteral("Go to line (1 to %1):").arg(lines),
                                                                box_.textCursor().blockNumber() + 1, 1, lines);
    if (!line) return;
    const QTextBlock block = box_.document()->findBlockByNumber(qBound(1, *line, lines) - 1);
    box_.selectRange(block.position(), 0);
    box_.ensureCursorVisible();
}

int ScriptAssistant::zoom() const { return highlighter_->zoom(); }

void ScriptAssistant::zoomBy(int steps) {
    const int percent = steps == 0 ? 100 : qBound(kMinZoom, zoom() + steps * kZoomStep, kMaxZoom);
    highlighter_->setZoom(percent);
    lineNumbers_->setZoom(percent);
}

void ScriptAssistant::setTypingAssist(bool on) {
    typingAssist_ = on;
    if (on) colourShownLines();  // before the colours come, so that a long text is not coloured whole
    highlighter_->setColouring(on);
}

void ScriptAssistant::typed(const QString& text) {
    if (text.size() != 1) return;
    const QChar c = text.front();
    if (c == QLatin1Char('}')) return dedentClosingBrace();
    if (!typingAssist_ || popup_->isOpen()) return;
    const QTextCursor caret = box_.textCursor();
    const QString before = caret.block().text().left(caret.positionInBlock());
    if (isWordCharacter(c)) {
        qsizetype letters = 0;
        while (letters < before.size() && isWordCharacter(before.at(before.size() - 1 - letters))) ++letters;
        if (letters == kAutoCompleteLetters) complete();
        return;
    }
    // A blank opens the list only where DO's command follows: elsewhere a blank ends a word.
    if (c != QLatin1Char(' ')) return;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList words = before.split(blanks, Qt::SkipEmptyParts);
    if (!words.isEmpty() && words.constLast().compare(QStringLiteral("DO"), Qt::CaseInsensitive) == 0) complete();
}

void ScriptAssistant::dedentClosingBrace() {
    QTextCursor cursor = box_.textCursor();
    const QString before = cursor.block().text().left(cursor.positionInBlock() - 1);
    if (before.isEmpty() || before.count(QLatin1Char('\t')) != before.size()) return;
    // Its own undo step: undo gives the author the tab back.
    cursor.setPosition(cursor.block().position());
    cursor.deleteChar();
}

bool ScriptAssistant::insertClosers() {
    QTextCursor cursor = box_.textCursor();
    if (!closeBlocks_ || popup_->isOpen() || box_.isReadOnly() || cursor.hasSelection()) return false;
    const std::vector<std::string_view> closers =
        MissingClosers(box_.engineText(), static_cast<std::size_t>(cursor.position()));
    if (closers.empty()) return false;
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    const auto tabs = static_cast<int>(NewLineTabs(engineBytesFromBoxText(before)));
    const QString outer(qMax(0, tabs - 1), QLatin1Char('\t'));
    QString after;
    for (std::string_view closer : closers) after += QLatin1Char('\n') + outer + boxTextFromEngine(closer);
    const QTextCharFormat look = typedLook(cursor);
    cursor.beginEditBlock();
    cursor.insertText(QLatin1Char('\n') + QString(tabs, QLatin1Char('\t')), look);
    const int caret = cursor.position();
    cursor.insertText(after, look);
    cursor.endEditBlock();
    cursor.setPosition(caret);
    box_.setTextCursor(cursor);
    return true;
}

bool ScriptAssistant::showHover(QEvent* event) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int position = box_.cursorForPosition(help->pos()).position();
    const auto hover =
        HoverAt(box_.engineText(), static_cast<std::size_t>(position), *context_.tables, *context_.grammar);
    if (hover && pointerOnWord(box_, help->pos(), *hover)) {
        QToolTip::showText(help->globalPos(), messageFromEngine(hover->text), box_.viewport());
    } else {
        QToolTip::hideText();
    }
    return true;
}

bool ScriptAssistant::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport_) {
        if (event->type() == QEvent::ToolTip) return showHover(event);
        if (event->type() == QEvent::Resize) colourShown_.start();
        if ((event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) &&
            static_cast<QDropEvent*>(event)->mimeData()->hasUrls()) {
            event->ignore();  // a dropped file is the main window's to open, not text for the box
            return true;
        }
        if (event->type() == QEvent::Wheel && (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier)) {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0) zoomBy(delta > 0 ? 1 : -1);
            return true;
        }
        return false;
    }
    if (watched != &box_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return insertClosers();
    if (!(key->modifiers() & Qt::ControlModifier)) return false;
    switch (key->key()) {
        case Qt::Key_Space:
            complete();
            return true;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(1);
            return true;
        case Qt::Key_Minus:
            zoomBy(-1);
            return true;
        case Qt::Key_0:
            zoomBy(0);
            return true;
        default:
            return false;
    }
}

}  // namespace corvane
