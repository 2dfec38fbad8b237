#include "ui/editor_look.h"

#include <QStringList>

namespace corvane {

QFont courierNew(qreal points) {
    QFont font(QStringLiteral("Courier New"));
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    return font;
}

QColor newScriptTextColour() { return QColor(192, 192, 255); }
QColor typedTextColour() { return QColor(255, 192, 192); }
QColor darkBackground() { return QColor(20, 24, 40); }

QString programVersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(CORVANE_VERSION_MAJOR).arg(CORVANE_VERSION_MINOR).arg(CORVANE_VERSION_PATCH);
}

QString programName() { return QStringLiteral("Corvane Scripter Tools"); }

}  // namespace corvane
