#pragma once
// Text between the script box and the engine. The engine reads Windows-1252 bytes, as the game
// does; the box counts QChars and one character per line break. Converting one byte per QChar keeps
// every position the engine reports equal to the same position in the box.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "assist/layout_edits.h"

class QTextDocument;

namespace corvane {

// The QChars of `text` as the engine's text functions take them.
inline std::u16string_view utf16Of(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// The box's text as engine bytes: Windows-1252 characters as their codes, any other QChar as "?"
// (which stays part of its word).
std::string engineBytesFromBoxText(const QString& boxText);

// A blank between script words as the box holds it, its own line break (in selected text) too.
bool isScriptBlank(QChar c);

// The document's text as typed, line breaks as LF. Unlike toPlainText(), a no-break space stays one
// (toPlainText() makes it a blank, which would split the word it stands in).
QString typedText(const QTextDocument& document);

// Text with CR LF or CR line breaks as the box shows it (LF line breaks).
QString boxText(QString text);

// Engine text (Windows-1252 bytes, CR LF line breaks) as the box shows it (LF line breaks).
QString boxTextFromEngine(std::string_view engineText);

// Changes of blanks made by the engine (from the last to the first), as one undo step; each word
// keeps its characters and colour.
void applyBlankEdits(QTextDocument& document, const std::vector<BlankEdit>& edits);

// An engine message for a message box: Windows-1252 bytes, CR LF kept.
QString messageFromEngine(std::string_view engineText);

}  // namespace corvane
