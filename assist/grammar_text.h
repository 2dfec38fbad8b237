#pragma once
// Short texts about the grammar for messages, completion details and hover: the kinds of a
// word's parameters and a few example words of a group, by the groups' own names.

#include <string>
#include <string_view>
#include <vector>

#include "checker/grammar.h"

namespace corvane {

// The groups a word expects after it, without the statement end that closes it.
std::vector<int> ParameterGroups(const GrammarEntry& entry);

// The names of the groups a word expects after it, without the statement end that closes it
// ("<color> <var> <attack_what> ..." for ATTACK); empty for a word that expects nothing.
std::string ParameterKinds(const Grammar& grammar, const GrammarEntry& entry);

// Up to `count` words of a group, joined by ", " and followed by ", ..." when it holds more; the
// value placeholder reads "a value".
std::string ExampleWords(const GrammarGroup& group, std::size_t count);

// What a group expects, in the author's words rather than the group's name: "a command",
// "a comparison operator", "ON or OFF", "a value or {".
std::string GroupDescription(const GrammarGroup& group);

// True when GroupDescription names a kind of word, which a few examples then make concrete (a
// group described by its own words needs none).
bool DescribedByKind(const GrammarGroup& group);

// How a grammar word is written in a script: the checker's names for a closing brace
// ("}IF", "}EVERY", ...) are written "}".
std::string_view ScriptSpelling(std::string_view grammarWord);

// True for the comparison words (<, >=, ||, ...).
bool IsOperatorWord(std::string_view word);

}  // namespace corvane
