#pragma once
// How the loader prints words: a statement word (one whose token text begins with a line break)
// starts a new line at the indentation, `{` indents what follows by one more tab (up to 100 tabs,
// however deep the braces go), `}` stands one tab back, and every word is followed by one blank.
// The loader prints the token table's words with it; the layout prints the author's own spellings
// with the same rules.

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

class ScriptPrinter {
public:
    // Appends `spelling` by the rules of the word whose token text is `tokenText` (empty for a word
    // that is no token). Returns false when that word is ENDSCRIPT.
    bool Add(std::string_view tokenText, std::string_view spelling);

    // Appends a token text as the loader prints it (its word without the line break).
    bool AddToken(std::string_view tokenText);

    void Reserve(std::size_t bytes) { text_.reserve(bytes); }
    const std::string& text() const { return text_; }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
    std::size_t openBraces_ = 0;
    std::string indentation_;  // one tab per open brace, up to 100; empty at the start
};

}  // namespace corvane
