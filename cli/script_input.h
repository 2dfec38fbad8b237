#pragma once
// The inputs named on the command line: a file, or standard input for "-"; script texts decoded to
// the Windows-1252 text the engine reads.

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "support/file_utils.h"
#include "text/script_text.h"

namespace corvane {

bool IsStandardInput(const std::string& path);

// How messages name the input: its path, or "<stdin>".
std::string InputName(const std::string& path);

// The whole input as bytes. On failure writes "NAME: reason" to `err` and returns false.
bool ReadCliInput(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err,
                  std::uintmax_t maxBytes = kDefaultMaxReadBytes);

struct ScriptInput {
    int failure = 0;  // the exit status when the script could not be read; 0 when it was
    std::string bytes;
    ScriptText file = ScriptText::FromFile({});

    const std::string& text() const { return file.engineText(); }
};

// An engine message about a script (Windows-1252, as the script's words are) for a terminal, which
// reads UTF-8.
std::string ForTerminal(std::string_view message);

// A UTF-16 file is refused with Utf16Refusal.
ScriptInput ReadScriptInput(const std::string& path, std::istream& in, std::ostream& err);

}  // namespace corvane
