#pragma once
// Turning a laid-out script into the edits a client applies to its document: in the document's own
// line ends, with its final line break kept or left out as it was, and only where lines differ.

#include <string>
#include <string_view>
#include <vector>

#include "lsp/document_text.h"

namespace corvane {

struct TextEdit {
    LinePosition start;
    LinePosition end;
    std::string newText;
    bool operator==(const TextEdit&) const = default;
};

// `laidOut` (CR LF between lines, as the layout writes it) with the first line end of `document`
// (LF when it has none), no blank before a line end, and a line end at the end exactly when
// `document` ends with one.
std::string InDocumentLineEnds(std::string_view laidOut, std::string_view document);

// Edits that turn `document` into `after`, whole lines at a time: one per run of differing lines.
// Past `maxChangedLines` changed lines the run between the first and the last change is one edit.
std::vector<TextEdit> LineEdits(const DocumentText& document, std::string_view after,
                                std::size_t maxChangedLines = 2000);

}  // namespace corvane
