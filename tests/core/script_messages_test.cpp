// Messages that echo a word of the input stay readable, whatever the word holds.
#include "core/script_messages.h"

#include <gtest/gtest.h>

#include "checker/script_checker.h"
#include "core/compiler.h"

namespace corvane {
namespace {

TEST(MessageWord, CutsLongWordsAndEscapesControlCharacters) {
    const std::string sixty(60, 'A');
    const std::pair<std::string, std::string> cases[] = {
        {"IF", "IF"},
        {sixty, sixty},
        {sixty + "B", sixty + "... (61 characters)"},
        {"\x1B[2J", "\\x1B[2J"},
        {std::string("A\0B", 3), "A\\x00B"},
        {"\x7F\x1F\x20\x80\xE9", "\\x7F\\x1F \x80\xE9"},
        {std::string(59, 'x') + "\x07\x07", std::string(59, 'x') + "\\x07... (61 characters)"}};
    for (const auto& [word, shown] : cases) EXPECT_EQ(WordForMessage(word), shown) << word;
}

TEST(MessageWord, CompilerAndCheckerMessagesUseIt) {
    const CompileResult result = CompileScript("IF " + std::string(10 << 20, 'Q'), LanguageTables::Standard(), {});
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().message,
              std::string(kUnknownCommandPrefix) + std::string(60, 'Q') + "... (10485760 characters)");
    EXPECT_EQ(result.error().length, 10u << 20) << "the editor still selects the whole word";
    EXPECT_NE(
        CheckScript("START_SCRIPT { \x1B]0;x\x07 }", Grammar::Standard()).message.find("In script: \\x1B]0;X\\x07\r\n"),
        std::string::npos);
}

}  // namespace
}  // namespace corvane
