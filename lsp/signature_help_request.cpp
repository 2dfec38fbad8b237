// textDocument/signatureHelp: the parameters of the DO command being typed.

#include "assist/signature_help.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "text/windows_1252.h"

namespace corvane {

LanguageServer::Json LanguageServer::Signature(const Json& params) {
    const DocumentText& document = Document(params);
    const std::size_t offset = document.OffsetAt(jsonrpc::PositionParam(params));
    const std::optional<SignatureHelp> help = SignatureHelpAt(document.engineText(), offset, tables_, grammar_);
    if (!help) return nullptr;
    Json parameters = Json::array();
    // The label is ASCII, so its byte offsets are its UTF-16 offsets.
    for (const SignatureParameter& parameter : help->parameters)
        parameters.push_back({{"label", {parameter.labelStart, parameter.labelStart + parameter.labelLength}}});
    // While the caret is on the command no parameter is active: an index past the last says so.
    const std::size_t active =
        help->activeParameter < 0 ? help->parameters.size() : static_cast<std::size_t>(help->activeParameter);
    return Json{{"signatures", Json::array({{{"label", Utf8FromWindows1252(help->label)},
                                             {"parameters", std::move(parameters)},
                                             {"activeParameter", active}}})},
                {"activeSignature", 0},
                {"activeParameter", active}};
}

}  // namespace corvane
