#pragma once
// A small in-process language client for tests: it writes the client's side of a session as
// framed messages, runs the server over them and reads back everything the server wrote.

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "lsp/message_reader.h"
#include "lsp/message_writer.h"
#include "lsp/serve_language_protocol.h"

namespace corvane::testing {

using Json = nlohmann::json;

struct ServerRun {
    int exit = -1;
    std::vector<Json> messages;  // in the order the server wrote them
    std::string unframed;        // problems reading the output as messages (must stay empty)
    std::string log;

    // The answer to the request with this id; null when there is none.
    Json Answer(const Json& id) const {
        for (const Json& message : messages) {
            if (!message.contains("method") && message.value("id", Json()) == id) return message;
        }
        return nullptr;
    }
    std::vector<Json> Published() const {
        std::vector<Json> found;
        for (const Json& message : messages) {
            if (message.value("method", "") == "textDocument/publishDiagnostics") found.push_back(message["params"]);
        }
        return found;
    }
};

class LspClient {
public:
    // A session that starts as every client starts one.
    static LspClient Initialized() {
        return LspClient().Request(0, "initialize", {{"capabilities", Json::object()}}).Notify("initialized", {});
    }
    static std::string Framed(const std::string& body) {
        std::ostringstream out;
        WriteMessage(out, body);
        return out.str();
    }

    LspClient& Raw(const std::string& bytes) {
        input_ += bytes;
        return *this;
    }
    LspClient& Request(const Json& id, const std::string& method, const Json& params) {
        return Raw(Framed(Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", params}}.dump()));
    }
    LspClient& Notify(const std::string& method, const Json& params) {
        return Raw(Framed(Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", params}}.dump()));
    }
    LspClient& Open(const std::string& uri, const std::string& text) {
        return Notify("textDocument/didOpen", {{"textDocument", {{"uri", uri}, {"version", 1}, {"text", text}}}});
    }
    LspClient& End() { return Request("end", "shutdown", nullptr).Notify("exit", nullptr); }
    // The server sees all messages waiting at once, as after a burst of typing; otherwise each
    // one comes alone, as from a client that pauses after every message.
    LspClient& AllAtOnce() {
        allAtOnce_ = true;
        return *this;
    }

    ServerRun Run() const {
        std::istringstream in(input_);
        std::ostringstream out, log;
        ServerRun run;
        run.exit = allAtOnce_ ? ServeLanguageProtocol(in, out, log)
                              : ServeLanguageProtocol(in, out, log, [] { return false; });
        run.log = log.str();
        std::istringstream written(out.str());
        MessageReader reader(written);
        for (;;) {
            const ReadResult read = reader.Next();
            run.unframed += read.problem;
            if (read.status == ReadStatus::kMessage) run.messages.push_back(Json::parse(read.body));
            if (read.status == ReadStatus::kEnd) return run;
        }
    }

private:
    std::string input_;
    bool allAtOnce_ = false;
};

// The one document of most tests, and the parts of requests about it.
inline const std::string kUri = "file:///scripts/a.txt";
inline const Json kDocument = {{"textDocument", {{"uri", kUri}}}};

inline Json Range(int line, int from, int toLine, int to) {
    return {{"start", {{"line", line}, {"character", from}}}, {"end", {{"line", toLine}, {"character", to}}}};
}
inline Json At(int line, int character) {
    return {{"textDocument", {{"uri", kUri}}}, {"position", {{"line", line}, {"character", character}}}};
}
inline Json OneEdit(const Json& range, const std::string& text) {
    return Json::array({{{"range", range}, {"newText", text}}});
}
// The answer to one request on a document that holds `text`, and its result.
inline Json AnswerTo(const std::string& text, const std::string& method, const Json& params) {
    return LspClient::Initialized().Open(kUri, text).Request(1, method, params).End().Run().Answer(1);
}
inline Json Ask(const std::string& text, const std::string& method, const Json& params) {
    return AnswerTo(text, method, params)["result"];
}

}  // namespace corvane::testing
