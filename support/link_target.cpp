#include "support/link_target.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr int kMaxLinks = 40;  // the kernel's own limit for one path

fs::path folderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

#ifndef _WIN32
// Another user's link in /tmp may point anywhere, root's own secrets included.
bool isPlantedLink(const fs::path& link, const struct stat& linkInfo) {
    struct stat folder {};
    if (::stat(folderOf(link).c_str(), &folder) != 0) return false;
    const bool sharedSticky = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return sharedSticky && linkInfo.st_uid != folder.st_uid && linkInfo.st_uid != ::geteuid();
}
#endif

}  // namespace

bool ResolveLinkTarget(const fs::path& path, fs::path& target, std::string& reason) {
    target = path;
    for (int links = 0;; ++links) {
#ifdef _WIN32
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) return true;
#else
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno == ENOENT) return true;  // a new file
            reason = std::strerror(errno);
            return false;
        }
        if (!S_ISLNK(info.st_mode)) return true;
        if (isPlantedLink(target, info)) {
            reason = "is another user's link in a shared folder; it is not followed";
            return false;
        }
#endif
        if (links == kMaxLinks) {
            reason = "is a link that leads in a circle (or through too many links)";
            return false;
        }
        std::error_code readError;
        const fs::path next = fs::read_symlink(target, readError);
        if (readError) {
            reason = "the link cannot be read (" + readError.message() + ")";
            return false;
        }
        target = next.is_absolute() ? next : folderOf(target) / next;
    }
}

}  // namespace corvane
