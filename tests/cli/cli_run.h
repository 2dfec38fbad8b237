#pragma once
// One run of the command line in the test's own process: exit status and both outputs.

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace corvane::testing {

struct CliRun {
    int exit = -1;
    std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int exit = RunCli(args, in, out, err);
    return {exit, out.str(), err.str()};
}

}  // namespace corvane::testing
