#include "assist/script_outline.h"

#include <algorithm>

#include "core/block_words.h"
#include "core/script_words.h"

namespace corvane {
namespace {

constexpr int kNone = -1;
constexpr std::size_t kNameWords = 6;

struct FlatBlock {
    ScriptBlock block;
    int parent = kNone;
    std::size_t nameWords = 1;
    std::size_t depth = 1;  // 1 for a block at the top
};

class Outliner {
public:
    void Add(const ScriptWord& word) {
        const BlockWord blockWord = BlockWordOf(word.text);
        const std::size_t wordEnd = word.position + word.text.size();
        lastEnd_ = wordEnd;
        if (blockWord == BlockWord::kEvery || blockWord == BlockWord::kIf) {
            Open(word, blockWord == BlockWord::kIf ? BlockKind::kIf : BlockKind::kEvery);
        } else if (blockWord == BlockWord::kOpenBrace) {
            frames_.push_back({waiting_, waiting_ != kNone ? waiting_ : Innermost()});
            waiting_ = kNone;
            closedIf_ = kNone;
        } else if (blockWord == BlockWord::kCloseBrace) {
            Close(wordEnd);
        } else if (blockWord == BlockWord::kElse && closedIf_ != kNone) {
            waiting_ = closedIf_;  // the ELSE block belongs to its IF
            blocks_[closedIf_].block.end = wordEnd;
            closedIf_ = kNone;
        } else if (blockWord == BlockWord::kEndIf && closedIf_ != kNone) {
            blocks_[closedIf_].block.end = wordEnd;
            closedIf_ = kNone;
        } else {
            closedIf_ = kNone;
            if (waiting_ != kNone) Name(blocks_[waiting_], word);
        }
    }

    std::vector<ScriptBlock> Finish() {
        for (const Frame& frame : frames_) {
            if (frame.opened != kNone) blocks_[frame.opened].block.end = lastEnd_;
        }
        if (waiting_ != kNone) blocks_[waiting_].block.end = lastEnd_;
        // Children come after their parents, so filling from the back moves each finished child;
        // they arrive last first and are put in order once their own children are all in.
        for (int i = static_cast<int>(blocks_.size()) - 1; i >= 0; --i) {
            auto& children = blocks_[i].block.children;
            std::reverse(children.begin(), children.end());
            const int parent = blocks_[i].parent;
            if (parent != kNone) blocks_[parent].block.children.push_back(std::move(blocks_[i].block));
        }
        std::vector<ScriptBlock> roots;
        for (FlatBlock& flat : blocks_) {
            if (flat.parent == kNone) roots.push_back(std::move(flat.block));
        }
        return roots;
    }

private:
    void Open(const ScriptWord& word, BlockKind kind) {
        closedIf_ = kNone;
        const int parent = Innermost();
        const std::size_t depth = parent == kNone ? 1 : blocks_[parent].depth + 1;
        if (depth > kMaxOutlineDepth) {
            waiting_ = kNone;  // its "{" opens no block of the outline
            return;
        }
        FlatBlock flat;
        flat.depth = depth;
        flat.block = {kind, std::string(word.text), word.position, word.text.size(), word.position + word.text.size(),
                      {}};
        flat.parent = parent;
        blocks_.push_back(std::move(flat));
        waiting_ = static_cast<int>(blocks_.size()) - 1;
    }

    void Close(std::size_t wordEnd) {
        closedIf_ = kNone;
        if (frames_.empty()) return;
        const int frame = frames_.back().opened;
        frames_.pop_back();
        if (frame == kNone) return;
        blocks_[frame].block.end = wordEnd;
        if (blocks_[frame].block.kind == BlockKind::kIf) closedIf_ = frame;
    }

    static void Name(FlatBlock& flat, const ScriptWord& word) {
        if (flat.nameWords >= kNameWords) return;
        flat.block.name += ' ';
        flat.block.name += word.text;
        ++flat.nameWords;
    }

    int Innermost() const { return frames_.empty() ? kNone : frames_.back().innermost; }

    struct Frame {
        int opened;     // the block this "{" opened, or kNone
        int innermost;  // the innermost block open inside it, or kNone
    };

    std::vector<FlatBlock> blocks_;
    std::vector<Frame> frames_;  // per open "{"
    int waiting_ = kNone;        // the block whose "{" has not come yet
    int closedIf_ = kNone;       // an IF whose block just closed: ELSE or ENDIF may follow
    std::size_t lastEnd_ = 0;
};

}  // namespace

std::vector<ScriptBlock> OutlineScript(std::string_view text) {
    Outliner outliner;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) outliner.Add(word);
    return outliner.Finish();
}

}  // namespace corvane
