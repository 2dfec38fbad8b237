// The settings file reader and writer on any bytes: never a crash, and a write keeps every key
// that a read could see in the other sections. A key is read back as written unless another key
// begins with it (the reader's prefix rule may then read the other one), so that case checks
// nothing but the absence of crashes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

// True when a line of `text` begins with `key` followed by anything but "=": a longer key.
bool HasLongerKey(std::string_view text, std::string_view key) {
    for (std::size_t at = 0; (at = text.find(key, at)) != std::string_view::npos; at += key.size()) {
        const bool lineStart = at == 0 || text[at - 1] == '\r' || text[at - 1] == '\n';
        const std::size_t after = at + key.size();
        if (lineStart && after < text.size() && text[after] != '=' && text[after] != '\r' && text[after] != '\n') {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string file = ScratchFile();
    if (!corvane::WriteFileAtomically(file, bytes)) return 0;

    const std::string before = corvane::ReadIni(file, "recent", "recent0", "<none>");
    if (!corvane::WriteIni(file, "find", "what", "needle=1")) std::abort();
    if (!HasLongerKey(bytes, "WHAT") && corvane::ReadIni(file, "find", "what", "") != "needle=1") std::abort();
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
