#pragma once
// An open language file while the author edits it: the text shown for every string, and which
// strings were edited. Strings the author left alone are written back with their original units, so
// opening and saving a file without edits gives back the very same bytes.

#include "lang/language_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

struct LanguageSave {
    std::optional<std::string> bytes;  // the whole new file, on success
    // On failure: the string, and the position in its text, of a character the file cannot hold.
    std::size_t number = 0;
    std::size_t position = 0;
    char16_t character = 0;
};

class LanguageDocument {
public:
    explicit LanguageDocument(LanguageFile file);

    std::size_t count() const { return texts_.size(); }
    // The string's text as the editor shows it. `number` must be below count().
    const std::u16string& text(std::size_t number) const { return texts_.at(number); }
    void setText(std::size_t number, std::u16string text);

    LanguageSave bytesToSave() const;

private:
    LanguageFile file_;
    std::vector<std::u16string> texts_;
    std::vector<bool> edited_;
};

}  // namespace corvane
