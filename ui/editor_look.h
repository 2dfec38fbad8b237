#pragma once
// Fonts and colours shared by the windows.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

namespace corvane {

// Courier New where it is installed, else a font with its metrics (Liberation Mono) or any
// fixed-pitch font.
QFont courierNew(qreal points);

QColor newScriptTextColour();  // light blue: a fresh or loaded script
QColor typedTextColour();      // pink: whatever the author types
QColor darkBackground();       // suits both light colours
// What replaces the cursor's selection looks like text typed there: the size of its neighbours, pink.
QTextCharFormat typedLook(const QTextCursor& at);

// "Version 0.3.0": the program's version, each number in plain decimal.
QString programVersionText();

// The picture of the splash and the about window.
QPixmap programArtwork();

// The title of every message box and the main window's caption.
QString programName();

}  // namespace corvane
