#pragma once
// The "..." after the line of each folded "{", over the script box's text: the lines below it are
// hidden, not gone. It takes no mouse event; clicks reach the text under it.

#include <QList>
#include <QTextCursor>
#include <QWidget>

namespace corvane {

class ScriptTextBox;

class FoldEllipsis final : public QWidget {
    Q_OBJECT

public:
    explicit FoldEllipsis(ScriptTextBox& box);

    // Each cursor stands at a folded "{".
    void setFolds(const QList<QTextCursor>& folds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void cover();

    ScriptTextBox& box_;
    QWidget* viewport_;
    QList<QTextCursor> folds_;
};

}  // namespace corvane
