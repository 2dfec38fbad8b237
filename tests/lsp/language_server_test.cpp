#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "assist/layout.h"
#include "support/file_utils.h"
#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using testing::Json;
using testing::LspClient;
using testing::ServerRun;

const std::string kUri = "file:///scripts/a.txt";

std::string Example(const std::string& name) {
    std::string text;
    EXPECT_TRUE(ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, text)) << name;
    return text;
}

Json Range(int line, int from, int toLine, int to) {
    return {{"start", {{"line", line}, {"character", from}}}, {"end", {{"line", toLine}, {"character", to}}}};
}

int ErrorCode(const ServerRun& run, const Json& id) { return run.Answer(id)["error"].value("code", 0); }

TEST(LanguageServer, AdvertisesExactlyWhatItServes) {
    const ServerRun run = LspClient::Initialized().End().Run();
    EXPECT_EQ(run.Answer(0)["result"]["capabilities"],
              Json::parse(R"({"positionEncoding": "utf-16", "textDocumentSync": {"openClose": true, "change": 1},
                              "completionProvider": {}, "hoverProvider": true, "documentFormattingProvider": true,
                              "documentSymbolProvider": true})"));
    EXPECT_EQ(run.Answer(0)["result"]["serverInfo"]["name"], "corvane-script");
    EXPECT_EQ(run.Answer("end"), Json::parse(R"({"jsonrpc": "2.0", "id": "end", "result": null})"));
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.unframed, "");
}

TEST(LanguageServer, FollowsTheLifecycle) {
    const Json open = {{"textDocument", {{"uri", kUri}, {"text", "FOO"}}}};
    // Before initialize: requests are refused, notifications dropped.
    ServerRun run = LspClient().Request(1, "shutdown", nullptr).Notify("textDocument/didOpen", open).Run();
    EXPECT_EQ(ErrorCode(run, 1), -32002);
    EXPECT_TRUE(run.Notifications("textDocument/publishDiagnostics").empty());
    EXPECT_EQ(run.exit, 1);  // the input ended without shutdown
    // Exit without shutdown is status 1 and ends the server at once.
    run = LspClient::Initialized().Notify("exit", nullptr).Request(2, "shutdown", nullptr).Run();
    EXPECT_EQ(run.exit, 1);
    EXPECT_TRUE(run.Answer(2).is_null());
    // After shutdown only exit counts.
    run = LspClient::Initialized().Request(3, "shutdown", nullptr).Request(4, "textDocument/hover", open)
              .Notify("textDocument/didOpen", open).Notify("exit", nullptr).Run();
    EXPECT_EQ(ErrorCode(run, 4), -32600);
    EXPECT_TRUE(run.Notifications("textDocument/publishDiagnostics").empty());
    EXPECT_EQ(run.exit, 0);
}

