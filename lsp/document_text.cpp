#include "lsp/document_text.h"

#include <algorithm>

#include "support/message_word.h"
#include "text/windows_1252.h"

namespace corvane {

namespace {

bool StandsAlone(const std::string& message, std::size_t at, std::size_t length) {
    const auto separates = [](char c) { return c == ' ' || c == ';' || c == ',' || c == '.' || c == ':'; };
    return (at == 0 || message[at - 1] == ' ') && (at + length == message.size() || separates(message[at + length]));
}

}  // namespace

std::string DocumentText::ClientMessage(std::string_view message, std::size_t position, std::size_t length) const {
    std::string utf8 = Utf8FromWindows1252(message);
    const std::string_view engineView = engineText();
    const std::string_view word = engineView.substr(std::min(position, engineView.size()), length);
    if (word.find(kNotInCodePage) == std::string_view::npos) return utf8;
    for (const std::string& spelled : {std::string(word), ToUpperWindows1252(word)}) {
        // The whole word first, then its tails as words of their own ("%3? compiles as 3; ? is not
        // read"); a tail glued to other text, such as the "?" of "did you mean ...?", is no quote.
        // Messages quote at most kMessageWordLimit characters of a word, so longer tails are never
        // looked for (which keeps a word of 100,000 characters linear).
        const std::size_t firstTail =
            std::max<std::size_t>(1, spelled.size() - std::min(spelled.size(), kMessageWordLimit));
        for (std::size_t from = 0; from < spelled.size(); from = from == 0 ? firstTail : from + 1) {
            if (word.find(kNotInCodePage, from) == std::string_view::npos) break;
            std::string client;
            for (std::size_t i = from; i < spelled.size(); ++i) {
                client += word[i] == kNotInCodePage ? text().SourceOf(position + i, position + i + 1)
                                                    : Utf8FromWindows1252(spelled.substr(i, 1));
            }
            const std::string engine = Utf8FromWindows1252(spelled.substr(from));
            for (std::size_t at = utf8.find(engine); at != std::string::npos; at = utf8.find(engine, at + 1)) {
                if (from > 0 && !StandsAlone(utf8, at, engine.size())) continue;
                utf8.replace(at, engine.size(), client);
                at += client.size() - 1;
            }
        }
    }
    return utf8;
}

}  // namespace corvane
