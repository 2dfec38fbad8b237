#pragma once
// The checker's walk, one word at a time: each word must match the group at the head of the
// expectation queue, and the open blocks (START_SCRIPT, IF, ELSE, EVERY) are tracked so that a `}`
// becomes the name of the block it closes. The checker, the diagnostics and completion all walk
// with it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"

namespace corvane {

enum class WalkStep {
    kFits,           // the word matches the expected group
    kWrongWord,      // the first word that does not match (wrongGroup() tells the group)
    kNotWalked,      // a word after the first wrong one: only its blocks are tracked
    kStrayBrace,     // a } that closes no open block
    kTooManyBlocks,  // a block opener past kMaxOpenBlocks open blocks; the block is not opened
};

// The checker follows at most this many blocks open at once.
inline constexpr int kMaxOpenBlocks = 100;

class GrammarWalker {
public:
    explicit GrammarWalker(const Grammar& grammar);

    // Walks the next word, as it stands in the text.
    WalkStep Step(std::string_view word);

    // The last word as the walk saw it: upper case, a } carrying the name of the block it closed.
    // Valid until the next Step (and as long as the text).
    std::string_view lastWord() const { return lastWord_; }

    // Whether every word so far fitted.
    bool fits() const { return wrongGroup_ < 0; }
    // The group the first wrong word did not match; -1 while every word fits.
    int wrongGroup() const { return wrongGroup_; }
    // The group the next word must come from (0, which accepts nothing, when none is due).
    int expectedGroup() const;
    // The word a } becomes in the innermost open block ("}IF", ...); empty when no block is open.
    std::string_view innermostCloser() const;
    // The words a } becomes in each open block, the innermost last.
    const std::vector<std::string_view>& openBlocks() const { return blocks_; }

    // Recovery after a wrong word, as a parser resynchronises (the checker itself never recovers):
    // when the last word can start a statement or close a block, the walk starts afresh with it as
    // the start of a statement and every word fits again. False, changing nothing, otherwise.
    bool ResumeAtStatement();

private:
    WalkStep TrackBlocks();
    WalkStep Walk();

    const Grammar& grammar_;
    std::vector<int> queue_;  // first in, first out from head_; never more than one statement's groups
    std::size_t head_ = 0;
    std::vector<std::string_view> blocks_;  // the closers of the open blocks, innermost last
    int wrongGroup_ = -1;
    std::string_view lastWord_;
    std::string upperBuffer_;
};

}  // namespace corvane
