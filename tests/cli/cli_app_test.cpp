#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/text_location.h"
#include "tests/common/temp_folder.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using testing::FileWith;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

struct CliRun {
    int exit = -1;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun result;
    result.exit = RunCli(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

class CliTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string Path(const std::string& name) const { return folder.file(name); }
};

TEST_F(CliTest, CompileWritesTheCompiledFile) {
    writeBytes(Path("s.txt"), "START_SCRIPT SET VAR_3 %7 ENDSCRIPT");
    const CliRun run = Cli({"compile", Path("s.txt"), Path("s.dat")});
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(readBytes(Path("s.dat")), FileWith({12, 1007, 0, 1, 1019}, {{1, 3}, {0, 7}}));
    EXPECT_EQ(run.err, "");
}

TEST_F(CliTest, CompileErrorNamesLineAndColumnAndKeepsTheOldFile) {
    writeBytes(Path("s.txt"), "START_SCRIPT\r\n{\r\n\t\xC3\xA9 FOOBAR\r\n}");
    writeBytes(Path("s.dat"), "old");
    const CliRun run = Cli({"compile", Path("s.txt"), Path("s.dat")});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, Path("s.txt") + ":3:2: ERROR while compiling! Unknown command: \xC3\xA9\n");
    EXPECT_EQ(readBytes(Path("s.dat")), "old");
}

TEST_F(CliTest, CompileRefusesMoreThan256Entries) {
    std::string text = "START_SCRIPT";
    for (int i = 0; i < 257; ++i) text += "\n%" + std::to_string(i);
    writeBytes(Path("s.txt"), text);
    const CliRun run = Cli({"compile", Path("s.txt"), Path("s.dat")});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err.rfind(Path("s.txt") + ":258:1: this script uses more than 256 variables (257)", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Path("s.dat")));
}

TEST_F(CliTest, DecompileGivesTheLoadersTextByteForByte) {
    writeBytes(Path("s.dat"), FileWith({12, 1003, 1000, 1012, 0, 1, 1003, 1004, 1002, 1004, 1019}, {{2, 0}, {0, 5}}));
    const std::string text = "START_SCRIPT \r\n{ \r\n\tIF > INT_GAME_TIME %5 \r\n\t{ \r\n\t} \r\n\tENDIF \r\n} \r\nENDSCRIPT ";
    const CliRun toStdout = Cli({"decompile", Path("s.dat")});
    EXPECT_EQ(toStdout.exit, 0);
    EXPECT_EQ(toStdout.out, text);
    const CliRun toFile = Cli({"decompile", Path("s.dat"), Path("s.txt")});
    EXPECT_EQ(toFile.exit, 0);
    EXPECT_EQ(readBytes(Path("s.txt")), text);
}

TEST_F(CliTest, DecompileWarnsAboutUnknownCodes) {
    writeBytes(Path("s.dat"), FileWith({12, 0x0105, 1019}));
    const CliRun run = Cli({"decompile", Path("s.dat")});
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, "START_SCRIPT 0501 \r\nENDSCRIPT ");
    EXPECT_EQ(run.err, Path("s.dat") + ": warning: Found unkown command: 0501\nNot fatal, recompiling won't be a problem!\n");
}

TEST_F(CliTest, DecompileRefusesMissingAndForeignFiles) {
    const CliRun missing = Cli({"decompile", Path("none.dat")});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_EQ(missing.err, Path("none.dat") + ": The file doesn't exist!\n");
    writeBytes(Path("x.dat"), "hello");
    writeBytes(Path("x.txt"), "keep");
    const CliRun foreign = Cli({"decompile", Path("x.dat"), Path("x.txt")});
    EXPECT_EQ(foreign.exit, 1);
    EXPECT_EQ(foreign.err, Path("x.dat") + ": This is not a valid script file!\n");
    EXPECT_EQ(readBytes(Path("x.txt")), "keep");
}

