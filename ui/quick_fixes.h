#pragma once
// Quick fixes in the script box: Ctrl+. and the context menu on a marked word offer the engine's
// mends of that problem ("Replace with ...", "Insert }"); each one applied is one undo step.

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace corvane {

class ScriptAssistant;
class ScriptHost;
class ScriptTextBox;
struct ProblemFix;

class QuickFixes final : public QObject {
    Q_OBJECT

public:
    QuickFixes(ScriptTextBox& box, ScriptAssistant& assistant, ScriptHost& host);

    // One item per fix of the problem at the box position, children of `menu`; none when the
    // position holds no problem with fixes.
    QList<QAction*> fixItems(int position, QMenu* menu);
    // Ctrl+.: the fixes at the caret in a menu under it; the status bar says when there are none.
    void showAtCaret();
    void apply(const ProblemFix& fix);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScriptTextBox& box_;
    QWidget* viewport_;  // kept: while the box is destroyed its viewport still sends events
    ScriptAssistant& assistant_;
    ScriptHost& host_;
};

}  // namespace corvane
