#include "ui/problems_dock.h"

#include <QListWidget>
#include <QTextDocument>

#include "text/text_index.h"
#include "ui/box_text.h"
#include "ui/editor_look.h"

namespace corvane {

namespace {

TextIndex indexOf(const QTextDocument& document) { return TextIndex(engineBytesFromBoxText(typedText(document))); }

QString lineAndColumn(const TextIndex& index, const QTextCursor& word) {
    const TextPosition at = index.PositionAt(static_cast<std::size_t>(word.selectionStart()));
    return QString::number(at.line + 1) + QLatin1Char(':') + QString::number(at.column + 1);
}

}  // namespace

QString lineAndColumn(const QTextCursor& word) {
    return word.document() != nullptr ? lineAndColumn(indexOf(*word.document()), word) : QString();
}

namespace {
constexpr qreal kListPoints = 8.25;
QColor errorColour() { return QColor(255, 120, 120); }
QColor warningColour() { return QColor(240, 200, 90); }
}  // namespace

ProblemsDock::ProblemsDock(QWidget* parent) : QDockWidget(QStringLiteral("Problems"), parent) {
    setObjectName(QStringLiteral("dockProblems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstProblems"));
    list_->setFont(courierNew(kListPoints));
    QPalette colours = list_->palette();
    colours.setColor(QPalette::Base, darkBackground().darker(115));
    colours.setColor(QPalette::Text, QColor(224, 224, 224));
    list_->setPalette(colours);
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit problemChosen(list_->row(item)); });
}

void ProblemsDock::showProblems(const std::vector<ScriptProblem>& problems, std::size_t more) {
    list_->clear();
    if (problems.empty()) return;
    const TextIndex index = indexOf(*problems.front().word.document());  // once for all the problems
    for (const ScriptProblem& problem : problems) {
        auto* item =
            new QListWidgetItem(lineAndColumn(index, problem.word) + QStringLiteral("  ") + problem.message, list_);
        item->setForeground(problem.error ? errorColour() : warningColour());
    }
    if (more > 0) {
        auto* item = new QListWidgetItem(
            QStringLiteral("and %1 more problem%2").arg(more).arg(QLatin1String(more == 1 ? "" : "s")), list_);
        item->setForeground(warningColour());
    }
}

void ProblemsDock::setCurrent(int index) { list_->setCurrentRow(index); }

}  // namespace corvane
