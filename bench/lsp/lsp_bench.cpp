// The language server's round trip on the 4096-code example: a didChange framed as a client
// sends it, read, parsed, diagnosed, and the publishDiagnostics framed for the client; and the
// semantic tokens of the whole example; each against only splitting the same text into words.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "assist/script_outline.h"
#include "bench/common/split_baseline.h"
#include "lsp/language_server.h"
#include "lsp/message_reader.h"
#include "lsp/message_writer.h"

namespace corvane {
namespace {

using Json = nlohmann::json;
using bench::AgainstSplitting;
using bench::MaximumScript;

std::string Framed(const Json& message) {
    std::ostringstream out;
    WriteMessage(out, message.dump());
    return out.str();
}

Json DocumentMessage(const char* method, const std::string& text) {
    const Json document = {{"uri", "file:///maximum.txt"}, {"languageId", "corvane"}, {"version", 1}, {"text", text}};
    if (std::string(method) == "textDocument/didOpen")
        return {{"jsonrpc", "2.0"}, {"method", method}, {"params", {{"textDocument", document}}}};
    return {
        {"jsonrpc", "2.0"},
        {"method", method},
        {"params",
         {{"textDocument", {{"uri", "file:///maximum.txt"}, {"version", 2}}}, {"contentChanges", {{{"text", text}}}}}}};
}

void BM_ServerRoundTripMaximumScript(benchmark::State& state) {
    std::ostringstream out;
    LanguageServer server(
        LanguageTables::Standard(), Grammar::Standard(),
        [&](const Json& message) { WriteMessage(out, message.dump(-1, ' ', false, Json::error_handler_t::replace)); },
        std::cerr);
    server.Receive(Json{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", Json::object()}}.dump());
    server.Receive(DocumentMessage("textDocument/didOpen", MaximumScript()).dump());
    const std::string change = Framed(DocumentMessage("textDocument/didChange", MaximumScript()));
    AgainstSplitting(state, MaximumScript(), [&] {
        out.str({});
        std::istringstream in(change);
        MessageReader reader(in);
        server.Receive(reader.Next().body);
        server.CheckChangedDocuments();
        benchmark::DoNotOptimize(out.str().size());
    });
    if (out.str().find("textDocument/publishDiagnostics") == std::string::npos) std::abort();
}

// What an editor asks after every pause in typing to colour the script.
void BM_SemanticTokensMaximumScript(benchmark::State& state) {
    std::size_t answered = 0;
    LanguageServer server(
        LanguageTables::Standard(), Grammar::Standard(), [&](const Json& message) { answered = message.dump().size(); },
        std::cerr);
    server.Receive(Json{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", Json::object()}}.dump());
    server.Receive(DocumentMessage("textDocument/didOpen", MaximumScript()).dump());
    const std::string request = Json{{"jsonrpc", "2.0"},
                                     {"id", 2},
                                     {"method", "textDocument/semanticTokens/full"},
                                     {"params", {{"textDocument", {{"uri", "file:///maximum.txt"}}}}}}
                                    .dump();
    AgainstSplitting(state, MaximumScript(), [&] { server.Receive(request); });
    if (answered < 4096 * 10) std::abort();  // five numbers a word
}

// The worst a client can send: 8 MB of unknown words, one problem each. The server publishes at
// most its cap of them; the counter gives the size of the answer.
void BM_ServerChangeOfEightMegabytesOfUnknownWords(benchmark::State& state) {
    std::string text = "START_SCRIPT";
    while (text.size() < (8u << 20)) text += " FOO";
    std::size_t answered = 0;
    LanguageServer server(
        LanguageTables::Standard(), Grammar::Standard(), [&](const Json& message) { answered = message.dump().size(); },
        std::cerr);
    server.Receive(Json{{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", Json::object()}}.dump());
    server.Receive(DocumentMessage("textDocument/didOpen", text).dump());
    const std::string change = DocumentMessage("textDocument/didChange", text).dump();
    for (auto _ : state) {
        server.Receive(change);
        server.CheckChangedDocuments();
    }
    state.counters["answer_bytes"] = static_cast<double>(answered);
}

// An outline of 160,000 IF blocks side by side.
void BM_OutlineOfSiblingBlocks(benchmark::State& state) {
    std::string text = "START_SCRIPT { ";
    for (int i = 0; i < 160000; ++i) text += "IF > VAR_1 1 { } ";
    text += "} ENDSCRIPT";
    for (auto _ : state) benchmark::DoNotOptimize(OutlineScript(text).size());
}

BENCHMARK(BM_ServerRoundTripMaximumScript);
BENCHMARK(BM_SemanticTokensMaximumScript);
BENCHMARK(BM_ServerChangeOfEightMegabytesOfUnknownWords)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_OutlineOfSiblingBlocks)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane

BENCHMARK_MAIN();
