#include "support/scratch_file_name.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <string>
#include <string_view>
#include <system_error>

#include "support/file_utils.h"

#ifdef _WIN32
#include <process.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = ".tmp-";

long ownProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(::getpid());
#endif
}

#ifndef _WIN32
// The writer's process id, when `name` is one of our scratch names: ".X.tmp-PID-STAMP-COUNT".
bool scratchWriter(std::string_view name, long& pid) {
    const auto marker = name.rfind(kMarker);
    if (name.empty() || name.front() != '.' || marker == std::string_view::npos) return false;
    std::string_view rest = name.substr(marker + kMarker.size());
    for (int part = 0; part < 3; ++part) {
        unsigned long long number = 0;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (ec != std::errc() || end == rest.data()) return false;
        if (part == 0) pid = static_cast<long>(number);
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
        if (part < 2) {
            if (rest.empty() || rest.front() != '-') return false;
            rest.remove_prefix(1);
        }
    }
    return rest.empty();
}

bool isStale(const fs::path& file, long pid) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) return false;
    if (pid == ownProcessId() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) return false;
    const auto age = std::chrono::system_clock::now() - std::chrono::system_clock::from_time_t(info.st_mtime);
    return age > std::chrono::minutes(1);
}
#endif

}  // namespace

fs::path ScratchFileNameBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string tail = std::string(kMarker) + std::to_string(ownProcessId()) + "-" + std::to_string(stamp) + "-" +
                             std::to_string(counter++);
    // A target whose own name is near the folder's limit still gets a scratch name that fits:
    // the target's part is cut, never the unique tail.
    const std::size_t room = NameLimit(target.parent_path()) - 1 - tail.size();
    return target.parent_path() / PathFromUtf8("." + CutUtf8(Utf8FromPath(target.filename()), room) + tail);
}

std::size_t NameLimit(const fs::path& folder) {
    constexpr std::size_t kCommonLimit = 255;  // bytes on Linux file systems, UTF-16 units on Windows
#ifdef _WIN32
    (void)folder;
    return kCommonLimit;
#else
    const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 64 && static_cast<unsigned long>(limit) < kCommonLimit ? static_cast<std::size_t>(limit)
                                                                          : kCommonLimit;
#endif
}

std::string CutUtf8(std::string text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // not inside a character
    text.resize(end);
    return text;
}

void RemoveStaleScratchFiles(const fs::path& folder) {
#ifdef _WIN32
    (void)folder;  // names are freed by the writer; a killed writer's file stays (no pid check here)
#else
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        long pid = 0;
        const std::string name = it->path().filename().string();
        std::error_code removeError;
        if (scratchWriter(name, pid) && isStale(it->path(), pid)) fs::remove(it->path(), removeError);
    }
#endif
}

}  // namespace corvane
