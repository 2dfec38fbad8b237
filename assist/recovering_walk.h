#pragma once
// The grammar walk as a parser that recovers, so that one text shows each of its errors: after a
// word that does not fit, the words are skipped up to one that can start a statement or close a
// block, and the walk resumes there. A word that may only follow a } (ELSE, ENDIF, ENDSCRIPT)
// where a statement is due closes the blocks it needs, as if their } were written. The walk
// also keeps where each open block began. The checker itself never recovers: its first wrong word
// is the walk's first.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "checker/grammar.h"
#include "checker/grammar_walker.h"
#include "core/script_words.h"

namespace corvane {

struct BlockStart {
    std::string_view closer;           // the word its } becomes: "}IF", "}EVERY", ...
    ScriptWord opener;                 // START_SCRIPT, IF, ELSE or EVERY
    std::optional<std::size_t> brace;  // where its { stands, once one came
};

enum class RecoveryStep {
    kFits,           // the word fits (also when the walk resumes at it)
    kWrongWord,      // the word does not fit where wrongGroup() was due
    kMissingBrace,   // the word fits once closedBlocks() are closed, whose } is missing
    kSkipped,        // a word after a wrong one, before the walk resumes
    kStrayBrace,     // a } that closes no open block; the walk goes on as if it were not there
    kTooManyBlocks,  // an opener past the checker's limit of open blocks; the walk cannot go on
};

// The group due after the } of a block whose } the walk calls `closer` ("}IF": ELSE or ENDIF);
// -1 when the grammar has none.
int GroupAfterBrace(const Grammar& grammar, std::string_view closer);

class RecoveringWalk {
public:
    explicit RecoveringWalk(const Grammar& grammar);

    RecoveryStep Step(const ScriptWord& word);

    // The group due at the last kWrongWord or kMissingBrace.
    int wrongGroup() const { return wrongGroup_; }
    // True while words are skipped: the walk cannot tell what is due.
    bool lost() const { return !walker_.fits(); }
    int expectedGroup() const { return walker_.expectedGroup(); }
    std::string_view innermostCloser() const { return walker_.innermostCloser(); }
    const std::vector<BlockStart>& openBlocks() const { return blocks_; }
    // The blocks the last word closed, innermost first: a }'s own block, or those of kMissingBrace.
    const std::vector<BlockStart>& closedBlocks() const { return closed_; }

private:
    std::size_t BlocksToClose(std::string_view upperWord) const;
    void FollowBlocks(const ScriptWord& word, std::size_t openBefore);
    void CloseBlock();

    const Grammar& grammar_;
    GrammarWalker walker_;
    std::vector<BlockStart> blocks_;
    std::vector<BlockStart> closed_;
    std::vector<std::string_view> afterBrace_;  // the words that may only follow a }: ELSE, ENDIF, ENDSCRIPT
    int wrongGroup_ = -1;
};

}  // namespace corvane
