#include "lang/language_filter.h"

#include "lang/language_text.h"

namespace corvane {

std::u16string LanguageListLine(const LanguageDocument& document, std::size_t number) {
    const std::string prefix = std::to_string(number) + ": ";
    return std::u16string(prefix.begin(), prefix.end()) + document.ListText(number);
}

std::u16string LanguageReferenceText(const std::optional<LanguageFile>& reference, std::size_t number) {
    if (!reference || number >= reference->strings.size()) return {};
    return TextFromUnits(reference->strings[number]);
}

std::vector<bool> StringsKeptByFilter(const LanguageDocument& document, const std::optional<LanguageFile>& reference,
                                      const std::u16string& filter, const TextHoldsFilter& holds) {
    std::vector<bool> kept(document.Count(), true);
    if (filter.empty()) return kept;
    for (std::size_t number = 0; number < kept.size(); ++number) {
        kept[number] = holds(LanguageListLine(document, number), filter) ||
                       holds(LanguageReferenceText(reference, number), filter);
    }
    return kept;
}

std::optional<std::size_t> NextKeptString(const std::vector<bool>& kept, std::optional<std::size_t> current) {
    const std::size_t count = kept.size();
    // Before the first string is one step before string 0.
    const std::size_t from = current ? *current : count - 1;
    for (std::size_t step = 1; step <= count; ++step) {
        const std::size_t number = (from + step) % count;
        if (kept[number]) return number;
    }
    return std::nullopt;
}

}  // namespace corvane
