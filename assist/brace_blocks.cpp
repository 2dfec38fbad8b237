#include "assist/brace_blocks.h"

#include <algorithm>

#include "core/block_words.h"
#include "core/script_words.h"

namespace corvane {

std::vector<BraceBlock> BraceBlocks(std::string_view text) {
    std::vector<BraceBlock> blocks;
    std::vector<BraceBlock> open;
    ScriptWordReader reader(text);
    ScriptWord word;
    std::size_t previous = std::string_view::npos;
    while (reader.Next(word)) {
        const BlockWord blockWord = BlockWordOf(word.text);
        if (blockWord == BlockWord::kOpenBrace) {
            open.push_back({previous == std::string_view::npos ? word.position : previous, word.position, 0});
        } else if (blockWord == BlockWord::kCloseBrace && !open.empty()) {
            open.back().close = word.position;
            blocks.push_back(open.back());
            open.pop_back();
        }
        previous = word.position;
    }
    // Blocks close inner first; editors want them by where they start.
    std::sort(blocks.begin(), blocks.end(), [](const BraceBlock& a, const BraceBlock& b) { return a.open < b.open; });
    return blocks;
}

}  // namespace corvane
