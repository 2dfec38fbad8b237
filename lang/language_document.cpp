#include "lang/language_document.h"

#include "lang/language_text.h"

namespace corvane {

LanguageDocument::LanguageDocument(LanguageFile file) : file_(std::move(file)), edited_(file_.strings.size()) {
    texts_.reserve(file_.strings.size());
    for (const auto& units : file_.strings) texts_.push_back(TextFromUnits(units));
}

void LanguageDocument::setText(std::size_t number, std::u16string text) {
    // A text edited back to what the file holds keeps its original units, even where they are not
    // Windows-1252 codes.
    edited_.at(number) = text != TextFromUnits(file_.strings[number]);
    texts_[number] = std::move(text);
}

LanguageSave LanguageDocument::bytesToSave() const {
    LanguageSave save;
    LanguageFile out{{}, file_.leftover};
    out.strings.reserve(texts_.size());
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (!edited_[i]) {
            out.strings.push_back(file_.strings[i]);
            continue;
        }
        auto encoded = UnitsFromText(texts_[i]);
        if (!encoded.units) {
            save.number = i;
            save.position = encoded.position;
            save.character = encoded.character;
            return save;
        }
        out.strings.push_back(std::move(*encoded.units));
    }
    save.bytes = WriteLanguageFile(out);
    return save;
}

}  // namespace corvane
