#include "ui/about_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/editor_look.h"
#include "ui/escape_closes.h"

namespace corvane {

namespace {

const QColor kGreen(0, 192, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(programArtwork());
    auto* title = new QLabel(QStringLiteral("<b>") + programName() + QStringLiteral("</b>"), this);
    lblVersion_ = new QLabel(programVersionText(), this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    auto* credits = new QLabel(QStringLiteral("Scripts for the computer players of\nPopulous: The Beginning"), this);

    rtf_ = new QTextEdit(this);
    rtf_->setObjectName(QStringLiteral("RTF"));
    rtf_->setReadOnly(true);
    rtf_->setFont(courierNew(9));
    rtf_->setFocusPolicy(Qt::NoFocus);  // the log never holds a caret
    rtf_->setLineWrapMode(QTextEdit::NoWrap);
    QPalette colours = rtf_->palette();
    colours.setColor(QPalette::Base, QColor(0, 0, 0));
    rtf_->setPalette(colours);

    cmdClose_ = new QPushButton(QStringLiteral("It surely is a nice program!"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(lblVersion_, 1, 1);
    layout->addWidget(credits, 2, 1);
    layout->addWidget(rtf_, 3, 0, 1, 2);
    layout->addWidget(cmdClose_, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    fillChangeLog();
    setFixedSize(620, 420);
    cmdClose_->setFocus();
}

void AboutWindow::addChanges(const QString& text, bool bold, bool italic, bool underline, int points,
                             const QColor& colour) {
    QTextCursor cursor(rtf_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    format.setFontPointSize(points);
    format.setForeground(colour);
    cursor.insertText(text + QLatin1Char('\n'), format);
}

void AboutWindow::fillChangeLog() {
    const QString rule(49, QLatin1Char('-'));
    const auto heading = [this](const QString& text, int points, const QColor& colour) {
        addChanges(text, true, false, false, points, colour);
    };
    const auto change = [this](const QString& text) { addChanges(text, false, true, false, 8, kWhite); };
    heading(QStringLiteral("Change Log since v0.2.5"), 10, kGreen);
    heading(QString(49, QLatin1Char('=')), 10, kGreen);
    heading(QStringLiteral("Version 0.3.1:"), 9, kWhite);
    change(QStringLiteral("- Fixed a bug that would crash the syntax checker when } is used more than {"));
    heading(rule, 10, kGreen);
    heading(QStringLiteral("Version 0.3.0:"), 9, kWhite);
    change(QStringLiteral("- Added Automatic Update Feature"));
    heading(rule, 10, kGreen);
    heading(QStringLiteral("Version 0.2.5:"), 9, kWhite);
    change(QStringLiteral("- Added Language Editor"));
    change(QStringLiteral("- Added Change Log"));
    rtf_->moveCursor(QTextCursor::Start);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (!closeOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

}  // namespace corvane
