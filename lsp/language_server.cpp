#include "lsp/language_server.h"

#include <unordered_map>

#include "assist/completion.h"
#include "assist/diagnostics.h"
#include "assist/hover.h"
#include "assist/layout.h"
#include "assist/script_outline.h"
#include "corvane_version.h"
#include "lsp/diagnostic_cap.h"
#include "lsp/json_rpc.h"
#include "lsp/protocol_json.h"
#include "lsp/semantic_tokens_request.h"

namespace corvane {

using namespace jsonrpc;

namespace {

constexpr int kFullTextSync = 1;

Json Capabilities(bool prepareRename) {
    // A blank after DO (or after any word) opens the list of what may follow, "_" the words of a kind.
    return Json{{"positionEncoding", "utf-16"},
                {"textDocumentSync", {{"openClose", true}, {"change", kFullTextSync}}},
                {"completionProvider", {{"triggerCharacters", {" ", "_"}}}},
                {"hoverProvider", true},
                {"signatureHelpProvider", {{"triggerCharacters", {" "}}, {"retriggerCharacters", {" "}}}},
                {"documentFormattingProvider", true},
                {"documentSymbolProvider", true},
                {"semanticTokensProvider", {{"legend", SemanticTokensLegend()}, {"full", true}}},
                {"foldingRangeProvider", true},
                {"documentHighlightProvider", true},
                {"referencesProvider", true},
                {"renameProvider", prepareRename ? Json{{"prepareProvider", true}} : Json(true)},
                {"inlayHintProvider", true},
                {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}}};
}

// Whether the client said (capabilities.textDocument.rename.prepareSupport) that it asks before it renames.
bool AsksBeforeRenaming(const Json& params) {
    const Json* member = &params;
    for (const char* key : {"capabilities", "textDocument", "rename", "prepareSupport"}) {
        if (!member->is_object()) return false;
        const auto found = member->find(key);
        if (found == member->end()) return false;
        member = &*found;
    }
    return *member == true;
}

bool IsValidId(const Json& id) { return id.is_string() || id.is_number_integer(); }

}  // namespace

LanguageServer::LanguageServer(const LanguageTables& tables, const Grammar& grammar, Sender send, std::ostream& log)
    : tables_(tables), grammar_(grammar), send_(std::move(send)), log_(log) {}

void LanguageServer::Log(std::string_view line) { log_ << "corvane-script lsp: " << line << '\n'; }

void LanguageServer::Receive(std::string_view body) {
    if (NestsDeeperThan(body, kMaxNesting)) {
        send_(ErrorResponse(nullptr, kInvalidRequest,
                            "the message nests deeper than " + std::to_string(kMaxNesting) + " levels"));
        return;
    }
    const Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        send_(ErrorResponse(nullptr, kParseError, "the message is not valid JSON"));
        return;
    }
    Dispatch(message);
}

void LanguageServer::Dispatch(const Json& message) {
    if (!message.is_object()) {
        send_(ErrorResponse(nullptr, kInvalidRequest, "a message must be a JSON object"));
        return;
    }
    const auto id = message.find("id");
    const auto method = message.find("method");
    if (id != message.end() && !IsValidId(*id)) {
        send_(ErrorResponse(nullptr, kInvalidRequest, "the id must be a number or a string"));
        return;
    }
    if (method == message.end() || !method->is_string()) {
        // The server sends no requests, so a message without a method answers nothing of ours.
        if (id != message.end() && (message.contains("result") || message.contains("error"))) return;
        if (id != message.end()) {
            send_(ErrorResponse(*id, kInvalidRequest, "the message has no method"));
        } else {
            Log("ignored a message without a method");
        }
        return;
    }
    const auto params = message.find("params");
    static const Json kNoParams = nullptr;
    const Json& paramsOrNull = params != message.end() ? *params : kNoParams;  // a reference: never a copy
    if (id != message.end()) {
        Request(*id, method->get_ref<const std::string&>(), paramsOrNull);
    } else {
        Notify(method->get_ref<const std::string&>(), paramsOrNull);
    }
}

