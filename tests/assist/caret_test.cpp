// What the editor offers and tells at the caret: completion, the context help, hover texts and
// signature help; and the reference lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assist/completion.h"
#include "assist/context_help.h"
#include "assist/hover.h"
#include "assist/reference_lists.h"
#include "assist/signature_help.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;
using Words = std::vector<std::string>;

// Completion, hover or signature help at the `^` of a text.
template <class Feature>
auto AtPoint(Feature feature, const AnnotatedText& text) {
    return feature(text.text(), text.point(), LanguageTables::Standard(), Grammar::Standard());
}

Words Offered(const Completion& completion) {
    Words words;
    for (const CompletionItem& item : completion.items) words.push_back(item.word);
    return words;
}

const CompletionItem* Find(const Completion& completion, std::string_view word) {
    const auto at = std::ranges::find(completion.items, word, &CompletionItem::word);
    return at == completion.items.end() ? nullptr : &*at;
}

constexpr std::size_t kValueCount = 262 + 3;  // the internal names, VAR_, INT_ and %
constexpr std::size_t kCommandCount = 116;
const Words kStatementWords = {"DO", "IF", "SET", "}", "EVERY", "INCREMENT", "DIVIDE", "DECREMENT", "MULTIPLY"};

// The offer, and the range an item replaces: the partial word under the caret, which is not walked,
// wherever it stands after tabs, CR LF or Windows-1252 letters; without one, nothing.
TEST(Completion, OffersWhatTheGrammarAllows) {
    const struct {
        const char* marked;
        Words words;              // the whole offer after the values or commands (if any), in order
        std::size_t skipped = 0;  // how many values or commands come first
    } cases[] = {
        {"^", {"START_SCRIPT"}},
        {"  [[st^]]", {"START_SCRIPT"}},
        {"START_SCRIPT ^", {"{"}},
        {"START_SCRIPT\r\n{\r\n\t^", kStatementWords},
        {"START_SCRIPT { IF ^", {"<", ">", "=", "<>", ">=", "<=", "||", "BOTH"}},
        {"START_SCRIPT { IF < %1 %2 { } ^", {"ELSE", "ENDIF"}},
        {"START_SCRIPT { IF < %1 %2 { } ELSE { } ^", {"ENDIF"}},
        {"START_SCRIPT { SET ^", {}, kValueCount},
        {"START_SCRIPT { EVERY %16 ^", {"{"}, kValueCount},
        {"START_SCRIPT { DO STATE_DEFEND ^", {"ON", "OFF"}},
        {"START_SCRIPT { DO ATTACK BLUE %1 ^", {"ATTACK_MARKER", "ATTACK_BUILDING", "ATTACK_PERSON"}},
        {"START_SCRIPT { } ^", {"ENDSCRIPT"}},
        {"START_SCRIPT { } ENDSCRIPT ^", {}},
        {"START_SCRIPT\r\n{\r\n\tDO\t[[STATE_F^]]ETCH_WOOD ON", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO [[\xe9^]]", {}, kCommandCount},
        {"START_SCRIPT\r\n{\r\n\tDO [[^]]\r\n", {}, kCommandCount},
        // After an earlier error the walk resumes at the next statement, and a } that closes
        // nothing is passed over, as the diagnostics do.
        {"START_SCRIPT { FOO BAR DO ^", {}, kCommandCount},
        {"} ^", {"START_SCRIPT"}},
        {"START_SCRIPT { } } [[EN^]]", {"ENDSCRIPT"}},
        {"START_SCRIPT { IF > %1 %2 { ENDIF ^", kStatementWords},
    };
    for (const auto& row : cases) {
        const AnnotatedText text(row.marked);
        const Completion completion = AtPoint(CompleteAt, text);
        const WordSpan replaced = text.ranges().empty() ? WordSpan{text.point(), 0} : text.ranges()[0];
        EXPECT_EQ((WordSpan{completion.replaceStart, completion.replaceLength}), replaced) << row.marked;
        Words words = Offered(completion);
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
        const Completion completion = AtPoint(CompleteAt, AnnotatedText(marked));
        const CompletionItem* item = Find(completion, word);
        ASSERT_NE(item, nullptr) << marked << " " << word;
        EXPECT_EQ(item->detail, detail) << word;
        EXPECT_EQ(item->kind, kind) << word;
        EXPECT_EQ(std::ranges::count(completion.items, std::string(word), &CompletionItem::word), 1) << word;
    }
}

// Up to the next word that starts a statement, words that do not fit leave the walk nothing to go
// on: every word of the language, once.
TEST(Completion, EverythingWhereTheGrammarIsLost) {
    for (const char* marked : {"START_SCRIPT { DO ON ^", "START_SCRIPT { FOO ^", "START_SCRIPT { FOO %1 [[EN^]]"}) {
        const Completion completion = AtPoint(CompleteAt, AnnotatedText(marked));
        for (const char* word : {"START_SCRIPT", "ENDSCRIPT", "PARTIAL_BUILDING_COUNT", "KILL_TEAM_IN_AREA", "ON",
                                 "INT_GAME_TIME", "%", "ATTACK", "<="})
            EXPECT_EQ(std::ranges::count(completion.items, std::string(word), &CompletionItem::word), 1)
                << marked << word;
        EXPECT_EQ(Find(completion, "}IF"), nullptr);
        EXPECT_EQ(Find(completion, "ATTACK")->kind, CompletionKind::kCommand);
        EXPECT_EQ(Find(completion, "<=")->kind, CompletionKind::kOperator);
    }
}

Words LinesOf(const std::string& text) {  // each ended by CR LF; a last line without one is missing from the counts
    Words lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(HelpAndLists, WordsOfTheCaretLineTheirTextAndTheReferenceLists) {
    const std::tuple<std::string, std::size_t, Words> cases[] = {
        {"set a\nb", 0, {"SET", "A"}},                                // first line, caret at its start
        {"x\r\n\t\tset var_1 %2\r\ny", 6, {"SET", "VAR_1", "%2"}},    // the whole line around the caret
        {"DO  BUILD_DRUM_TOWER", 1, {"DO", "", "BUILD_DRUM_TOWER"}},  // two blanks: an empty word
        {" IF", 2, {"", "IF"}},
        {"a\n\nb", 2, {""}},
        {"if", 99, {"IF"}},  // leading blank, empty line, past the end
    };
    for (const auto& [text, caret, words] : cases) EXPECT_EQ(HelpWordsAt(text, caret), words) << text;
    const Words many = HelpWordsAt("SET" + std::string(150, ' ') + "X", 0);  // more than a hundred blanks
    EXPECT_EQ(many.size(), 151u);
    EXPECT_EQ(many.back(), "X");
    const std::string doHelp = "DO <command> <parameters>\r\nWith <command> being: \r\nCMD1 \r\n\r\n";
    const std::pair<Words, std::string> texts[] = {
        {{"SET"},
         "SET <variable> <value>\r\n\r\nExample: SET VAR_12 %6\r\nThis will set variable var_12 to value 6\r\n"},
        {{"{"}, "{\r\nused for opening an EVERY, IF or START_SCRIPT\r\n"},
        {{"}"},
         "}\r\nused for closing an EVERY, IF or START_SCRIPT\r\n\r\nif closing an if, ENDIF must follow on the "
         "following line\r\nif closing an START_SCRIPT, END_SCRIPT must follow on the following line\r\n"},
        {{"START_SCRIPT"}, "START_SCRIPT\r\n\r\nis a mark for starting the script\r\n"},
        {{"DO", "", "BUILD_DRUM_TOWER"}, doHelp},
        {{"DO"}, doHelp},
        {{"IF"},
         "IF <operator> <var> <var2>\r\nor: IF BOTH <operator1> <var1> <var2> <operator2> <var3> <var4>\r\n\r\n"
         "With <operator> being: = (equal), < (smaller than), > (greater than), <> (not equal), >= (greater "
         "than or equal to), <= (smaller than or equal to)\r\n\r\nExample: IF < VAR_12 %3\r\n"
         "checks if var_12 is smaller than 3\r\n"},
        {{"ENDSCRIPT"}, ""},
        {{"EVERY"}, ""},
        {{}, ""},
    };
    for (const auto& [words, text] : texts) EXPECT_EQ(HelpTextFor(words, "CMD1 \r\n"), text) << words.size();
}

TEST(ReferenceLists, CommandsVariablesAndKeywords) {
    const LanguageTables& tables = LanguageTables::Standard();
    const Words commands = LinesOf(ReferenceListText(ReferenceList::kCommands, Grammar::Standard(), tables));
    ASSERT_EQ(commands.size(), 116u);
    EXPECT_EQ(commands.front(), "STATE_BRING_NEW_PEOPLE <on/off> ");
    EXPECT_EQ(commands.back(), "SET_WOOD_COLLECTION_RADII <var> <var> <var> <var> ");
    for (const char* line : {"FLYBY_START ", "STATE_SPELL_DEFENCE <var> <var> <on/off> "})
        EXPECT_EQ(std::ranges::count(commands, line), 1) << line;
    const Words variables = LinesOf(ReferenceListText(ReferenceList::kVariables, Grammar::Standard(), tables));
    ASSERT_EQ(variables.size(), tables.internals().size());
    EXPECT_EQ(variables.front(), tables.internals().rows().front().text);
    EXPECT_EQ(std::ranges::count(variables, "INT_GAME_TIME"), 1);
    const std::string keywords = ReferenceListText(ReferenceList::kKeywords, Grammar::Standard(), tables);
    EXPECT_TRUE(keywords.starts_with("\r\nIF\r\n"));
    EXPECT_EQ(std::ranges::count(LinesOf(keywords), "KILL_TEAM_IN_AREA"), 2);
}

TEST(Hover, TextsForEveryKindOfWordAndNoneOffWords) {
    // [[...]] marks the word the text is about.
    const std::pair<const char*, std::string> cases[] = {
        // The context help of statement words, with line feeds; DO's depends on the command after it.
        {"\t[[^do]] build_drum_tower %1 %2",
         "DO BUILD_DRUM_TOWER %x %y\n\nExample: DO BUILD_DRUM_TOWER %30 %60\nThis will build a guard tower at x=30 "
         "and y=60"},
        {"} [[ENDSCRIPT^]]", "END_SCRIPT\nis a mark for ending the script"},  // the help's own spelling
        // Commands with the kinds of their parameters, other words with their group.
        {"DO [[STATE_SPELL_^DEFENCE]]",
         "DO STATE_SPELL_DEFENCE <var> <var> <on/off>\ncommand; parameters: <var> <var> <on/off>"},
        {"DO [[^TRIGGER_LEVEL_WON]]", "DO TRIGGER_LEVEL_WON\ncommand without parameters"},
        {"[[^EVERY]] %16 {", "EVERY <var>"},
        {"DO STATE_DEFEND [[^off]]", "OFF\none of <on/off>"},
        // Values with what they compile to.
        {"SET VAR_1 [[^int_game_time]]", "int_game_time\ninternal value 0 (INT_GAME_TIME)"},
        {"SET VAR_1 [[^INT_5000]]", "INT_5000\ninternal value 5000"},
        {"SET [[VAR_3^]] %1", "VAR_3\nuser variable 3"},
        {"SET VAR_1 [[^%2.5]]", "%2.5\nnumber 2"},
        // Positions count bytes after tabs, CR LF and Windows-1252 letters.
        {"START_SCRIPT\r\n{\r\n\t\xe9\xe8 \t[[VAR_^7]]", "VAR_7\nuser variable 7"},
        // Nothing off words or on unknown ones.
        {"^", ""},
        {"DO   ^   ATTACK", ""},
        {"FOO^", ""},
        {"SET VAR_1 %99999999999^", ""},
        {"E803^", ""},
        {"DO ATTACK\r\n^", ""},
    };
    for (const auto& [marked, expected] : cases) {
        const AnnotatedText text(marked);
        const std::optional<HoverText> hover = AtPoint(HoverAt, text);
        ASSERT_EQ(hover.has_value(), !expected.empty()) << marked;
        if (!hover) continue;
        EXPECT_EQ((WordSpan{hover->position, hover->length}), text.ranges().at(0)) << marked;
        EXPECT_EQ(hover->text, expected) << marked;
    }
    const std::optional<HoverText> alone = AtPoint(HoverAt, AnnotatedText("DO^"));
    ASSERT_TRUE(alone.has_value());
    EXPECT_TRUE(alone->text.starts_with("DO <command> <parameters>\nWith <command> being: \n"));
    EXPECT_NE(alone->text.find("\nATTACK \n"), std::string::npos);
}

TEST(SignatureHelp, AttackTakesThirteenParametersInTheGrammarsKinds) {
    const AnnotatedText text("START_SCRIPT {\r\n\t[[do]] ATTACK ^");
    const std::optional<SignatureHelp> help = AtPoint(SignatureHelpAt, text);
    ASSERT_TRUE(help.has_value());
    EXPECT_EQ(help->label,
              "ATTACK <color> <var> <attack_what> <var> <var> <var> <var> <var> <attack_how> <var> <var> <var> <var>");
    std::string parameters = "ATTACK";  // the label again, from each parameter's own piece of it
    for (const SignatureParameter& parameter : help->parameters)
        parameters += " " + help->label.substr(parameter.labelStart, parameter.labelLength);
    EXPECT_EQ(parameters, help->label);
    EXPECT_EQ(help->commandPosition, text.ranges().at(0).position + 3);
}

// The active parameter follows the values as they are typed: the one being typed, or after a
// blank the next one; no help once the statement is complete or outside a DO command.
TEST(SignatureHelp, ActiveParameterMovesAsValuesAreTyped) {
    constexpr int kNoHelp = -2;
    const std::pair<const char*, int> cases[] = {
        {"DO ATTACK^", -1},
        {"DO ATTACK RED^", 0},
        {"DO ATTACK RED ^", 1},
        {"DO ATTACK RED ^%1", 1},
        {"DO ATTACK RED %5\tATTACK_MARKER   ^", 3},
        {"DO ATTACK RED %5 ATT^ACK_MARKER", 2},
        {"do attack red %1 attack_person %1 %1 %1 %1 %1 attack_normal %1 %1 %1 %^", 12},
        {"DO STATE_SPELL_DEFENCE %1 %2 ^", 2},
        {"DO TRIGGER_LEVEL_WON^", -1},
        {"IF > VAR_1 %2 { DO STATE_DEFEND ^ }", 0},
        {"D^O ATTACK", kNoHelp},
        {"DO ^", kNoHelp},
        {"DO ATTA^", kNoHelp},
        {"DO STATE_DEFEND ON ^", kNoHelp},
        {"DO TRIGGER_LEVEL_WON ^", kNoHelp},
        {"DO ATTACK RED\r\nSET ^", kNoHelp},
        {"SET VAR_1 ^", kNoHelp},
    };
    for (const auto& [marked, active] : cases) {
        const std::optional<SignatureHelp> help = AtPoint(SignatureHelpAt, AnnotatedText(marked));
        EXPECT_EQ(help ? help->activeParameter : kNoHelp, active) << marked;
    }
}

}  // namespace
}  // namespace corvane
