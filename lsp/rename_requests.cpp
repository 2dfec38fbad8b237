// textDocument/prepareRename and textDocument/rename: a user variable gets another number in
// every use, unless the script uses that number already.

#include "assist/variable_rename.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "lsp/protocol_json.h"
#include "text/windows_1252.h"

namespace corvane {

LanguageServer::Json LanguageServer::PrepareRename(const Json& params) {
    const DocumentText& document = Document(params);
    const std::size_t offset = document.OffsetAt(jsonrpc::PositionParam(params));
    const std::optional<WordSpan> word = RenamableVariableAt(document.engineText(), offset, tables_);
    if (!word) return nullptr;  // the client then says that nothing here can be renamed
    const std::string spelled = document.engineText().substr(word->position, word->length);
    return Json{{"range", RangeJson(document, word->position, word->position + word->length)},
                {"placeholder", Utf8FromWindows1252(spelled)}};
}

LanguageServer::Json LanguageServer::Rename(const Json& params) {
    const DocumentText& document = Document(params);
    const std::size_t offset = document.OffsetAt(jsonrpc::PositionParam(params));
    const VariableRename rename =
        RenameVariableAt(document.engineText(), offset, jsonrpc::StringMember(params, "newName"), tables_);
    if (!rename.refusal.empty()) throw jsonrpc::InvalidParams(rename.refusal);
    Json edits = Json::array();
    for (const RenameEdit& edit : rename.edits) {
        edits.push_back({{"range", RangeJson(document, edit.position, edit.position + edit.length)},
                         {"newText", edit.replacement}});
    }
    return Json{{"changes", {{jsonrpc::DocumentUri(params), std::move(edits)}}}};
}

}  // namespace corvane
