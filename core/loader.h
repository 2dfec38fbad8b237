#pragma once
// The loader: the bytes of a compiled script file -> indented script text.

#include <string>
#include <string_view>
#include <vector>

#include "core/language_tables.h"
#include "core/script_result.h"
#include "core/variable_entry.h"

namespace corvane {

struct LoadedScript {
    // CR LF line breaks, tab indentation, one blank after every word; starts "START_SCRIPT ".
    std::string text;
    // The file's 512 entries (type and value) as read from offset 8192.
    std::vector<VariableEntry> variables;
    // Code texts met that the token table does not know (entry references excluded), in order.
    std::vector<std::string> unknownCodes;
};

enum class LoadErrorKind {
    kNotAScriptFile,  // the first byte is not 12 (an empty file included)
};

struct LoadError {
    LoadErrorKind kind = LoadErrorKind::kNotAScriptFile;
    std::string message;
};

using LoadResult = ScriptResult<LoadedScript, LoadError>;

// Turns a compiled file's bytes into text. The caller reads the file (and reports a missing file
// with kFileDoesNotExist); the indentation starts empty for every file.
LoadResult LoadScript(std::string_view fileBytes, const LanguageTables& tables);

}  // namespace corvane
