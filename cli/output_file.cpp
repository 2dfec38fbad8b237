#include "cli/output_file.h"

#include <filesystem>
#include <system_error>

#include "cli/script_input.h"
#include "support/file_utils.h"
#include "support/safe_file.h"

namespace corvane {

bool IsInputFile(const std::string& inPath, const std::string& outPath, std::ostream& err) {
    std::error_code ignored;
    if (IsStandardInput(inPath)) return false;
    if (!std::filesystem::equivalent(PathFromUtf8(inPath), PathFromUtf8(outPath), ignored)) return false;
    err << outPath << ": is the input file; give the output another name\n";
    return true;
}

bool WriteOutputFile(const std::string& path, std::string_view bytes, std::ostream& err) {
    FileError error;
    if (WriteFileAtomically(path, bytes, &error)) return true;
    err << error.message() << '\n';
    return false;
}

}  // namespace corvane
