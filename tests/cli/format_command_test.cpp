#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "support/file_utils.h"
#include "tests/common/temp_folder.h"

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: temporary folders

struct CliRun {
    int exit = -1;
    std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int exit = RunCli(args, out, err);
    return {exit, out.str(), err.str()};
}

class FormatCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/skirmish.txt", laidOut));
        // The same words on one line, the first ones apart in other blanks.
        squeezed = std::regex_replace(laidOut, std::regex("[\r\n\t ]+"), " ");
        squeezed.replace(squeezed.find(" { "), 3, "\t{\n\n");
        writeBytes(P("s.txt"), squeezed);
        writeBytes(P("good.txt"), laidOut);
    }
    std::string P(const std::string& name) const { return folder.file(name); }

    TempFolder folder;
    std::string laidOut;
    std::string squeezed;
};

TEST_F(FormatCommandTest, LaysOutToStandardOutputOrAFileAndChecks) {
    const CliRun toStdout = Cli({"format", P("s.txt")});
    EXPECT_EQ(toStdout.exit, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, laidOut);
    writeBytes(P("o.txt"), "old");
    EXPECT_EQ(Cli({"format", P("s.txt"), P("o.txt")}).exit, 0);
    EXPECT_EQ(readBytes(P("o.txt")), laidOut);
    const CliRun good = Cli({"format", "--check", P("good.txt")});
    EXPECT_EQ(good.exit, 0);
    EXPECT_EQ(good.out + good.err, "");
    const CliRun bad = Cli({"format", "--check", P("s.txt")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err,
              P("s.txt") + ":1:13: not laid out as the loader prints it (corvane-script format lays it out)\n");
    EXPECT_EQ(readBytes(P("s.txt")), squeezed);
}

TEST_F(FormatCommandTest, FileAndUsageErrorsChangeNothing) {
    const std::tuple<std::vector<std::string>, std::string> cases[] = {
        {{"format", P("none.txt")}, P("none.txt") + ": "},
        {{"format", "--check", P("none.txt")}, P("none.txt") + ": "},
        {{"format", P("s.txt"), P("./s.txt")}, P("./s.txt") + ": is the input file; give the output another name\n"},
        {{"format", P("s.txt"), P("no-folder/o.txt")}, P("no-folder/o.txt")},
        {{"format", folder.path().string()}, folder.path().string() + ": "},
        {{"format"}, "corvane-script: wrong number of arguments for format\n"},
        {{"format", "--check"}, "corvane-script: wrong number of arguments for format\n"},
        {{"format", "a", "b", "c"}, "corvane-script: wrong number of arguments for format\n"},
        {{"lsp", "x"}, "corvane-script: wrong number of arguments for lsp\n"},
    };
    for (const auto& [args, errStart] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, 2) << args.back();
        EXPECT_TRUE(run.err.starts_with(errStart)) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(readBytes(P("s.txt")), squeezed);
    EXPECT_FALSE(std::filesystem::exists(P("no-folder")));
    const std::string help = Cli({"--help"}).out;
    for (const char* line : {"format SCRIPT.txt [OUT.txt]", "format --check SCRIPT.txt", "corvane-script lsp "}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace corvane
