#include "support/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "support/file_utils.h"
#include "support/link_target.h"
#include "support/scratch_file_name.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

namespace fs = std::filesystem;

namespace {

bool fail(FileError* error, const std::string& path, const std::string& reason) {
    if (error) *error = FileError{path, reason};
    return false;
}

fs::path folderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

#ifdef _WIN32

bool writeResolved(const std::string& path, const fs::path& target, std::string_view bytes, FileError* error) {
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    if (replacing && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return fail(error, path, "is read-only; it was not replaced");
    }
    if (!fs::is_directory(folderOf(target), ec)) return fail(error, path, "the folder does not exist");
    const fs::path temp = ScratchFileNameBeside(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return fail(error, path, std::string("cannot create a file in its folder (") + std::strerror(errno) + ")");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return fail(error, path, "writing failed (disk full?)");
        }
    }
    // The bytes reach the disk before the name points at them.
    const int fd = ::_wopen(temp.c_str(), _O_RDWR | _O_BINARY);
    const bool synced = fd >= 0 && ::_commit(fd) == 0;
    if (fd >= 0) ::_close(fd);
    if (!synced) {
        fs::remove(temp, ec);
        return fail(error, path, "writing failed (the data could not be synced to disk)");
    }
    // Write-through: the new name is on disk too when the move returns.
    if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const std::string reason = std::system_category().message(static_cast<int>(::GetLastError()));
        fs::remove(temp, ec);
        return fail(error, path, "cannot replace the file (" + reason + ")");
    }
    return true;
}

#else

std::string systemReason() { return std::strerror(errno); }

bool writeAll(int fd, std::string_view bytes, off_t offset = 0) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool syncData(int fd) {
#if defined(__APPLE__)
    return ::fsync(fd) == 0;
#else
    return ::fdatasync(fd) == 0;
#endif
}

// Some file systems cannot sync a folder at all (they answer EINVAL); on them the entry is as
// safe as they make it.
bool syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int code = errno;
    ::close(fd);
    errno = code;
    return synced;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// A file that cannot keep its owner when replaced is rewritten where it is: the bytes go over
// the old ones and the file is cut to their length. Space is reserved first, so a full disk
// fails before anything is overwritten.
bool writeInPlace(const std::string& path, const fs::path& target, const struct stat& old, std::string_view bytes,
                  FileError* error) {
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat now {};
    if (fd.get() < 0 || ::fstat(fd.get(), &now) != 0)
        return fail(error, path, "cannot be opened for writing (" + systemReason() + ")");
    if (now.st_dev != old.st_dev || now.st_ino != old.st_ino) return fail(error, path, "was replaced while saving");
#ifdef __linux__
    if (!bytes.empty() && ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        return fail(error, path, "writing failed (" + systemReason() + ")");
    }
#endif
    if (!writeAll(fd.get(), bytes) || ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(fd.get()) != 0) {
        return fail(error, path, "writing failed (" + systemReason() + "); the backup holds the old content");
    }
    return true;
}

// An unnamed file in the folder (Linux), so that a killed program leaves nothing behind; else a
// named scratch file. `temp` is empty for an unnamed one.
int openScratchFile(const fs::path& target, fs::path& temp) {
#ifdef O_TMPFILE
    // The name is given through /proc; without it the file could not be named at all.
    const int fd = ::access("/proc/self/fd", X_OK) == 0
                       ? ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                       : -1;
    if (fd >= 0) {
        temp.clear();
        return fd;
    }
#endif
    temp = ScratchFileNameBeside(target);
    return ::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0666);
}

// Gives an unnamed file its scratch name, the last step before the rename.
bool nameScratchFile(int fd, const fs::path& target, fs::path& temp) {
    if (!temp.empty()) return true;
    temp = ScratchFileNameBeside(target);
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// The new file takes the old one's owner, group and mode: a group-shared script stays shared.
// False when the system does not let us give it that owner.
bool keepOwnerAndMode(int fd, const struct stat& old) {
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    if (::fchmod(fd, old.st_mode & 07777) == 0) return true;
    // Some file systems (FAT, mounted Windows drives) give every file the same mode and refuse chmod.
    struct stat now {};
    return ::fstat(fd, &now) == 0 && (now.st_mode & 07777) == (old.st_mode & 07777);
}

bool writeResolved(const std::string& path, const fs::path& target, std::string_view bytes, FileError* error) {
    struct stat old {};
    const bool replacing = ::lstat(target.c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return fail(error, path, systemReason());
    if (replacing && S_ISDIR(old.st_mode)) return fail(error, path, "is a folder, not a file");
    if (replacing && !S_ISREG(old.st_mode)) return fail(error, path, "is not a regular file");
    // Root may write anything; a file nobody may write is still meant to stay as it is.
    if (replacing && ((old.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)) {
        return fail(error, path, "is read-only; it was not replaced");
    }
    struct stat folder {};
    if (::stat(folderOf(target).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        return fail(error, path, "the folder does not exist");
    }
    RemoveStaleScratchFiles(folderOf(target));
    fs::path temp;
    FileDescriptor fd(openScratchFile(target, temp));
    if (fd.get() < 0) return fail(error, path, "cannot create a file in its folder (" + systemReason() + ")");
    const auto discard = [&](const std::string& reason) {
        fd.reset();
        if (!temp.empty()) ::unlink(temp.c_str());
        return fail(error, path, reason);
    };
    if (!writeAll(fd.get(), bytes)) return discard("writing failed (" + systemReason() + ")");
    if (replacing && !keepOwnerAndMode(fd.get(), old)) {
        fd.reset();
        if (!temp.empty()) ::unlink(temp.c_str());
        return writeInPlace(path, target, old, bytes, error);
    }
    // The bytes reach the disk before the name points at them, and the folder's new entry after:
    // success means the new content survives a power cut.
    if (!syncData(fd.get())) return discard("writing failed (" + systemReason() + ")");
    if (!nameScratchFile(fd.get(), target, temp))
        return discard("cannot create a file in its folder (" + systemReason() + ")");
    if (::rename(temp.c_str(), target.c_str()) != 0) return discard("cannot replace the file (" + systemReason() + ")");
    if (!syncFolder(folderOf(target))) {
        return fail(error, path, "was replaced, but its folder could not be synced to disk (" + systemReason() + ")");
    }
    return true;
}

#endif

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, FileError* error) {
    if (path.empty()) return fail(error, path, "no file name given");
    fs::path target;
    std::string reason;
    // Write through a link to the file it names, so that the link stays a link.
    if (!ResolveLinkTarget(PathFromUtf8(path), target, reason)) return fail(error, path, reason);
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(target, ec))) return fail(error, path, "is a folder, not a file");
    return writeResolved(path, target, bytes, error);
}

bool CopyFileAtomically(const std::string& from, const std::string& to, FileError* error) {
    std::string bytes;
    std::string reason;
    if (!ReadWholeFile(from, bytes, &reason)) return fail(error, from, "cannot read the file (" + reason + ")");
    return WriteFileAtomically(to, bytes, error);
}

}  // namespace corvane
