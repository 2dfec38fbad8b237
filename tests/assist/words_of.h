#pragma once
// The words of a script text, as the compiler splits them.

#include <string_view>
#include <vector>

#include "core/script_words.h"

namespace corvane::test {

inline std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    ScriptWordReader reader(text);
    ScriptWord word;
    while (reader.Next(word)) words.push_back(word.text);
    return words;
}

}  // namespace corvane::test
