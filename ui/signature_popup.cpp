#include "ui/signature_popup.h"

#include <QKeyEvent>
#include <QScrollBar>

#include "assist/signature_help.h"
#include "ui/box_text.h"
#include "ui/editor_context.h"
#include "ui/editor_look.h"
#include "ui/popup_position.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {

constexpr qreal kSignaturePoints = 8.25;

QString escaped(std::string_view engineText) { return messageFromEngine(engineText).toHtmlEscaped(); }

// The label with the parameter being typed in bold.
QString signatureHtml(const SignatureHelp& help) {
    const std::string_view label = help.label;
    if (help.activeParameter < 0 || help.activeParameter >= static_cast<int>(help.parameters.size())) {
        return escaped(label);
    }
    const SignatureParameter& active = help.parameters[static_cast<std::size_t>(help.activeParameter)];
    const std::size_t start = std::min(active.labelStart, label.size());
    const std::size_t length = std::min(active.labelLength, label.size() - start);
    return escaped(label.substr(0, start)) + QStringLiteral("<b><u>") + escaped(label.substr(start, length)) +
           QStringLiteral("</u></b>") + escaped(label.substr(start + length));
}

}  // namespace

SignaturePopup::SignaturePopup(EditorContext& context, ScriptTextBox& box)
    : QLabel(&box, Qt::ToolTip | Qt::FramelessWindowHint), context_(context), box_(box) {
    setObjectName(QStringLiteral("lblSignature"));
    setTextFormat(Qt::RichText);
    setFont(courierNew(kSignaturePoints));
    setMargin(3);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, darkBackground().lighter(170));
    colours.setColor(QPalette::WindowText, QColor(235, 235, 235));
    setPalette(colours);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    hide();
    // A shown popup follows every caret move, the typed ones too; a typed word brings a hidden one back.
    connect(&box, &ScriptTextBox::typed, this, [this] {
        if (!isVisible()) refresh();
    });
    connect(&box, &QTextEdit::cursorPositionChanged, this, [this] {
        if (isVisible()) refresh();
    });
    // A scrolled text leaves the popup beside some other line.
    connect(box.verticalScrollBar(), &QScrollBar::valueChanged, this, &QWidget::hide);
    connect(box.horizontalScrollBar(), &QScrollBar::valueChanged, this, &QWidget::hide);
    box.installEventFilter(this);
}

void SignaturePopup::refresh() {
    const int caret = box_.textCursor().position();
    const std::optional<SignatureHelp> help =
        SignatureHelpAt(box_.engineText(), static_cast<std::size_t>(caret), *context_.tables, *context_.grammar);
    if (!help || help->label.empty() || !box_.isVisible()) {
        hide();
        return;
    }
    setText(signatureHtml(*help));
    adjustSize();
    place();
    show();
}

void SignaturePopup::place() {
    const QRect line = box_.cursorRect();
    const QRect caret(box_.viewport()->mapToGlobal(line.topLeft()), line.size());
    move(popupPositionAtCaret(caret, size(), box_.screen(), PopupSide::Above));
}

bool SignaturePopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &box_) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) hide();
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) hide();
    }
    return QLabel::eventFilter(watched, event);
}

}  // namespace corvane
