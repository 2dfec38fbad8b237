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

using namespace testing;  // corvane::testing: temporary folders and compiled files

struct CliRun { int exit = -1; std::string out, err; };

CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int exit = RunCli(args, in, out, err);
    return {exit, out.str(), err.str()};
}

class CliTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string P(const std::string& name) const { return folder.file(name); }
};

TEST_F(CliTest, CompileWritesTheFileOrNamesLineAndColumnAndKeepsTheOldFile) {
    writeBytes(P("s.txt"), "START_SCRIPT\r\n{\r\n\t\xC3\xA9 FOOBAR\r\n}");
    writeBytes(P("s.dat"), "old");
    const CliRun bad = Cli({"compile", "--no-check", P("s.txt"), P("s.dat")});
    EXPECT_EQ(bad.exit, 1);
    EXPECT_EQ(bad.err, P("s.txt") + ":3:2: ERROR while compiling! Unknown command: \xC3\x89\n");  // E acute
    EXPECT_EQ(readBytes(P("s.dat")), "old");
    writeBytes(P("s.txt"), "START_SCRIPT { SET VAR_3 %7 } ENDSCRIPT");
    const CliRun good = Cli({"compile", P("s.txt"), P("s.dat")});
    EXPECT_EQ(good.exit, 0) << good.err;
    EXPECT_EQ(readBytes(P("s.dat")), FileWith({12, 1003, 1007, 0, 1, 1004, 1019}, {{1, 3}, {0, 7}}));
    EXPECT_EQ(good.err, "");
}

// Compiling runs the check first (a script that ends early too), unless told not to; a script
// without words is never compiled.
TEST_F(CliTest, CompileRefusesWhatTheCheckRefuses) {
    const std::string endsEarly = "START_SCRIPT {\r\n\tIF > VAR_1 %2 { }";
    const std::tuple<std::string, std::vector<std::string>, int, std::string> cases[] = {
        {endsEarly, {}, 1, ":2:18: The script ends too early. Expected after its last word: ELSE ENDIF\n"},
        {"START_SCRIPT SET", {}, 1, ":1:14: Wrong expectation: \nIn script: SET\nExpected: { \nGroup: 2\n"},
        {endsEarly, {"--no-check"}, 0, ""},
        {" \r\n\t", {"--no-check"}, 1, ": The script has no words. A compiled file without any would not be a script file, "
                                        "so nothing was written.\n"}};
    for (const auto& [text, options, exit, err] : cases) {
        std::filesystem::remove(P("s.dat"));
        writeBytes(P("s.txt"), text);
        std::vector<std::string> args = {"compile", P("s.txt"), P("s.dat")};
        args.insert(args.begin() + 1, options.begin(), options.end());
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << text;
        EXPECT_EQ(run.err, err.empty() ? "" : P("s.txt") + err);
        EXPECT_EQ(std::filesystem::exists(P("s.dat")), exit == 0);
    }
}

// ANSI and UTF-8 files (with or without the mark) read alike; columns count characters.
TEST_F(CliTest, ReadsUtf8AndAnsiScriptsAndRefusesUtf16) {
    const std::tuple<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF\t%\xC3\xA9\xE2\x82\xAC x\xC3\xBF", ":1:6: ERROR while compiling! Unknown command: X\xC5\xB8\n"},
        {"\t%\xC3\xA9\xE2\x82\xAC x\xC3\xBF", ":1:6: ERROR while compiling! Unknown command: X\xC5\xB8\n"},
        {"\t%\xE9\x80 x\xFF", ":1:6: ERROR while compiling! Unknown command: X\x9F\n"},
        {"SET\xE4\xB8\xADIF", ":1:1: ERROR while compiling! Unknown command: SET?IF\n"},
        {"\xFF\xFE%\0", " is UTF-16 text; save it as ANSI or UTF-8\n"}};
    for (const auto& [text, err] : cases) {
        writeBytes(P("s.txt"), text);
        const CliRun run = Cli({"compile", "--no-check", P("s.txt"), P("s.dat")});
        EXPECT_EQ(run.exit, 1);
        EXPECT_EQ(run.err, P("s.txt") + err);
    }
}

