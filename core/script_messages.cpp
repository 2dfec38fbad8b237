#include "core/script_messages.h"

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

std::string UnknownCodeWarning(std::string_view codeText) {
    return "Found unkown command: " + std::string(codeText) + std::string(kLineBreak) +
           "Not fatal, recompiling won't be a problem!";
}

}  // namespace corvane
