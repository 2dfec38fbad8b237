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
    auto* version = new QLabel(programVersionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);

    auto* picture = new QLabel(this);
    picture->setPixmap(programArtwork());

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(24);
    layout->addWidget(picture);
    layout->addLayout(text, 1);
    resize(560, 160);
}

}  // namespace corvane
