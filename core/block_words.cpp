#include "core/block_words.h"

#include <cstddef>

namespace corvane {

namespace {

struct BlockWordEntry {
    std::string_view text;  // upper case
    BlockWord word;
    std::string_view closer;
};

constexpr BlockWordEntry kBlockWords[] = {
    {"{", BlockWord::kOpenBrace, ""},
    {"}", BlockWord::kCloseBrace, ""},
    {"START_SCRIPT", BlockWord::kStartScript, "}SCRIPT"},
    {"EVERY", BlockWord::kEvery, "}EVERY"},
    {"IF", BlockWord::kIf, "}IF"},
    {"ELSE", BlockWord::kElse, "}ELSE"},
    {"ENDIF", BlockWord::kEndIf, ""},
};

bool EqualsIgnoringAsciiCase(std::string_view word, std::string_view upper) {
    if (word.size() != upper.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i] >= 'a' && word[i] <= 'z' ? static_cast<char>(word[i] - 'a' + 'A') : word[i];
        if (c != upper[i]) return false;
    }
    return true;
}

}  // namespace

BlockWord BlockWordOf(std::string_view word) {
    for (const BlockWordEntry& entry : kBlockWords) {
        if (EqualsIgnoringAsciiCase(word, entry.text)) return entry.word;
    }
    return BlockWord::kNone;
}

std::string_view BlockCloserOf(BlockWord opener) {
    for (const BlockWordEntry& entry : kBlockWords) {
        if (entry.word == opener) return entry.closer;
    }
    return {};
}

}  // namespace corvane
