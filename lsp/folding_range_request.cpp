// textDocument/foldingRange: each { } block from the line of the statement that opens it to the
// line before its }, so that the } stays in sight.

#include "assist/brace_blocks.h"
#include "lsp/language_server.h"

namespace corvane {

LanguageServer::Json LanguageServer::FoldingRanges(const Json& params) {
    const DocumentText& document = Document(params);
    Json ranges = Json::array();
    for (const BraceBlock& block : BraceBlocks(document.engineText())) {
        const std::size_t first = document.PositionAt(block.head).line;
        const std::size_t closing = document.PositionAt(block.close).line;
        if (closing < first + 2) continue;  // nothing between the two lines to hide
        ranges.push_back({{"startLine", first}, {"endLine", closing - 1}, {"kind", "region"}});
    }
    return ranges;
}

}  // namespace corvane
