#pragma once
// The command line tool corvane-script: compile, decompile and check scripts with the engine.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRejected = 1;  // the script or file was refused
inline constexpr int kExitUsage = 2;     // wrong arguments, or a file could not be read or written

// Runs one command; `args` are the arguments after the program name. An input named "-" is read
// from `in`.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace corvane
