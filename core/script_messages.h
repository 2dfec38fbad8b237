#pragma once
// The program's own message texts for compiling and loading scripts, shared by the editor and the
// command line so that both say the same words.

#include <cstddef>
#include <string>
#include <string_view>

#include "support/message_word.h"

namespace corvane {

inline constexpr std::string_view kUnknownCommandPrefix = "ERROR while compiling! Unknown command: ";
inline constexpr std::string_view kTooManyVariablesWarning =
    "Warning: this script uses more than 256 variables! It will cause errors in the compiled script! Continue?";
inline constexpr std::string_view kCompilingCancelled = "Compiling cancelled";
inline constexpr std::string_view kFileDoesNotExist = "The file doesn't exist!";
inline constexpr std::string_view kNotAScriptFile = "This is not a valid script file!";
inline constexpr std::string_view kNoWordsRefusal =
    "The script has no words. A compiled file without any would not be a script file, so nothing was written.";

// Every message that echoes a word of the script shows it through WordForMessage.

// "ERROR while compiling! Unknown command: " + word.
std::string UnknownCommandMessage(std::string_view upperWord);

// The compiler refuses a script whose codes would not fit the code area.
std::string TooManyCodesMessage(std::string_view upperWord);

// The compiler refuses a script that needs more variable table entries than the file holds.
std::string TooManyEntriesMessage(std::string_view upperWord);

// A number after "%", "VAR_" or "INT_" that does not fit in a signed 32-bit integer.
std::string NumberOutOfRangeMessage(std::string_view upperWord);

// The command line cannot ask the 256-entries question, so it refuses with this text.
std::string TooManyVariablesRefusal(std::size_t entryCount);

// The loader's warning for a code that the token table does not know (the spelling is the
// program's own).
std::string UnknownCodeWarning(std::string_view codeText);

// The question before saving a script that fails the check: "The script has an error at line L,
// column C: " + the problem on one line (its lines joined, closing stops dropped) + ". Save it anyway?".
std::string SaveAnywayQuestion(std::size_t line, std::size_t column, std::string_view message);

}  // namespace corvane
