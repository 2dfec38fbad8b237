// The requests an editor sends while an author reads and types: signature help, semantic tokens,
// folding, highlights, references, renames and inlay hints, in the client's UTF-16 positions.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/lsp/lsp_client.h"

namespace corvane {
namespace {

using namespace testing;  // the client, its document and the parts of requests

// A word of two characters beyond the code page, one of them two UTF-16 units long, moves the
// columns of the words after it by four.
const std::string kWide = "\xF0\x9F\x98\x80\xE4\xB8\xAD ";

TEST(LanguageFeatures, SignatureHelpOfTheDoCommandBeingTyped) {
    const Json help = Ask("START_SCRIPT {\n" + kWide + "DO ATTACK RED %1 ", "textDocument/signatureHelp", At(1, 21));
    const Json& signature = help["signatures"].at(0);
    EXPECT_TRUE(signature["label"].get<std::string>().starts_with("ATTACK <color> <var> <attack_what> <var>")) << help;
    EXPECT_EQ(signature["parameters"][2]["label"], Json::array({21, 34}));  // <attack_what>
    EXPECT_EQ(help["activeParameter"], 2);
    EXPECT_EQ(signature["activeParameter"], 2);
    // On the command itself no parameter is active, an index past the thirteen says so; outside a DO
    // command there is no help.
    EXPECT_EQ(Ask("DO ATTACK", "textDocument/signatureHelp", At(0, 9))["activeParameter"], 13);
    EXPECT_EQ(Ask("SET VAR_1 ", "textDocument/signatureHelp", At(0, 10)), nullptr);
}

TEST(LanguageFeatures, SemanticTokensOfEveryClassOfWord) {
    const std::string text = "START_SCRIPT\r\n" + kWide + "IF >= VAR_1 %2 { DO ATTACK INT_BURN E803 FOO }";
    const Json tokens = Ask(text, "textDocument/semanticTokens/full", kDocument);
    // Line, start (both relative to the word before), length, type, modifiers.
    EXPECT_EQ(tokens["data"],
              Json::parse(R"([0, 0, 12, 0, 0,   1, 0, 3, 6, 0,   0, 4, 2, 0, 0,   0, 3, 2, 4, 0,   0, 3, 5, 2, 0,
                                               0, 6, 2, 3, 0,   0, 3, 1, 0, 0,   0, 2, 2, 0, 0,   0, 3, 6, 1, 0,
                                               0, 7, 8, 2, 3,   0, 9, 4, 5, 0,   0, 5, 3, 6, 0,   0, 4, 1, 0, 0])"));
    EXPECT_EQ(Ask("", "textDocument/semanticTokens/full", kDocument), Json::parse(R"({"data": []})"));
}

TEST(LanguageFeatures, FoldsBlocksFromTheirStatementToTheLineBeforeTheirBrace) {
    const std::string text =
        "START_SCRIPT\n{\n\tEVERY %64\n\t{\n\t\tIF > VAR_1 %2 { }\n\t\tDO STATE_DEFEND ON\n\t}\n}\nENDSCRIPT";
    EXPECT_EQ(Ask(text, "textDocument/foldingRange", kDocument), Json::parse(R"([
        {"startLine": 0, "endLine": 6, "kind": "region"}, {"startLine": 2, "endLine": 5, "kind": "region"}])"));
}

TEST(LanguageFeatures, HighlightsAndReferencesOfAVariableWhereverItIsSetOrTested) {
    const std::string text = "SET VAR_1 %1\n" + kWide + "IF > var_01 INT_1184 { INCREMENT VAR_1 INT_BURN }";
    EXPECT_EQ(Ask(text, "textDocument/documentHighlight", At(1, 9)),
              Json::array({{{"range", Range(0, 4, 0, 9)}, {"kind", 3}},
                           {{"range", Range(1, 9, 1, 15)}, {"kind", 2}},
                           {{"range", Range(1, 37, 1, 42)}, {"kind", 3}}}));
    Json params = At(1, 50);
    params["context"] = {{"includeDeclaration", true}};
    EXPECT_EQ(Ask(text, "textDocument/references", params),
              Json::array(
                  {{{"uri", kUri}, {"range", Range(1, 16, 1, 24)}}, {{"uri", kUri}, {"range", Range(1, 43, 1, 51)}}}));
    EXPECT_EQ(Ask(text, "textDocument/documentHighlight", At(0, 11)), Json::array());
}

TEST(LanguageFeatures, RenamesAUserVariableUnlessTheNumberIsInUse) {
    const std::string text = kWide + "SET VAR_3 %1 IF > var_03 VAR_4 { }";
    const auto rename = [&](const std::string& newName) {
        Json params = At(0, 9);
        params["newName"] = newName;
        return LspClient::Initialized()
            .Open(kUri, text)
            .Request(1, "textDocument/rename", params)
            .End()
            .Run()
            .Answer(1);
    };
    EXPECT_EQ(rename("VAR_12")["result"], Json({{"changes",
                                                 {{kUri,
                                                   {{{"range", Range(0, 12, 0, 13)}, {"newText", "12"}},
                                                    {{"range", Range(0, 26, 0, 28)}, {"newText", "12"}}}}}}}));
    EXPECT_EQ(
        rename("VAR_4")["error"],
        Json({{"code", -32602},
              {"message", "textDocument/rename: VAR_4 is in use already; renaming would make two variables one"}}));
    EXPECT_EQ(Ask(text, "textDocument/prepareRename", At(0, 27)),
              Json({{"range", Range(0, 22, 0, 28)}, {"placeholder", "var_03"}}));
    EXPECT_EQ(Ask(text, "textDocument/prepareRename", At(0, 14)), nullptr);  // on %1
    // The rename provider asks first only of a client that said it can be asked.
    const Json capabilities =
        LspClient()
            .Request(0, "initialize", {{"capabilities", {{"textDocument", {{"rename", {{"prepareSupport", true}}}}}}}})
            .End()
            .Run()
            .Answer(0)["result"]["capabilities"];
    EXPECT_EQ(capabilities["renameProvider"], Json({{"prepareProvider", true}}));
}

TEST(LanguageFeatures, InlayHintsShowWhatValueWordsCompileTo) {
    const std::string text = "SET VAR_1 %2.5\n" + kWide + "SET VAR_2 %&H10 SET VAR_3 INT_1184 SET VAR_4 %7";
    const auto hints = [&](const Json& range) {
        return Ask(text, "textDocument/inlayHint", {{"textDocument", {{"uri", kUri}}}, {"range", range}});
    };
    const auto hint = [](int line, int character, const char* label) {
        return Json{{"position", {{"line", line}, {"character", character}}}, {"label", label}, {"paddingLeft", true}};
    };
    EXPECT_EQ(hints(Range(0, 0, 9, 0)),
              Json::array({hint(0, 14, "= 2"), hint(1, 19, "= 16"), hint(1, 38, "= INT_BURN")}));
    EXPECT_EQ(hints(Range(1, 0, 1, 19)), Json::array({hint(1, 19, "= 16")}));
}

// Characters beyond Windows-1252 show as themselves in messages and hovers; a leading U+FEFF is
// no character of the script, yet the client's columns count it.
TEST(LanguageFeatures, CharactersBeyondTheCodePageShowAsThemselves) {
    const std::string text = "\xEF\xBB\xBFSTART_SCRIPT {\nSET VAR_\xCE\xA9 %1 DO fo\xCE\xA9 } ENDSCRIPT";
    const Json published = LspClient::Initialized().Open(kUri, text).End().Run().Published().at(0);
    // The unknown word, and the variable whose number stops at the character.
    std::map<std::string, std::string> messages;
    for (const Json& diagnostic : published["diagnostics"])
        messages[diagnostic["range"].dump()] = diagnostic["message"];
    ASSERT_EQ(messages.size(), 2u) << published;
    const std::string unknown = messages[Range(1, 16, 1, 19).dump()];
    EXPECT_NE(unknown.find("fo\xCE\xA9"), std::string::npos) << unknown;
    EXPECT_EQ(messages[Range(1, 4, 1, 9).dump()], "VAR_\xCE\xA9 compiles as user variable 0; \xCE\xA9 is not read");
    EXPECT_EQ(Ask(text, "textDocument/hover", At(1, 6))["contents"]["value"], "VAR_\xCE\xA9\nuser variable 0");
    EXPECT_EQ(Ask(text, "textDocument/hover", At(0, 3))["range"], Range(0, 1, 0, 13));
}

}  // namespace
}  // namespace corvane
