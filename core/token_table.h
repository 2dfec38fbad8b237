#pragma once
// The token code table: every fixed word of the script language with its 16-bit code, in the
// game's order (165 rows). Built once; immutable afterwards.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/code_pair.h"
#include "core/string_hash.h"

namespace corvane {

// START_SCRIPT is no row of the table: the compiler and the loader handle its code themselves.
inline constexpr std::uint16_t kStartScriptCode = 12;
inline constexpr std::string_view kStartScriptWord = "START_SCRIPT";

class TokenTable {
public:
    // The 165 rows in order, statement words carrying kLineBreak in front of their text.
    static TokenTable Build();

    const std::vector<CodePair>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }

    // Code text of the first row whose word (without its LineBreak prefix) equals `word`, ASCII
    // letter case ignored; nullptr when the word is no fixed word.
    const std::string* FindCodeByWord(std::string_view word) const;

    // Text of the first row whose code text equals `codeText` exactly, LineBreak prefix
    // included; nullptr when the code has no word.
    const std::string* FindTextByCode(std::string_view codeText) const;

    // The same for the code itself (code texts and codes correspond one to one).
    const std::string* FindTextByCode(std::uint16_t code) const;

    // The word of a row's text with the LineBreak prefix removed.
    static std::string_view BareWord(std::string_view rowText);

private:
    void AddPair(std::string code, std::string text);

    std::vector<CodePair> rows_;
    std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>> byWord_;
    std::unordered_map<std::string, std::size_t, StringHash, std::equal_to<>> byCode_;
    std::unordered_map<std::uint16_t, std::size_t> byValue_;
};

}  // namespace corvane
