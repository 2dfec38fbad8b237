#include "core/script_messages.h"

#include <algorithm>

#include "core/code_text.h"
#include "core/compiled_file.h"

namespace corvane {

std::string UnknownCommandMessage(std::string_view upperWord) {
    return std::string(kUnknownCommandPrefix) + WordForMessage(upperWord);
}

std::string TooManyCodesMessage(std::string_view upperWord) {
    return "ERROR while compiling! The script has more than " + std::to_string(kMaxCodes) +
           " codes; a compiled script holds at most " + std::to_string(kMaxCodes) +
           ". First word past the limit: " + WordForMessage(upperWord);
}

std::string TooManyEntriesMessage(std::string_view upperWord) {
    return "ERROR while compiling! The script uses more than " + std::to_string(kMaxVariableEntries) +
           " different numbers, variables and internal values; a compiled script holds at most " +
           std::to_string(kMaxVariableEntries) + ". First word past the limit: " + WordForMessage(upperWord);
}

std::string NumberOutOfRangeMessage(std::string_view upperWord) {
    return "ERROR while compiling! Number out of range (it must lie between -2147483648 and 2147483647): " +
           WordForMessage(upperWord);
}

std::string TooManyVariablesRefusal(std::size_t entryCount) {
    return "this script uses more than " + std::to_string(kReferableVariableEntries) + " variables (" +
           std::to_string(entryCount) + "); the game reads only the first " +
           std::to_string(kReferableVariableEntries) + ", so the compiled script would cause errors";
}

std::string SaveAnywayQuestion(std::size_t line, std::size_t column, std::string_view message) {
    // "Wrong expectation: \r\nIn script: X\r\nExpected: A B \r\nGroup: 5" reads as
    // "Wrong expectation: In script: X; Expected: A B; Group: 5".
    std::string oneLine;
    std::size_t start = 0;
    while (start <= message.size()) {
        const std::size_t end = std::min(message.find(kLineBreak, start), message.size());
        std::string_view part = message.substr(start, end - start);
        while (part.ends_with(' ')) part.remove_suffix(1);
        if (!part.empty()) {
            if (!oneLine.empty()) oneLine += oneLine.ends_with(':') ? " " : "; ";
            oneLine += part;
        }
        start = end + kLineBreak.size();
    }
    while (oneLine.ends_with('.') || oneLine.ends_with('!')) oneLine.pop_back();
    // A problem that ends in a question of its own ("did you mean IF?") needs no full stop.
    return "The script has an error at line " + std::to_string(line) + ", column " + std::to_string(column) + ": " +
           oneLine + (oneLine.ends_with('?') ? " " : ". ") + "Save it anyway?";
}

std::string UnknownCodeWarning(std::string_view codeText) {
    return "Found unkown command: " + std::string(codeText) + std::string(kLineBreak) +
           "Not fatal, recompiling won't be a problem!";
}

}  // namespace corvane
