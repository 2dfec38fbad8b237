#include <gtest/gtest.h>

#include "checker/script_checker.h"
#include "core/compiler.h"
#include "core/loader.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

struct ExampleCase {
    const char* file;
    std::size_t codes;
};

class Examples : public ::testing::TestWithParam<ExampleCase> {
protected:
    std::string Text() const {
        std::string text;
        EXPECT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + GetParam().file, text));
        return text;
    }
};

TEST_P(Examples, CompileCheckCleanAndRoundTripByteExact) {
    const std::string text = Text();
    ASSERT_FALSE(text.empty());
    EXPECT_TRUE(text.starts_with("START_SCRIPT \r\n{ \r\n\t"));
    EXPECT_TRUE(text.ends_with("\r\n} \r\nENDSCRIPT "));
    EXPECT_TRUE(CheckScript(text, Grammar::Standard()).ok());
    const CompileResult compiled = CompileScript(text, LanguageTables::Standard());
    ASSERT_TRUE(compiled.ok()) << compiled.error().message;
    EXPECT_EQ(compiled.script().codeCount, GetParam().codes);
    const LoadResult loaded = LoadScript(compiled.script().fileBytes, LanguageTables::Standard());
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.script().text, text);
    EXPECT_TRUE(loaded.script().unknownCodes.empty());
}

INSTANTIATE_TEST_SUITE_P(Scripts, Examples,
                         ::testing::Values(ExampleCase{"starter.txt", 45}, ExampleCase{"skirmish.txt", 225},
                                           ExampleCase{"maximum_4096_codes.txt", 4096}));

}  // namespace
}  // namespace corvane