void LanguageServer::Request(const Json& id, const std::string& method, const Json& params) {
    static const std::unordered_map<std::string, Handler> handlers = {
        {"initialize", &LanguageServer::Initialize},
        {"shutdown", &LanguageServer::Shutdown},
        {"textDocument/completion", &LanguageServer::Completion},
        {"textDocument/hover", &LanguageServer::Hover},
        {"textDocument/formatting", &LanguageServer::Formatting},
        {"textDocument/documentSymbol", &LanguageServer::DocumentSymbols},
        {"textDocument/codeAction", &LanguageServer::CodeActions},
        {"textDocument/signatureHelp", &LanguageServer::Signature},
        {"textDocument/semanticTokens/full", &LanguageServer::SemanticTokens},
        {"textDocument/foldingRange", &LanguageServer::FoldingRanges},
        {"textDocument/documentHighlight", &LanguageServer::Highlights},
        {"textDocument/references", &LanguageServer::References},
        {"textDocument/prepareRename", &LanguageServer::PrepareRename},
        {"textDocument/rename", &LanguageServer::Rename},
        {"textDocument/inlayHint", &LanguageServer::InlayHints},
    };
    if (shutdown_) {
        send_(ErrorResponse(id, kInvalidRequest, "the server is shutting down"));
        return;
    }
    if (!initialized_ && method != "initialize") {
        send_(ErrorResponse(id, kServerNotInitialized, "the server has not been initialized"));
        return;
    }
    if (initialized_ && method == "initialize") {
        send_(ErrorResponse(id, kInvalidRequest, "the server is initialized already"));
        return;
    }
    const auto handler = handlers.find(method);
    if (handler == handlers.end()) {
        send_(ErrorResponse(id, kMethodNotFound, "unknown method " + method));
        return;
    }
    try {
        send_(Response(id, (this->*handler->second)(params)));
    } catch (const InvalidParams& error) {
        send_(ErrorResponse(id, kInvalidParams, method + ": " + error.what()));
    }
}

void LanguageServer::Notify(const std::string& method, const Json& params) {
    static const std::unordered_map<std::string, Handler> handlers = {
        {"textDocument/didOpen", &LanguageServer::DidOpen},
        {"textDocument/didChange", &LanguageServer::DidChange},
        {"textDocument/didClose", &LanguageServer::DidClose},
    };
    if (method == "exit") {
        exited_ = true;
        return;
    }
    const auto handler = handlers.find(method);
    if (handler == handlers.end() || !initialized_ || shutdown_) return;  // nothing to do, as the protocol allows
    try {
        (this->*handler->second)(params);
    } catch (const InvalidParams& error) {
        Log("ignored " + method + ": " + error.what());
    }
}

LanguageServer::Json LanguageServer::Initialize(const Json& params) {
    if (!params.is_object()) throw InvalidParams("expected an object");
    initialized_ = true;
    return Json{{"capabilities", Capabilities(AsksBeforeRenaming(params))},
                {"serverInfo", {{"name", "corvane-script"}, {"version", kVersionText}}}};
}

LanguageServer::Json LanguageServer::Shutdown(const Json&) {
    shutdown_ = true;
    documents_.clear();
    unchecked_.clear();
    return nullptr;
}

LanguageServer::Json LanguageServer::DidOpen(const Json& params) {
    const Json& document = Member(params, "textDocument");
    const std::string& uri = StringMember(document, "uri");
    const std::string& text = StringMember(document, "text");
    if (!Admits(uri, text.size())) return nullptr;
    Keep(uri, DocumentText(text), document);
    return nullptr;
}

LanguageServer::Json LanguageServer::DidChange(const Json& params) {
    const std::string& uri = DocumentUri(params);
    const auto document = documents_.find(uri);
    if (document == documents_.end()) throw InvalidParams("the document " + uri + " is not open");
    const Json& changes = Member(params, "contentChanges");
    if (!changes.is_array() || changes.empty()) throw InvalidParams("\"contentChanges\" is not a list of changes");
    // Whole texts only, as the server asked for: the last one is the document.
    const Json& change = changes.back();
    if (change.is_object() && change.contains("range")) throw InvalidParams("a change of a range; send whole texts");
    const std::string& text = StringMember(change, "text");
    if (!Admits(uri, text.size())) return nullptr;
    Keep(uri, DocumentText(text), Member(params, "textDocument"));
    return nullptr;
}