TEST_F(CliTest, DashReadsStandardInput) {
    const std::string script = "START_SCRIPT { } ENDSCRIPT";
    const CliRun compile = Cli({"compile", "-", P("s.dat")}, script);
    EXPECT_EQ(compile.exit, 0) << compile.err;
    EXPECT_EQ(readBytes(P("s.dat")), FileWith({12, 1003, 1004, 1019}));
    EXPECT_EQ(Cli({"decompile", "-"}, readBytes(P("s.dat"))).out, "START_SCRIPT \r\n{ \r\n} \r\nENDSCRIPT ");
    EXPECT_EQ(Cli({"check", "-"}, script).out, "No big errors found!\n");
    EXPECT_EQ(Cli({"check", "-"}, "START_SCRIPT { } }").err, "<stdin>:1:18: The amount of { is not equal to the amount of }!\n");
    EXPECT_EQ(Cli({"decompile", "-"}, "hello").err, "<stdin>: This is not a valid script file!\n");
}

TEST_F(CliTest, CompileRefusesMoreThan256Entries) {
    std::string text = "START_SCRIPT";
    for (int i = 0; i < 257; ++i) text += "\n%" + std::to_string(i);
    writeBytes(P("s.txt"), text);
    const CliRun run = Cli({"compile", "--no-check", P("s.txt"), P("s.dat")});
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err.rfind(P("s.txt") + ":258:1: this script uses more than 256 variables (257)", 0), 0u) << run.err;
    EXPECT_FALSE(std::filesystem::exists(P("s.dat")));
}

TEST_F(CliTest, DecompileGivesTheLoadersTextAndWarnsAboutUnknownCodes) {
    writeBytes(P("s.dat"), FileWith({12, 1003, 1000, 1012, 0, 0x0105, 1003, 1004, 1002, 1004, 1019}, {{2, 0}}));
    const std::string text = "START_SCRIPT \r\n{ \r\n\tIF > INT_GAME_TIME 0501 \r\n\t{ \r\n\t} \r\n\tENDIF \r\n} \r\nENDSCRIPT ";
    const CliRun toStdout = Cli({"decompile", P("s.dat")});
    EXPECT_EQ(toStdout.exit, 0);
    EXPECT_EQ(toStdout.out, text);
    EXPECT_EQ(toStdout.err, P("s.dat") + ": warning: Found unkown command: 0501\nNot fatal, recompiling won't be a problem!\n");
    EXPECT_EQ(Cli({"decompile", P("s.dat"), P("s.txt")}).exit, 0);
    EXPECT_EQ(readBytes(P("s.txt")), text);
}

TEST_F(CliTest, DecompileRefusesMissingAndForeignFiles) {
    const CliRun missing = Cli({"decompile", P("none.dat")});
    EXPECT_EQ(missing.exit, 2);
    EXPECT_EQ(missing.err, P("none.dat") + ": The file doesn't exist!\n");
    writeBytes(P("x.dat"), "hello");
    writeBytes(P("x.txt"), "keep");
    const CliRun foreign = Cli({"decompile", P("x.dat"), P("x.txt")});
    EXPECT_EQ(foreign.exit, 1);
    EXPECT_EQ(foreign.err, P("x.dat") + ": This is not a valid script file!\n");
    EXPECT_EQ(readBytes(P("x.txt")), "keep");
}

TEST_F(CliTest, CheckReportsTheVerdict) {
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        {"START_SCRIPT { } ENDSCRIPT ", 0, "No big errors found!\n", ""},
        {"START_SCRIPT\r\n{\r\n\tIF VAR_1 > %2", 1, "",
         ":3:5: Wrong expectation: \nIn script: VAR_1\nExpected: < > = <> >= <= || BOTH \nGroup: 5\n"},
        {"START_SCRIPT { }\n}", 1, "", ":2:1: The amount of { is not equal to the amount of }!\n"}};
    for (const auto& [text, exit, out, err] : cases) {
        writeBytes(P("s.txt"), text);
        const CliRun run = Cli({"check", P("s.txt")});
        EXPECT_EQ(run.exit, exit) << text;
        EXPECT_EQ(run.out, out);
        EXPECT_EQ(run.err, *err ? P("s.txt") + err : "");
    }
}

