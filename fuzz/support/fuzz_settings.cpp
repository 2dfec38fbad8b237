// The settings file reader and writer on any bytes: never a crash, and a write keeps every key
// that a read could see in the other sections.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/file_utils.h"
#include "support/safe_file.h"
#include "support/settings_file.h"

namespace {

std::string ScratchFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_settings_" + std::to_string(::getpid()) + ".ini")).string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = ScratchFile();
    if (!corvane::WriteFileAtomically(file, bytes)) return 0;

    const std::string before = corvane::ReadIni(file, "recent", "recent0", "<none>");
    if (!corvane::WriteIni(file, "find", "what", "needle=1")) std::abort();
    if (corvane::ReadIni(file, "find", "what", "") != "needle=1") std::abort();
    // A write to another section leaves this key's value as it was.
    if (corvane::ReadIni(file, "recent", "recent0", "<none>") != before) std::abort();

    // Writing the same key again gives the same file.
    std::string once;
    corvane::ReadWholeFile(file, once);
    corvane::WriteIni(file, "find", "what", "needle=1");
    std::string twice;
    corvane::ReadWholeFile(file, twice);
    if (once != twice) std::abort();
    return 0;
}
