#pragma once
// The margin left of the script box with the line numbers; the caret's line number stands out.

#include <QWidget>

namespace corvane {

class ScriptTextBox;

class LineNumberArea final : public QWidget {
    Q_OBJECT

public:
    explicit LineNumberArea(ScriptTextBox& box);

    // Text size in percent, as the box shows its text.
    void setZoom(int percent);
    QSize sizeHint() const override { return {areaWidth(), 0}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int areaWidth() const;
    void updateWidth();
    void place();

    ScriptTextBox& box_;
    int zoom_ = 100;
};

}  // namespace corvane
