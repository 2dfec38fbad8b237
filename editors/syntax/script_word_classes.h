#pragma once
// The script language's fixed words sorted into the classes an editor colours differently, read
// from the program's own token, internal value and grammar tables.

#include <string>
#include <vector>

#include "checker/grammar.h"
#include "core/language_tables.h"

namespace corvane {

struct WordClass {
    std::string name;                // a short name for the syntax files ("commands")
    std::vector<std::string> words;  // in table order
};

// Every word of the token table and every internal value name in exactly one class: the script's
// bounds, braces, block words, statements, comparisons, the logical words, ON/OFF, commands,
// the fixed words statements take (colours, attack kinds, ...), the fixed words that compile but
// that no statement takes, and the internal value names.
std::vector<WordClass> ClassifyScriptWords(const LanguageTables& tables, const Grammar& grammar);

}  // namespace corvane
