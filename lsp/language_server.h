#pragma once
// The language server: turns the client's JSON-RPC messages into calls of the script assistance
// engine and its answers back into messages. It holds the open documents; the framing of the
// messages on a stream is the caller's (see ServeLanguageProtocol).

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"
#include "lsp/document_text.h"

namespace corvane {

struct VariableUse;

class LanguageServer {
public:
    using Json = nlohmann::json;
    using Sender = std::function<void(const Json&)>;

    // `send` gets every message for the client; `log` takes lines for a person (standard error).
    LanguageServer(const LanguageTables& tables, const Grammar& grammar, Sender send, std::ostream& log);

    // One message body as it came from the client.
    void Receive(std::string_view body);

    // Publishes the problems of every document opened or changed since the last call, each checked
    // once in its newest text. The caller calls it before it waits for more input, so a burst of
    // changes that is already waiting costs one check, not one per change.
    void CheckChangedDocuments();
    bool hasUncheckedDocuments() const { return !unchecked_.empty(); }

    // What the server keeps open at most; a client that asks for more is told so in the log.
    static constexpr std::size_t kMaxOpenDocuments = 1000;
    static constexpr std::size_t kMaxOpenBytes = 256u << 20;

    bool exited() const { return exited_; }
    // 0 when the client asked for shutdown before it ended the server, else 1.
    int exitStatus() const { return shutdown_ ? 0 : 1; }

private:
    using Handler = Json (LanguageServer::*)(const Json& params);

    void Dispatch(const Json& message);
    void Request(const Json& id, const std::string& method, const Json& params);
    void Notify(const std::string& method, const Json& params);
    void Log(std::string_view line);

    Json Initialize(const Json& params);
    Json Shutdown(const Json& params);
    Json DidOpen(const Json& params);
    Json DidChange(const Json& params);
    Json DidClose(const Json& params);
    Json Completion(const Json& params);
    Json Hover(const Json& params);
    Json Formatting(const Json& params);
    Json DocumentSymbols(const Json& params);
    Json CodeActions(const Json& params);
    Json Signature(const Json& params);
    Json SemanticTokens(const Json& params);
    Json FoldingRanges(const Json& params);
    Json Highlights(const Json& params);
    Json References(const Json& params);
    Json PrepareRename(const Json& params);
    Json Rename(const Json& params);
    Json InlayHints(const Json& params);
    std::vector<VariableUse> UsesAtPosition(const Json& params) const;

    const DocumentText& Document(const Json& params) const;
    // False (with a log line) when keeping `bytes` of text for `uri` would pass the limits.
    bool Admits(const std::string& uri, std::size_t bytes);
    // Keeps the newest text of a document, with the client's version of it (from `textDocument`) for
    // the problems published about it, and marks it for the next check.
    void Keep(const std::string& uri, DocumentText text, const Json& textDocument);
    void PublishDiagnostics(const std::string& uri);

    const LanguageTables& tables_;
    const Grammar& grammar_;
    Sender send_;
    std::ostream& log_;
    struct OpenDocument {
        DocumentText text;
        Json version;  // null when the client gave none
    };
    std::map<std::string, OpenDocument, std::less<>> documents_;
    std::set<std::string, std::less<>> unchecked_;  // opened or changed since the last check
    bool initialized_ = false;
    bool shutdown_ = false;
    bool exited_ = false;
};

}  // namespace corvane
