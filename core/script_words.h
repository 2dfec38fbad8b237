#pragma once
// Splitting script text into words: blanks, carriage returns, line feeds and tabs separate words;
// several in a row count as one separator. Positions are byte offsets into the text.

#include <cstddef>
#include <string_view>

namespace corvane {

inline bool IsScriptBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

inline bool HasLowerAscii(std::string_view word) {
    for (char c : word) {
        if (c >= 'a' && c <= 'z') return true;
    }
    return false;
}

struct ScriptWord {
    std::string_view text;
    std::size_t position = 0;
};

class ScriptWordReader {
public:
    explicit ScriptWordReader(std::string_view text) : text_(text) {}

    // The next word; false when the text holds no more.
    bool Next(ScriptWord& word) {
        while (at_ < text_.size() && IsScriptBlank(text_[at_])) ++at_;
        if (at_ >= text_.size()) return false;
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsScriptBlank(text_[at_])) ++at_;
        word = ScriptWord{text_.substr(start, at_ - start), start};
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// False for a text of blanks only: it compiles to a file without a single code.
inline bool HasScriptWords(std::string_view text) {
    ScriptWord word;
    return ScriptWordReader(text).Next(word);
}

}  // namespace corvane
