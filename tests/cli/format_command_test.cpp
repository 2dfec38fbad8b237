#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "assist/layout.h"
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

TEST(FormatCommand, LaysOutChecksAndRefusesBadFilesChangingNothing) {
    TempFolder folder;
    const auto P = [&](const std::string& name) { return folder.file(name); };
    std::string laidOut;
    ASSERT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/skirmish.txt", laidOut));
    // The same words on one line, the first ones apart in other blanks.
    std::string squeezed = std::regex_replace(laidOut, std::regex("[\r\n\t ]+"), " ");
    squeezed.replace(squeezed.find(" { "), 3, "\t{\n\n");
    writeBytes(P("s.txt"), squeezed);
    writeBytes(P("good.txt"), laidOut);
    writeBytes(P("o.txt"), "old");
    // A UTF-8 script keeps its mark and every character, also those Windows-1252 lacks.
    const std::string han = "\xE4\xB8\xAD", mark = "\xEF\xBB\xBF";
    writeBytes(P("u.txt"), mark + "START_SCRIPT " + han + "\nENDSCRIPT");
    std::string utf8 = LayOutScript("START_SCRIPT ?\nENDSCRIPT", LanguageTables::Standard());
    utf8 = mark + utf8.replace(utf8.find('?'), 1, han);
    writeBytes(P("w.txt"), "\xFF\xFES\0T\0");
    // arguments, exit status, standard output, start of standard error
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"format", P("s.txt")}, 0, laidOut, ""},
        {{"format", P("s.txt"), P("o.txt")}, 0, "", ""},
        {{"format", "--check", P("good.txt")}, 0, "", ""},
        {{"format", P("u.txt")}, 0, utf8, ""},
        {{"format", P("w.txt")}, 1, "", P("w.txt") + " is UTF-16 text; save it as ANSI or UTF-8\n"},
        {{"format", "--check", P("s.txt")}, 1, "",
         P("s.txt") + ":1:13: not laid out as the loader prints it (corvane-script format lays it out)\n"},
        {{"format", P("none.txt")}, 2, "", P("none.txt") + ": "},
        {{"format", "--check", P("none.txt")}, 2, "", P("none.txt") + ": "},
        {{"format", P("s.txt"), P("./s.txt")}, 2, "", P("./s.txt") + ": is the input file; give the output another name\n"},
        {{"format", P("s.txt"), P("no-folder/o.txt")}, 2, "", P("no-folder/o.txt")},
        {{"format", folder.path().string()}, 2, "", folder.path().string() + ": "},
        {{"format"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"format", "--check"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"format", "a", "b", "c"}, 2, "", "corvane-script: wrong number of arguments for format\n"},
        {{"lsp", "x"}, 2, "", "corvane-script: wrong number of arguments for lsp\n"},
    };
    for (const auto& [args, exit, out, errStart] : cases) {
        const CliRun run = Cli(args);
        EXPECT_EQ(run.exit, exit) << args.back();
        EXPECT_EQ(run.out, out);
        EXPECT_TRUE(run.err.starts_with(errStart) && (!errStart.empty() || run.err.empty())) << run.err;
    }
    EXPECT_EQ(readBytes(P("o.txt")), laidOut);
    EXPECT_EQ(readBytes(P("s.txt")), squeezed);
    EXPECT_FALSE(std::filesystem::exists(P("no-folder")));
    const std::string help = Cli({"--help"}).out;
    for (const char* line : {"format SCRIPT.txt [OUT.txt]", "format --check SCRIPT.txt", "corvane-script lsp "}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace corvane
