#include "lsp/formatting_edits.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace corvane {
namespace {

TEST(FormattingEdits, LaysOutInTheDocumentsOwnLineEnds) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // document, laid out, expected
        {"x\ny\n", "A \r\n\tB \r\nC ", "A\n\tB\nC\n"},
        {"x\r\ny", "A \r\n\tB \r\nC ", "A\r\n\tB\r\nC"},
        {"x\ry\r", "A\r\nB", "A\rB\r"},
        {"one line", "A \r\nB\t", "A\nB"},       // no line end of its own: LF
        {"x\r\n\ny\n", "A\r\nB", "A\r\nB\r\n"},  // the first line end decides
        {"x\n", "A \r\n \r\n\r\n", "A\n"},       // no blank line at the end
        {"  \n", "", ""},                        // nothing laid out gets no line end
        {"", "START_SCRIPT ENDSCRIPT", "START_SCRIPT ENDSCRIPT"},
    };
    for (const auto& [document, laidOut, expected] : cases) {
        EXPECT_EQ(InDocumentLineEnds(laidOut, document), expected) << document;
    }
}

// The document after a client applied the edits, the last one first as clients do.
std::string Applied(const std::string& text, const std::vector<TextEdit>& edits) {
    const DocumentText document(text);
    std::string result = text;
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        // The tests' texts are ASCII, so engine offsets are byte offsets of the client's text.
        const std::size_t from = document.OffsetAt(edit->start);
        const std::size_t to = document.OffsetAt(edit->end);
        EXPECT_LE(from, to);
        if (edit + 1 != edits.rend()) {
            EXPECT_LE(document.OffsetAt((edit + 1)->end), from) << "edits overlap";
        }
        result.replace(from, to - from, edit->newText);
    }
    return result;
}

struct EditCase {
    const char* before;
    const char* after;
    std::vector<TextEdit> edits;
    std::size_t maxChangedLines = 2000;  // as the server asks
};

TEST(FormattingEdits, ReplacesOnlyTheLinesThatDiffer) {
    const EditCase cases[] = {
        {"A\nB\nC\n", "A\nB\nC\n", {}},
        {"A\nb\nC\n", "A\nB\nC\n", {{{1, 0}, {2, 0}, "B\n"}}},
        {"A\nb\nC\nd\nE\n", "A\nB\nC\nD\nE\n", {{{1, 0}, {2, 0}, "B\n"}, {{3, 0}, {4, 0}, "D\n"}}},
        {"A\nC\n", "A\nB\nC\n", {{{1, 0}, {1, 0}, "B\n"}}},
        {"A\nB\nC\n", "A\nC\n", {{{1, 0}, {2, 0}, ""}}},
        {"A\nB\nc", "A\nB\nC", {{{2, 0}, {2, 1}, "C"}}},  // the last line has no line end
        {"A\nB", "A\nB\n", {{{1, 0}, {1, 1}, "B\n"}}},
        {"A\r\nB\r\n", "A\nB\n", {{{0, 0}, {2, 0}, "A\nB\n"}}},
        {"", "A\n", {{{0, 0}, {0, 0}, "A\n"}}},
        {"A\n\n\n", "A\n", {{{1, 0}, {3, 0}, ""}}},
        // Too many lines differ: one edit from the first change to the last.
        {"A\nb\nC\nd\nE\n", "A\nB\nC\nD\nE\n", {{{1, 0}, {4, 0}, "B\nC\nD\n"}}, 1},
    };
    for (const EditCase& c : cases) {
        const std::vector<TextEdit> edits = LineEdits(DocumentText(c.before), c.after, c.maxChangedLines);
        EXPECT_EQ(edits, c.edits) << c.before;
        EXPECT_EQ(Applied(c.before, edits), c.after) << c.before;
    }
}

// Random texts of few distinct lines, so that the line diff finds many partial matches.
TEST(FormattingEdits, AppliedEditsGiveTheLaidOutTextForRandomTexts) {
    std::mt19937 random(18);
    const char* pieces[] = {"A", "B", "C", "\t{", "}", ""};
    const char* ends[] = {"\n", "\r\n", "\r"};
    const auto randomText = [&](std::size_t lines) {
        std::string text;
        for (std::size_t i = 0; i < lines; ++i) {
            text += pieces[random() % std::size(pieces)];
            if (i + 1 < lines || random() % 2) text += ends[random() % std::size(ends)];
        }
        return text;
    };
    for (int round = 0; round < 500; ++round) {
        const std::string before = randomText(random() % 12);
        const std::string after = randomText(random() % 12);
        const std::size_t budget = round % 3 == 0 ? 2 : 1000;
        EXPECT_EQ(Applied(before, LineEdits(DocumentText(before), after, budget)), after) << round;
    }
}

}  // namespace
}  // namespace corvane
