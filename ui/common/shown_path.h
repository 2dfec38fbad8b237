#pragma once
// File names as menus and captions show them (support/shown_path.h says how), for the windows.

#include <QFontMetrics>
#include <QString>

namespace corvane {

// For a menu item drawn with `metrics`: at most `width` pixels wide.
QString shownPath(const QString& path, const QFontMetrics& metrics, int width);

// For a window caption.
QString captionPath(const QString& path);

}  // namespace corvane
