#include "lsp/document_text.h"

#include <algorithm>

#include "text/windows_1252.h"

namespace corvane {

std::string DocumentText::ClientMessage(std::string_view message, std::size_t position, std::size_t length) const {
    std::string utf8 = Utf8FromWindows1252(message);
    const std::string_view word = engineText().substr(std::min(position, engineText().size()), length);
    if (word.find(kNotInCodePage) == std::string_view::npos) return utf8;
    for (const std::string& spelled : {std::string(word), ToUpperWindows1252(word)}) {
        std::string client;
        for (std::size_t i = 0; i < spelled.size(); ++i) {
            if (word[i] == kNotInCodePage) {
                client += text().SourceOf(position + i, position + i + 1);
            } else {
                client += Utf8FromWindows1252(spelled.substr(i, 1));
            }
        }
        const std::string engine = Utf8FromWindows1252(spelled);
        for (std::size_t at = utf8.find(engine); at != std::string::npos; at = utf8.find(engine, at + client.size()))
            utf8.replace(at, engine.size(), client);
    }
    return utf8;
}

}  // namespace corvane
