#include "assist/diagnostics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assist/grammar_problems.h"
#include "assist/word_suggester.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

struct Expected {  // the problem at the text's next [[...]] range
    DiagnosticSeverity severity;
    std::string message;
};

constexpr auto kError = DiagnosticSeverity::kError;
constexpr auto kWarning = DiagnosticSeverity::kWarning;

std::vector<Diagnostic> Diagnosis(std::string_view text) {
    return Diagnose(text, LanguageTables::Standard(), Grammar::Standard());
}

std::string Script(std::string_view body) {
    return "START_SCRIPT\r\n{\r\n" + std::string(body) + "\r\n}\r\nENDSCRIPT ";
}

const std::string kCommandExamples = "(STATE_BRING_NEW_PEOPLE, STATE_CONSTRUCT_BUILDING, STATE_FETCH_WOOD, ...)";

std::string Repeated(std::string_view statement, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += statement;
    return text;
}

std::string Variables(std::size_t first, std::size_t last) {
    std::string body;
    for (std::size_t i = first; i <= last; ++i)
        body += "SET VAR_" + std::to_string(i) + " VAR_" + std::to_string(i) + " ";
    return body;
}

TEST(Diagnostics, WordsAndGrammar) {
    const std::pair<std::string, std::vector<Expected>> cases[] = {
        // Each cause once: an unknown word that the grammar refuses is one entry, whose suggestion fits there.
        {Script("\tDO [[STATE_FETCH_WOD]] ON\r\n\tDO STATE_DEFEND [[onn]]\r\n\t[[D0]] STATE_DEFEND ON"),
         {{kError, "expected a command after DO " + kCommandExamples +
                       ", found the unknown word STATE_FETCH_WOD; did you mean STATE_FETCH_WOOD?"},
          {kError, "expected ON or OFF after STATE_DEFEND, found the unknown word onn; did you mean ON?"},
          {kError, "Unknown word D0; did you mean DO?"}}},  // skipped after onn
        // Positions count bytes: tabs, CR LF and a Windows-1252 letter are one byte each. Words skipped
        // after an error are still read.
        {"START_SCRIPT\r\n{\r\n\t\tdo state_fetch_wood on\r\n\t[[Caf\xe9s]]\t[[xyzzy]]\r\n}\r\nENDSCRIPT",
         {{kError, "expected a statement after on (DO, IF, SET, ...), found the unknown word Caf\xe9s"},
          {kError, "Unknown word xyzzy"}}},
        {Script("\tSET VAR_1 [[%99999999999]]"),
         {{kError, "Number out of range in %99999999999 (it must fit in a signed 32-bit integer)"}}},
        // A suggestion must fit where it stands: ON is nearest to ONN, but no command.
        {Script("\tDO [[ONN]]"),
         {{kError, "expected a command after DO " + kCommandExamples + ", found the unknown word ONN"}}},
        {Script("\tIF BOTH [[VAR_1]] %1 %2 < %1 %2 { } ENDIF"),
         {{kError, "expected a comparison operator after BOTH (<, >, =, ...), found VAR_1"}}},
        {Script("\tDO ATTACK [[PURPLE]] %1"),
         {{kError, "expected a colour after ATTACK (RED, YELLOW, GREEN, ...), found the unknown word PURPLE"}}},
        {Script("\tDO ATTACK RED %1 [[ATTACK_NORMAL]]"),
         {{kError,
           "expected what to attack after %1 (ATTACK_MARKER, ATTACK_BUILDING, ATTACK_PERSON), found ATTACK_NORMAL"}}},
        // A four-letter word that is no word compiles as a raw code, which the grammar never accepts:
        // its error says what the word compiles to.
        {Script("\tDO [[ATAK]] BLUE\r\n\tSET VAR_1 [[e803]]\r\n\t[[EVRY]] %4"),
         {{kError, "expected a command after DO " + kCommandExamples +
                       ", found ATAK (ATAK is no word; it compiles as the raw code 0A0A)"},
          {kError, "expected a value after VAR_1, found e803 (e803 is a raw code; it compiles as IF)"},
          {kWarning, "EVRY is no word; it compiles as the raw code 0E00; did you mean EVERY?"}}},
        // Skipped words are still read.
        {Script("\tSET [[ABCD]] [[0C00]] [[Wood]]"),
         {{kError,
           "expected a value after SET, found ABCD (ABCD is a raw code, which no word of the language stands for)"},
          {kWarning, "0C00 is a raw code; it compiles as START_SCRIPT"},
          {kWarning, "Wood is no word; it compiles as the raw code 0000"}}},
        // The number reader stops at the first character that does not fit.
        {Script("SET [[%33X]] [[VAR_12.5e1Q]] SET [[INT_7Z]] [[%abc]] SET %2.5 %&H1F SET INT_GAME_TIME %"),
         {{kWarning, "%33X compiles as the number 33; X is not read"},
          {kWarning, "VAR_12.5e1Q compiles as user variable 125; Q is not read"},
          {kWarning, "INT_7Z compiles as internal value 7; Z is not read"},
          {kWarning, "%abc compiles as the number 0; abc is not read"}}},
        {"[[{]] [[}]]", {{kError, "expected START_SCRIPT, found {"}, {kError, "} closes no open block"}}},
        {"START_SCRIPT [[IF]]", {{kError, "expected { after START_SCRIPT, found IF"}}},
        {"START_SCRIPT { IF > %1 %2 { } ELSE { } [[DO]] STATE_DEFEND ON } ENDSCRIPT",
         {{kError, "expected ENDIF after the } of the ELSE block of line 1, found DO"}}},
        {"START_SCRIPT { IF > %1 %2 { } ENDIF [[ENDIF]] } ENDSCRIPT",
         {{kError, "expected a statement after ENDIF (DO, IF, SET, ...), found ENDIF"}}},
        // A text without a word is no script: compile refuses it.
        {"[[]] \r\n", {{kError, "The script has no words"}}},
        // A } with no open block is passed over; unknown words after ENDSCRIPT are still found.
        {"START_SCRIPT\r\n{\r\n}\r\n[[}]]\r\nENDSCRIPT [[FOO]] ON",
         {{kError, "} closes no open block"}, {kError, "nothing may follow ENDSCRIPT, found the unknown word FOO"}}},
        // After a word that does not fit, the walk resumes at the next word that can start a statement or
        // close a block: every error is found at its cause.
        {Script("IF [[VAR_1]] > %2 { } ENDIF SET VAR_1 [[DO]] STATE_DEFEND ON EVERY %4 { DO STATE_DEFEND [[ONN]] }"),
         {{kError, "expected a comparison operator after IF (<, >, =, ...), found VAR_1"},
          {kError, "expected a value after VAR_1, found DO"},
          {kError, "expected ON or OFF after STATE_DEFEND, found the unknown word ONN; did you mean ON?"}}},
        // A block whose } never comes is marked at its {; the word that shows the } missing says which.
        {"START_SCRIPT\r\n{\r\n\tIF > %1 %2\r\n\t[[{]]\r\n\t\tDO STATE_DEFEND ON\r\n\t[[ENDIF]]\r\n}\r\nENDSCRIPT",
         {{kError, "this { is never closed"}, {kError, "expected } to close the IF block of line 3, found ENDIF"}}},
        // The } stands where the script's { does: the EVERY's } is the one forgotten.
        {"START_SCRIPT\r\n{\r\n\tEVERY %4\r\n\t[[{]]\r\n\t\tDO STATE_DEFEND ON\r\n}\r\n[[ENDSCRIPT]]",
         {{kError, "this { is never closed"},
          {kError, "expected } to close the START_SCRIPT block of line 1, found ENDSCRIPT"}}},
        // The text ends inside two blocks: both are marked, nothing else.
        {"START_SCRIPT [[{]] EVERY %4 [[{]] DO STATE_DEFEND ON",
         {{kError, "this { is never closed"}, {kError, "this { is never closed"}}},
        // EVERY blocks are passed on the way to the IF whose } the ENDIF needs.
        {"START_SCRIPT { IF > %1 %2 [[{]] EVERY %1 [[{]] [[ENDIF]] [[}]]",
         {{kError, "this { is never closed"},
          {kError, "this { is never closed"},
          {kError, "expected } to close the EVERY block of line 1, found ENDIF"},
          {kError, "expected ENDSCRIPT after the } of the START_SCRIPT block of line 1, found the end of the text"}}},
        // Each limit is reported once, at the first word past it; the words after it are still checked.
        // START_SCRIPT { } ENDSCRIPT are 4 codes, each statement 3: 1364 statements make 4096.
        {Script(Repeated("DO STATE_DEFEND ON ", 1364)), {}},
        {Script(Repeated("DO STATE_DEFEND ON ", 1364) + "DO STATE_DEFEND [[ON]] SET [[ON]] %1"),
         {{kError, "Too many codes: the game reads at most 4096; ON is one more"},
          {kError, "expected a value after SET, found ON"}}},
        {Script(Variables(1, 256)), {}},
        {Script(Variables(1, 256) + "SET [[VAR_257]] VAR_257 " + Variables(258, 512) + "SET [[VAR_513]] VAR_513 " +
                Variables(514, 520)),
         {{kWarning,
           "More than 256 variables: VAR_257 needs entry 257, which the compiled script cannot refer to correctly"},
          {kError, "Too many variables: the file holds at most 512 entries; VAR_513 needs one more"}}},
        // START_SCRIPT is the first block; the hundredth IF opens block 101.
        {"START_SCRIPT { " + Repeated("IF = %1 %1 { ", 99) + "[[IF]] = %1 %1 { }",
         {{kError, "More than 100 blocks open at once; the checker cannot follow this"}}},
    };
    for (const auto& [marked, expected] : cases) {
        const AnnotatedText text(marked);
        SCOPED_TRACE(text.text().substr(0, 200));
        const std::vector<Diagnostic> found = Diagnosis(text.text());
        ASSERT_EQ(found.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ((WordSpan{found[i].position, found[i].length}), text.ranges().at(i)) << expected[i].message;
            EXPECT_EQ(found[i].severity, expected[i].severity) << expected[i].message;
            EXPECT_EQ(found[i].message, expected[i].message);
        }
    }
}

