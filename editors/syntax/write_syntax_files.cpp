// Writes the editors' syntax files from the program's own word tables, so that their word lists
// never drift from the language: a TextMate grammar (VS Code and other TextMate hosts) and a
// KSyntaxHighlighting definition (Kate, KWrite, KDevelop).
// Usage: corvane-syntax-files FOLDER   (writes FOLDER/vscode/syntaxes/... and FOLDER/kate/...)

#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "checker/grammar.h"
#include "core/language_tables.h"
#include "editors/syntax/script_word_classes.h"
#include "support/safe_file.h"

namespace corvane {
namespace {

constexpr const char* kLanguageName = "Corvane AI script";
constexpr const char* kTextMatePath = "/vscode/syntaxes/corvane-ai-script.tmLanguage.json";
constexpr const char* kKatePath = "/kate/corvane-ai-script.xml";

// What follows "%", "VAR_" or "INT_": the number forms the compiler reads.
constexpr const char* kNumber =
    "(?:&[Hh][0-9A-Fa-f]+|&[Oo][0-7]+|[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[Ee][+-]?[0-9]+)?)";
// Only blanks, tabs and line ends separate words: "{X" is one word, and no "{". (TextMate hosts
// match a line with its line end.)
constexpr const char* kWordStart = "(?<![^ \\t\\r\\n])";
constexpr const char* kWordEnd = "(?![^ \\t\\r\\n])";

struct Style {
    const char* textMateScope;
    const char* kateStyle;
};

const std::map<std::string, Style> kClassStyles = {
    {"bounds", {"keyword.control.script.corvane", "dsKeyword"}},
    {"braces", {"punctuation.section.block.corvane", "dsOperator"}},
    {"blocks", {"keyword.control.corvane", "dsControlFlow"}},
    {"statements", {"keyword.other.statement.corvane", "dsKeyword"}},
    {"comparisons", {"keyword.operator.comparison.corvane", "dsOperator"}},
    {"logical", {"keyword.operator.logical.corvane", "dsOperator"}},
    {"switches", {"constant.language.switch.corvane", "dsConstant"}},
    {"commands", {"support.function.command.corvane", "dsFunction"}},
    {"constants", {"constant.language.corvane", "dsConstant"}},
    {"unused", {"keyword.other.unused.corvane", "dsOthers"}},
    {"internals", {"variable.language.internal.corvane", "dsBuiltIn"}},
};

// The words after the fixed ones, in the order they are tried: name, TextMate scope, Kate style,
// the word's start as a regular expression, what may follow it.
struct PatternWord {
    const char* name;
    const char* scope;
    const char* kateStyle;
    std::string pattern;
};

std::vector<PatternWord> PatternWords() {
    const std::string number = kNumber;
    return {
        {"numbered-internals", "variable.language.internal.numbered.corvane", "dsBuiltIn",
         "([Ii][Nn][Tt]_)(" + number + ")([^ \\t\\r\\n]*)"},
        {"variables", "variable.other.user.corvane", "dsVariable", "([Vv][Aa][Rr]_)(" + number + ")?([^ \\t\\r\\n]*)"},
        {"numbers", "constant.numeric.corvane", "dsDecVal", "(%)(" + number + ")?([^ \\t\\r\\n]*)"},
        // A four-character word that is no other word is written as a code's hexadecimal digits.
        {"raw-codes", "constant.other.raw-code.corvane", "dsSpecialChar", "([^ \\t\\r\\n]{4})()()"},
        {"unknown", "invalid.illegal.unknown-word.corvane", "dsError", "([^ \\t\\r\\n]+)()()"},
    };
}

constexpr const char* kTrailingScope = "invalid.illegal.trailing.corvane";

std::string RegexEscaped(const std::string& word) {
    std::string escaped;
    for (char c : word) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string XmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else if (c == '&')
            escaped += "&amp;";
        else
            escaped += c;
    }
    return escaped;
}

std::string TextMateGrammar(const std::vector<WordClass>& classes) {
    using Json = nlohmann::ordered_json;
    Json patterns = Json::array();
    Json repository = Json::object();
    for (const WordClass& wordClass : classes) {
        std::string alternatives;
        for (const std::string& word : wordClass.words)
            alternatives += (alternatives.empty() ? "" : "|") + RegexEscaped(word);
        repository[wordClass.name] = {
            {"match", std::string("(?i)") + kWordStart + "(?:" + alternatives + ")" + kWordEnd},
            {"name", kClassStyles.at(wordClass.name).textMateScope}};
        patterns.push_back({{"include", "#" + wordClass.name}});
    }
    for (const PatternWord& word : PatternWords()) {
        repository[word.name] = {{"match", kWordStart + word.pattern + kWordEnd},
                                 {"name", word.scope},
                                 {"captures", {{"3", {{"name", kTrailingScope}}}}}};
        patterns.push_back({{"include", "#" + std::string(word.name)}});
    }
    const Json grammar = {{"$schema", "https://raw.githubusercontent.com/martinring/tmlanguage/master/tmlanguage.json"},
                          {"name", kLanguageName},
                          {"scopeName", "source.corvane-ai"},
                          {"comment", "Generated by corvane-syntax-files from the program's word tables; do not edit."},
                          {"patterns", patterns},
                          {"repository", repository}};
    return grammar.dump(2) + "\n";
}

std::string KateDefinition(const std::vector<WordClass>& classes) {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!DOCTYPE language>\n"
        << "<!-- Generated by corvane-syntax-files from the program's word tables; do not edit. -->\n"
        << "<language name=\"" << kLanguageName << "\" section=\"Scripts\" version=\"1\" kateversion=\"5.0\""
        << " extensions=\"\" mimetype=\"\" casesensitive=\"0\" license=\"MIT\">\n"
        << "  <highlighting>\n";
    for (const WordClass& wordClass : classes) {
        xml << "    <list name=\"" << wordClass.name << "\">\n";
        for (const std::string& word : wordClass.words) xml << "      <item>" << XmlEscaped(word) << "</item>\n";
        xml << "    </list>\n";
    }
    xml << "    <contexts>\n"
        << "      <context name=\"Script\" attribute=\"Normal\" lineEndContext=\"#stay\">\n";
    for (const WordClass& wordClass : classes) {
        xml << "        <keyword attribute=\"" << wordClass.name << "\" String=\"" << wordClass.name << "\"/>\n";
    }
    for (const PatternWord& word : PatternWords()) {
        xml << "        <RegExpr attribute=\"" << word.name << "\" String=\""
            << XmlEscaped(kWordStart + word.pattern + kWordEnd) << "\"/>\n";
    }
    xml << "      </context>\n"
        << "    </contexts>\n"
        << "    <itemDatas>\n"
        << "      <itemData name=\"Normal\" defStyleNum=\"dsNormal\"/>\n";
    for (const WordClass& wordClass : classes) {
        xml << "      <itemData name=\"" << wordClass.name << "\" defStyleNum=\""
            << kClassStyles.at(wordClass.name).kateStyle << "\"/>\n";
    }
    for (const PatternWord& word : PatternWords()) {
        xml << "      <itemData name=\"" << word.name << "\" defStyleNum=\"" << word.kateStyle << "\"/>\n";
    }
    xml << "    </itemDatas>\n"
        << "  </highlighting>\n"
        << "  <general>\n"
        // Only blanks separate words: every other character belongs to the word it stands in.
        << "    <keywords casesensitive=\"0\" weakDeliminator=\".():!+,-&lt;=&gt;%&amp;*/;?[]^{|}~\\\"/>\n"
        << "  </general>\n"
        << "</language>\n";
    return xml.str();
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    if (argc != 2) {
        std::cerr << "usage: corvane-syntax-files FOLDER\n";
        return 2;
    }
    const std::vector<WordClass> classes = ClassifyScriptWords(LanguageTables::Standard(), Grammar::Standard());
    const std::string folder = argv[1];
    for (const auto& [path, text] : {std::pair{folder + kTextMatePath, TextMateGrammar(classes)},
                                     std::pair{folder + kKatePath, KateDefinition(classes)}}) {
        FileError error;
        if (!WriteFileAtomically(path, text, &error)) {
            std::cerr << "corvane-syntax-files: " << error.message() << '\n';
            return 1;
        }
    }
    return 0;
}
