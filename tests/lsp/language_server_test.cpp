// The server as a client sees it: its lifecycle, its answers to malformed messages, problems in
// UTF-16 positions after every change, the outline, its limits, and a session as a stream (bursts
// of changes checked once, problems tagged with their version, wrongly framed messages that cost
// no more than themselves).
#include "lsp/language_server.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lsp/diagnostic_cap.h"
#include "lsp/json_rpc.h"
#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using namespace testing;  // the client, its document and the parts of requests

int ErrorCode(const ServerRun& run, const Json& id) { return run.Answer(id)["error"].value("code", 0); }

Json Change(int version, const std::string& text) {
    return {{"textDocument", {{"uri", kUri}, {"version", version}}}, {"contentChanges", {{{"text", text}}}}};
}

// It advertises exactly what it serves and ends cleanly; out of turn, requests are refused.
TEST(LanguageServer, FollowsTheLifecycle) {
    ServerRun run = LspClient::Initialized().End().Run();
    EXPECT_EQ(run.Answer(0)["result"]["capabilities"],
              Json::parse(R"({"positionEncoding": "utf-16", "textDocumentSync": {"openClose": true, "change": 1},
                              "completionProvider": {"triggerCharacters": [" ", "_"]}, "hoverProvider": true,
                              "signatureHelpProvider": {"triggerCharacters": [" "], "retriggerCharacters": [" "]},
                              "documentFormattingProvider": true, "documentSymbolProvider": true,
                              "semanticTokensProvider": {"full": true, "legend": {
                                  "tokenTypes": ["keyword", "function", "variable", "number", "operator", "macro",
                                                 "unknown"],
                                  "tokenModifiers": ["readonly", "defaultLibrary"]}},
                              "foldingRangeProvider": true, "documentHighlightProvider": true,
                              "referencesProvider": true, "renameProvider": true, "inlayHintProvider": true,
                              "codeActionProvider": {"codeActionKinds": ["quickfix"]}})"));
    EXPECT_EQ(run.Answer("end"), Json::parse(R"({"jsonrpc": "2.0", "id": "end", "result": null})"));
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.unframed + run.log, "");
    // The rename provider asks first only of a client that said it can be asked.
    const Json prepare = {{"textDocument", {{"rename", {{"prepareSupport", true}}}}}};
    run = LspClient().Request(0, "initialize", {{"capabilities", prepare}}).Run();
    EXPECT_EQ(run.Answer(0)["result"]["capabilities"]["renameProvider"], Json({{"prepareProvider", true}}));
    const Json open = {{"textDocument", {{"uri", kUri}, {"text", "FOO"}}}};
    // Before initialize requests are refused and notifications dropped; the input ends without shutdown.
    run = LspClient().Request(1, "shutdown", nullptr).Notify("textDocument/didOpen", open).Run();
    EXPECT_EQ(ErrorCode(run, 1), -32002);
    EXPECT_EQ(run.Published().size(), 0u);
    EXPECT_EQ(run.exit, 1);
    run = LspClient::Initialized()
              .Request(5, "initialize", Json::object())
              .Notify("exit", nullptr)
              .Request(2, "shutdown", nullptr)
              .Run();
    EXPECT_EQ(ErrorCode(run, 5), -32600);
    EXPECT_EQ(run.exit, 1);  // exit without shutdown, and nothing read after it
    EXPECT_TRUE(run.Answer(2).is_null());
    run = LspClient::Initialized()
              .Request(3, "shutdown", nullptr)
              .Request(4, "textDocument/hover", At(0, 0))
              .Notify("textDocument/didOpen", open)
              .Notify("exit", nullptr)
              .Run();
    EXPECT_EQ(ErrorCode(run, 4), -32600);
    EXPECT_EQ(run.Published().size(), 0u);
    EXPECT_EQ(run.exit, 0);
}

