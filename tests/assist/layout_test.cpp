// The layout, as a text and as blank edits, and the blanks the script box changes while the author types.

#include "assist/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/diagnostics.h"
#include "assist/layout_edits.h"
#include "assist/typing_edits.h"
#include "tests/assist/script_text.h"

namespace corvane {
namespace {

const LanguageTables& Tables() { return LanguageTables::Standard(); }

std::string LayOut(std::string_view text) { return LayOutScript(text, Tables()); }

using test::WordsOf;

std::string Applied(std::string text, const std::vector<BlankEdit>& edits) {
    for (const BlankEdit& edit : edits) text.replace(edit.position, edit.length, edit.blanks);
    return text;
}

// What every layout must keep: the words as the compiler reads them (so the compiled file too), and
// itself when laid out again. Its blank edits, applied from the last to the first, give it too.
void ExpectLayoutProperties(std::string_view text) {
    const std::string laidOut = LayOut(text);
    const auto edits = LayoutEdits(text, Tables());
    ASSERT_TRUE(edits.has_value()) << text;
    EXPECT_EQ(Applied(std::string(text), *edits), laidOut) << text;
    EXPECT_EQ(WordsOf(laidOut), WordsOf(text)) << text;
    EXPECT_EQ(LayOut(laidOut), laidOut) << text;
}

TEST(Layout, LoaderRules) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"start_script {  do state_fetch_wood on } endscript",
         "start_script \r\n{ \r\n\tdo state_fetch_wood on \r\n} \r\nendscript "},
        // Unknown words stay where they stand, on the line of the word before them.
        {"IF foo\r\n\r\nbar { Caf\xe9 }", "IF foo bar \r\n{ Caf\xe9 \r\n} "},
        // A statement word at the start begins no empty line; a stray } leaves the indentation empty.
        {"} } { DO", "} \r\n} \r\n{ \r\n\tDO "},
        // A code written as its four hex digits is laid out as the word the loader prints for it.
        {"START_SCRIPT E803 < %1 %1", "START_SCRIPT \r\nE803 < %1 %1 "},
        // Words after ENDSCRIPT are the author's too.
        {"ENDSCRIPT DO", "ENDSCRIPT \r\nDO "},
    };
    for (const auto& [text, laidOut] : cases) {
        EXPECT_EQ(LayOut(text), laidOut) << text;
        ExpectLayoutProperties(text);
    }
}

// The examples are the loader's own text (the loader's round trip test shows it): they have no
// diagnostics, are laid out already (no blank to edit), and their words on one line are laid out back
// to them.
TEST(Layout, ExamplesAndTheLoadersText) {
    for (const std::string& text : test::ExampleScripts()) {
        SCOPED_TRACE(text.substr(0, 60));
        EXPECT_TRUE(Diagnose(text, Tables(), Grammar::Standard()).empty());
        EXPECT_EQ(LayoutEdits(text, Tables()), std::vector<BlankEdit>());
        std::string oneLine;
        for (std::string_view word : WordsOf(text)) oneLine.append(word).append(" \t ");
        EXPECT_EQ(LayOut(oneLine), text);
        ExpectLayoutProperties(oneLine);
    }
}

TEST(TypingEdits, NewLineTabs) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 0},    {"\t\tDO ATTACK", 2},       {"SET\tVAR_1 %2", 1},  // a tab inside the line counts too
        {"{", 1},   {"\tIF > VAR_1 %2 {  ", 2}, {"\t{x", 1},           // no brace word
        {"\t}", 1},
    };
    for (const auto& [line, tabs] : cases) EXPECT_EQ(NewLineTabs(line), tabs) << line;
}

TEST(TypingEdits, ShiftLinesIndentsAndOutdentsTheSelectedLines) {
    const std::string text = "A\r\n\tB\n    C\n  D\n";
    const struct {
        std::size_t from, to;
        bool outdent;
        const char* result;
    } cases[] = {
        {0, 0, false, "\tA\r\n\tB\n    C\n  D\n"},
        {1, 5, false, "\tA\r\n\t\tB\n    C\n  D\n"},      // the selection reaches into B's line
        {0, 3, false, "\tA\r\n\tB\n    C\n  D\n"},        // it ends at the start of B's line: B stays
        {0, 17, true, "A\r\nB\nC\nD\n"},                  // one tab, four spaces, two spaces; A has none
        {3, 100, false, "A\r\n\t\tB\n\t    C\n\t  D\n"},  // beyond the end: up to the last line
    };
    for (const auto& row : cases) {
        EXPECT_EQ(Applied(text, ShiftLines(text, row.from, row.to, row.outdent)), row.result)
            << row.from << ".." << row.to;
    }
}

TEST(TypingEdits, MissingClosersOfABlockJustOpened) {
    const std::tuple<const char*, std::size_t, std::vector<std::string_view>> cases[] = {
        {"START_SCRIPT\n{", 14, {"}"}},
        {"START_SCRIPT\n{\n}", 14, {}},   // balanced
        {"START_SCRIPT\n{ ", 15, {"}"}},  // blanks after the brace
        {"START_SCRIPT\n{\n\tIF = %1 %1\n\t{", 29, {"}", "ENDIF"}},
        {"{\n\tIF = %1 %1\n\t{\n}\nENDIF", 16, {"}"}},  // the IF has its ENDIF
        {"{ IF = %1 %1 { } ELSE {", 23, {"}"}},         // ELSE's block: ENDIF follows an IF's block only
        {"{ IF = %1 %1 { } ENDIF IF", 1, {"}"}},        // the outer brace at the caret
        {"START_SCRIPT\n{x", 15, {}},                   // no brace word
        {"{ DO", 4, {}},                                // the caret after another word
        {"", 0, {}},
    };
    for (const auto& [text, caret, closers] : cases) EXPECT_EQ(MissingClosers(text, caret), closers) << text;
}

}  // namespace
}  // namespace corvane
