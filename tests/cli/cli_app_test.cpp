#include "cli/cli_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <tuple>

#include "assist/layout.h"
#include "support/file_utils.h"
#include "tests/cli/cli_run.h"
#include "tests/common/temp_folder.h"
#include "tests/core/compiled_bytes.h"

namespace corvane {
namespace {

using namespace testing;  // corvane::testing: temporary folders and compiled files

class CliTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string P(const std::string& name) const { return folder.file(name); }
};

// Compiling runs the check first (a script that ends early too), unless told not to; a script
// without words is never compiled, and what is refused leaves the old file as it was. Columns count
// characters, and a word of a UTF-8 script is echoed as UTF-8.
TEST_F(CliTest, CompileWritesTheFileOrNamesLineAndColumnAndKeepsTheOldFile) {
    const std::string endsEarly = "START_SCRIPT {\r\n\tIF > VAR_1 %2 { }";
    std::string entries = "START_SCRIPT";
    for (int i = 0; i < 257; ++i) entries += "\n%" + std::to_string(i);
    // Text, whether it is checked, exit status, standard error after the file's name.
    const std::tuple<std::string, bool, int, std::string> cases[] = {
        {endsEarly, true, 1, ":2:18: The script ends too early. Expected after its last word: ELSE ENDIF\n"},
        {endsEarly, false, 0, ""},
        {" \r\n\t", false, 1,
         ": The script has no words. A compiled file without any would not be a script file, "
         "so nothing was written.\n"},
        {entries, false, 1,
         ":258:1: this script uses more than 256 variables (257); the game reads only the first "
         "256, so the compiled script would cause errors\n"},
        {"\t%\xC3\xA9\xE2\x82\xAC x\xC3\xBF", false, 1, ":1:6: ERROR while compiling! Unknown command: X\xC5\xB8\n"},
        {"\xFF\xFE%\0", false, 1, " is UTF-16 text; save it as ANSI or UTF-8\n"},
        {"START_SCRIPT { SET VAR_3 %7 } ENDSCRIPT", true, 0, ""}};
    for (const auto& [text, check, exit, err] : cases) {
        writeBytes(P("s.txt"), text);
        writeBytes(P("s.dat"), "old");
        std::vector<std::string> args = {"compile", P("s.txt"), P("s.dat")};
        if (!check) args.insert(args.begin() + 1, "--no-check");
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << text.substr(0, 40);
        EXPECT_EQ(run.err, err.empty() ? "" : P("s.txt") + err);
        EXPECT_EQ(readBytes(P("s.dat")) == "old", exit != 0) << text.substr(0, 40);
    }
    EXPECT_EQ(readBytes(P("s.dat")), FileWith({12, 1003, 1007, 0, 1, 1004, 1019}, {{1, 3}, {0, 7}}));
}

TEST_F(CliTest, DashReadsStandardInput) {
    const std::string script = "START_SCRIPT { } ENDSCRIPT";
    const CliRun compile = Cli({"compile", "-", P("s.dat")}, script);
    EXPECT_EQ(compile.exit, 0) << compile.err;
    EXPECT_EQ(readBytes(P("s.dat")), FileWith({12, 1003, 1004, 1019}));
    EXPECT_EQ(Cli({"decompile", "-"}, readBytes(P("s.dat"))).out, "START_SCRIPT \r\n{ \r\n} \r\nENDSCRIPT ");
    EXPECT_EQ(Cli({"decompile", "-"}, "hello").err, "<stdin>: This is not a valid script file!\n");
}

// check prints every problem the editor marks, one line each in the form compilers use; only errors fail.
TEST_F(CliTest, CheckPrintsEveryProblemOneLineEach) {
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        // text, exit status, standard output, standard error (after "<stdin>:")
        {"START_SCRIPT {\n\tSET VAR_1 %2x\n} ENDSCRIPT", 0, "No big errors found!\n",
         "2:12: warning: %2x compiles as the number 2; x is not read\n"},
        // Independent errors, each at its cause; columns count characters of UTF-8 text.
        {"START_SCRIPT {\n\tSET \xC3\xA9t\xC3\xA9 %1\n\tSET VAR_1 %1 EVRY\n} ENDSCRIPT", 1, "",
         "2:6: error: expected a value after SET, found the unknown word \xC3\xA9t\xC3\xA9\n"
         "<stdin>:3:15: error: expected a statement after %1 (DO, IF, SET, ...), found EVRY; did you mean EVERY? "
         "(EVRY is no word; it compiles as the raw code 0E00)\n"},
    };
    for (const auto& [text, exit, out, err] : cases) {
        const CliRun run = Cli({"check", "-"}, text);
        EXPECT_EQ(run.exit, exit) << text;
        EXPECT_EQ(run.out, out) << text;
        EXPECT_EQ(run.err, err.empty() ? "" : "<stdin>:" + err) << text;
    }
}

