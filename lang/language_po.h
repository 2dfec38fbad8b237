#pragma once
// A language file as a gettext PO file for translators' tools, and such a file brought back. Each
// string is one entry keyed by its number (msgctxt); msgid is the reference language's string when a
// reference file is given, else the string itself; msgstr is the string itself. Line breaks are LF
// in the PO file, as translators' tools expect; each string gets its own breaks (CR LF, CR) back.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lang/language_document.h"
#include "lang/language_file.h"

namespace corvane {

// The PO text (UTF-8). `reference` may be null; a string the reference lacks keeps its own text as
// msgid.
std::string ExportLanguagePo(const LanguageFile& file, const LanguageFile* reference, std::string_view fileName);

struct LanguageImport {
    std::optional<std::string> bytes;  // the whole new file, on success
    std::string error;                 // why nothing can be written, on failure
    std::size_t changed = 0;           // strings whose text differs from the file's
    std::size_t fuzzy = 0;             // entries marked fuzzy, which change nothing
};

// Applies the PO file's msgstr texts to `file`. Only strings whose text differs change, and within
// them only the characters that differ; every other unit, units above 255 and whatever follows the
// last string included, stays as it was. An empty msgstr (not translated yet) and a fuzzy entry
// leave their string alone.
LanguageImport ImportLanguagePo(const LanguageFile& file, std::string_view poText);

// "string 12 holds the character U+20AC at position 3, which a language file cannot hold."
std::string UnsavableCharacterMessage(const LanguageSave& save);

}  // namespace corvane
