#include "assist/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace corvane {
namespace {

constexpr SearchOptions kMatchCase{.matchCase = true}, kWholeWords{.wholeWords = true};

// A match as the find box reports it: where, and whether the search went round to find it.
std::string Shown(const std::optional<FoundMatch>& match) {
    if (!match) return "none";
    return std::to_string(match->position) + (match->wrapped ? " wrapped" : "");
}

TEST(TextSearch, MatchesWithCaseAndWholeWords) {
    const std::string text = "DO attack VAR_1\n\tSET VAR_10 Attack\tvar_1 \xE9t\xC9";
    const std::tuple<const char*, SearchOptions, std::vector<std::size_t>> cases[] = {
        {"attack", {}, {3, 28}},
        {"attack", kMatchCase, {3}},
        {"VAR_1", {}, {10, 21, 35}},       // VAR_10 holds it
        {"VAR_1", kWholeWords, {10, 35}},  // bounded by a line feed, a tab, a blank
        {"VAR_1", {.matchCase = true, .wholeWords = true}, {10}},
        {"\xC9T\xE9", {}, {41}},         // Windows-1252 letters fold as ASCII ones do
        {"ttack VAR", kWholeWords, {}},  // whole words on both ends
        {"", {}, {}},
    };
    for (const auto& [needle, options, expected] : cases)
        EXPECT_EQ(FindMatches(text, needle, options), expected) << needle;
    // Matches never overlap, so Replace All replaces each piece of text once; the limit stops early.
    EXPECT_EQ(FindMatches("aaaaa", "aa", {}), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(FindMatches("aaaaa", "a", {}, 3), (std::vector<std::size_t>{0, 1, 2}));
}

TEST(TextSearch, NextAndPreviousGoRoundOnlyWhenAsked) {
    const std::string text = "IF x { } IF y { } ENDIF";
    const std::tuple<bool, std::size_t, bool, const char*> cases[] = {
        // forward, from, wrap around, found
        {true, 0, true, "0"},  {true, 1, true, "9"},          {true, 10, true, "0 wrapped"}, {true, 10, false, "none"},
        {false, 9, true, "0"}, {false, 0, true, "9 wrapped"}, {false, 0, false, "none"},     {false, 100, true, "9"},
    };
    for (const auto& [forward, from, wrapAround, found] : cases) {
        const SearchOptions options{.matchCase = true, .wholeWords = true, .wrapAround = wrapAround};
        EXPECT_EQ(Shown(forward ? NextMatch(text, "IF", from, options) : PreviousMatch(text, "IF", from, options)),
                  found)
            << forward << " from " << from;
    }
    EXPECT_FALSE(NextMatch("abc", "abcd", 0, {}));
}

TEST(TextSearch, ReplaceReplacesTheSelectedMatchAndFindsTheNext) {
    const std::tuple<const char*, std::size_t, std::size_t, const char*, std::optional<std::size_t>, const char*>
        cases[] = {
            // text, selection start and length, replacement, where it is replaced, the match found next
            {"a a a", 2, 1, "bb", 2, "5"},   // the next one is searched in the text after replacing
            {"a a a", 1, 0, "bb", {}, "2"},  // a caret, no match selected: only finds
            {"a a a", 0, 3, "bb", {}, "0"},  // a selection that is no match: only finds
            {"a", 0, 1, "aa", 0, "none"},    // "aa" holds no whole word "a" to find next
            {"a b", 0, 1, "", 0, "none"},    // the last one replaced
        };
    for (const auto& [text, start, length, replacement, replaced, next] : cases) {
        const ReplaceStep step = PlanReplace(text, start, length, "A", replacement, kWholeWords);
        EXPECT_EQ(step.replaced, replaced) << text << " at " << start;
        EXPECT_EQ(Shown(step.next), next) << text << " at " << start;
    }
}

}  // namespace
}  // namespace corvane
