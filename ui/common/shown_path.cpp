#include "ui/common/shown_path.h"

#include <QList>

namespace corvane {

namespace {

bool isBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

QString withVisibleControls(const QString& path) {
    QString shown;
    shown.reserve(path.size());
    for (const uint code : path.toUcs4()) {
        const auto c = static_cast<char32_t>(code);
        if (isBidiControl(c)) {
            shown += QStringLiteral("\u27E6U+%1\u27E7").arg(code, 4, 16, QLatin1Char('0')).toUpper();
        } else {
            shown += QString::fromUcs4(&c, 1);
        }
    }
    return shown;
}

QString shownPath(const QString& path, const QFontMetrics& metrics, int width) {
    return metrics.elidedText(withVisibleControls(path), Qt::ElideMiddle, width);
}

QString captionPath(const QString& path) {
    const QString shown = withVisibleControls(path);
    if (shown.size() <= kMaxCaptionPathLength) return shown;
    const int half = (kMaxCaptionPathLength - 1) / 2;
    return shown.left(half) + QChar(0x2026) + shown.right(kMaxCaptionPathLength - 1 - half);
}

}  // namespace corvane
