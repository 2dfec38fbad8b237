#pragma once
// Script texts for the assist tests: a text with its expected points marked, the words of a text,
// and the example scripts.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "assist/block_match.h"
#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane::test {

// A text marked as the author sees it: `^` marks an offset, `[[` and `]]` enclose an expected range (not nested).
// The marks are not part of the text.
class AnnotatedText {
public:
    explicit AnnotatedText(std::string_view marked) {
        for (std::size_t i = 0; i < marked.size(); ++i) {
            if (marked.substr(i, 2) == "[[") {
                ranges_.push_back({text_.size(), 0});
                ++i;
            } else if (marked.substr(i, 2) == "]]") {
                ranges_.back().length = text_.size() - ranges_.back().position;
                ++i;
            } else if (marked[i] == '^') {
                point_ = text_.size();
            } else {
                text_ += marked[i];
            }
        }
    }

    const std::string& text() const { return text_; }
    // The `^`; the end of the text when there is none.
    std::size_t point() const { return std::min(point_, text_.size()); }
    const std::vector<WordSpan>& ranges() const { return ranges_; }

private:
    std::string text_;
    std::size_t point_ = std::string::npos;
    std::vector<WordSpan> ranges_;
};

// The words of a script text, as the compiler splits them.
inline std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) words.push_back(word.text);
    return words;
}

// The example scripts the program ships, the largest one 4096 codes long.
inline std::vector<std::string> ExampleScripts() {
    std::vector<std::string> texts;
    for (const char* name : {"starter.txt", "skirmish.txt", "maximum_4096_codes.txt"}) {
        texts.emplace_back();
        if (!ReadWholeFile(std::string(CORVANE_SOURCE_DIR) + "/examples/" + name, texts.back())) ADD_FAILURE() << name;
    }
    return texts;
}

}  // namespace corvane::test
