#include "cli/command_options.h"

namespace corvane {

CommandOptions TakeCommandOptions(const std::vector<std::string>& args) {
    CommandOptions options;
    options.args.push_back(args.front());
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            options.help = true;
        } else if (args[i] == "--no-check") {
            options.noCheck = true;
        } else {
            options.args.push_back(args[i]);
        }
    }
    return options;
}

}  // namespace corvane
