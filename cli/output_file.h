#pragma once
// The output files named on the command line.

#include <ostream>
#include <string>
#include <string_view>

namespace corvane {

// True (with a message on `err`) when `outPath` names the input itself: writing there would
// destroy the only copy of the script.
bool IsInputFile(const std::string& inPath, const std::string& outPath, std::ostream& err);

// Replaces `path` with `bytes` as a whole; on failure writes the reason to `err` and returns false.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::ostream& err);

}  // namespace corvane
