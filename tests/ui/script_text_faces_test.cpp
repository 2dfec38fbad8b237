// A script saved three ways (UTF-8 with and without a byte-order mark, ANSI) is laid out alike by the
// command line's `format`, which writes it back in the file's own encoding, mark included. The language
// server quotes a word of the code page in UTF-8, as the command line does.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "tests/common/temp_folder.h"
#include "tests/lsp/lsp_client.h"
#include "text/script_text.h"

namespace corvane::testing {
namespace {

TEST(ScriptTextFaces, FormatKeepsEveryEncodingAndTheServerQuotesInUtf8) {
    const std::string utf8 = "START_SCRIPT\r\n{\r\n\tDO X\xC3\xA9\xE2\x82\xAC\r\n}\r\nENDSCRIPT\r\n";
    const std::string files[] = {"\xEF\xBB\xBF" + utf8, utf8,
                                 "START_SCRIPT\r\n{\r\n\tDO X\xE9\x80\r\n}\r\nENDSCRIPT\r\n"};
    TempFolder folder;
    const std::string file = folder.file("s.txt");
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        writeBytes(file, bytes);
        std::istringstream in;
        std::ostringstream out, err;
        ASSERT_EQ(RunCli({"format", file}, in, out, err), 0) << err.str();
        const ScriptText laidOut = ScriptText::FromFile(out.str());
        const ScriptText original = ScriptText::FromFile(bytes);
        EXPECT_EQ(laidOut.encoding(), original.encoding());
        EXPECT_EQ(laidOut.hasUtf8Mark(), original.hasUtf8Mark());
        EXPECT_NE(laidOut.engineText().find("\tDO X\xE9\x80 \r\n"), std::string::npos) << laidOut.engineText();
    }
    std::string messages;
    for (const Json& published : LspClient::Initialized().Open("file:///s.txt", utf8).End().Run().Published()) {
        for (const Json& problem : published["diagnostics"]) messages += problem["message"].get<std::string>();
    }
    EXPECT_NE(messages.find("found the unknown word X\xC3\xA9\xE2\x82\xAC"), std::string::npos) << messages;
}

}  // namespace
}  // namespace corvane::testing
