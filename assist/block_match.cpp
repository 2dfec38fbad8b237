#include "assist/block_match.h"

#include <optional>

#include "core/block_words.h"
#include "core/script_words.h"

namespace corvane {

namespace {

// Groups the block words: each word gets the number of its group; braces pair, IF collects the
// ELSE and ENDIF of its own level.
class BlockGrouper {
public:
    void Add(const WordSpan& span, BlockWord word) {
        std::size_t group = kNoGroup;
        switch (word) {
            case BlockWord::kOpenBrace:
                group = Open(braces_);
                break;
            case BlockWord::kIf:
                group = Open(ifs_);
                break;
            case BlockWord::kCloseBrace:
                group = Close(braces_);
                break;
            case BlockWord::kEndIf:
                group = Close(ifs_);
                break;
            case BlockWord::kElse:
                group = ifs_.empty() ? kNoGroup : ifs_.back();
                break;
            default:
                return;  // START_SCRIPT and EVERY have no partner word
        }
        words_.push_back({span, group});
    }

    std::vector<WordSpan> GroupOf(std::size_t caret) const {
        std::optional<std::size_t> group;
        for (const auto& [span, number] : words_) {
            if (caret >= span.position && caret <= span.position + span.length) {
                group = number;
                if (caret < span.position + span.length) break;  // a word that starts here wins
            }
        }
        std::vector<WordSpan> spans;
        if (!group || *group == kNoGroup) return spans;
        for (const auto& [span, number] : words_) {
            if (number == *group) spans.push_back(span);
        }
        if (spans.size() < 2) spans.clear();
        return spans;
    }

private:
    static constexpr std::size_t kNoGroup = static_cast<std::size_t>(-1);

    std::size_t Open(std::vector<std::size_t>& stack) {
        stack.push_back(next_++);
        return stack.back();
    }
    static std::size_t Close(std::vector<std::size_t>& stack) {
        if (stack.empty()) return kNoGroup;
        const std::size_t group = stack.back();
        stack.pop_back();
        return group;
    }

    struct GroupedWord {
        WordSpan span;
        std::size_t group;
    };
    std::vector<GroupedWord> words_;
    std::vector<std::size_t> braces_;
    std::vector<std::size_t> ifs_;
    std::size_t next_ = 0;
};

}  // namespace

bool HasBlockPartners(std::string_view word) {
    switch (BlockWordOf(word)) {
        case BlockWord::kOpenBrace:
        case BlockWord::kCloseBrace:
        case BlockWord::kIf:
        case BlockWord::kElse:
        case BlockWord::kEndIf:
            return true;
        default:
            return false;
    }
}

std::vector<WordSpan> MatchingWordsAt(std::string_view text, std::size_t caret) {
    BlockGrouper grouper;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) grouper.Add({word.position, word.text.size()}, BlockWordOf(word.text));
    return grouper.GroupOf(caret);
}

}  // namespace corvane
