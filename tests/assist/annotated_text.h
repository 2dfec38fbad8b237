#pragma once
// A script text with its expected points marked, so a test case reads like what the author sees:
// `^` marks an offset, `[[` and `]]` enclose an expected range. The marks are not part of the text.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

struct TextRange {
    std::size_t position = 0;
    std::size_t length = 0;
};

class AnnotatedText {
public:
    explicit AnnotatedText(std::string_view marked) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < marked.size(); ++i) {
            if (marked.substr(i, 2) == "[[") {
                open.push_back(text_.size());
            } else if (marked.substr(i, 2) == "]]" && !open.empty()) {
                ranges_.push_back(TextRange{open.back(), text_.size() - open.back()});
                open.pop_back();
            } else {
                if (marked[i] == '^') point_ = text_.size();
                if (marked[i] != '^') text_ += marked[i];
                continue;
            }
            ++i;  // the second character of the mark
        }
    }

    const std::string& text() const { return text_; }
    // The `^`; the end of the text when there is none.
    std::size_t point() const { return std::min(point_, text_.size()); }
    const std::vector<TextRange>& ranges() const { return ranges_; }  // in the order their ]] closes

private:
    std::string text_;
    std::size_t point_ = std::string::npos;
    std::vector<TextRange> ranges_;
};

}  // namespace corvane::test
