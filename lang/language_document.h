#pragma once
// An open language file while the author edits it: the text shown for every string, and what each
// edited string will be written as. An edit changes only the characters the author changed: the
// units before and after them keep their exact values, also units above 255, which are no
// Windows-1252 codes. Opening and saving a file without edits gives back the very same bytes.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lang/language_file.h"

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

    std::size_t Count() const { return texts_.size(); }
    // The string's text as the editor's box shows it. `number` must be below Count().
    const std::u16string& Text(std::size_t number) const { return texts_.at(number); }
    // The text for the list, where a unit above 255 shows as ListTextOfUnit says, so that it cannot
    // be taken for the Windows-1252 character it looks like.
    std::u16string ListText(std::size_t number) const;
    void SetText(std::size_t number, std::u16string text);

    // True while some string would be written differently from the file.
    bool IsModified() const { return !edits_.empty(); }
    // Whether this string would be written differently from the file.
    bool IsEdited(std::size_t number) const { return edits_.count(number) != 0; }
    // The first typed character of the string that a language file cannot hold: the string's
    // number, the character and its position. Nothing when the string can be saved.
    std::optional<LanguageSave> UnsavableCharacter(std::size_t number) const;

    LanguageSave BytesToSave() const;

private:
    // An edited string, character by character: a unit of the file kept as it is, or a character the
    // author typed, which is written as its Windows-1252 code.
    struct EditedString {
        std::u16string values;
        std::vector<bool> typed;
    };

    EditedString EditOf(std::size_t number) const;

    LanguageFile file_;
    std::vector<std::u16string> texts_;
    std::map<std::size_t, EditedString> edits_;
};

}  // namespace corvane
