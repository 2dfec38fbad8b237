// The requests an editor sends while an author reads and types, one answer each on one document,
// in the client's UTF-16 positions, and the quick fixes it offers.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using namespace testing;  // the client, its document and the parts of requests

// A word of two characters beyond the code page, one of them two UTF-16 units long, moves the
// columns of the words after it by four.
const std::string kWide = "\xF0\x9F\x98\x80\xE4\xB8\xAD ";

Json Hint(int line, int character, const char* label) {
    return {{"position", {{"line", line}, {"character", character}}}, {"label", label}, {"paddingLeft", true}};
}

Json Symbol(const char* name, int kind, const Json& range, const Json& selection, const Json& children) {
    return {{"name", name}, {"kind", kind}, {"range", range}, {"selectionRange", selection}, {"children", children}};
}

Json WithRange(const Json& range) { return {{"textDocument", {{"uri", kUri}}}, {"range", range}}; }

Json ActionParams(const Json& range, const Json& context = Json::object()) {
    return {{"textDocument", {{"uri", kUri}}}, {"range", range}, {"context", context}};
}

TEST(LanguageFeatures, AnswerInTheClientsPositions) {
    const std::string attack = "START_SCRIPT {\n" + kWide + "DO ATTACK RED %1 ";
    const std::string words = "START_SCRIPT\r\n" + kWide + "IF >= VAR_1 %2 { DO ATTACK INT_BURN E803 FOO }";
    const std::string uses = "SET VAR_1 %1\n" + kWide + "IF > var_01 INT_1184 { INCREMENT VAR_1 INT_BURN }";
    const std::string values = "SET VAR_1 %2.5\n" + kWide + "SET VAR_2 %&H10 SET VAR_3 INT_1184 SET VAR_4 %7";
    const std::string rename = kWide + "SET VAR_3 %1 IF > var_03 VAR_4 { }";
    const std::string hover = "START_SCRIPT   \r\n\xC3\xA9\xF0\x9F\x98\x80 SET VAR_1 %&H10";
    const std::string beyond = "\xEF\xBB\xBFSTART_SCRIPT {\nSET VAR_\xCE\xA9 %1 DO fo\xCE\xA9 } ENDSCRIPT";
    const std::string blocks =
        "START_SCRIPT\n{\n\tEVERY %64\n\t{\n\t\tIF > VAR_1 %2 { }\n\t\tDO STATE_DEFEND ON\n\t}\n}\nENDSCRIPT";
    const std::string fix = "START_SCRIPT\r\n{\r\n\t\xF0\x9F\x98\x80 \xC3\xA9 DO STATE_FETCH_WOD ON\r\n}\r\nENDSCRIPT";
    const Json caret = ActionParams(Range(2, 12, 2, 12));  // inside the word
    const std::string outline =
        "START_SCRIPT {\nEVERY %64 { IF > VAR_1 %2\n{ } ELSE { EVERY %8 { } } ENDIF }\nIF < VAR_2 %3 { } } ENDSCRIPT";
    const Json inner = Symbol("EVERY %8", 24, Range(2, 11, 2, 23), Range(2, 11, 2, 16), Json::array());
    const Json branch = Symbol("IF > VAR_1 %2", 17, Range(1, 12, 2, 31), Range(1, 12, 1, 14), Json::array({inner}));
    Json renameTo = At(0, 9);
    renameTo["newName"] = "VAR_12";
    Json references = At(1, 50);
    references["context"] = {{"includeDeclaration", true}};
    // Text, request, its parameters, the part of the result (a JSON pointer) and what it must be.
    const std::tuple<std::string, const char*, Json, const char*, Json> cases[] = {
        {attack, "textDocument/signatureHelp", At(1, 21), "/activeParameter", 2},
        {attack, "textDocument/signatureHelp", At(1, 21), "/signatures/0/activeParameter", 2},
        {attack, "textDocument/signatureHelp", At(1, 21), "/signatures/0/parameters/2/label", {21, 34}},
        // On the command itself no parameter is active: an index past the thirteen says so.
        {"DO ATTACK", "textDocument/signatureHelp", At(0, 9), "/activeParameter", 13},
        {"SET VAR_1 ", "textDocument/signatureHelp", At(0, 10), "", nullptr},
        // Line, start (both relative to the word before), length, type, modifiers.
        {words, "textDocument/semanticTokens/full", kDocument, "/data",
         Json::parse(R"([0, 0, 12, 0, 0,   1, 0, 3, 6, 0,   0, 4, 2, 0, 0,   0, 3, 2, 4, 0,   0, 3, 5, 2, 0,
                         0, 6, 2, 3, 0,   0, 3, 1, 0, 0,   0, 2, 2, 0, 0,   0, 3, 6, 1, 0,
                         0, 7, 8, 2, 3,   0, 9, 4, 5, 0,   0, 5, 3, 6, 0,   0, 4, 1, 0, 0])")},
        {"", "textDocument/semanticTokens/full", kDocument, "", {{"data", Json::array()}}},
        // From a block's statement to the line before its closing brace.
        {blocks, "textDocument/foldingRange", kDocument, "",
         Json::parse(R"([{"startLine": 0, "endLine": 6, "kind": "region"},
                         {"startLine": 2, "endLine": 5, "kind": "region"}])")},
        // EVERY and IF blocks, from their word to their closing brace.
        {outline, "textDocument/documentSymbol", kDocument, "",
         Json::array({Symbol("EVERY %64", 24, Range(1, 0, 2, 33), Range(1, 0, 1, 5), Json::array({branch})),
                      Symbol("IF < VAR_2 %3", 17, Range(3, 0, 3, 17), Range(3, 0, 3, 2), Json::array())})},
        // A variable wherever it is set (3) or tested (2); a value wherever it stands.
        {uses, "textDocument/documentHighlight", At(1, 9), "",
         Json::array({{{"range", Range(0, 4, 0, 9)}, {"kind", 3}},
                      {{"range", Range(1, 9, 1, 15)}, {"kind", 2}},
                      {{"range", Range(1, 37, 1, 42)}, {"kind", 3}}})},
        {uses, "textDocument/documentHighlight", At(0, 11), "", Json::array()},
        {uses, "textDocument/references", references, "",
         Json::array(
             {{{"uri", kUri}, {"range", Range(1, 16, 1, 24)}}, {{"uri", kUri}, {"range", Range(1, 43, 1, 51)}}})},
        {rename, "textDocument/prepareRename", At(0, 27), "",
         Json({{"range", Range(0, 22, 0, 28)}, {"placeholder", "var_03"}})},
        {rename, "textDocument/prepareRename", At(0, 14), "", nullptr},  // on %1
        {rename, "textDocument/rename", renameTo, "",
         Json({{"changes",
                {{kUri,
                  {{{"range", Range(0, 12, 0, 13)}, {"newText", "12"}},
                   {{"range", Range(0, 26, 0, 28)}, {"newText", "12"}}}}}}})},
        {values, "textDocument/inlayHint", WithRange(Range(1, 0, 1, 19)), "", Json::array({Hint(1, 19, "= 16")})},
        {hover, "textDocument/hover", At(1, 14), "/range", Range(1, 14, 1, 19)},
        {hover, "textDocument/hover", At(0, 14), "", nullptr},
        // Characters beyond Windows-1252 show as themselves; a leading U+FEFF is no character of the
        // script, yet the client's columns count it.
        {beyond, "textDocument/hover", At(1, 6), "/contents/value", "VAR_\xCE\xA9\nuser variable 0"},
        {beyond, "textDocument/hover", At(0, 3), "/range", Range(0, 1, 0, 13)},
        // The fix of a suggestion: the emoji before the word takes two UTF-16 units, the é one.
        {fix, "textDocument/codeAction", caret, "/0/title", "Replace with STATE_FETCH_WOOD"},
        {fix, "textDocument/codeAction", caret, "/0/kind", "quickfix"},
        {fix, "textDocument/codeAction", caret, "/0/isPreferred", true},
        {fix, "textDocument/codeAction", caret, "/0/diagnostics/0/range", Range(2, 9, 2, 24)},
        {fix, "textDocument/codeAction", caret, "/0/edit/changes",
         Json({{kUri, OneEdit(Range(2, 9, 2, 24), "STATE_FETCH_WOOD")}})},
        // Characters beyond the code page stay as the author wrote them.
        {"START_SCRIPT   \xE4\xB8\xAD\xF0\x9F\x98\x80 ENDSCRIPT", "textDocument/formatting", kDocument, "",
         OneEdit(Range(0, 0, 0, 28), "START_SCRIPT \xE4\xB8\xAD\xF0\x9F\x98\x80\nENDSCRIPT")},
    };
    for (const auto& [text, method, params, part, expected] : cases) {
        SCOPED_TRACE(std::string(method) + " " + text.substr(0, 20));
        const Json result = Ask(text, method, params);
        const Json::json_pointer pointer(part);
        EXPECT_EQ(result.contains(pointer) ? result.at(pointer) : Json("no such part"), expected) << result;
    }
    // A user variable is renamed only to a number not in use.
    renameTo["newName"] = "VAR_4";
    EXPECT_EQ(
        AnswerTo(rename, "textDocument/rename", renameTo)["error"],
        Json({{"code", -32602},
              {"message", "textDocument/rename: VAR_4 is in use already; renaming would make two variables one"}}));
    const Json help = Ask(attack, "textDocument/signatureHelp", At(1, 21));
    EXPECT_TRUE(help["signatures"][0]["label"].get<std::string>().starts_with("ATTACK <color> <var> <attack_what>"));
}

// The unknown word, and the variable whose number stops at a character beyond the code page.
TEST(LanguageFeatures, ProblemsNameCharactersBeyondTheCodePageAsThemselves) {
    const std::string text = "\xEF\xBB\xBFSTART_SCRIPT {\nSET VAR_\xCE\xA9 %1 DO fo\xCE\xA9 } ENDSCRIPT";
    const Json published = LspClient::Initialized().Open(kUri, text).End().Run().Published().at(0);
    std::map<std::string, std::string> messages;
    for (const Json& diagnostic : published["diagnostics"])
        messages[diagnostic["range"].dump()] = diagnostic["message"];
    ASSERT_EQ(messages.size(), 2u) << published;
    EXPECT_NE(messages[Range(1, 16, 1, 19).dump()].find("fo\xCE\xA9"), std::string::npos);
    EXPECT_EQ(messages[Range(1, 4, 1, 9).dump()], "VAR_\xCE\xA9 compiles as user variable 0; \xCE\xA9 is not read");
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
        for (const Json& action : Ask(text, "textDocument/codeAction", ActionParams(range, context)))
            found.push_back(action["title"]);
        EXPECT_EQ(found, titles) << range << context;
    }
}

}  // namespace
}  // namespace corvane
