#include "ui/quick_fixes.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <memory>

#include "ui/editor_look.h"
#include "ui/script_assistant.h"
#include "ui/script_host.h"
#include "ui/script_problem.h"
#include "ui/script_text_box.h"

namespace corvane {

QuickFixes::QuickFixes(ScriptTextBox& box, ScriptAssistant& assistant, ScriptHost& host)
    : QObject(&box), box_(box), viewport_(box.viewport()), assistant_(assistant), host_(host) {
    viewport_->installEventFilter(this);
}

QList<QAction*> QuickFixes::fixItems(int position, QMenu* menu) {
    QList<QAction*> items;
    const int index = assistant_.problemAt(position);
    if (index < 0) return items;
    for (const ProblemFix& fix : assistant_.problems()[static_cast<std::size_t>(index)].fixes) {
        QAction* item = new QAction(fix.title, menu);
        item->setObjectName(QStringLiteral("mnuQuickFix"));
        // A copy: the next check replaces the problems while the menu may still be open.
        connect(item, &QAction::triggered, this, [this, fix] { apply(fix); });
        items << item;
    }
    return items;
}

void QuickFixes::apply(const ProblemFix& fix) {
    QTextCursor cursor = fix.range;
    cursor.beginEditBlock();
    cursor.insertText(fix.replacement, typedLook(cursor));
    cursor.endEditBlock();
    box_.setTextCursor(cursor);
    box_.setFocus();
}

void QuickFixes::showAtCaret() {
    QMenu menu(&box_);
    menu.setObjectName(QStringLiteral("mnuQuickFixes"));
    const QList<QAction*> items = fixItems(box_.textCursor().position(), &menu);
    if (items.isEmpty()) {
        host_.setStatus(QStringLiteral("No quick fix at the caret"));
        return;
    }
    menu.addActions(items);
    menu.setActiveAction(items.first());
    menu.exec(box_.viewport()->mapToGlobal(box_.cursorRect().bottomLeft()));
}

bool QuickFixes::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_ || event->type() != QEvent::ContextMenu) return false;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    const std::unique_ptr<QMenu> menu(box_.createStandardContextMenu(request->pos()));
    // The box finds the nearest place also for a click far right of a line's end: that is no word.
    const QTextCursor at = box_.cursorForPosition(request->pos());
    const bool onText = request->pos().x() <= box_.cursorRect(at).right() + box_.fontMetrics().averageCharWidth();
    const QList<QAction*> items = onText ? fixItems(at.position(), menu.get()) : QList<QAction*>();
    if (items.isEmpty()) return false;  // the box's own menu
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().first();
    menu->insertActions(first, items);
    menu->insertSeparator(first);
    menu->exec(request->globalPos());
    return true;
}

}  // namespace corvane
