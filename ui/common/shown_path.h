#pragma once
// File names as menus and captions show them: characters that reorder text (a right-to-left
// override would show "exe.txt" as "txt.exe") appear as their code, and a name too long for the
// place is shortened in the middle, so that the folder's start and the file's name stay readable.

#include <QFontMetrics>
#include <QString>

namespace corvane {

// `path` with each bidirectional control character written as "⟦U+202E⟧".
QString withVisibleControls(const QString& path);

// For a menu item drawn with `metrics`: at most `width` pixels wide.
QString shownPath(const QString& path, const QFontMetrics& metrics, int width);

// For a window caption, whose font the program does not know: at most kMaxCaptionPathLength
// characters.
inline constexpr int kMaxCaptionPathLength = 160;
QString captionPath(const QString& path);

}  // namespace corvane
