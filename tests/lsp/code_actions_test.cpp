#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

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

// Each problem that touches the asked range brings its fixes, no problem none; a client that asks
// for other kinds only gets none, and the empty kind stands for all.
TEST(CodeActions, OnlyForTheAskedRangeAndKinds) {
    const std::string text = "START_SCRIPT\n{\n\tDO STATE_DEFEND ON\n\tDO STATE_DEFEN ON\nENDSCRIPT\n";
    const std::tuple<Json, Json, std::vector<std::string>> cases[] = {
        {Range(1, 0, 1, 1), Json::object(), {"Insert }"}},
        {Range(0, 0, 5, 0), Json::object(), {"Insert }", "Replace with STATE_DEFEND"}},
        {Range(2, 0, 2, 3), Json::object(), {}},
        {Range(1, 0, 1, 1), {{"only", {"refactor"}}}, {}},
        {Range(1, 0, 1, 1), {{"only", {"quickfix"}}}, {"Insert }"}},
        {Range(1, 0, 1, 1), {{"only", {""}}}, {"Insert }"}},
    };
    for (const auto& [range, context, titles] : cases) {
        std::vector<std::string> found;
        for (const Json& action : Actions(text, Params(range, context))) found.push_back(action["title"]);
        EXPECT_EQ(found, titles) << range << context;
    }
}

}  // namespace
}  // namespace corvane
