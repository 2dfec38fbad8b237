#pragma once
// frmSplash: shown while the language tables are built.

#include <QFrame>

namespace corvane {

class SplashWindow final : public QFrame {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);
};

}  // namespace corvane
