#pragma once
// frmAbout: the version and the change log. Esc closes it, as its button does.

#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

namespace corvane {

class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QTextEdit* changeLog() const { return rtf_; }

    // Appends one formatted line to the change log.
    void addChanges(const QString& text, bool bold, bool italic, bool underline, int points, const QColor& colour);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillChangeLog();

    QLabel* lblVersion_;
    QTextEdit* rtf_;
    QPushButton* cmdClose_;
};

}  // namespace corvane