TEST(LanguageServer, AnswersMalformedMessagesAndGoesOn) {
    LspClient client = LspClient::Initialized();
    client.Raw(LspClient::Framed("{not json"))
        .Raw(LspClient::Framed("[1, 2]"))
        .Raw("Content-Length: x\r\n\r\n")
        .Raw(LspClient::Framed(R"({"jsonrpc": "2.0", "id": {"a": 1}, "method": "shutdown"})"))
        .Send({{"jsonrpc", "2.0"}, {"id", 5}})
        .Send({{"jsonrpc", "2.0"}, {"id", 6}, {"result", 1}})  // an answer to nothing: ignored
        .Request(7, "textDocument/definition", Json::object())
        .Notify("$/cancelRequest", {{"id", 7}})
        .Notify("workspace/didChangeConfiguration", Json::object())
        .Open(kUri, "START_SCRIPT ENDSCRIPT")
        .Request(8, "textDocument/hover", {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", "0"}, {"character", 0}}}})
        .Request(9, "textDocument/completion", {{"position", {{"line", 0}, {"character", 0}}}})
        .Request(10, "textDocument/formatting", {{"textDocument", {{"uri", "file:///not-open.txt"}}}})
        .At(11, "textDocument/hover", kUri, -1, 0)
        .Notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}}},
                                           {"contentChanges", {{{"range", Range(0, 0, 0, 1)}, {"text", "X"}}}}})
        .Notify("textDocument/didChange", {{"textDocument", {{"uri", "file:///not-open.txt"}}},
                                           {"contentChanges", {{{"text", "X"}}}}})
        .End();
    const ServerRun run = client.Run();
    const Json& firstErrors = run.messages;
    ASSERT_GE(firstErrors.size(), 3u);
    EXPECT_EQ(firstErrors[1], Json::parse(R"({"jsonrpc": "2.0", "id": null,
                                             "error": {"code": -32700, "message": "the message is not valid JSON"}})"));
    EXPECT_EQ(firstErrors[2]["error"]["code"], -32600);
    EXPECT_EQ(firstErrors[3]["id"], nullptr);
    EXPECT_EQ(firstErrors[3]["error"]["code"], -32600);
    EXPECT_EQ(ErrorCode(run, 5), -32600);
    EXPECT_TRUE(run.Answer(6).is_null());
    EXPECT_EQ(ErrorCode(run, 7), -32601);
    for (int id : {8, 9, 10, 11}) EXPECT_EQ(ErrorCode(run, id), -32602) << id;
    EXPECT_EQ(run.Notifications("textDocument/publishDiagnostics").size(), 1u);  // the open only
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.unframed, "");
    EXPECT_EQ(run.log,
              "corvane-script lsp: a Content-Length that is not a number\n"
              "corvane-script lsp: ignored textDocument/didChange: a change of a range; send whole texts\n"
              "corvane-script lsp: ignored textDocument/didChange: the document file:///not-open.txt is not open\n");
}

