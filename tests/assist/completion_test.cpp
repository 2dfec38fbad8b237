#include "assist/completion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

Completion Complete(const AnnotatedText& text) {
    return CompleteAt(text.text(), text.point(), LanguageTables::Standard(), Grammar::Standard());
}

std::vector<std::string> Words(const Completion& completion) {
    std::vector<std::string> words;
    for (const CompletionItem& item : completion.items) words.push_back(item.word);
    return words;
}

const CompletionItem* Find(const Completion& completion, std::string_view word) {
    const auto at = std::ranges::find(completion.items, word, &CompletionItem::word);
    return at == completion.items.end() ? nullptr : &*at;
}

constexpr std::size_t kValueCount = 262 + 3;  // the internal names, VAR_, INT_ and %
constexpr std::size_t kCommandCount = 116;

// The offer, and the range an item replaces: the partial word under the caret, which is not walked,
// wherever it stands after tabs, CR LF or Windows-1252 letters; without one, nothing.
TEST(Completion, OffersWhatTheGrammarAllows) {
    const struct {
        const char* marked;
        std::vector<std::string> words;  // the whole offer after the values or commands (if any), in order
        std::size_t skipped = 0;         // how many values or commands come first
    } cases[] = {
        {"^", {"START_SCRIPT"}},
        {"  [[st^]]", {"START_SCRIPT"}},
        {"START_SCRIPT ^", {"{"}},
        {"START_SCRIPT\r\n{\r\n\t^", {"DO", "IF", "SET", "}", "EVERY", "INCREMENT", "DIVIDE", "DECREMENT", "MULTIPLY"}},
        {"START_SCRIPT { IF ^", {"<", ">", "=", "<>", ">=", "<=", "||", "BOTH"}},
        {"START_SCRIPT { IF BOTH ^", {"<", ">", "=", "<>", ">=", "<="}},
        {"START_SCRIPT { IF < %1 %2 ^", {"{"}},
        {"START_SCRIPT { IF < %1 %2 { } ^", {"ELSE", "ENDIF"}},
        {"START_SCRIPT { IF < %1 %2 { } ELSE { } ^", {"ENDIF"}},
        {"START_SCRIPT { SET ^", {}, kValueCount},
        {"START_SCRIPT { SET [[VAR_1^]]", {}, kValueCount},
        {"START_SCRIPT { EVERY %16 ^", {"{"}, kValueCount},
        {"START_SCRIPT { DO STATE_DEFEND ^", {"ON", "OFF"}},
        {"START_SCRIPT { DO ATTACK BLUE %1 ^", {"ATTACK_MARKER", "ATTACK_BUILDING", "ATTACK_PERSON"}},
        {"START_SCRIPT { } ^", {"ENDSCRIPT"}},
        {"START_SCRIPT { } ENDSCRIPT ^", {}},
        {"START_SCRIPT { DO ^", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO\t[[STATE_F^]]", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO\t[[STATE_F^]]ETCH_WOOD ON", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO [[\xe9^]]", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO [[^]]\r\n", {}, kCommandCount},
        // After an earlier error the walk resumes at the next statement, and a } that closes
        // nothing is passed over, as the diagnostics do.
        {"START_SCRIPT { FOO BAR DO ^", {}, kCommandCount},
        {"START_SCRIPT { SET VAR_1 DO ^", {}, kCommandCount},
        {"} ^", {"START_SCRIPT"}},
        {"START_SCRIPT { } } [[EN^]]", {"ENDSCRIPT"}},
        {"START_SCRIPT { IF > %1 %2 { ENDIF ^",
         {"DO", "IF", "SET", "}", "EVERY", "INCREMENT", "DIVIDE", "DECREMENT", "MULTIPLY"}},
    };
    for (const auto& row : cases) {
        const AnnotatedText text(row.marked);
        const Completion completion = Complete(text);
        const test::TextRange replaced = text.ranges().empty() ? test::TextRange{text.point(), 0} : text.ranges()[0];
        EXPECT_EQ(completion.replaceStart, replaced.position) << row.marked;
        EXPECT_EQ(completion.replaceLength, replaced.length) << row.marked;
        std::vector<std::string> words = Words(completion);
        ASSERT_GE(words.size(), row.skipped) << row.marked;
        if (row.skipped > 0) {
            EXPECT_EQ(words.front(), row.skipped == kValueCount ? "INT_GAME_TIME" : "STATE_BRING_NEW_PEOPLE")
                << row.marked;
        }
        words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(row.skipped));
        EXPECT_EQ(words, row.words) << row.marked;
    }
}

