#pragma once
// frmSplash: shown while the language tables are built.

#include <QFrame>

class QLabel;

namespace corvane {

class SplashWindow final : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

    QLabel* versionLabel() const { return lblVersion_; }

private:
    QLabel* lblVersion_;
};

}  // namespace corvane
