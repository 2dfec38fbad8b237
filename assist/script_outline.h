#pragma once
// The EVERY and IF blocks of a script text, nested as they stand, for an editor's outline.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

enum class BlockKind { kEvery, kIf };

struct ScriptBlock {
    BlockKind kind = BlockKind::kEvery;
    std::string name;       // the statement's first words, as written ("EVERY 64", "IF VAR_1 > %2")
    std::size_t start = 0;  // byte offset of EVERY or IF
    std::size_t keywordLength = 0;
    std::size_t end = 0;  // just after its closing "}" (after ENDIF for an IF that has one)
    std::vector<ScriptBlock> children;
};

// The game reads at most 100 blocks open at once; blocks nested deeper are left out of the
// outline, so that no text makes it (or what is built from it) nest without bound.
inline constexpr std::size_t kMaxOutlineDepth = 100;

// Text that does not fit the grammar still gives an outline: a block without its "}" reaches to
// the last word, a "}" that closes nothing is passed over.
std::vector<ScriptBlock> OutlineScript(std::string_view text);

}  // namespace corvane
