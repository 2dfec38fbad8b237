#pragma once
// Writing files so that nothing is ever half written: the bytes go to a temporary file in the
// target's own folder, which is then renamed over the target. A failure at any point leaves the
// old target exactly as it was.

#include <string>
#include <string_view>

namespace corvane {

struct FileError {
    std::string path;    // the file the operation was about
    std::string reason;  // what went wrong, in words
    std::string message() const { return path + ": " + reason; }
};

// Writes `bytes` as the whole new content of `path`. Returns true on success; on failure returns
// false and fills `error` (when given) with the path and the reason.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileError* error = nullptr);

// Copies the file `from` over `to` with the same guarantee.
bool CopyFileAtomically(const std::string& from, const std::string& to, FileError* error = nullptr);

}  // namespace corvane
