#include "cli/format_command.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "assist/layout.h"
#include "cli/cli_app.h"
#include "cli/text_location.h"
#include "core/language_tables.h"
#include "support/file_utils.h"
#include "support/safe_file.h"

namespace corvane {
namespace {

bool ReadScript(const std::string& path, std::string& text, std::ostream& err) {
    std::string reason;
    if (ReadWholeFile(path, text, &reason)) return true;
    err << path << ": " << (reason.empty() ? "cannot read the file" : reason) << '\n';
    return false;
}

int CheckLayout(const std::string& path, std::ostream& err) {
    std::string text;
    if (!ReadScript(path, text, err)) return kExitUsage;
    const std::string laidOut = LayOutScript(text, LanguageTables::Standard());
    if (laidOut == text) return kExitSuccess;
    // Point at the first byte that the layout would change, so an editor can jump there.
    const std::size_t differs = static_cast<std::size_t>(
        std::mismatch(text.begin(), text.end(), laidOut.begin(), laidOut.end()).first - text.begin());
    const TextLocation location = LocateOffset(text, differs);
    err << path << ':' << location.line << ':' << location.column
        << ": not laid out as the loader prints it (corvane-script format lays it out)\n";
    return kExitRejected;
}

int Format(const std::string& path, const std::string* outPath, std::ostream& out, std::ostream& err) {
    std::error_code ignored;
    if (outPath != nullptr && std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(*outPath), ignored)) {
        // Writing the output over the input would destroy the only copy of the script.
        err << *outPath << ": is the input file; give the output another name\n";
        return kExitUsage;
    }
    std::string text;
    if (!ReadScript(path, text, err)) return kExitUsage;
    const std::string laidOut = LayOutScript(text, LanguageTables::Standard());
    if (outPath == nullptr) {
        out << laidOut;
        return kExitSuccess;
    }
    FileError error;
    if (WriteFileAtomically(*outPath, laidOut, &error)) return kExitSuccess;
    err << error.message() << '\n';
    return kExitUsage;
}

}  // namespace

std::optional<int> RunFormat(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    if (operands.size() == 2 && operands[0] == "--check") return CheckLayout(operands[1], err);
    if (operands.empty() || operands.size() > 2 || operands[0] == "--check") return std::nullopt;
    return Format(operands[0], operands.size() == 2 ? &operands[1] : nullptr, out, err);
}

}  // namespace corvane
