#include "support/safe_file.h"

#include "support/file_utils.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#define CORVANE_GETPID _getpid
#else
#include <unistd.h>
#define CORVANE_GETPID getpid
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

void fail(FileError* error, const std::string& path, const std::string& reason) {
    if (error) *error = FileError{path, reason};
}

// A name beside the target that no other writer uses at the same time.
fs::path temporaryNameBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = ".";
    name += Utf8FromPath(target.filename());
    name += ".tmp-" + std::to_string(CORVANE_GETPID());
    name += "-" + std::to_string(stamp);
    name += "-" + std::to_string(counter++);
    return target.parent_path() / PathFromUtf8(name);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileError* error) {
    if (path.empty()) {
        fail(error, path, "no file name given");
        return false;
    }
    fs::path target = PathFromUtf8(path);
    std::error_code ec;
    // Write through a link to the file it names, so that the link stays a link.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    if (fs::is_directory(old)) {
        fail(error, path, "is a folder, not a file");
        return false;
    }
    if (replacing && !fs::is_regular_file(old)) {
        fail(error, path, "is not a regular file");
        return false;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) {
        fail(error, path, "the folder does not exist");
        return false;
    }
    const fs::path temp = temporaryNameBeside(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            fail(error, path, std::string("cannot create a file in its folder (") + std::strerror(errno) + ")");
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            fail(error, path, "writing failed (disk full?)");
            return false;
        }
    }
    // The new file keeps the old one's permissions (a script shared with a group stays shared).
    if (replacing) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) {
        const std::string reason = ec.message();
        fs::remove(temp, ec);
        fail(error, path, "cannot replace the file (" + reason + ")");
        return false;
    }
    return true;
}

bool CopyFileAtomically(const std::string& from, const std::string& to, FileError* error) {
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(from, bytes, &reason)) {
        fail(error, from, "cannot read the file (" + reason + ")");
        return false;
    }
    return WriteFileAtomically(to, bytes, error);
}

}  // namespace corvane