TEST_F(CliTest, FileErrorsAreExitTwoAndNeverWriteOverTheInput) {
    writeBytes(P("s.txt"), "START_SCRIPT { } ENDSCRIPT");
    writeBytes(P("s.dat"), FileWith({12, 1019}));
    for (const auto& args : {std::vector<std::string>{"check", P("none.txt")}, {"compile", P("none.txt"), P("o.dat")},
                             {"check", folder.path().string()}, {"decompile", P("s.dat"), P("s.dat")}}) {
        EXPECT_EQ(Cli(args).exit, 2) << args.back();
    }
    const CliRun noFolder = Cli({"compile", P("s.txt"), P("no-such-folder/o.dat")});
    EXPECT_EQ(noFolder.exit, 2);
    EXPECT_NE(noFolder.err.find("no-such-folder"), std::string::npos);
    const CliRun compile = Cli({"compile", P("s.txt"), P("./s.txt")});
    EXPECT_EQ(compile.exit, 2);
    EXPECT_EQ(compile.err, P("./s.txt") + ": is the input file; give the output another name\n");
    EXPECT_EQ(readBytes(P("s.txt")), "START_SCRIPT { } ENDSCRIPT");
    EXPECT_EQ(readBytes(P("s.dat")), FileWith({12, 1019}));
}

TEST(Cli, AnswersWithUsageOrVersion) {
    const std::tuple<std::vector<std::string>, int, const char*, const char*> cases[] = {
        {{"--help"}, 0, "Usage:\n", ""}, {{"--version"}, 0, "corvane-script 0.3.0\n", ""},
        {{"check", "--help"}, 0, "Usage:\n", ""}, {{"compile", "a", "-h"}, 0, "Usage:\n", ""},
        {{"check", "--no-check", "a"}, 2, "", "corvane-script: --no-check belongs to compile"},
        {{}, 2, "", "corvane-script: no command given"}, {{"build", "x"}, 2, "", "corvane-script: unknown command build"},
        {{"compile", "a.txt"}, 2, "", "corvane-script: wrong number of arguments for compile"},
        {{"decompile"}, 2, "", "corvane-script: wrong number of arguments for decompile"},
        {{"check", "a", "b"}, 2, "", "corvane-script: wrong number of arguments for check"}};
    for (const auto& [args, exit, outStart, errStart] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << errStart;
        EXPECT_TRUE(run.out.starts_with(outStart)) << run.out;
        EXPECT_TRUE(run.err.starts_with(errStart)) << run.err;
    }
}

TEST(LocateOffset, CountsEachLineBreakOnce) {
    const std::tuple<const char*, std::size_t, std::size_t, std::size_t> cases[] = {
        {"abc", 0, 1, 1}, {"abc", 2, 1, 3}, {"\r\n\r\nfoo", 4, 3, 1}, {"a\nb\nc", 4, 3, 1},
        {"a\rb", 2, 2, 1}, {"a\r\n\tb", 4, 2, 2}, {"\xC3\xA9 x", 3, 1, 4}};
    for (const auto& [text, offset, line, column] : cases) {
        const TextLocation location = LocateOffset(text, offset);
        EXPECT_EQ(std::make_pair(location.line, location.column), std::make_pair(line, column)) << text << offset;
    }
}

TEST(CliExecutable, RunsAsAProgram) {
#ifdef _WIN32
    GTEST_SKIP() << "the build folder's path is a path of the build machine, not of the Windows under test";
#else
    TempFolder folder;
    writeBytes(folder.file("s.txt"), "START_SCRIPT FOOBAR");
    const std::string command = std::string("\"") + CORVANE_SCRIPT_EXE + "\" compile --no-check \"" + folder.file("s.txt") +
                                "\" \"" + folder.file("s.dat") + "\" 2> \"" + folder.file("err.txt") + "\"";
    const int status = std::system(command.c_str());
    ASSERT_NE(status, -1);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readBytes(folder.file("err.txt")), folder.file("s.txt") + ":1:14: ERROR while compiling! Unknown command: FOOBAR\n");
#endif
}

}  // namespace
}  // namespace corvane
