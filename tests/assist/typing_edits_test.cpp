#include "assist/typing_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

std::string Applied(std::string text, const std::vector<BlankEdit>& edits) {
    for (const BlankEdit& edit : edits) text.replace(edit.position, edit.length, edit.blanks);
    return text;
}

TEST(TypingEdits, NewLineTabs) {
    const struct {
        const char* line;
        std::size_t tabs;
    } cases[] = {
        {"", 0},    {"\t\tDO ATTACK", 2},       {"SET\tVAR_1 %2", 1},  // a tab inside the line counts too
        {"{", 1},   {"\tIF > VAR_1 %2 {  ", 2}, {"\t{x", 1},           // no brace word
        {"\t}", 1},
    };
    for (const auto& row : cases) EXPECT_EQ(NewLineTabs(row.line), row.tabs) << row.line;
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
    const struct {
        const char* text;
        std::size_t caret;
        std::vector<std::string_view> closers;
    } cases[] = {
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
    for (const auto& row : cases) EXPECT_EQ(MissingClosers(row.text, row.caret), row.closers) << row.text;
}

}  // namespace
}  // namespace corvane
