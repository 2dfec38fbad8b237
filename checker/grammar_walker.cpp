#include "checker/grammar_walker.h"

#include "core/block_words.h"
#include "core/script_words.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {

GrammarWalker::GrammarWalker(const Grammar& grammar) : grammar_(grammar) { queue_.push_back(1); }

WalkStep GrammarWalker::Step(std::string_view word) {
    lastWord_ = UpperWindows1252View(word, upperBuffer_);
    const WalkStep blocks = TrackBlocks();
    if (blocks != WalkStep::kFits) return blocks;
    if (!fits()) return WalkStep::kNotWalked;
    return Walk();
}

int GrammarWalker::expectedGroup() const { return head_ < queue_.size() ? queue_[head_] : 0; }

std::string_view GrammarWalker::innermostCloser() const {
    return blocks_.empty() ? std::string_view() : blocks_.back();
}

bool GrammarWalker::ResumeAtStatement() {
    if (grammar_.group(kStatementEndGroup).FindMatch(lastWord_) < 0) return false;
    queue_.assign(1, kStatementEndGroup);
    head_ = 0;
    wrongGroup_ = -1;
    return Walk() == WalkStep::kFits;
}

WalkStep GrammarWalker::TrackBlocks() {
    const BlockWord word = BlockWordOf(lastWord_);
    if (const std::string_view closer = BlockCloserOf(word); !closer.empty()) {
        if (blocks_.size() >= static_cast<std::size_t>(kMaxOpenBlocks)) return WalkStep::kTooManyBlocks;
        blocks_.push_back(closer);
    }
    if (word == BlockWord::kCloseBrace) {
        if (blocks_.empty()) return WalkStep::kStrayBrace;
        lastWord_ = blocks_.back();
        blocks_.pop_back();
    }
    return WalkStep::kFits;
}

WalkStep GrammarWalker::Walk() {
    const int number = expectedGroup();
    if (head_ < queue_.size()) ++head_;
    if (head_ == queue_.size()) {
        queue_.clear();
        head_ = 0;
    }
    const GrammarGroup& group = grammar_.group(number);
    const int match = group.FindMatch(lastWord_);
    if (match < 0) {
        wrongGroup_ = number;
        return WalkStep::kWrongWord;
    }
    for (int next : group.entries[static_cast<std::size_t>(match)].groups) queue_.push_back(next);
    return WalkStep::kFits;
}

}  // namespace corvane
