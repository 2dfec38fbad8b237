#include "ui/common/shown_path.h"

#include <string_view>

#include "support/shown_path.h"

namespace corvane {

namespace {

std::u16string_view unitsOf(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

}  // namespace

QString shownPath(const QString& path, const QFontMetrics& metrics, int width) {
    return metrics.elidedText(QString::fromStdU16String(WithVisibleControls(unitsOf(path))), Qt::ElideMiddle, width);
}

QString captionPath(const QString& path) { return QString::fromStdU16String(CaptionPath(unitsOf(path))); }

}  // namespace corvane
