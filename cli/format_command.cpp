#include "cli/format_command.h"

#include <algorithm>
#include <string_view>

#include "assist/layout.h"
#include "cli/cli_app.h"
#include "cli/output_file.h"
#include "cli/script_input.h"
#include "core/language_tables.h"

namespace corvane {
namespace {

struct Layout {
    ScriptInput script;
    std::string laidOut;  // in the file's own encoding and characters, behind its byte-order mark
};

Layout ReadAndLayOut(const std::string& path, std::istream& in, std::ostream& err) {
    Layout layout{ReadScriptInput(path, in, err), {}};
    if (layout.script.failure == 0) {
        layout.laidOut = layout.script.file.Encode(LayOutScript(layout.script.text(), LanguageTables::Standard()));
    }
    return layout;
}

int CheckLayout(const std::string& path, std::istream& in, std::ostream& err) {
    const Layout layout = ReadAndLayOut(path, in, err);
    if (layout.script.failure != 0) return layout.script.failure;
    const std::string& bytes = layout.script.bytes;
    if (layout.laidOut == bytes) return kExitSuccess;
    // Point at the first character that the layout would change, so an editor can jump there.
    const auto differs = std::mismatch(bytes.begin(), bytes.end(), layout.laidOut.begin(), layout.laidOut.end()).first;
    const ScriptText& file = layout.script.file;
    const std::size_t markBytes = bytes.size() - file.source().size();
    const auto byte = static_cast<std::size_t>(differs - bytes.begin());
    const TextPosition at = file.PositionAt(file.OffsetOfSourceByte(byte > markBytes ? byte - markBytes : 0));
    err << InputName(path) << ':' << at.line + 1 << ':' << at.column + 1
        << ": not laid out as the loader prints it (corvane-script format lays it out)\n";
    return kExitRejected;
}

int Format(const std::string& path, const std::string* outPath, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (outPath != nullptr && IsInputFile(path, *outPath, err)) return kExitUsage;
    const Layout layout = ReadAndLayOut(path, in, err);
    if (layout.script.failure != 0) return layout.script.failure;
    if (outPath == nullptr) {
        out << layout.laidOut;
        return kExitSuccess;
    }
    return WriteOutputFile(*outPath, layout.laidOut, err) ? kExitSuccess : kExitUsage;
}

}  // namespace

std::optional<int> RunFormat(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
                             std::ostream& err) {
    if (operands.size() == 2 && operands[0] == "--check") return CheckLayout(operands[1], in, err);
    if (operands.empty() || operands.size() > 2 || operands[0] == "--check") return std::nullopt;
    return Format(operands[0], operands.size() == 2 ? &operands[1] : nullptr, in, out, err);
}

}  // namespace corvane
