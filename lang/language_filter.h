#pragma once
// The language editor's filter and its Find Next. A translator looks for a string by its own text or
// by the reference file's string of the same number. Whether a text holds the filter is the caller's
// to say: the window ignores letter case as its toolkit does.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lang/language_document.h"
#include "lang/language_file.h"

namespace corvane {

// The list's line for a string: its number, ": " and its list text.
std::u16string LanguageListLine(const LanguageDocument& document, std::size_t number);

// The reference's string of that number as the box shows it; empty when the reference has none.
std::u16string LanguageReferenceText(const std::optional<LanguageFile>& reference, std::size_t number);

using TextHoldsFilter = std::function<bool(const std::u16string& text, const std::u16string& filter)>;

// Which strings the filter keeps, by number: all while the filter is empty, else those whose list
// line or reference text holds it.
std::vector<bool> StringsKeptByFilter(const LanguageDocument& document, const std::optional<LanguageFile>& reference,
                                      const std::u16string& filter, const TextHoldsFilter& holds);

// Find Next: the first kept string after `current` (nothing: before the first), from the top again
// after the last, `current` itself last of all; nothing when no string is kept.
std::optional<std::size_t> NextKeptString(const std::vector<bool>& kept, std::optional<std::size_t> current);

}  // namespace corvane
