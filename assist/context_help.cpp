#include "assist/context_help.h"

#include <initializer_list>

#include "support/file_utils.h"
#include "text/text_lines.h"
#include "text/windows_1252.h"

namespace corvane {

namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append(CrLf());
    return text;
}

std::string DoHelp(const std::vector<std::string>& words, std::string_view commandList) {
    if (words.size() > 1 && words[1] == "BUILD_DRUM_TOWER") {
        return Lines({"DO BUILD_DRUM_TOWER %x %y" + CrLf(), "Example: DO BUILD_DRUM_TOWER %30 %60",
                      "This will build a guard tower at x=30 and y=60"});
    }
    return Lines({"DO <command> <parameters>", "With <command> being: " + CrLf() + std::string(commandList)});
}

}  // namespace

std::vector<std::string> HelpWordsAt(std::string_view text, std::size_t caret) {
    if (caret > text.size()) caret = text.size();
    const std::size_t start = LineStartOf(text, caret);

    std::vector<std::string> words(1);
    for (std::size_t i = start; i < text.size() && !IsLineBreak(text[i]); ++i) {
        const char c = text[i];
        if (c == '\t') continue;
        if (c == ' ') {
            words.emplace_back();
        } else {
            words.back() += UpperWindows1252(c);
        }
    }
    return words;
}

std::string HelpTextFor(const std::vector<std::string>& words, std::string_view commandList) {
    const std::string& first = words.empty() ? std::string() : words.front();
    if (first == "END_SCRIPT") return Lines({"END_SCRIPT", "is a mark for ending the script"});
    if (first == "{") return Lines({"{", "used for opening an EVERY, IF or START_SCRIPT"});
    if (first == "}") {
        return Lines({"}", "used for closing an EVERY, IF or START_SCRIPT", "",
                      "if closing an if, ENDIF must follow on the following line",
                      "if closing an START_SCRIPT, END_SCRIPT must follow on the following line"});
    }
    if (first == "START_SCRIPT") return Lines({"START_SCRIPT" + CrLf(), "is a mark for starting the script"});
    if (first == "SET") {
        return Lines(
            {"SET <variable> <value>" + CrLf(), "Example: SET VAR_12 %6", "This will set variable var_12 to value 6"});
    }
    if (first == "DO") return DoHelp(words, commandList);
    if (first == "IF") {
        return Lines({"IF <operator> <var> <var2>", "or: IF BOTH <operator1> <var1> <var2> <operator2> <var3> <var4>",
                      "",
                      "With <operator> being: = (equal), < (smaller than), > (greater than), <> (not equal), "
                      ">= (greater than or equal to), <= (smaller than or equal to)",
                      "", "Example: IF < VAR_12 %3", "checks if var_12 is smaller than 3"});
    }
    return {};
}

}  // namespace corvane
