#include "cli/script_input.h"

#include "cli/cli_app.h"
#include "core/code_text.h"
#include "text/windows_1252.h"

namespace corvane {

bool IsStandardInput(const std::string& path) { return path == "-"; }

std::string InputName(const std::string& path) { return IsStandardInput(path) ? "<stdin>" : path; }

bool ReadCliInput(const std::string& path, std::istream& in, std::string& bytes, std::ostream& err,
                  std::uintmax_t maxBytes) {
    std::string reason;
    if (IsStandardInput(path)) {
        if (ReadWholeStream(in, bytes, &reason, maxBytes)) return true;
    } else if (ReadWholeFile(path, bytes, &reason, maxBytes)) {
        return true;
    }
    err << InputName(path) << ": " << (reason.empty() ? "cannot read the file" : reason) << '\n';
    return false;
}

std::string ForTerminal(std::string_view message) {
    // Engine messages use CR LF between lines; a terminal wants plain line feeds.
    return ReplaceText(Utf8FromWindows1252(message), kLineBreak, "\n");
}

ScriptInput ReadScriptInput(const std::string& path, std::istream& in, std::ostream& err) {
    ScriptInput input;
    if (!ReadCliInput(path, in, input.bytes, err)) {
        input.failure = kExitUsage;
        return input;
    }
    input.file = ScriptText::FromFile(input.bytes);
    if (input.file.refused()) {
        err << Utf16Refusal(InputName(path)) << '\n';
        input.failure = kExitRejected;
    }
    return input;
}

}  // namespace corvane
