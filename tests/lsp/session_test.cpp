// A session as a stream: bursts of changes checked once, problems tagged with their version, and
// messages framed wrongly that cost no more than themselves.

#include <gtest/gtest.h>

#include <string>

#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using namespace testing;  // the client, its document and the parts of requests

Json Change(int version, const std::string& text) {
    return {{"textDocument", {{"uri", kUri}, {"version", version}}}, {"contentChanges", {{{"text", text}}}}};
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

// A Content-Length too large costs the broken message, never the one after it.
TEST(Session, AWronglyFramedMessageCostsOnlyItself) {
    const std::string hover =
        Json{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "textDocument/hover"}, {"params", At(0, 1)}}.dump();
    const ServerRun run = LspClient::Initialized()
                              .Open(kUri, "START_SCRIPT")
                              .Raw("Content-Length: " + std::to_string(hover.size() + 40) + "\r\n\r\n" + hover)
                              .Request(2, "textDocument/hover", At(0, 2))
                              .End()
                              .Run();
    for (int id : {1, 2}) {
        EXPECT_TRUE(run.Answer(id)["result"]["contents"]["value"].get<std::string>().starts_with("START_SCRIPT")) << id;
    }
    EXPECT_EQ(run.exit, 0);
}

}  // namespace
}  // namespace corvane