// A Content-Length too large costs the broken message, never the one after it.
TEST(LanguageServer, AnswersMalformedMessagesAndGoesOn) {
    const std::string hover =
        Json{{"jsonrpc", "2.0"}, {"id", 14}, {"method", "textDocument/hover"}, {"params", At(0, 1)}}.dump();
    const Json ranged = {{"contentChanges", {{{"range", Range(0, 0, 0, 1)}, {"text", "X"}}}},
                         {"textDocument", {{"uri", kUri}}}};
    const ServerRun run =
        LspClient::Initialized()
            .Raw(LspClient::Framed("{not json") + LspClient::Framed("[1]") + "Content-Length: x\r\n\r\n")
            .Raw(LspClient::Framed(R"({"jsonrpc": "2.0", "id": {"a": 1}, "method": "shutdown"})"))
            .Raw(LspClient::Framed(R"({"jsonrpc": "2.0", "id": 5})") + LspClient::Framed(R"({"id": 6, "result": 1})"))
            .Request(7, "textDocument/definition", kDocument)
            .Notify("$/cancelRequest", {{"id", 7}})
            .Open(kUri, "START_SCRIPT")
            .Request(8, "textDocument/hover", {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", "0"}}}})
            .Request(9, "textDocument/completion", {{"position", {{"line", 0}, {"character", 0}}}})
            .Request(10, "textDocument/formatting", {{"textDocument", {{"uri", "file:///closed.txt"}}}})
            .Request(11, "textDocument/hover", At(-1, 0))
            .Request(12, "textDocument/codeAction", kDocument)
            .Request(13, "textDocument/codeAction",
                     {{"textDocument", {{"uri", kUri}}}, {"range", {{"start", {{"line", 0}}}}}})
            .Notify("textDocument/didChange", ranged)
            .Raw("Content-Length: " + std::to_string(hover.size() + 40) + "\r\n\r\n" + hover)
            .Request(15, "textDocument/hover", At(0, 2))
            .End()
            .Run();
    ASSERT_GE(run.messages.size(), 4u);
    EXPECT_EQ(run.messages[1], Json::parse(R"({"jsonrpc": "2.0", "id": null,
                                              "error": {"code": -32700, "message": "the message is not valid JSON"}})"));
    for (int i : {2, 3}) EXPECT_EQ(run.messages[i]["error"]["code"], -32600) << i;
    EXPECT_EQ(run.messages[3]["id"], nullptr);
    EXPECT_EQ(ErrorCode(run, 5), -32600);
    EXPECT_TRUE(run.Answer(6).is_null());
    EXPECT_EQ(ErrorCode(run, 7), -32601);
    for (int id : {8, 9, 10, 11, 12, 13}) EXPECT_EQ(ErrorCode(run, id), -32602) << id;
    for (int id : {14, 15}) EXPECT_FALSE(run.Answer(id)["result"].is_null()) << id;
    EXPECT_EQ(run.Published().size(), 1u);  // the open only
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.log,
              "corvane-script lsp: a Content-Length that is not a number\n"
              "corvane-script lsp: ignored textDocument/didChange: a change of a range; send whole texts\n"
              "corvane-script lsp: a Content-Length of " +
                  std::to_string(hover.size() + 40) + " bytes, but the next header came after " +
                  std::to_string(hover.size()) + "\n");
}

TEST(LanguageServer, PublishesDiagnosticsInUtf16PositionsAfterEveryChange) {
    // The wrong word stands after a tab, CR LF and characters of one, two and no Windows-1252 code.
    const std::string text = "START_SCRIPT\r\n{\r\n\t\xC3\xA9 \xF0\x9F\x98\x80 \xE4\xB8\xAD STATE_FETCH_WOD\r\n}";
    const std::vector<Json> published = LspClient::Initialized()
                                            .Open(kUri, text)
                                            .Notify("textDocument/didChange", Change(2, "START_SCRIPT { } ENDSCRIPT"))
                                            .Notify("textDocument/didClose", kDocument)
                                            .End()
                                            .Run()
                                            .Published();
    ASSERT_EQ(published.size(), 3u);
    std::vector<Json> ranges;
    for (const Json& diagnostic : published[0]["diagnostics"]) ranges.push_back(diagnostic["range"]);
    for (const Json& range : {Range(2, 8, 2, 23), Range(2, 3, 2, 5), Range(2, 1, 2, 2)}) {
        EXPECT_NE(std::find(ranges.begin(), ranges.end(), range), ranges.end()) << range << published[0];
    }
    EXPECT_EQ(published[1], Json({{"uri", kUri}, {"version", 2}, {"diagnostics", Json::array()}}));
    EXPECT_EQ(published[2], Json({{"uri", kUri}, {"diagnostics", Json::array()}}));  // closed
}

TEST(LanguageServer, CompletesInUtf16Ranges) {
    const Json partial = Ask("START_SCRIPT\r\n{\r\n\tDO STATE_FE", "textDocument/completion", At(2, 12));
    ASSERT_FALSE(partial["items"].empty());
    std::string previousSort;
    for (const Json& item : partial["items"]) {
        EXPECT_EQ(item["kind"], 3);
        EXPECT_EQ(item["textEdit"], Json({{"range", Range(2, 4, 2, 12)}, {"newText", item["label"]}}));
        EXPECT_GT(item["sortText"].get<std::string>(), previousSort);
        previousSort = item["sortText"];
    }
}

// Hostile input stays bounded: nesting past the limit is refused before it is parsed (also before
// initialize), an outline is at most as deep as the game's open blocks, sibling blocks stay in
// order, and problems past the cap are summed up in one.
TEST(LanguageServer, RefusesDeepNestingAndBoundsOutlinesAndProblems) {
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    ServerRun run =
        LspClient()
            .Raw(LspClient::Framed(R"({"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": )" + deep + "}"))
            .Request(2, "initialize", {{"capabilities", Json::object()}})
            .End()
            .Run();
    EXPECT_EQ(run.messages.at(0), Json::parse(R"({"jsonrpc": "2.0", "id": null,
        "error": {"code": -32600, "message": "the message nests deeper than 100 levels"}})"));
    EXPECT_TRUE(run.Answer(2).contains("result"));
    std::string nested = "START_SCRIPT { EVERY 2 { IF > VAR_1 1 { } IF > VAR_2 2 { } IF > VAR_3 3 { } } ";
    for (int i = 0; i < 15000; ++i) nested += "IF { ";
    Json level = Ask(nested, "textDocument/documentSymbol", kDocument);
    ASSERT_EQ(level.size(), 2u);
    std::vector<std::string> siblings;
    for (const Json& child : level[0]["children"]) siblings.push_back(child["name"]);
    EXPECT_EQ(siblings, (std::vector<std::string>{"IF > VAR_1 1", "IF > VAR_2 2", "IF > VAR_3 3"}));
    std::size_t depth = 0;
    for (level = level[1]; !level.is_null(); level = level["children"].empty() ? Json() : level["children"][0]) ++depth;
    EXPECT_EQ(depth, 100u);
    std::string unknown = "START_SCRIPT";
    for (int i = 0; i < 1500; ++i) unknown += " FOO";
    const Json diagnostics = LspClient::Initialized().Open(kUri, unknown).End().Run().Published().at(0)["diagnostics"];
    ASSERT_EQ(diagnostics.size(), 1001u);
    EXPECT_EQ(diagnostics[1000]["severity"], 2);
}

TEST(LanguageServer, KeepsAtMostItsLimitOfOpenDocuments) {
    LspClient client = LspClient::Initialized();
    for (std::size_t i = 0; i <= LanguageServer::kMaxOpenDocuments; ++i)
        client.Open("file:///" + std::to_string(i), "");
    const ServerRun run = client.End().Run();
    EXPECT_EQ(run.Published().size(), LanguageServer::kMaxOpenDocuments);
    EXPECT_EQ(run.log,
              "corvane-script lsp: did not open file:///1000: 1000 documents are open, the most this server "
              "keeps; close some\n");
}

TEST(CapDiagnostics, KeepsTheFirstAndSumsUpTheRest) {
    const std::tuple<std::size_t, std::size_t, std::string> cases[] = {
        {0, 0, ""}, {3, 3, "unknown"}, {4, 4, "and 1 more problem"}, {10, 4, "and 7 more problems"}};
    for (const auto& [count, kept, last] : cases) {
        std::vector<Diagnostic> problems;
        for (std::size_t i = 0; i < count; ++i)
            problems.push_back({i * 4, 3, DiagnosticSeverity::kError, "unknown", {}});
        const std::vector<Diagnostic> capped = CapDiagnostics(problems, 3);
        ASSERT_EQ(capped.size(), kept) << count;
        if (kept == 0) continue;
        EXPECT_EQ(capped.back().message, last) << count;
        EXPECT_EQ(capped.back().position, (kept - 1) * 4) << count;
    }
}

TEST(NestsDeeperThan, CountsBracketsOutsideStrings) {
    const std::tuple<std::string, std::size_t, bool> cases[] = {
        {"[[]]", 1, true},           {"[[]]", 2, false},           {"[][][]", 1, false},
        {R"({"a": [{}]})", 2, true}, {R"({"a": [{}]})", 3, false}, {R"("[[[")", 0, false},
        {R"("\"[[" [)", 0, true},    {R"("\\" [)", 0, true},       {"]]]]][", 0, true}};
    for (const auto& [text, limit, deeper] : cases) EXPECT_EQ(jsonrpc::NestsDeeperThan(text, limit), deeper) << text;
}

// Messages that wait together are read before any check: only the newest text of each document
// is checked, once, with its version. A client that pauses gets every version checked.
TEST(Session, ChecksOnlyTheNewestTextOfABurstWithItsVersion) {
    const auto session = [](LspClient client) {
        return client.Open(kUri, "START_SCRIPT FOO")
            .Notify("textDocument/didChange", Change(2, "START_SCRIPT BAR BAZ"))
            .Notify("textDocument/didChange", Change(3, "START_SCRIPT { } ENDSCRIPT"))
            .Open("file:///other.txt", "BAD")
            .Request(1, "textDocument/hover", At(0, 1))
            .Run()
            .Published();
    };
    const std::vector<Json> burst = session(LspClient::Initialized().AllAtOnce());
    ASSERT_EQ(burst.size(), 2u);
    EXPECT_EQ(burst[0]["uri"], "file:///other.txt");
    EXPECT_EQ(burst[0]["version"], 1);
    EXPECT_EQ(burst[1], Json({{"uri", kUri}, {"version", 3}, {"diagnostics", Json::array()}}));
    std::vector<Json> versions;
    for (const Json& published : session(LspClient::Initialized())) versions.push_back(published["version"]);
    EXPECT_EQ(versions, (std::vector<Json>{1, 2, 3, 1}));
    // A document closed before its check is never checked.
    const std::vector<Json> closed = LspClient::Initialized()
                                         .AllAtOnce()
                                         .Open(kUri, "FOO")
                                         .Notify("textDocument/didClose", kDocument)
                                         .Request(1, "shutdown", nullptr)
                                         .Run()
                                         .Published();
    EXPECT_EQ(closed, (std::vector<Json>{{{"uri", kUri}, {"diagnostics", Json::array()}}}));
}

}  // namespace
}  // namespace corvane
