#include "assist/text_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

SearchOptions Options(bool matchCase, bool wholeWords, bool wrapAround = true) {
    return {matchCase, wholeWords, wrapAround};
}

TEST(TextSearch, MatchesWithCaseAndWholeWords) {
    const std::string text = "DO attack VAR_1\n\tSET VAR_10 Attack\tvar_1 \xE9t\xC9";
    const std::tuple<const char*, SearchOptions, std::vector<std::size_t>> cases[] = {
        {"attack", Options(false, false), {3, 28}},
        {"attack", Options(true, false), {3}},
        {"VAR_1", Options(false, false), {10, 21, 35}},  // VAR_10 holds it
        {"VAR_1", Options(false, true), {10, 35}},       // bounded by a line feed, a tab, a blank
        {"VAR_1", Options(true, true), {10}},
        {"\xC9T\xE9", Options(false, false), {41}},  // Windows-1252 letters fold as ASCII ones do
        {"ttack VAR", Options(false, true), {}},     // whole words on both ends
        {"", Options(false, false), {}},
    };
    for (const auto& [needle, options, expected] : cases)
        EXPECT_EQ(FindMatches(text, needle, options), expected) << needle;
    // Matches never overlap, so Replace All replaces each piece of text once; the limit stops early.
    EXPECT_EQ(FindMatches("aaaaa", "aa", Options(false, false)), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(FindMatches("aaaaa", "a", Options(false, false), 3), (std::vector<std::size_t>{0, 1, 2}));
}

TEST(TextSearch, NextAndPreviousGoRoundOnlyWhenAsked) {
    const std::string text = "IF x { } IF y { } ENDIF";
    const struct {
        bool forward;
        std::size_t from;
        bool wrapAround;
        std::optional<std::size_t> position;
        bool wrapped;
    } cases[] = {
        {true, 0, true, 0, false},    {true, 1, true, 9, false},    {true, 10, true, 0, true},
        {true, 10, false, {}, false}, {false, 9, true, 0, false},   {false, 0, true, 9, true},
        {false, 0, false, {}, false}, {false, 100, true, 9, false},
    };
    for (const auto& c : cases) {
        const SearchOptions options = Options(true, true, c.wrapAround);
        const auto found =
            c.forward ? NextMatch(text, "IF", c.from, options) : PreviousMatch(text, "IF", c.from, options);
        ASSERT_EQ(found.has_value(), c.position.has_value()) << c.forward << " from " << c.from;
        if (!found) continue;
        EXPECT_EQ(found->position, *c.position) << c.forward << " from " << c.from;
        EXPECT_EQ(found->wrapped, c.wrapped) << c.forward << " from " << c.from;
    }
    EXPECT_FALSE(NextMatch("abc", "abcd", 0, Options(false, false)));
}

TEST(TextSearch, ReplaceReplacesTheSelectedMatchAndFindsTheNext) {
    const struct {
        const char* text;
        std::size_t start, length;
        const char* replacement;
        std::optional<std::size_t> replaced, next;
        bool wrapped;
    } cases[] = {
        {"a a a", 2, 1, "bb", 2, 5, false},   // the next one is searched in the text after replacing
        {"a a a", 1, 0, "bb", {}, 2, false},  // a caret, no match selected: only finds
        {"a a a", 0, 3, "bb", {}, 0, false},  // a selection that is no match: only finds
        {"a", 0, 1, "aa", 0, {}, false},      // "aa" holds no whole word "a" to find next
        {"a b", 0, 1, "", 0, {}, false},      // the last one replaced
    };
    for (const auto& c : cases) {
        const ReplaceStep step = PlanReplace(c.text, c.start, c.length, "A", c.replacement, Options(false, true));
        EXPECT_EQ(step.replaced, c.replaced) << c.text << " at " << c.start;
        ASSERT_EQ(step.next.has_value(), c.next.has_value()) << c.text << " at " << c.start;
        if (!step.next) continue;
        EXPECT_EQ(step.next->position, *c.next) << c.text << " at " << c.start;
        EXPECT_EQ(step.next->wrapped, c.wrapped) << c.text << " at " << c.start;
    }
}

}  // namespace
}  // namespace corvane
