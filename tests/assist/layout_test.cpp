#include "assist/layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "assist/diagnostics.h"
#include "core/compiler.h"
#include "support/file_utils.h"
#include "tests/assist/words_of.h"

namespace corvane {
namespace {

const LanguageTables& Tables() { return LanguageTables::Standard(); }

std::string LayOut(std::string_view text) { return LayOutScript(text, Tables()); }

using test::WordsOf;

// What every layout must keep: the words themselves, the outcome of compiling (the same file, or the
// same refusal at the same word), and itself when laid out again.
void ExpectLayoutProperties(std::string_view text) {
    const std::string laidOut = LayOut(text);
    EXPECT_EQ(WordsOf(laidOut), WordsOf(text)) << text;
    const CompileResult before = CompileScript(text, Tables()), after = CompileScript(laidOut, Tables());
    ASSERT_EQ(before.ok(), after.ok()) << text;
    EXPECT_EQ(before.ok() ? before.script().fileBytes : before.error().message,
              after.ok() ? after.script().fileBytes : after.error().message)
        << text;
    EXPECT_EQ(LayOut(laidOut), laidOut) << text;
}

TEST(Layout, LoaderRules) {
    const struct {
        const char* text;
        const char* laidOut;
    } cases[] = {
        {"", ""},
        {"start_script {  do state_fetch_wood on } endscript",
         "start_script \r\n{ \r\n\tdo state_fetch_wood on \r\n} \r\nendscript "},
        {"START_SCRIPT\n{\n\t\tEVERY %16 { IF > INT_GAME_TIME %100 { } ENDIF }\n}\nENDSCRIPT\n",
         "START_SCRIPT \r\n{ \r\n\tEVERY %16 \r\n\t{ \r\n\t\tIF > INT_GAME_TIME %100 \r\n\t\t{ \r\n\t\t} \r\n\t\tENDIF "
         "\r\n\t} \r\n} \r\nENDSCRIPT "},
        // Unknown words stay where they stand, on the line of the word before them.
        {"IF foo\r\n\r\nbar { Caf\xe9 }", "IF foo bar \r\n{ Caf\xe9 \r\n} "},
        // A statement word at the start begins no empty line; a stray } leaves the indentation empty.
        {"} } { DO", "} \r\n} \r\n{ \r\n\tDO "},
        // A code written as its four hex digits is laid out as the word the loader prints for it.
        {"START_SCRIPT E803 < %1 %1", "START_SCRIPT \r\nE803 < %1 %1 "},
        // Words after ENDSCRIPT are the author's too.
        {"ENDSCRIPT DO", "ENDSCRIPT \r\nDO "},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(LayOut(row.text), row.laidOut) << row.text;
        ExpectLayoutProperties(row.text);
    }
}

// The examples are the loader's own text (the loader's round trip test shows it): they have no
// diagnostics, are laid out already, and their words on one line are laid out back to them.
TEST(Layout, ExamplesAndTheLoadersText) {
    for (const char* name : {"skirmish.txt", "starter.txt", "maximum_4096_codes.txt"}) {
        std::string text;
        ASSERT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, text));
        EXPECT_TRUE(Diagnose(text, Tables(), Grammar::Standard()).empty()) << name;
        ExpectLayoutProperties(text);
        EXPECT_EQ(LayOut(text), text) << name;
        std::string oneLine;
        for (std::string_view word : WordsOf(text)) oneLine.append(word).append(" \t ");
        EXPECT_EQ(LayOut(oneLine), text) << name;
    }
}

// Random texts of words from all parts of the language, mixed case, unknown words and every
// separator: the properties hold for each.
TEST(Layout, PropertiesOnGeneratedTexts) {
    const std::vector<std::string_view> words = WordsOf(
        "START_SCRIPT { } IF else EndIf EVERY DO SET INCREMENT ENDSCRIPT < >= BOTH ON off state_fetch_wood ATTACK %1 "
        "%-7 VAR_3 INT_GAME_TIME INT_5000 E803 EA03 0500 FOO Caf\xe9 %99999999999 multiply");
    const std::vector<std::string> separators = {" ", "\t", "\r\n", "\n", "\r", "  \t\r\n "};
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const std::size_t count = random() % 60;
        for (std::size_t i = 0; i < count; ++i) {
            text += separators[random() % separators.size()];
            text += words[random() % words.size()];
        }
        ExpectLayoutProperties(text);
    }
}

}  // namespace
}  // namespace corvane
