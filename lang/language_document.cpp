#include "lang/language_document.h"

#include <algorithm>

#include "lang/language_text.h"

namespace corvane {

LanguageDocument::LanguageDocument(LanguageFile file) : file_(std::move(file)) {
    texts_.reserve(file_.strings.size());
    for (const auto& units : file_.strings) texts_.push_back(TextFromUnits(units));
}

LanguageDocument::EditedString LanguageDocument::EditOf(std::size_t number) const {
    if (const auto found = edits_.find(number); found != edits_.end()) return found->second;
    const std::u16string& units = file_.strings[number];
    return {units, std::vector<bool>(units.size(), false)};
}

void LanguageDocument::SetText(std::size_t number, std::u16string text) {
    const std::u16string& before = texts_.at(number);
    // A text edited back to what the file holds keeps its original units.
    if (text == TextFromUnits(file_.strings[number])) {
        edits_.erase(number);
        texts_[number] = std::move(text);
        return;
    }
    // What changed lies between the longest common start and the longest common end.
    const auto shorter = std::min(before.size(), text.size());
    const auto start = static_cast<std::size_t>(
        std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shorter), text.begin()).first -
        before.begin());
    const auto end = static_cast<std::size_t>(
        std::mismatch(before.rbegin(), before.rbegin() + static_cast<std::ptrdiff_t>(shorter - start), text.rbegin())
            .first -
        before.rbegin());
    const EditedString old = EditOf(number);
    EditedString edited;
    edited.values = old.values.substr(0, start) + text.substr(start, text.size() - start - end) +
                    old.values.substr(old.values.size() - end);
    edited.typed.assign(old.typed.begin(), old.typed.begin() + static_cast<std::ptrdiff_t>(start));
    edited.typed.resize(start + text.size() - start - end, true);
    edited.typed.insert(edited.typed.end(), old.typed.end() - static_cast<std::ptrdiff_t>(end), old.typed.end());
    edits_[number] = std::move(edited);
    texts_[number] = std::move(text);
}

std::u16string LanguageDocument::ListText(std::size_t number) const {
    const EditedString string = EditOf(number);
    std::u16string text;
    for (std::size_t i = 0; i < string.values.size(); ++i) {
        const char16_t value = string.values[i];
        if (string.typed[i]) {
            text.push_back(value);
        } else {
            text += ListTextOfUnit(value);
        }
    }
    return text;
}

std::optional<LanguageSave> LanguageDocument::UnsavableCharacter(std::size_t number) const {
    const auto found = edits_.find(number);
    if (found == edits_.end()) return std::nullopt;
    const EditedString& edited = found->second;
    for (std::size_t i = 0; i < edited.values.size(); ++i) {
        if (edited.typed[i] && !UnitOfTypedCharacter(edited.values[i])) {
            LanguageSave save;
            save.number = number;
            save.position = i;
            save.character = edited.values[i];
            return save;
        }
    }
    return std::nullopt;
}

LanguageSave LanguageDocument::BytesToSave() const {
    LanguageFile out = file_;
    for (const auto& [number, edited] : edits_) {
        if (auto refusal = UnsavableCharacter(number)) return *refusal;
        std::u16string& units = out.strings[number];
        units = edited.values;
        for (std::size_t i = 0; i < units.size(); ++i)
            if (edited.typed[i]) units[i] = *UnitOfTypedCharacter(units[i]);
    }
    LanguageSave save;
    save.bytes = WriteLanguageFile(out);
    return save;
}

}  // namespace corvane
