#include "assist/text_search.h"

#include "core/script_words.h"
#include "text/windows_1252.h"

namespace corvane {

namespace {

// Script text is Windows-1252: "é" finds "É" as "e" finds "E".
bool SameCharacter(char a, char b, bool matchCase) {
    return matchCase ? a == b : UpperWindows1252(a) == UpperWindows1252(b);
}

bool BoundedByBlanks(std::string_view text, std::size_t position, std::size_t length) {
    const bool blankBefore = position == 0 || IsScriptBlank(text[position - 1]);
    const bool blankAfter = position + length >= text.size() || IsScriptBlank(text[position + length]);
    return blankBefore && blankAfter;
}

}  // namespace

bool MatchesAt(std::string_view text, std::size_t position, std::string_view needle, const SearchOptions& options) {
    if (needle.empty() || position > text.size() || text.size() - position < needle.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        if (!SameCharacter(text[position + i], needle[i], options.matchCase)) return false;
    }
    return !options.wholeWords || BoundedByBlanks(text, position, needle.size());
}

std::vector<std::size_t> FindMatches(std::string_view text, std::string_view needle, const SearchOptions& options,
                                     std::size_t limit) {
    std::vector<std::size_t> found;
    if (needle.empty()) return found;
    for (std::size_t at = 0; at + needle.size() <= text.size() && found.size() < limit;) {
        if (MatchesAt(text, at, needle, options)) {
            found.push_back(at);
            at += needle.size();
        } else {
            ++at;
        }
    }
    return found;
}

std::optional<FoundMatch> NextMatch(std::string_view text, std::string_view needle, std::size_t from,
                                    const SearchOptions& options) {
    if (needle.empty()) return std::nullopt;
    for (std::size_t at = from; at + needle.size() <= text.size(); ++at) {
        if (MatchesAt(text, at, needle, options)) return FoundMatch{at, false};
    }
    if (!options.wrapAround) return std::nullopt;
    for (std::size_t at = 0; at < from && at + needle.size() <= text.size(); ++at) {
        if (MatchesAt(text, at, needle, options)) return FoundMatch{at, true};
    }
    return std::nullopt;
}

std::optional<FoundMatch> PreviousMatch(std::string_view text, std::string_view needle, std::size_t before,
                                        const SearchOptions& options) {
    if (needle.empty() || needle.size() > text.size()) return std::nullopt;
    const std::size_t last = text.size() - needle.size();
    for (std::size_t at = std::min(before, last + 1); at-- > 0;) {
        if (MatchesAt(text, at, needle, options)) return FoundMatch{at, false};
    }
    if (!options.wrapAround) return std::nullopt;
    for (std::size_t at = last + 1; at-- > before;) {
        if (MatchesAt(text, at, needle, options)) return FoundMatch{at, true};
    }
    return std::nullopt;
}

ReplaceStep PlanReplace(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                        std::string_view needle, std::string_view replacement, const SearchOptions& options) {
    ReplaceStep step;
    if (selectionLength != needle.size() || !MatchesAt(text, selectionStart, needle, options)) {
        // Nothing to replace yet: the first Replace only finds.
        step.next = NextMatch(text, needle, selectionStart, options);
        return step;
    }
    std::string after(text.substr(0, selectionStart));
    after += replacement;
    after += text.substr(selectionStart + selectionLength);
    step.replaced = selectionStart;
    step.next = NextMatch(after, needle, selectionStart + replacement.size(), options);
    return step;
}

}  // namespace corvane