std::string Applied(std::string text, const TextFix& fix) {
    return text.replace(fix.position, fix.length, fix.replacement);
}

// The preferred fix of a problem comes first and mends it byte for byte.
TEST(Diagnostics, FixesMendTheirProblem) {
    // The text, the title of the first fix of the first problem that has one, the text after that fix.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {Script("\tDO STATE_FETCH_WOD ON"), "Replace with STATE_FETCH_WOOD", Script("\tDO STATE_FETCH_WOOD ON")},
        {Script("\tSET VAR_1 INT_GAME_TIM"), "Replace with INT_GAME_TIME", Script("\tSET VAR_1 INT_GAME_TIME")},
        {Script("\tEVRY %4 {\r\n\t}"), "Replace with EVERY", Script("\tEVERY %4 {\r\n\t}")},
        {Script("\te803 > %1 %2 { } ENDIF"), "Replace with IF", Script("\tIF > %1 %2 { } ENDIF")},
        {"START_SCRIPT\r\n{\r\n\tIF > %1 %2\r\n\t{\r\n\t\tDO STATE_DEFEND ON\r\n\tENDIF\r\n}\r\nENDSCRIPT", "Insert }",
         "START_SCRIPT\r\n{\r\n\tIF > %1 %2\r\n\t{\r\n\t\tDO STATE_DEFEND ON\r\n\t}\r\n\tENDIF\r\n}\r\nENDSCRIPT"},
        {"START_SCRIPT\n{\n\tDO STATE_DEFEND ON\nENDSCRIPT\n", "Insert }",
         "START_SCRIPT\n{\n\tDO STATE_DEFEND ON\n}\nENDSCRIPT\n"},
        // Closing the outer block closes the one inside it too, each } as indented as its {.
        {"START_SCRIPT\r\n{\r\n  EVERY %4\r\n  {\r\n    DO STATE_DEFEND ON\r\n", "Insert }",
         "START_SCRIPT\r\n{\r\n  EVERY %4\r\n  {\r\n    DO STATE_DEFEND ON\r\n  }\r\n}\r\n"},
        {"START_SCRIPT\r\n{\r\n\tEVERY %4\r\n\t{\r\n\t\tDO STATE_DEFEND ON\r\n}\r\nENDSCRIPT", "Insert }",
         "START_SCRIPT\r\n{\r\n\tEVERY %4\r\n\t{\r\n\t\tDO STATE_DEFEND ON\r\n\t}\r\n}\r\nENDSCRIPT"},
        // A statement where the ENDIF of an IF is due.
        {"START_SCRIPT\r\n{\r\n\tIF > %1 %2\r\n\t{\r\n\t}\r\n\tDO STATE_DEFEND ON\r\n}\r\nENDSCRIPT", "Insert ENDIF",
         "START_SCRIPT\r\n{\r\n\tIF > %1 %2\r\n\t{\r\n\t}\r\n\tENDIF\r\n\tDO STATE_DEFEND ON\r\n}\r\nENDSCRIPT"},
        {"START_SCRIPT { EVERY %4 { DO STATE_DEFEND ON } ENDSCRIPT", "Insert }",
         "START_SCRIPT { EVERY %4 { DO STATE_DEFEND ON } } ENDSCRIPT"},
    };
    for (const auto& [text, title, fixed] : cases) {
        const std::vector<Diagnostic> before = Diagnosis(text);
        const auto problem =
            std::find_if(before.begin(), before.end(), [](const Diagnostic& d) { return !d.fixes.empty(); });
        ASSERT_NE(problem, before.end()) << text;
        const TextFix& fix = problem->fixes.front();
        EXPECT_EQ(fix.title, title);
        EXPECT_TRUE(fix.preferred) << fix.title;
        EXPECT_EQ(Applied(text, fix), fixed);
    }
}