LanguageServer::Json LanguageServer::DidClose(const Json& params) {
    const std::string& uri = DocumentUri(params);
    if (documents_.erase(uri) == 0) throw InvalidParams("the document " + uri + " is not open");
    unchecked_.erase(uri);
    // Marks of a closed document would stay in the client's problem list otherwise.
    send_(Notification("textDocument/publishDiagnostics", {{"uri", uri}, {"diagnostics", Json::array()}}));
    return nullptr;
}

bool LanguageServer::Admits(const std::string& uri, std::size_t bytes) {
    std::size_t held = 0;
    for (const auto& [openUri, document] : documents_) {
        if (openUri != uri) held += document.text.clientText().size();
    }
    const bool known = documents_.contains(uri);
    if (!known && documents_.size() >= kMaxOpenDocuments) {
        Log("did not open " + uri + ": " + std::to_string(kMaxOpenDocuments) +
            " documents are open, the most this server keeps; close some");
        return false;
    }
    if (held + bytes > kMaxOpenBytes) {
        Log("did not take the text of " + uri + ": the open documents would hold more than " +
            std::to_string(kMaxOpenBytes >> 20) + " MB; close some");
        return false;
    }
    return true;
}

const DocumentText& LanguageServer::Document(const Json& params) const {
    const std::string& uri = DocumentUri(params);
    const auto document = documents_.find(uri);
    if (document == documents_.end()) throw InvalidParams("the document " + uri + " is not open");
    return document->second.text;
}

void LanguageServer::Keep(const std::string& uri, DocumentText text, const Json& textDocument) {
    const auto version = textDocument.find("version");
    const bool numbered = version != textDocument.end() && version->is_number_integer();
    documents_.insert_or_assign(uri, OpenDocument{std::move(text), numbered ? *version : Json()});
    unchecked_.insert(uri);
}

void LanguageServer::CheckChangedDocuments() {
    for (const std::string& uri : unchecked_) PublishDiagnostics(uri);
    unchecked_.clear();
}

void LanguageServer::PublishDiagnostics(const std::string& uri) {
    const auto& [document, version] = documents_.at(uri);
    Json diagnostics = Json::array();
    for (const Diagnostic& diagnostic : CapDiagnostics(Diagnose(document.engineText(), tables_, grammar_))) {
        diagnostics.push_back(DiagnosticJson(document, diagnostic));
    }
    Json params{{"uri", uri}, {"diagnostics", std::move(diagnostics)}};
    if (!version.is_null()) params["version"] = version;
    send_(Notification("textDocument/publishDiagnostics", std::move(params)));
}

LanguageServer::Json LanguageServer::Completion(const Json& params) {
    const DocumentText& document = Document(params);
    const std::size_t offset = document.OffsetAt(PositionParam(params));
    return CompletionJson(document, CompleteAt(document.engineText(), offset, tables_, grammar_));
}

LanguageServer::Json LanguageServer::Hover(const Json& params) {
    const DocumentText& document = Document(params);
    const std::size_t offset = document.OffsetAt(PositionParam(params));
    const std::optional<HoverText> hover = HoverAt(document.engineText(), offset, tables_, grammar_);
    return hover ? HoverJson(document, *hover) : Json(nullptr);
}

LanguageServer::Json LanguageServer::Formatting(const Json& params) {
    const DocumentText& document = Document(params);
    const std::string laidOut = document.ClientTextOf(LayOutScript(document.engineText(), tables_));
    Json edits = Json::array();
    for (const TextEdit& edit : LineEdits(document, InDocumentLineEnds(laidOut, document.clientText())))
        edits.push_back(TextEditJson(edit));
    return edits;
}

LanguageServer::Json LanguageServer::DocumentSymbols(const Json& params) {
    const DocumentText& document = Document(params);
    Json symbols = Json::array();
    for (const ScriptBlock& block : OutlineScript(document.engineText()))
        symbols.push_back(SymbolJson(document, block));
    return symbols;
}

}  // namespace corvane
