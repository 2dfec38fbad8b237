#pragma once
// The options that may follow a command anywhere among its operands.

#include <string>
#include <vector>

namespace corvane {

struct CommandOptions {
    std::vector<std::string> args;  // the command and its operands, options taken out
    bool help = false;              // "--help" or "-h" after the command
    bool noCheck = false;           // "--no-check": compile without the check first
};

// `args` must not be empty. "-" alone is an operand (standard input), not an option.
CommandOptions TakeCommandOptions(const std::vector<std::string>& args);

}  // namespace corvane
