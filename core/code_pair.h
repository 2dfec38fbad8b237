#pragma once
// One row of the token table or of the internal value table.

#include <string>

namespace corvane {

struct CodePair {
    std::string code;  // token table: code text ("E803"); internal table: "INT_" + number
    std::string text;  // token table: the word, statement words with a leading LineBreak; internal table: the name
};

}  // namespace corvane