// However many errors, at most kMaxGrammarErrors are listed one by one, and a last entry counts the rest;
// the first } that closes nothing is listed all the same.
TEST(Diagnostics, GrammarErrorsAreCapped) {
    std::string body;
    for (int i = 0; i < 130; ++i) body += "SET VAR_1\r\n";
    const std::vector<Diagnostic> found = Diagnosis(Script(body + "DO STATE_DEFEND ON") + " }");
    ASSERT_EQ(found.size(), kMaxGrammarErrors + 2);
    EXPECT_EQ(found[0].message, "expected a value after VAR_1, found SET");
    EXPECT_EQ(found[kMaxGrammarErrors].message, "and 30 more grammar errors");
    EXPECT_EQ(found[kMaxGrammarErrors].position, found[kMaxGrammarErrors - 1].position + 11);
    EXPECT_EQ(found.back().message, "} closes no open block");
}

TEST(WordSuggester, OffersOnlyCloseWords) {
    WordSuggester suggester(LanguageTables::Standard());
    const std::pair<const char*, const char*> cases[] = {
        {"STATE_FETCH_WOD", "STATE_FETCH_WOOD"},
        {"STAT_FETCH_WOD", "STATE_FETCH_WOOD"},    // two edits in a long word
        {"STATEX_FETCH_WOD", "STATE_FETCH_WOOD"},  // a letter too many and one missing
        {"ATACK", "ATTACK"},
        {"ENDSCRIPT", ""},  // a known word needs no suggestion
        {"ATAK", ""},       // two edits are too many for a short word
        {"STTE_FTCH_WD", ""},
        {"EVREY", ""},  // two letters swapped are two edits
    };
    for (const auto& [word, suggestion] : cases) EXPECT_EQ(suggester.Suggest(word).value_or(""), suggestion) << word;
    // Past the measured words only those seen before still get theirs.
    for (std::size_t i = 0; i < WordSuggester::kMaxMeasuredWords; ++i) suggester.Suggest("X" + std::to_string(i));
    EXPECT_EQ(suggester.Suggest("STATE_FETCH_WOD").value_or(""), "STATE_FETCH_WOOD");
    EXPECT_FALSE(suggester.Suggest("EVERYY").has_value());  // EVERY, were it measured
}

}  // namespace
}  // namespace corvane