TEST_F(CliTest, CheckReportsTheVerdict) {
    writeBytes(Path("ok.txt"), "START_SCRIPT { } ENDSCRIPT ");
    const CliRun ok = Cli({"check", Path("ok.txt")});
    EXPECT_EQ(ok.exit, 0);
    EXPECT_EQ(ok.out, "No big errors found!\n");

    writeBytes(Path("bad.txt"), "START_SCRIPT\r\n{\r\n\tIF VAR_1 > %2");
    const CliRun bad = Cli({"check", Path("bad.txt")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err, Path("bad.txt") +
                           ":3:5: Wrong expectation: \nIn script: VAR_1\nExpected: < > = <> >= <= || BOTH \nGroup: 5\n");

    writeBytes(Path("brace.txt"), "START_SCRIPT { }\n}");
    const CliRun brace = Cli({"check", Path("brace.txt")});
    EXPECT_EQ(brace.exit, 1);
    EXPECT_EQ(brace.err, Path("brace.txt") + ":2:1: The amount of { is not equal to the amount of }!\n");
}

TEST_F(CliTest, FileErrorsAreExitTwo) {
    EXPECT_EQ(Cli({"check", Path("none.txt")}).exit, 2);
    EXPECT_EQ(Cli({"compile", Path("none.txt"), Path("o.dat")}).exit, 2);
    EXPECT_EQ(Cli({"check", folder.path().string()}).exit, 2);
    writeBytes(Path("s.txt"), "START_SCRIPT");
    const CliRun run = Cli({"compile", Path("s.txt"), Path("no-such-folder/o.dat")});
    EXPECT_EQ(run.exit, 2);
    EXPECT_NE(run.err.find("no-such-folder"), std::string::npos);
}

TEST_F(CliTest, NeverWritesOverItsInput) {
    writeBytes(Path("s.txt"), "START_SCRIPT ENDSCRIPT");
    writeBytes(Path("s.dat"), FileWith({12, 1019}));
    const CliRun compile = Cli({"compile", Path("s.txt"), Path("./s.txt")});
    EXPECT_EQ(compile.exit, 2);
    EXPECT_EQ(compile.err, Path("./s.txt") + ": is the input file; give the output another name\n");
    EXPECT_EQ(readBytes(Path("s.txt")), "START_SCRIPT ENDSCRIPT");
    EXPECT_EQ(Cli({"decompile", Path("s.dat"), Path("s.dat")}).exit, 2);
    EXPECT_EQ(readBytes(Path("s.dat")), FileWith({12, 1019}));
}

struct UsageCase {
    std::vector<std::string> args;
    int exit;
    const char* outStart;
    const char* errStart;
};

class CliUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsage, AnswersWithUsageOrVersion) {
    const CliRun run = Cli(GetParam().args);
    EXPECT_EQ(run.exit, GetParam().exit);
    EXPECT_EQ(run.out.rfind(GetParam().outStart, 0), 0u) << run.out;
    EXPECT_EQ(run.err.rfind(GetParam().errStart, 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Args, CliUsage,
    ::testing::Values(UsageCase{{"--help"}, 0, "Usage:\n", ""}, UsageCase{{"--version"}, 0, "corvane-script 0.3.0\n", ""},
                      UsageCase{{}, 2, "", "corvane-script: no command given"},
                      UsageCase{{"build", "x"}, 2, "", "corvane-script: unknown command build"},
                      UsageCase{{"compile", "a.txt"}, 2, "", "corvane-script: wrong number of arguments for compile"},
                      UsageCase{{"decompile"}, 2, "", "corvane-script: wrong number of arguments for decompile"},
                      UsageCase{{"check", "a", "b"}, 2, "", "corvane-script: wrong number of arguments for check"}));

struct LocationCase {
    const char* text;
    std::size_t offset;
    std::size_t line;
    std::size_t column;
};

class LocateOffsetTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocateOffsetTest, CountsEachLineBreakOnce) {
    const TextLocation location = LocateOffset(GetParam().text, GetParam().offset);
    EXPECT_EQ(location.line, GetParam().line);
    EXPECT_EQ(location.column, GetParam().column);
}

INSTANTIATE_TEST_SUITE_P(Texts, LocateOffsetTest,
                         ::testing::Values(LocationCase{"abc", 0, 1, 1}, LocationCase{"abc", 2, 1, 3},
                                           LocationCase{"\r\n\r\nfoo", 4, 3, 1}, LocationCase{"a\nb\nc", 4, 3, 1},
                                           LocationCase{"a\rb", 2, 2, 1}, LocationCase{"a\r\n\tb", 4, 2, 2},
                                           LocationCase{"\xC3\xA9 x", 3, 1, 4}));

TEST(CliExecutable, RunsAsAProgram) {
#ifdef _WIN32
    GTEST_SKIP() << "the build folder's path is a path of the build machine, not of the Windows under test";
#else
    TempFolder folder;
    writeBytes(folder.file("s.txt"), "START_SCRIPT FOOBAR");
    const std::string command = std::string("\"") + CORVANE_SCRIPT_EXE + "\" compile \"" + folder.file("s.txt") +
                                "\" \"" + folder.file("s.dat") + "\" 2> \"" + folder.file("err.txt") + "\"";
    const int status = std::system(command.c_str());
    ASSERT_NE(status, -1);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readBytes(folder.file("err.txt")), folder.file("s.txt") + ":1:14: ERROR while compiling! Unknown command: FOOBAR\n");
#endif
}

}  // namespace
}  // namespace corvane
