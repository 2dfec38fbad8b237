#include "checker/grammar_walker.h"

#include "core/script_words.h"
#include "support/file_utils.h"
#include "text/windows_1252.h"

namespace corvane {

GrammarWalker::GrammarWalker(const Grammar& grammar) : grammar_(grammar) { queue_.push_back(1); }

const GrammarWalker::Block* GrammarWalker::BlockOpenedBy(std::string_view word) {
    static constexpr Block kBlocks[] = {
        {"IF", "}IF"}, {"START_SCRIPT", "}SCRIPT"}, {"ELSE", "}ELSE"}, {"EVERY", "}EVERY"},
    };
    for (const Block& block : kBlocks) {
        if (word == block.opener) return &block;
    }
    return nullptr;
}

WalkStep GrammarWalker::Step(std::string_view word) {
    lastWord_ = UpperWord(word);
    const WalkStep blocks = TrackBlocks();
    if (blocks != WalkStep::kFits) return blocks;
    if (!fits()) return WalkStep::kNotWalked;
    return Walk();
}

int GrammarWalker::expectedGroup() const { return head_ < queue_.size() ? queue_[head_] : 0; }

std::string_view GrammarWalker::innermostCloser() const {
    return blocks_.empty() ? std::string_view() : blocks_.back()->closer;
}

// The word in upper case; copied only when it holds lower-case letters.
std::string_view GrammarWalker::UpperWord(std::string_view word) {
    if (!HasLowerWindows1252(word)) return word;
    upperBuffer_ = ToUpperWindows1252(word);
    return upperBuffer_;
}

WalkStep GrammarWalker::TrackBlocks() {
    if (const Block* opened = BlockOpenedBy(lastWord_)) {
        if (blocks_.size() >= static_cast<std::size_t>(kMaxOpenBlocks)) return WalkStep::kTooManyBlocks;
        blocks_.push_back(opened);
    }
    if (lastWord_ == "}") {
        if (blocks_.empty()) return WalkStep::kStrayBrace;
        lastWord_ = blocks_.back()->closer;
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
