#include <gtest/gtest.h>

#include <string>

#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using namespace testing;  // the client, its document and the parts of requests

Json Params(const Json& range, const Json& context = Json::object()) {
    return {{"textDocument", {{"uri", kUri}}}, {"range", range}, {"context", context}};
}

Json Actions(const std::string& text, const Json& params) { return Ask(text, "textDocument/codeAction", params); }

// The fix of a suggestion, in UTF-16 positions: the emoji before the word takes two units, the é one.
TEST(CodeActions, ReplaceASuggestedWordInTheClientsPositions) {
    const std::string text = "START_SCRIPT\r\n{\r\n\t\xF0\x9F\x98\x80 \xC3\xA9 DO STATE_FETCH_WOD ON\r\n}\r\nENDSCRIPT";
    const Json actions = Actions(text, Params(Range(2, 12, 2, 12)));  // the caret inside the word
    ASSERT_EQ(actions.size(), 1u) << actions.dump();
    const Json& action = actions[0];
    EXPECT_EQ(action["title"], "Replace with STATE_FETCH_WOOD");
    EXPECT_EQ(action["kind"], "quickfix");
    EXPECT_EQ(action["isPreferred"], true);
    EXPECT_EQ(action["diagnostics"][0]["range"], Range(2, 9, 2, 24));
    EXPECT_EQ(action["edit"]["changes"][kUri], OneEdit(Range(2, 9, 2, 24), "STATE_FETCH_WOOD"));
}

// The } of a block that is never closed goes on a line of its own before ENDSCRIPT, in the file's
// line breaks; each problem in the range brings its fixes, and no problem none.
TEST(CodeActions, InsertTheMissingBraceAndOnlyForTheAskedRange) {
    const std::string text = "START_SCRIPT\n{\n\tDO STATE_DEFEND ON\n\tDO STATE_DEFEN ON\nENDSCRIPT\n";
    Json actions = Actions(text, Params(Range(1, 0, 1, 1)));
    ASSERT_EQ(actions.size(), 1u) << actions.dump();
    EXPECT_EQ(actions[0]["title"], "Insert }");
    EXPECT_EQ(actions[0]["edit"]["changes"][kUri], OneEdit(Range(4, 0, 4, 0), "}\n"));
    // The whole text: the { and the misspelt command.
    actions = Actions(text, Params(Range(0, 0, 5, 0)));
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[1]["title"], "Replace with STATE_DEFEND");
    EXPECT_EQ(Actions(text, Params(Range(2, 0, 2, 3))), Json::array());
    // A client that asks for other kinds only gets none; the empty kind stands for all.
    EXPECT_EQ(Actions(text, Params(Range(1, 0, 1, 1), {{"only", {"refactor"}}})), Json::array());
    EXPECT_EQ(Actions(text, Params(Range(1, 0, 1, 1), {{"only", {"quickfix"}}})).size(), 1u);
    EXPECT_EQ(Actions(text, Params(Range(1, 0, 1, 1), {{"only", {""}}})).size(), 1u);
}

TEST(CodeActions, RefuseMalformedParams) {
    const auto run = LspClient::Initialized()
                         .Open(kUri, "START_SCRIPT")
                         .Request(1, "textDocument/codeAction", {{"textDocument", {{"uri", kUri}}}})
                         .Request(2, "textDocument/codeAction", Params({{"start", {{"line", 0}}}}))
                         .End()
                         .Run();
    for (int id : {1, 2}) EXPECT_EQ(run.Answer(id)["error"]["code"], -32602) << id;
}

}  // namespace
}  // namespace corvane