// Every command's exit status, standard output and start of standard error; bad files change nothing.
TEST_F(CliTest, CommandsAnswerAndRefuseBadFilesChangingNothing) {
    std::string laidOut;
    ASSERT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/skirmish.txt", laidOut));
    // The same words on one line, the first ones apart in other blanks.
    std::string squeezed = std::regex_replace(laidOut, std::regex("[\r\n\t ]+"), " ");
    squeezed.replace(squeezed.find(" { "), 3, "\t{\n\n");
    // A UTF-8 script keeps its mark and every character, also those Windows-1252 lacks.
    const std::string han = "\xE4\xB8\xAD", mark = "\xEF\xBB\xBF";
    std::string utf8 = LayOutScript("START_SCRIPT ?\nENDSCRIPT", LanguageTables::Standard());
    utf8 = mark + utf8.replace(utf8.find('?'), 1, han);
    const std::pair<const char*, std::string> files[] = {
        {"s.txt", squeezed},
        {"good.txt", laidOut},
        {"o.txt", "old"},
        {"u.txt", mark + "START_SCRIPT " + han + "\nENDSCRIPT"},
        {"s.dat", FileWith({12, 1019})},
        {"x.dat", "hello"},
        {"x.txt", "keep"},
        {"u.dat", FileWith({12, 1003, 1000, 1012, 0, 0x0105, 1003, 1004, 1002, 1004, 1019}, {{2, 0}})}};
    for (const auto& [name, bytes] : files) writeBytes(P(name), bytes);
    // The loader's text, and a warning about the unknown code.
    const std::string text =
        "START_SCRIPT \r\n{ \r\n\tIF > INT_GAME_TIME 0501 \r\n\t{ \r\n\t} \r\n\tENDIF \r\n} \r\nENDSCRIPT ";
    const std::string unknown =
        P("u.dat") + ": warning: Found unkown command: 0501\nNot fatal, recompiling won't be a problem!\n";
    const std::string inputFile = ": is the input file; give the output another name\n";
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"format", P("s.txt")}, 0, laidOut, ""},
        {{"format", P("s.txt"), P("o.txt")}, 0, "", ""},
        {{"format", "--check", P("good.txt")}, 0, "", ""},
        {{"format", P("u.txt")}, 0, utf8, ""},
        {{"format", "--check", P("s.txt")},
         1,
         "",
         P("s.txt") + ":1:13: not laid out as the loader prints it (corvane-script format lays it out)\n"},
        {{"check", P("good.txt")}, 0, "No big errors found!\n", ""},
        {{"decompile", P("u.dat")}, 0, text, unknown},
        {{"decompile", P("u.dat"), P("d.txt")}, 0, "", unknown},
        {{"decompile", P("x.dat"), P("x.txt")}, 1, "", P("x.dat") + ": This is not a valid script file!\n"},
        // Files that cannot be read or written are exit 2, and the input is never written over.
        {{"decompile", P("none.dat")}, 2, "", P("none.dat") + ": The file doesn't exist!\n"},
        {{"format", P("none.txt")}, 2, "", P("none.txt") + ": "},
        {{"format", "--check", P("none.txt")}, 2, "", P("none.txt") + ": "},
        {{"check", P("none.txt")}, 2, "", P("none.txt") + ": "},
        {{"compile", P("none.txt"), P("o.dat")}, 2, "", P("none.txt") + ": "},
        {{"format", P("s.txt"), P("no-folder/o.txt")}, 2, "", P("no-folder/o.txt")},
        {{"compile", P("good.txt"), P("no-folder/o.dat")}, 2, "", P("no-folder/o.dat")},
        {{"format", P("s.txt"), P("./s.txt")}, 2, "", P("./s.txt") + inputFile},
        {{"compile", P("good.txt"), P("./good.txt")}, 2, "", P("./good.txt") + inputFile},
        {{"decompile", P("s.dat"), P("s.dat")}, 2, "", P("s.dat") + inputFile},
    };
    for (const auto& [args, exit, out, errStart] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << args.front() << " " << args.back();
        EXPECT_EQ(run.out, out) << args.back();
        EXPECT_TRUE(run.err.starts_with(errStart) && (!errStart.empty() || run.err.empty())) << run.err;
    }
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(readBytes(P(name)), name == std::string("o.txt") ? laidOut : bytes) << name;
    EXPECT_EQ(readBytes(P("d.txt")), text);
    EXPECT_FALSE(std::filesystem::exists(P("no-folder")));
    EXPECT_FALSE(std::filesystem::exists(P("o.dat")));
}

