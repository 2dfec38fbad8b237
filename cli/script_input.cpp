#include "cli/script_input.h"

#include "cli/cli_app.h"

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

std::string ScriptInput::forTerminal(std::string_view message) const {
    return file.encoding == ScriptFileEncoding::kUtf8 ? Utf8FromWindows1252(message) : std::string(message);
}

ScriptInput ReadScriptInput(const std::string& path, std::istream& in, std::ostream& err) {
    ScriptInput input;
    std::string bytes;
    if (!ReadCliInput(path, in, bytes, err)) {
        input.failure = kExitUsage;
        return input;
    }
    input.file = DecodeScriptFile(bytes);
    if (input.file.encoding == ScriptFileEncoding::kUtf16) {
        err << InputName(path) << " is UTF-16 text; save it as ANSI or UTF-8\n";
        input.failure = kExitRejected;
    }
    return input;
}

}  // namespace corvane