TEST(Completion, DetailsAndKinds) {
    const std::tuple<const char*, const char*, const char*, CompletionKind> cases[] = {
        // text, word, detail, kind
        {"START_SCRIPT { DO ^", "STATE_SPELL_DEFENCE", "<var> <var> <on/off>", CompletionKind::kCommand},
        {"START_SCRIPT { DO ^", "TRIGGER_LEVEL_WON", "", CompletionKind::kCommand},
        {"START_SCRIPT { SET ^", "INT_GAME_TIME", "0", CompletionKind::kInternalValue},
        {"START_SCRIPT { SET ^", "INT_ATTR_EXPANSION", "1000", CompletionKind::kInternalValue},
        {"START_SCRIPT { SET ^", "VAR_", "user variable: VAR_ and a number", CompletionKind::kValuePrefix},
        {"START_SCRIPT { SET ^", "%", "number: % and a number", CompletionKind::kValuePrefix},
        // An internal value by number (INT_1184) compiles as well as by name.
        {"START_SCRIPT { IF = %1 ^", "INT_", "internal value: INT_ and a number", CompletionKind::kValuePrefix},
        {"START_SCRIPT { ^", "SET", "<var> <var>", CompletionKind::kKeyword},
        {"START_SCRIPT { IF ^", "<=", "<var> <var> {", CompletionKind::kOperator},
        // A } closes the innermost block only.
        {"START_SCRIPT { EVERY %1 { IF = %1 %1 { ^", "}", "closes IF", CompletionKind::kKeyword},
        {"START_SCRIPT { EVERY %1 { ^", "}", "closes EVERY", CompletionKind::kKeyword},
    };
    for (const auto& [marked, word, detail, kind] : cases) {
        const Completion completion = Complete(AnnotatedText(marked));
        const CompletionItem* item = Find(completion, word);
        ASSERT_NE(item, nullptr) << marked << " " << word;
        EXPECT_EQ(item->detail, detail) << word;
        EXPECT_EQ(item->kind, kind) << word;
        const std::vector<std::string> words = Words(completion);
        EXPECT_EQ(std::count(words.begin(), words.end(), word), 1) << word;
    }
}

// Up to the next word that starts a statement, words that do not fit leave the walk nothing to go
// on: every word of the language, once.
TEST(Completion, EverythingWhereTheGrammarIsLost) {
    for (const char* marked : {"START_SCRIPT { DO ON ^", "START_SCRIPT { FOO ^", "START_SCRIPT { FOO %1 [[EN^]]"}) {
        const Completion completion = Complete(AnnotatedText(marked));
        for (const char* word : {"START_SCRIPT", "ENDSCRIPT", "PARTIAL_BUILDING_COUNT", "ON", "INT_GAME_TIME", "%"}) {
            EXPECT_NE(Find(completion, word), nullptr) << marked << " " << word;
        }
        EXPECT_EQ(Find(completion, "}IF"), nullptr);
        EXPECT_EQ(Find(completion, "ATTACK")->kind, CompletionKind::kCommand);
        EXPECT_EQ(Find(completion, "<=")->kind, CompletionKind::kOperator);
        const std::vector<std::string> words = Words(completion);
        EXPECT_EQ(std::count(words.begin(), words.end(), "KILL_TEAM_IN_AREA"), 1);
    }
}

}  // namespace
}  // namespace corvane
