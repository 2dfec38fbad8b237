#include "ui/splash_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/editor_look.h"

namespace corvane {

SplashWindow::SplashWindow(QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, darkBackground());
    colours.setColor(QPalette::WindowText, newScriptTextColour());
    setPalette(colours);

    auto* title = new QLabel(programName(), this);
    QFont titleFont = courierNew(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    lblVersion_ = new QLabel(programVersionText(), this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    layout->addWidget(title);
    layout->addWidget(lblVersion_);
    resize(480, 200);
}

}  // namespace corvane
