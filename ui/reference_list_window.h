#pragma once
// frmCommandList, frmVariableList, frmKeywords: one read-only list of the language's words. A
// filter box above the list keeps the lines that hold its text; double-clicking a line offers its
// first word to the script. Esc closes it.

#include <QMdiSubWindow>
#include <QStringList>

#include "assist/reference_lists.h"

class QLineEdit;
class QPlainTextEdit;

namespace corvane {

class ReferenceListWindow final : public QMdiSubWindow {
    Q_OBJECT

public:
    ReferenceListWindow(ReferenceList list, const QString& listText, QWidget* parent = nullptr);

    QPlainTextEdit* textBox() const { return text_; }
    QLineEdit* filterBox() const { return filter_; }

signals:
    void wordChosen(const QString& word);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyFilter(const QString& filter);

    QPlainTextEdit* text_;
    QLineEdit* filter_;
    QString listText_;
};

}  // namespace corvane
