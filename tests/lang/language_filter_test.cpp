#include "lang/language_filter.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Kept = std::vector<bool>;

// Letter case is the window's to fold; here it counts.
bool Holds(const std::u16string& text, const std::u16string& filter) { return text.find(filter) != text.npos; }

// The list line counts with its number and the marks of large units; the reference's string of the same
// number counts too, whether it has one or not.
TEST(LanguageFilter, KeepsStringsWhoseLineOrReferenceHoldsTheFilter) {
    LanguageDocument document(LanguageFile{{u"Mutig", u"Krieger", {u'x', 0x0101}, u"Herz"}, ""});
    document.SetText(3, u"tapferes Herz");
    const std::optional<LanguageFile> reference = LanguageFile{{u"Brave", u"Warrior", u"\x80"}, ""};
    const struct {
        std::u16string filter;
        bool withReference;
        Kept kept;
    } cases[] = {{u"", true, {true, true, true, true}},          {u"r", true, {true, true, false, true}},
                 {u"r", false, {false, true, false, true}},      {u"1", false, {false, true, true, false}},
                 {u"U+0101", true, {false, false, true, false}}, {u"\u20ac", true, {false, false, true, false}},
                 {u"3: t", true, {false, false, false, true}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.filter.begin(), c.filter.end()) + (c.withReference ? " with reference" : ""));
        EXPECT_EQ(StringsKeptByFilter(document, c.withReference ? reference : std::nullopt, c.filter, Holds), c.kept);
    }
}

TEST(LanguageFilter, FindNextGoesToTheNextKeptStringFromTheTopAfterTheLast) {
    const std::optional<std::size_t> none;
    const struct {
        Kept kept;
        std::optional<std::size_t> current, next;
    } cases[] = {{{false, true, true}, 1, 2},    {{false, true, true}, 2, 1},
                 {{true, false, false}, 0, 0},   {{false, true, false}, 2, 1},
                 {{true, true, false}, none, 0}, {{false, false, true}, none, 2},
                 {{false, false}, 0, none},      {{}, none, none}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.kept) + " from " + ::testing::PrintToString(c.current));
        EXPECT_EQ(NextKeptString(c.kept, c.current), c.next);
    }
}

}  // namespace
}  // namespace corvane
