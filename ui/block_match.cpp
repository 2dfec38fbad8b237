#include "ui/block_match.h"

#include <optional>

#include "core/script_words.h"
#include "support/file_utils.h"

namespace corvane {

namespace {

enum class Role { kNone, kOpenBrace, kCloseBrace, kIf, kElse, kEndIf };

Role RoleOf(std::string_view word) {
    if (word == "{") return Role::kOpenBrace;
    if (word == "}") return Role::kCloseBrace;
    if (word.size() < 2 || word.size() > 5) return Role::kNone;
    const std::string upper = ToUpperAscii(word);
    if (upper == "IF") return Role::kIf;
    if (upper == "ELSE") return Role::kElse;
    if (upper == "ENDIF") return Role::kEndIf;
    return Role::kNone;
}

// Groups the block words: each word gets the number of its group; braces pair, IF collects the
// ELSE and ENDIF of its own level.
class BlockGrouper {
public:
    void Add(const WordSpan& span, Role role) {
        std::size_t group = kNoGroup;
        switch (role) {
            case Role::kNone: return;
            case Role::kOpenBrace: group = Open(braces_); break;
            case Role::kIf: group = Open(ifs_); break;
            case Role::kCloseBrace: group = Close(braces_); break;
            case Role::kEndIf: group = Close(ifs_); break;
            case Role::kElse: group = ifs_.empty() ? kNoGroup : ifs_.back(); break;
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

std::vector<WordSpan> MatchingWordsAt(std::string_view text, std::size_t caret) {
    BlockGrouper grouper;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) grouper.Add({word.position, word.text.size()}, RoleOf(word.text));
    return grouper.GroupOf(caret);
}

}  // namespace corvane
