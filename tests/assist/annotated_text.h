#pragma once
// A script text with its expected points marked, so a test case reads like what the author sees:
// `^` marks an offset, `[[` and `]]` enclose an expected range. The marks are not part of the text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

struct TextRange {
    std::size_t position = 0;
    std::size_t length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

class AnnotatedText {
public:
    explicit AnnotatedText(std::string_view marked) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < marked.size(); ++i) {
            if (marked.substr(i, 2) == "[[") {
                open.push_back(text_.size());
                ++i;
            } else if (marked.substr(i, 2) == "]]" && !open.empty()) {
                ranges_.push_back(TextRange{open.back(), text_.size() - open.back()});
                open.pop_back();
                ++i;
            } else if (marked[i] == '^') {
                points_.push_back(text_.size());
            } else {
                text_ += marked[i];
            }
        }
    }

    const std::string& text() const { return text_; }
    // The only `^`; the end of the text when there is none.
    std::size_t point() const { return points_.empty() ? text_.size() : points_.front(); }
    const std::vector<TextRange>& ranges() const { return ranges_; }

private:
    std::string text_;
    std::vector<std::size_t> points_;
    std::vector<TextRange> ranges_;  // in the order their ]] closes
};

}  // namespace corvane::test
