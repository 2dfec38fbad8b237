#include "cli/format_command.h"

#include <algorithm>
#include <string_view>

#include "assist/layout.h"
#include "cli/cli_app.h"
#include "cli/output_file.h"
#include "cli/script_input.h"
#include "cli/text_location.h"
#include "core/language_tables.h"
#include "lang/script_file_text.h"
#include "lsp/document_text.h"

namespace corvane {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The layout in the file's own encoding: a UTF-8 script stays UTF-8 with every character it had
// (also those Windows-1252 lacks), behind its byte-order mark when it had one.
std::string LaidOut(std::string_view bytes, ScriptFileEncoding encoding) {
    const std::string_view mark = bytes.starts_with(kUtf8Mark) ? kUtf8Mark : std::string_view();
    bytes.remove_prefix(mark.size());
    const LanguageTables& tables = LanguageTables::Standard();
    if (encoding != ScriptFileEncoding::kUtf8) return std::string(mark) + LayOutScript(bytes, tables);
    const DocumentText document{std::string(bytes)};
    return std::string(mark) + document.ClientTextOf(LayOutScript(document.engineText(), tables));
}

struct Layout {
    int failure = 0;  // the exit status when the script could not be read
    std::string bytes;
    std::string laidOut;
};

Layout ReadAndLayOut(const std::string& path, std::istream& in, std::ostream& err) {
    Layout layout;
    if (!ReadCliInput(path, in, layout.bytes, err)) return {kExitUsage, {}, {}};
    const ScriptFileEncoding encoding = DecodeScriptFile(layout.bytes).encoding;
    if (encoding == ScriptFileEncoding::kUtf16) {
        err << InputName(path) << " is UTF-16 text; save it as ANSI or UTF-8\n";
        return {kExitRejected, {}, {}};
    }
    layout.laidOut = LaidOut(layout.bytes, encoding);
    return layout;
}

int CheckLayout(const std::string& path, std::istream& in, std::ostream& err) {
    const Layout layout = ReadAndLayOut(path, in, err);
    if (layout.failure != 0) return layout.failure;
    const std::string& bytes = layout.bytes;
    if (layout.laidOut == bytes) return kExitSuccess;
    // Point at the first character that the layout would change, so an editor can jump there.
    const auto differs = std::mismatch(bytes.begin(), bytes.end(), layout.laidOut.begin(), layout.laidOut.end()).first;
    const std::string before = DecodeScriptFile(std::string_view(bytes.data(), differs - bytes.begin())).text;
    const TextLocation location = LocateOffset(before, before.size());
    err << InputName(path) << ':' << location.line << ':' << location.column
        << ": not laid out as the loader prints it (corvane-script format lays it out)\n";
    return kExitRejected;
}

int Format(const std::string& path, const std::string* outPath, std::istream& in, std::ostream& out,
           std::ostream& err) {
    if (outPath != nullptr && IsInputFile(path, *outPath, err)) return kExitUsage;
    const Layout layout = ReadAndLayOut(path, in, err);
    if (layout.failure != 0) return layout.failure;
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
