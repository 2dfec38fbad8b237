#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assist/block_match.h"
#include "assist/layout.h"
#include "assist/layout_edits.h"
#include "assist/word_colouring.h"
#include "checker/grammar.h"
#include "core/language_tables.h"
#include "tests/assist/annotated_text.h"

namespace corvane {
namespace {

TEST(EditorWords, KindsOfWordsAsTheCompilerReadsThem) {
    const std::pair<const char*, WordKind> cases[] = {
        {"if", WordKind::kKeyword},           {"START_SCRIPT", WordKind::kKeyword},
        {"EndIf", WordKind::kKeyword},        {"attack", WordKind::kCommand},
        {"STATE_DEFEND", WordKind::kCommand}, {"INT_GAME_TIME", WordKind::kInternalValue},
        {"int_7", WordKind::kInternalValue},  {"INT_0", WordKind::kUnknown},
        {"INT_NO_SUCH", WordKind::kUnknown},  {"%-3", WordKind::kNumber},
        {"var_12", WordKind::kUserVariable},  {"}", WordKind::kBrace},
        {"BLAH", WordKind::kUnknown},         {"{{", WordKind::kUnknown},
    };
    const LanguageTables& tables = LanguageTables::Standard();
    for (const auto& [word, kind] : cases) EXPECT_EQ(KindOfWord(word, tables, Grammar::Standard()), kind) << word;
    const std::vector<ColouredWord> words = ColourWords("\tDO  x\r\n%1", tables, Grammar::Standard());
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[1].position, 5u);
    EXPECT_EQ(words[2].position, 8u);
}

TEST(EditorWords, BlockPartnersOfTheWordAtTheCaret) {
    const char* cases[] = {
        "[[^{]] IF < VAR_1 %2 { } ENDIF [[}]]",                         // just before the brace
        "{ [[IF]] < VAR_1 %2 { } [[else]] { } [[ENDIF^]] }",            // just after ENDIF, ELSE of its own IF
        "[[IF]] = %1 %1 { IF = %1 %1 { } ENDIF } [[E^LSE]] [[ENDIF]]",  // nested IF skipped
        "START_SCRIPT ^ { }",                                           // on no word
        "{ [[{]] [[^}]] ",                                              // the inner brace closes first
        "^{ { } ",                                                      // an unclosed brace: no partner
        "^ENDIF IF",                                                    // ENDIF before any IF
        "IF^ = %1 %1",                                                  // an IF that is never closed
    };
    for (const char* source : cases) {  // the caret as "^", the expected words as "[[...]]"
        const test::AnnotatedText a(source);
        std::vector<WordSpan> marked;
        for (const test::TextRange& range : a.ranges()) marked.push_back({range.position, range.length});
        EXPECT_EQ(MatchingWordsAt(a.text(), a.point()), marked) << source;
    }
    for (const char* word : {"{", "}", "if", "Else", "ENDIF"}) EXPECT_TRUE(HasBlockPartners(word)) << word;
    for (const char* word : {"EVERY", "START_SCRIPT", "IFF", "{{"}) EXPECT_FALSE(HasBlockPartners(word)) << word;
}

TEST(EditorWords, LayoutAsBlankEditsGivesTheLayoutAndKeepsEveryWord) {
    const LanguageTables& tables = LanguageTables::Standard();
    const std::string texts[] = {
        "START_SCRIPT { SET VAR_1 %2 IF < VAR_1 %3 { DO STATE_DEFEND ON } ENDIF } ENDSCRIPT",
        "  start_script\r\n{\n\t\t\tset var_\xe9 %2 }   ENDSCRIPT\r\n\r\n",
        "",
    };
    for (const std::string& text : texts) {
        const auto edits = LayoutEdits(text, tables);
        ASSERT_TRUE(edits.has_value()) << text;
        std::string edited = text;
        std::size_t lastPosition = std::string::npos;
        for (const BlankEdit& edit : *edits) {
            EXPECT_LT(edit.position, lastPosition);  // from the end, so positions stay valid
            lastPosition = edit.position;
            edited.replace(edit.position, edit.length, edit.blanks);
        }
        EXPECT_EQ(edited, LayOutScript(text, tables)) << text;
    }
    EXPECT_TRUE(LayoutEdits(LayOutScript(texts[0], tables), tables)->empty());  // laid out already: nothing to do
}

}  // namespace
}  // namespace corvane
