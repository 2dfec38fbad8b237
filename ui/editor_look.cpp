#include "ui/editor_look.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QStringList>

#include "corvane_version.h"

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

QTextCharFormat typedLook(const QTextCursor& at) {
    QTextCharFormat look = at.charFormat();
    look.setForeground(typedTextColour());
    return look;
}
QColor darkBackground() { return QColor(20, 24, 40); }

QString programVersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch);
}

QPixmap programArtwork() {
    QPixmap picture(96, 96);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 96);
    sky.setColorAt(0, QColor(40, 60, 140));
    sky.setColorAt(1, QColor(200, 120, 40));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(30, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygon({QPoint(8, 88), QPoint(48, 24), QPoint(88, 88)}));
    painter.setPen(QColor(255, 255, 255));
    painter.setFont(courierNew(14));
    painter.drawText(picture.rect().adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("CST"));
    return picture;
}

QString programName() { return QStringLiteral("Corvane Scripter Tools"); }

}  // namespace corvane
