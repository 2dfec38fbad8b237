#pragma once
// The inputs named on the command line: a file, or standard input for "-"; script texts decoded to
// the Windows-1252 text the engine reads.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "lang/script_file_text.h"
#include "support/file_utils.h"

namespace corvane {

bool IsStandardInput(const std::string& path);

// How messages name the input: its path, or "<stdin>".
std::string InputName(const std::string& path);

// The whole input as bytes. On failure writes "NAME: reason" to `err` and returns false.
bool ReadCliInput(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err,
                  std::uintmax_t maxBytes = kDefaultMaxReadBytes);

struct ScriptInput {
    int failure = 0;  // the exit status when the script could not be read; 0 when it was
    ScriptFileText file;

    // An engine message about the script, in UTF-8 when the file was UTF-8.
    std::string forTerminal(std::string_view message) const;
};

// A UTF-16 file is refused with "NAME is UTF-16 text; save it as ANSI or UTF-8".
ScriptInput ReadScriptInput(const std::string& path, std::istream& in, std::ostream& err);

}  // namespace corvane
