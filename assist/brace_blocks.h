#pragma once
// The blocks of a script from each { to its }, with the statement that opens them, for editors
// that fold blocks away.

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

struct BraceBlock {
    std::size_t head = 0;   // byte offset of the word before the { (EVERY's value, ELSE, ...), else of the {
    std::size_t open = 0;   // byte offset of the {
    std::size_t close = 0;  // byte offset of its }
    bool operator==(const BraceBlock&) const = default;
};

// Every closed block, ordered by its {. A { left open and a } that closes nothing make no block.
std::vector<BraceBlock> BraceBlocks(std::string_view text);

}  // namespace corvane
