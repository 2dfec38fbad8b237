// A script saved three ways (UTF-8 with and without a byte-order mark, ANSI) reads alike on the command
// line as in the editor: `check` quotes the same word, `format` lays out the same words in the file's own
// encoding, mark included. UTF-16 is refused by both, with the editor's message. The language server
// quotes the word as the command line does.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "tests/common/temp_folder.h"
#include "tests/lsp/lsp_client.h"
#include "text/script_text.h"

namespace corvane::testing {
namespace {

std::string Cli(const std::vector<std::string>& args) {  // status|output|errors, the file named FILE
    std::istringstream in;
    std::ostringstream out, err;
    const int status = RunCli(args, in, out, err);
    std::string answer = std::to_string(status) + '|' + out.str() + '|' + err.str();
    for (std::size_t at; (at = answer.find(args.back())) != std::string::npos;)
        answer.replace(at, args.back().size(), "FILE");
    return answer;
}

TEST(ScriptTextFaces, CheckAndFormatReadEveryEncodingAlike) {
    const std::string utf8 = "START_SCRIPT\r\n{\r\n\tDO X\xC3\xA9\xE2\x82\xAC\r\n}\r\nENDSCRIPT\r\n";
    const std::string files[] = {"\xEF\xBB\xBF" + utf8, utf8,
                                 "START_SCRIPT\r\n{\r\n\tDO X\xE9\x80\r\n}\r\nENDSCRIPT\r\n"};
    TempFolder folder;
    const std::string file = folder.file("s.txt");
    std::optional<std::string> firstLayout;
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        writeBytes(file, bytes);
        EXPECT_NE(Cli({"check", file}).find("found the unknown word X\xC3\xA9\xE2\x82\xAC"), std::string::npos);
        const std::string formatted = Cli({"format", file});
        ASSERT_TRUE(formatted.starts_with("0|") && formatted.ends_with("|")) << formatted;
        const ScriptText laidOut = ScriptText::FromFile(formatted.substr(2, formatted.size() - 3));
        const ScriptText original = ScriptText::FromFile(bytes);
        EXPECT_EQ(laidOut.encoding(), original.encoding());
        EXPECT_EQ(laidOut.hasUtf8Mark(), original.hasUtf8Mark());
        if (!firstLayout) firstLayout = laidOut.engineText();
        EXPECT_EQ(laidOut.engineText(), *firstLayout);
    }
    EXPECT_NE(firstLayout->find("DO X\xE9\x80"), std::string::npos);
    writeBytes(file, std::string("\xFF\xFES\0", 4));
    std::string messages;
    for (const Json& published : LspClient::Initialized().Open("file:///s.txt", utf8).End().Run().Published()) {
        for (const Json& problem : published["diagnostics"]) messages += problem["message"].get<std::string>();
    }
    EXPECT_NE(messages.find("found the unknown word X\xC3\xA9\xE2\x82\xAC"), std::string::npos) << messages;
    for (const char* command : {"check", "format"})
        EXPECT_EQ(Cli({command, file}), "1||FILE is UTF-16 text; save it as ANSI or UTF-8\n") << command;
}

}  // namespace
}  // namespace corvane::testing