TEST(Cli, AnswersWithUsageOrVersion) {
    const std::tuple<std::vector<std::string>, int, const char*, const char*> cases[] = {
        {{"--help"}, 0, "Usage:\n", ""},
        {{"--version"}, 0, "corvane-script 0.3.0\n", ""},
        {{"check", "--help"}, 0, "Usage:\n", ""},
        {{"compile", "a", "-h"}, 0, "Usage:\n", ""},
        {{"check", "--no-check", "a"}, 2, "", "corvane-script: --no-check belongs to compile"},
        {{}, 2, "", "corvane-script: no command given"},
        {{"build", "x"}, 2, "", "corvane-script: unknown command build"},
        {{"compile", "a.txt"}, 2, "", "corvane-script: wrong number of arguments for compile"},
        {{"decompile"}, 2, "", "corvane-script: wrong number of arguments for decompile"},
        {{"check", "a", "b"}, 2, "", "corvane-script: wrong number of arguments for check"},
        {{"format"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"format", "--check"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"format", "a", "b", "c"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"lsp", "x"}, 2, "", "corvane-script: wrong number of arguments for lsp\n"},
        {{"\x1B]0;x\x07" + std::string(70, 'y')},
         2,
         "",
         "corvane-script: unknown command \\x1B]0;x\\x07yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy... "
         "(76 characters)\n"}};
    for (const auto& [args, exit, outStart, errStart] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << errStart;
        EXPECT_TRUE(run.out.starts_with(outStart)) << run.out;
        EXPECT_TRUE(run.err.starts_with(errStart)) << run.err;
    }
}

#ifndef _WIN32
// As a program it gives the exit status and messages. Output that cannot be written and memory that
// runs out are exit 2 with a message, never a silent success or an abort; a reader that stops early
// (| head) ends the program quietly.
TEST(CliExecutable, RunsAsAProgramAndFailedOutputAndMemoryAreMessages) {
    TempFolder folder;
    std::string file("\x0C\x00", 2);
    while (file.size() < (1u << 20)) file += "\x57\x04";  // 1111: a long word, half a million times
    writeBytes(folder.file("big.dat"), file);
    const std::string big = " decompile '" + folder.file("big.dat") + "'", err = folder.file("err.txt");
    const auto run = [&](const std::string& shell) {
        const int status = std::system(("EXE='" + std::string(CORVANE_SCRIPT_EXE) + "'; " + shell).c_str());
        return status == -1 ? -1 : WEXITSTATUS(status);
    };
    writeBytes(folder.file("s.txt"), "START_SCRIPT FOOBAR");
    EXPECT_EQ(run("\"$EXE\" compile --no-check '" + folder.file("s.txt") + "' '" + folder.file("s.dat") + "' 2> '" +
                  err + "'"),
              1);
    EXPECT_EQ(readBytes(err), folder.file("s.txt") + ":1:14: ERROR while compiling! Unknown command: FOOBAR\n");
    for (const std::string& args : {std::string(" --help"), big}) {
        for (const char* output : {" > /dev/full", " >&-"}) {
            EXPECT_EQ(run("\"$EXE\"" + args + output + " 2> '" + err + "'"), 2) << args << output;
            EXPECT_TRUE(readBytes(err).starts_with("corvane-script: cannot write to standard output ("))
                << readBytes(err);
        }
    }
    EXPECT_EQ(
        run("(trap '' PIPE; \"$EXE\"" + big + " 2> '" + err + "'; echo $? >> '" + err + "') | head -c 1 > /dev/null"),
        0);
    EXPECT_EQ(readBytes(err), "0\n");
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer needs more address space than the limit leaves
    const std::string limit = "ulimit -v 16000; ";
    ASSERT_EQ(run(limit + "\"$EXE\" --help > /dev/null"), 0) << "the limit leaves room to start";
    EXPECT_EQ(run(limit + "\"$EXE\"" + big + " '" + folder.file("out.txt") + "' 2> '" + err + "'"), 2);
    EXPECT_EQ(readBytes(err), "corvane-script: out of memory; nothing was written\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.txt")));
#endif
}

// The program's view of the system calls, by strace: a written file is on disk before "Written to"
// (its data synced before the rename, the folder after).
TEST_F(CliTest, WrittenFilesAreSyncedBeforeTheRenameAndTheFolderAfter) {
    if (std::system("strace -o /dev/null true 2> /dev/null") != 0) GTEST_SKIP() << "strace cannot trace here";
    writeBytes(P("s.txt"), "START_SCRIPT { } ENDSCRIPT");
    const std::string traced = "strace -f -o '" + P("trace.txt") +
                               "' -e trace=fsync,fdatasync,rename,renameat,renameat2,write '" + CORVANE_SCRIPT_EXE +
                               "' compile '" + P("s.txt") + "' '" + P("new.dat") + "' > '" + P("out.txt") + "'";
    ASSERT_EQ(std::system(traced.c_str()), 0);
    std::string calls;
    std::istringstream trace(readBytes(P("trace.txt")));
    for (std::string line; std::getline(trace, line);) {
        std::smatch found;
        if (!std::regex_search(line, found, std::regex(R"(^\d+ +(\w+)\((\d+)?)"))) continue;
        const std::string call = found[1];
        if (call == "write") {
            if (found[2] == "1") calls += "message ";
        } else {
            calls += (call.starts_with("rename") ? "rename" : call) + " ";
        }
    }
    EXPECT_EQ(calls, "fdatasync rename fsync message ");
    EXPECT_EQ(readBytes(P("out.txt")), "Written to " + P("new.dat") + "\n");
}
#endif

}  // namespace
}  // namespace corvane
