#include "assist/recovering_walk.h"

#include <algorithm>
#include <string>

#include "text/windows_1252.h"

namespace corvane {

int GroupAfterBrace(const Grammar& grammar, std::string_view closer) {
    const GrammarGroup& statement = grammar.group(kStatementEndGroup);
    const int entry = statement.FindMatch(closer);
    if (entry < 0) return -1;
    const std::vector<int>& next = statement.entries[static_cast<std::size_t>(entry)].groups;
    return next.empty() ? -1 : next.front();
}

RecoveringWalk::RecoveringWalk(const Grammar& grammar) : grammar_(grammar), walker_(grammar) {
    for (const GrammarEntry& closer : grammar.group(kStatementEndGroup).entries) {
        if (closer.word.empty() || closer.word.front() != '}' || closer.groups.empty()) continue;
        if (closer.groups.front() == kStatementEndGroup) continue;
        for (const GrammarEntry& entry : grammar.group(closer.groups.front()).entries) {
            if (std::find(afterBrace_.begin(), afterBrace_.end(), entry.word) == afterBrace_.end())
                afterBrace_.push_back(entry.word);
        }
    }
}

RecoveryStep RecoveringWalk::Step(const ScriptWord& word) {
    closed_.clear();
    if (walker_.fits() && walker_.expectedGroup() == kStatementEndGroup && !blocks_.empty()) {
        std::string buffer;
        if (const std::size_t count = BlocksToClose(UpperWindows1252View(word.text, buffer)); count > 0) {
            for (std::size_t i = 0; i < count; ++i) {
                walker_.Step("}");
                CloseBlock();
            }
            wrongGroup_ = kStatementEndGroup;
            const std::size_t openBefore = walker_.openBlocks().size();
            walker_.Step(word.text);
            FollowBlocks(word, openBefore);
            return RecoveryStep::kMissingBrace;
        }
    }
    const std::size_t openBefore = walker_.openBlocks().size();
    const WalkStep step = walker_.Step(word.text);
    if (step == WalkStep::kTooManyBlocks) return RecoveryStep::kTooManyBlocks;
    if (step == WalkStep::kStrayBrace) return RecoveryStep::kStrayBrace;
    FollowBlocks(word, openBefore);
    if (step == WalkStep::kFits) return RecoveryStep::kFits;
    if (step == WalkStep::kWrongWord) {
        wrongGroup_ = walker_.wrongGroup();
        // Nothing after ENDSCRIPT is a statement: one error says so for all of it.
        if (wrongGroup_ != kAfterScriptGroup) walker_.ResumeAtStatement();
        return RecoveryStep::kWrongWord;
    }
    if (wrongGroup_ != kAfterScriptGroup && walker_.ResumeAtStatement()) return RecoveryStep::kFits;
    return RecoveryStep::kSkipped;
}

// How many of the innermost blocks a word that does not start a statement would close, were their
// } written: only blocks after whose } a statement may follow (EVERY) are passed on the way to the
// one after whose } the word fits. 0 when no such block is open.
std::size_t RecoveringWalk::BlocksToClose(std::string_view upperWord) const {
    if (std::find(afterBrace_.begin(), afterBrace_.end(), upperWord) == afterBrace_.end()) return 0;
    const std::vector<std::string_view>& open = walker_.openBlocks();
    for (std::size_t count = 1; count <= open.size(); ++count) {
        const int next = GroupAfterBrace(grammar_, open[open.size() - count]);
        if (next < 0) return 0;
        if (grammar_.group(next).FindMatch(upperWord) >= 0) return count;
        if (next != kStatementEndGroup) return 0;
    }
    return 0;
}

void RecoveringWalk::FollowBlocks(const ScriptWord& word, std::size_t openBefore) {
    const std::vector<std::string_view>& open = walker_.openBlocks();
    if (open.size() > openBefore) {
        blocks_.push_back(BlockStart{open.back(), word, std::nullopt});
    } else if (open.size() < openBefore) {
        CloseBlock();
    } else if (word.text == "{" && !blocks_.empty() && !blocks_.back().brace) {
        blocks_.back().brace = word.position;
    }
}

void RecoveringWalk::CloseBlock() {
    if (blocks_.empty()) return;
    closed_.push_back(blocks_.back());
    blocks_.pop_back();
}

}  // namespace corvane
