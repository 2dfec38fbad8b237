// Deep and long inputs that a byte-level fuzzer with a small size cap never builds: the input is a
// repeat count (its first three bytes) and a pattern (the rest, at most 32 bytes), and the
// pattern, repeated, becomes both the params of a request and the text of an open document whose
// outline, layout and hover are asked for. The server must answer with well-formed messages and
// never crash, however deep the repetition nests.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "lsp/message_reader.h"
#include "lsp/message_writer.h"
#include "lsp/serve_language_protocol.h"

namespace {

using Json = nlohmann::json;

constexpr std::size_t kMaxPatternBytes = 32;
constexpr std::size_t kMaxRepeatedBytes = 256u << 10;  // beyond the 100,000 levels that overflowed

std::string Framed(const std::string& body) {
    std::ostringstream out;
    corvane::WriteMessage(out, body);
    return out.str();
}

std::string Request(int id, const char* method, const Json& params) {
    return Framed(Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump(
        -1, ' ', false, Json::error_handler_t::replace));
}

void Serve(const std::string& session) {
    std::istringstream in(session);
    std::ostringstream out, log;
    const int status = corvane::ServeLanguageProtocol(in, out, log);
    if (status != 0 && status != 1) std::abort();
    std::istringstream written(out.str());
    corvane::MessageReader reader(written);
    for (corvane::ReadResult read = reader.Next(); read.status != corvane::ReadStatus::kEnd; read = reader.Next()) {
        if (read.status != corvane::ReadStatus::kMessage || !Json::accept(read.body)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::size_t wanted = (std::size_t{data[0]} << 16) | (std::size_t{data[1]} << 8) | data[2];
    const std::string pattern(reinterpret_cast<const char*>(data) + 3, std::min(size - 3, kMaxPatternBytes));
    const std::size_t count = std::min(wanted, kMaxRepeatedBytes / pattern.size());
    std::string repeated;
    repeated.reserve(count * pattern.size());
    for (std::size_t i = 0; i < count; ++i) repeated += pattern;

    const Json initialize = {{"capabilities", Json::object()}};
    // Raw params, before and after initialize.
    const std::string raw =
        R"({"jsonrpc": "2.0", "id": 9, "method": "textDocument/hover", "params": )" + repeated + "}";
    Serve(Framed(raw) + Request(1, "initialize", initialize) + Framed(raw));

    const Json document = {{"textDocument", {{"uri", "file:///f.txt"}}}};
    const Json open = {{"textDocument", {{"uri", "file:///f.txt"}, {"version", 1}, {"text", repeated}}}};
    Json hover = document;
    hover["position"] = {{"line", 0}, {"character", count / 2}};
    Serve(Request(1, "initialize", initialize) +
          Framed(Json{{"jsonrpc", "2.0"}, {"method", "textDocument/didOpen"}, {"params", open}}.dump(
              -1, ' ', false, Json::error_handler_t::replace)) +
          Request(2, "textDocument/documentSymbol", document) + Request(3, "textDocument/formatting", document) +
          Request(4, "textDocument/hover", hover));
    return 0;
}