TEST(LanguageServer, PublishesDiagnosticsInUtf16PositionsAfterEveryChange) {
    // The unknown word stands after a tab, a CR LF and characters of one, two and no Windows-1252 code.
    const std::string text = "START_SCRIPT\r\n{\r\n\t\xC3\xA9 \xF0\x9F\x98\x80 \xE4\xB8\xAD STATE_FETCH_WOD\r\n}\r\nENDSCRIPT";
    const ServerRun run = LspClient::Initialized().Open(kUri, text).Change(kUri, Example("starter.txt"))
                              .Notify("textDocument/didClose", {{"textDocument", {{"uri", kUri}}}}).End().Run();
    const std::vector<Json> published = run.Notifications("textDocument/publishDiagnostics");
    ASSERT_EQ(published.size(), 3u);
    bool found = false;
    for (const Json& diagnostic : published[0]["diagnostics"]) {
        if (diagnostic["range"] == Range(2, 8, 2, 23)) {
            found = true;
            EXPECT_EQ(diagnostic["severity"], 1);
            EXPECT_NE(diagnostic["message"].get<std::string>().find("STATE_FETCH_WOD"), std::string::npos);
        }
    }
    EXPECT_TRUE(found) << published[0].dump();
    for (const Json& cleared : {published[1], published[2]}) {
        EXPECT_EQ(cleared, Json::parse(R"({"uri": "file:///scripts/a.txt", "diagnostics": []})"));
    }
}

TEST(LanguageServer, CompletesCommandsAfterDoAndReplacesThePartialWord) {
    const std::string text = "START_SCRIPT\r\n{\r\n\tDO STATE_FE";
    const ServerRun run = LspClient::Initialized().Open(kUri, text).At(1, "textDocument/completion", kUri, 2, 12)
                              .At(2, "textDocument/completion", kUri, 2, 4).End().Run();
    const Json partial = run.Answer(1)["result"];
    EXPECT_EQ(partial["isIncomplete"], false);
    ASSERT_EQ(partial["items"].size(), 116u) << partial.dump().substr(0, 300);
    std::string previousSort;
    for (const Json& item : partial["items"]) {
        EXPECT_EQ(item["kind"], 3);
        EXPECT_EQ(item["textEdit"]["range"], Range(2, 4, 2, 12));
        EXPECT_EQ(item["textEdit"]["newText"], item["label"]);
        EXPECT_GT(item["sortText"].get<std::string>(), previousSort);
        previousSort = item["sortText"];
    }
    EXPECT_NE(partial["items"].dump().find("\"label\":\"STATE_FETCH_WOOD\""), std::string::npos);
    EXPECT_EQ(run.Answer(2)["result"]["items"][0]["textEdit"]["range"], Range(2, 4, 2, 4));
}

TEST(LanguageServer, HoversWithTheWordsRange) {
    const std::string text = "START_SCRIPT   \r\n\xC3\xA9\xF0\x9F\x98\x80 SET VAR_1 %&H10";
    const ServerRun run = LspClient::Initialized().Open(kUri, text).At(1, "textDocument/hover", kUri, 1, 14)
                              .At(2, "textDocument/hover", kUri, 0, 14).End().Run();
    const Json hover = run.Answer(1)["result"];
    EXPECT_EQ(hover["range"], Range(1, 14, 1, 19));
    EXPECT_EQ(hover["contents"]["kind"], "plaintext");
    EXPECT_NE(hover["contents"]["value"].get<std::string>().find("16"), std::string::npos) << hover.dump();
    EXPECT_EQ(run.Answer(2), Json::parse(R"({"jsonrpc": "2.0", "id": 2, "result": null})"));
}

TEST(LanguageServer, FormatsTheWholeDocumentInOneEdit) {
    const std::string laidOut = Example("starter.txt");
    const std::string squeezed = std::regex_replace(laidOut, std::regex("[\r\n\t ]+"), " ");
    const std::string foreign = "START_SCRIPT \xE4\xB8\xAD\xF0\x9F\x98\x80\nENDSCRIPT";
    const ServerRun run = LspClient::Initialized().Open(kUri, squeezed).Request(1, "textDocument/formatting",
        {{"textDocument", {{"uri", kUri}}}, {"options", {{"tabSize", 4}, {"insertSpaces", true}}}})
        .Open("file:///b.txt", laidOut).Request(2, "textDocument/formatting", {{"textDocument", {{"uri", "file:///b.txt"}}}})
        .Open("file:///c.txt", foreign).Request(3, "textDocument/formatting", {{"textDocument", {{"uri", "file:///c.txt"}}}})
        .End().Run();
    EXPECT_EQ(run.Answer(1)["result"],
              Json::array({{{"range", Range(0, 0, 0, static_cast<int>(squeezed.size()))}, {"newText", laidOut}}}));
    EXPECT_EQ(run.Answer(2)["result"], Json::array());
    EXPECT_EQ(run.Answer(3)["result"][0]["range"], Range(0, 0, 1, 9));
    // Characters outside Windows-1252 stay as the author wrote them.
    std::string expected = LayOutScript("START_SCRIPT ??\nENDSCRIPT", LanguageTables::Standard());
    ASSERT_NE(expected.find("??"), std::string::npos);
    expected.replace(expected.find("??"), 2, "\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(run.Answer(3)["result"][0]["newText"], expected);
}

TEST(LanguageServer, OutlinesEveryAndIfBlocks) {
    const std::string text =
        "START_SCRIPT {\n"
        "EVERY %64 { IF > VAR_1 %2\n"
        "{ } ELSE { EVERY %8 { } } ENDIF }\n"
        "IF < VAR_2 %3 { } } ENDSCRIPT";
    const ServerRun run = LspClient::Initialized().Open(kUri, text)
        .Request(1, "textDocument/documentSymbol", {{"textDocument", {{"uri", kUri}}}}).End().Run();
    const auto symbol = [](const char* name, int kind, Json range, Json selection, Json children) {
        return Json{{"name", name}, {"kind", kind}, {"range", range}, {"selectionRange", selection}, {"children", children}};
    };
    const Json inner = symbol("EVERY %8", 24, Range(2, 11, 2, 23), Range(2, 11, 2, 16), Json::array());
    const Json branch = symbol("IF > VAR_1 %2", 17, Range(1, 12, 2, 31), Range(1, 12, 1, 14), {inner});
    EXPECT_EQ(run.Answer(1)["result"],
              Json::array({symbol("EVERY %64", 24, Range(1, 0, 2, 33), Range(1, 0, 1, 5), {branch}),
                           symbol("IF < VAR_2 %3", 17, Range(3, 0, 3, 17), Range(3, 0, 3, 2), Json::array())}));
}

}  // namespace
}  // namespace corvane
