#include "assist/diagnostics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/word_suggester.h"
#include "tests/assist/annotated_text.h"

namespace corvane {
namespace {

using test::AnnotatedText;

struct Expected {
    std::size_t range;  // index into the text's [[...]] ranges
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

void ExpectDiagnostics(const AnnotatedText& text, const std::vector<Expected>& expected) {
    const std::vector<Diagnostic> found = Diagnosis(text.text());
    ASSERT_EQ(found.size(), expected.size()) << text.text();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const test::TextRange range = text.ranges().at(expected[i].range);
        EXPECT_EQ(found[i].position, range.position) << expected[i].message;
        EXPECT_EQ(found[i].length, range.length) << expected[i].message;
        EXPECT_EQ(found[i].severity, expected[i].severity) << expected[i].message;
        EXPECT_EQ(found[i].message, expected[i].message);
    }
}

TEST(Diagnostics, WordsAndGrammar) {
    const std::string kCommandExamples = "(STATE_BRING_NEW_PEOPLE, STATE_CONSTRUCT_BUILDING, STATE_FETCH_WOOD, ...)";
    const struct {
        std::string marked;
        std::vector<Expected> expected;
    } cases[] = {
        {Script("\tDO STATE_FETCH_WOOD ON"), {}},
        // Every unknown word, each with its suggestion; the grammar's first wrong word as well.
        {Script("\tDO [[STATE_FETCH_WOD]] ON\r\n\tDO STATE_DEFEND [[onn]]\r\n\t[[D0]] STATE_DEFEND ON"),
         {{0, kError, "Unknown word STATE_FETCH_WOD; did you mean STATE_FETCH_WOOD?"},
          {0, kError,
           "expected <docommand> after DO " + kCommandExamples +
               ", found STATE_FETCH_WOD; did you mean STATE_FETCH_WOOD?"},
          {1, kError, "Unknown word onn; did you mean ON?"},
          {2, kError, "Unknown word D0; did you mean DO?"}}},
        // Positions count bytes: tabs, CR LF and a Windows-1252 letter are one byte each.
        {"START_SCRIPT\r\n{\r\n\t\tdo state_fetch_wood on\r\n\t[[Caf\xe9s]]\t[[xyzzy]]\r\n}\r\nENDSCRIPT",
         {{0, kError, "Unknown word Caf\xe9s"},
          {0, kError, "expected <mcom> after on (DO, IF, SET, ...), found Caf\xe9s"},
          {1, kError, "Unknown word xyzzy"}}},
        {Script("\tSET VAR_1 [[%99999999999]]\r\n\tSET [[INT_&H7FFFFFFFF]] %1"),
         {{0, kError, "Number out of range in %99999999999 (it must fit in a signed 32-bit integer)"},
          {1, kError, "Number out of range in INT_&H7FFFFFFFF (it must fit in a signed 32-bit integer)"}}},
        {Script("\tDO [[IF]] = %1 %2"),
         {{0, kError, "expected <docommand> after DO " + kCommandExamples + ", found IF"}}},
        {Script("\tSET [[ON]] %1"), {{0, kError, "expected <var> after SET (a value), found ON"}}},
        {Script("\tIF [[=<]] %1 %2"),
         {{0, kError, "Unknown word =<; did you mean <?"},
          {0, kError, "expected <operator/both> after IF (<, >, =, ...), found =<; did you mean <?"}}},
        // A four-letter word that is no word compiles as a raw code: a warning unless it is hexadecimal.
        {Script("\tDO [[ATAK]] BLUE\r\n\tSET VAR_1 [[Wood]]\r\n\tSET VAR_1 e803"),
         {{0, kWarning, "ATAK is no word; it compiles as a raw code"},
          {0, kError, "expected <docommand> after DO " + kCommandExamples + ", found ATAK"},
          {1, kWarning, "Wood is no word; it compiles as a raw code"}}},
        {"START_SCRIPT\r\n{\r\n}\r\nENDSCRIPT [[DO]]", {{0, kError, "nothing may follow ENDSCRIPT, found DO"}}},
        {"[[{]] [[}]]", {{0, kError, "expected START_SCRIPT, found {"}, {1, kError, "} closes no open block"}}},
        {"START_SCRIPT [[IF]]", {{0, kError, "expected { after START_SCRIPT, found IF"}}},
        {"START_SCRIPT { DO STATE_DEFEND [[ON]]\r\n",
         {{0, kError, "expected <mcom> after ON (DO, IF, SET, ...), found the end of the text"}}},
        {" \r\n", {}},
        // A } with no open block ends the grammar's part, as it ends the checker; unknown words
        // after it are still found.
        {"START_SCRIPT\r\n{\r\n}\r\n[[}]]\r\nENDSCRIPT [[FOO]] ON",
         {{0, kError, "} closes no open block"}, {1, kError, "Unknown word FOO"}}},
    };
    for (const auto& row : cases) ExpectDiagnostics(AnnotatedText(row.marked), row.expected);
}

std::string Repeated(std::string_view statement, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += statement;
    return text;
}

std::string Variables(std::size_t count) {
    std::string body;
    for (std::size_t i = 1; i <= count; ++i) body += "SET VAR_" + std::to_string(i) + " VAR_" + std::to_string(i) + " ";
    return body;
}

// Each limit is reported once, at the first word past it; the words after it are still checked.
TEST(Diagnostics, LimitsAtTheFirstWordPastThem) {
    // START_SCRIPT { } ENDSCRIPT are 4 codes, each statement 3: 1364 statements make 4096.
    EXPECT_TRUE(Diagnosis(Script(Repeated("DO STATE_DEFEND ON ", 1364))).empty());
    EXPECT_TRUE(Diagnosis(Script(Variables(256))).empty());
    const std::string codes = Script(Repeated("DO STATE_DEFEND ON ", 1365) + "DO STATE_FETCH_WOD ON");
    const std::string variables = Script(Variables(257)), entries = Script(Variables(520));
    // START_SCRIPT is the first block; the hundredth IF opens block 101.
    const std::string blocks = "START_SCRIPT { " + Repeated("IF = %1 %1 { ", 100) + "}";
    const struct {
        const std::string& text;
        std::size_t count, index, position;  // how many diagnostics; which one is meant, and where it is
        DiagnosticSeverity severity;
        std::string message;
    } cases[] = {
        {codes, 3, 0, codes.rfind("ON DO STATE_FETCH_WOD"), kError,  // code 4097
         "Too many codes: the game reads at most 4096; ON is one more"},
        {codes, 3, 1, codes.find("STATE_FETCH_WOD"), kError,
         "Unknown word STATE_FETCH_WOD; did you mean STATE_FETCH_WOOD?"},
        {variables, 1, 0, variables.find("VAR_257"), kWarning,
         "More than 256 variables: VAR_257 needs entry 257, which the compiled script cannot refer to correctly"},
        {entries, 2, 1, entries.find("VAR_513"), kError,
         "Too many variables: the file holds at most 512 entries; VAR_513 needs one more"},
        {blocks, 1, 0, blocks.rfind("IF"), kError, "More than 100 blocks open at once; the checker cannot follow this"},
    };
    for (const auto& row : cases) {
        const std::vector<Diagnostic> found = Diagnosis(row.text);
        ASSERT_EQ(found.size(), row.count) << row.message;
        const Diagnostic& diagnostic = found[row.index];
        EXPECT_EQ(diagnostic.position, row.position) << row.message;
        EXPECT_EQ(diagnostic.length, row.text.find(' ', row.position) - row.position) << row.message;
        EXPECT_EQ(diagnostic.severity, row.severity) << row.message;
        EXPECT_EQ(diagnostic.message, row.message);
    }
}

TEST(WordSuggester, OffersOnlyCloseWords) {
    WordSuggester suggester(LanguageTables::Standard());
    const struct {
        const char* word;
        const char* suggestion;  // empty: none
    } cases[] = {
        {"STATE_FETCH_WOD", "STATE_FETCH_WOOD"},
        {"STAT_FETCH_WOD", "STATE_FETCH_WOOD"},  // two edits in a long word
        {"D0", "DO"},
        {"ATACK", "ATTACK"},
        {"INT_GAME_TIM", "INT_GAME_TIME"},
        {"EVRY", "EVERY"},
        {"ENDSCRIPT", ""},  // a known word needs no suggestion
        {"ATAK", ""},       // two edits are too many for a short word
        {"STTE_FTCH_WD", ""},
        {"ZZZZZZZZ", ""},
    };
    for (const auto& row : cases) EXPECT_EQ(suggester.Suggest(row.word).value_or(""), row.suggestion) << row.word;
    // Past the measured words only those seen before still get theirs.
    for (std::size_t i = 0; i < WordSuggester::kMaxMeasuredWords; ++i) suggester.Suggest("X" + std::to_string(i));
    EXPECT_EQ(suggester.Suggest("STATE_FETCH_WOD").value_or(""), "STATE_FETCH_WOOD");
    EXPECT_FALSE(suggester.Suggest("EVERYY").has_value());  // EVERY, were it measured
}

TEST(WordSuggester, BoundedEditDistance) {
    EXPECT_EQ(BoundedEditDistance("SITTING", "KITTEN", 5), 3u);
    EXPECT_EQ(BoundedEditDistance("KITTEN", "SITTING", 2), 3u);  // past the limit: limit + 1
    EXPECT_EQ(BoundedEditDistance("ABC", "ACB", 3), 2u);
}

}  // namespace
}  // namespace corvane
