#include "assist/completion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/assist/annotated_text.h"

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
    for (const CompletionItem& item : completion.items) {
        if (item.word == word) return &item;
    }
    return nullptr;
}

constexpr std::size_t kValueCount = 262 + 2;  // the internal names, VAR_ and %

TEST(Completion, OffersWhatTheGrammarAllows) {
    const struct {
        const char* marked;
        std::vector<std::string> words;  // the whole offer, in order
    } cases[] = {
        {"^", {"START_SCRIPT"}},
        {"  st^", {"START_SCRIPT"}},
        {"START_SCRIPT ^", {"{"}},
        {"START_SCRIPT\r\n{\r\n\t^", {"DO", "IF", "SET", "}", "EVERY", "INCREMENT", "DIVIDE", "DECREMENT", "MULTIPLY"}},
        {"START_SCRIPT { IF < %1 %2 ^", {"{"}},
        {"START_SCRIPT { IF ^", {"<", ">", "=", "<>", ">=", "<=", "||", "BOTH"}},
        {"START_SCRIPT { IF BOTH ^", {"<", ">", "=", "<>", ">=", "<="}},
        {"START_SCRIPT { IF < %1 %2 { } ^", {"ELSE", "ENDIF"}},
        {"START_SCRIPT { IF < %1 %2 { } ELSE { } ^", {"ENDIF"}},
        {"START_SCRIPT { EVERY %16 ^", {"VARIABLE", "{"}},  // VARIABLE stands for the values (replaced below)
        {"START_SCRIPT { DO STATE_DEFEND ^", {"ON", "OFF"}},
        {"START_SCRIPT { DO ATTACK BLUE %1 ^", {"ATTACK_MARKER", "ATTACK_BUILDING", "ATTACK_PERSON"}},
        {"START_SCRIPT { } ^", {"ENDSCRIPT"}},
        {"START_SCRIPT { } ENDSCRIPT ^", {}},
    };
    for (const auto& row : cases) {
        std::vector<std::string> words = Words(Complete(AnnotatedText(row.marked)));
        std::vector<std::string> expected = row.words;
        if (auto at = std::find(expected.begin(), expected.end(), "VARIABLE"); at != expected.end()) {
            ASSERT_GE(words.size(), kValueCount) << row.marked;
            EXPECT_EQ(words.front(), "INT_GAME_TIME");
            words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(kValueCount));
            expected.erase(at);
        }
        EXPECT_EQ(words, expected) << row.marked;
    }
}

TEST(Completion, ClosingBraceNamesItsBlock) {
    const Completion inIf = Complete(AnnotatedText("START_SCRIPT { EVERY %1 { IF = %1 %1 { ^"));
    ASSERT_NE(Find(inIf, "}"), nullptr);
    EXPECT_EQ(Find(inIf, "}")->detail, "closes IF");
    const Completion inEvery = Complete(AnnotatedText("START_SCRIPT { EVERY %1 { ^"));
    EXPECT_EQ(Find(inEvery, "}")->detail, "closes EVERY");
    const std::vector<std::string> words = Words(inEvery);
    EXPECT_EQ(std::count(words.begin(), words.end(), "}"), 1);
}

TEST(Completion, CommandsAfterDoWithTheirParameterKinds) {
    const Completion completion = Complete(AnnotatedText("START_SCRIPT\r\n{\r\n\tDO ^"));
    ASSERT_EQ(completion.items.size(), 116u);
    for (const CompletionItem& item : completion.items) EXPECT_EQ(item.kind, CompletionKind::kCommand) << item.word;
    EXPECT_EQ(Find(completion, "ATTACK")->detail,
              "<color> <var> <attack_what> <var> <var> <var> <var> <var> <attack_how> <var> <var> <var> <var>");
    EXPECT_EQ(Find(completion, "STATE_SPELL_DEFENCE")->detail, "<var> <var> <on/off>");
    EXPECT_EQ(Find(completion, "TRIGGER_LEVEL_WON")->detail, "");
}

TEST(Completion, ValuesWithTheirNumbers) {
    const Completion completion = Complete(AnnotatedText("START_SCRIPT { SET ^"));
    ASSERT_EQ(completion.items.size(), kValueCount);
    EXPECT_EQ(Find(completion, "INT_GAME_TIME")->detail, "0");
    EXPECT_EQ(Find(completion, "INT_GAME_TIME")->kind, CompletionKind::kInternalValue);
    EXPECT_EQ(Find(completion, "INT_ATTR_EXPANSION")->detail, "1000");
    EXPECT_EQ(Find(completion, "VAR_")->kind, CompletionKind::kValuePrefix);
    EXPECT_EQ(Find(completion, "%")->kind, CompletionKind::kValuePrefix);
    EXPECT_EQ(Find(Complete(AnnotatedText("START_SCRIPT { IF ^")), "<")->kind, CompletionKind::kOperator);
}

// The partial word under the caret is the range an item replaces and is not walked, wherever it
// stands after tabs, CR LF or Windows-1252 letters.
TEST(Completion, ReplacesThePartialWord) {
    const struct {
        const char* marked;
        std::size_t items;
    } cases[] = {
        {"START_SCRIPT\r\n{\r\n\tDO\t[[STATE_F^]]", 116},
        {"START_SCRIPT\r\n{\r\n\tDO\t[[STATE_F^]]ETCH_WOOD ON", 116},
        {"START_SCRIPT\r\n{\r\n\tDO [[\xe9^]]", 116},
        {"START_SCRIPT\r\n{\r\n\tDO [[^]]\r\n", 116},
        {"START_SCRIPT { SET [[VAR_1^]]", kValueCount},
    };
    for (const auto& row : cases) {
        const AnnotatedText text(row.marked);
        const Completion completion = Complete(text);
        ASSERT_EQ(text.ranges().size(), 1u);
        EXPECT_EQ(completion.replaceStart, text.ranges()[0].position) << row.marked;
        EXPECT_EQ(completion.replaceLength, text.ranges()[0].length) << row.marked;
        EXPECT_EQ(completion.items.size(), row.items) << row.marked;
    }
}

// Words that do not fit the grammar leave the walk nothing to go on: every word of the language.
TEST(Completion, EverythingWhereTheGrammarIsLost) {
    for (const char* marked : {"START_SCRIPT { DO ON ^", "} ^", "START_SCRIPT { FOO ^", "START_SCRIPT { } } EN^"}) {
        const Completion completion = Complete(AnnotatedText(marked));
        EXPECT_GT(completion.items.size(), 116u + kValueCount) << marked;
        for (const char* word :
             {"START_SCRIPT", "ENDSCRIPT", "ATTACK", "PARTIAL_BUILDING_COUNT", "ON", "INT_GAME_TIME", "VAR_", "%", "<="}) {
            EXPECT_NE(Find(completion, word), nullptr) << marked << " " << word;
        }
        EXPECT_EQ(Find(completion, "}IF"), nullptr);
        EXPECT_EQ(Find(completion, "ATTACK")->kind, CompletionKind::kCommand);
        EXPECT_EQ(Find(completion, "<=")->kind, CompletionKind::kOperator);
        const std::vector<std::string> words = Words(completion);
        EXPECT_EQ(std::count(words.begin(), words.end(), "KILL_TEAM_IN_AREA"), 1) << "each word once";
    }
}

}  // namespace
}  // namespace corvane
