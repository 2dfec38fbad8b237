#pragma once
// Esc without a modifier closes the editor's small windows (Find, the word lists, About), as their
// Close button or box does.

class QKeyEvent;
class QWidget;

namespace corvane {

// Closes `window` for a plain Esc and says so; any other key is left to the window.
bool closeOnEscape(QWidget& window, const QKeyEvent& event);

}  // namespace corvane
