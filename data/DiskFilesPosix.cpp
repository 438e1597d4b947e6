// Reading and safely replacing files on a POSIX system.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "data/DiskFiles.h"

namespace veltrane {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// An open file's bytes, up to one byte past kMaxTextFileBytes (enough to know it is longer).
// Nothing when a read fails part-way: a cut-off settings file or list would pass for a whole one.
std::optional<std::string> ReadCapped(int fd) {
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= kMaxTextFileBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer,
                     std::min(static_cast<std::size_t>(got), kMaxTextFileBytes + 1 - bytes.size()));
    }
    return bytes;
}

// The file a save replaces: the path itself, or the end of the chain of symlinks it starts
// (which may not exist yet). Nothing when the chain does not end.
std::optional<std::filesystem::path> SaveTarget(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

// Creates a new, empty file of a unique name beside target, never through a symlink; -1 when
// none could be created. The name is returned in `name`.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& name) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = ".";
        for (int k = 0; k < 8; ++k) suffix += kLetters[letter(random)];
        name = target;
        name += suffix + ".tmp";
        // Private until it is whole and carries its final mode: nobody else can open it meanwhile.
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process's file creation mask, read without changing it (umask() would, for a moment, for
// every thread).
mode_t CurrentUmask() {
    std::FILE* status = std::fopen("/proc/self/status", "re");
    unsigned mask = 022;
    if (status) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &mask) == 1) break;
        std::fclose(status);
    }
    return static_cast<mode_t>(mask);
}

// Puts the folder's entries, and so a rename into it, on disk. Only worth trying: a folder
// that cannot be opened (no read permission) or a file system that cannot sync one (EINVAL)
// keeps the rename all the same, as long as the system keeps running.
void SyncFolderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, MissingFile missing) {
    // Only a regular file is opened at all: opening a device may act on it, and a FIFO would
    // wait for a writer. O_NONBLOCK keeps the open from waiting should one replace the file
    // between the look and the open; the descriptor is checked again before reading.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT && missing == MissingFile::Create) {
            // O_EXCL fails on any name that exists, a dangling symlink included.
            const int fd =
                ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd >= 0) ::close(fd);
        }
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) bytes = ReadCapped(fd);
    ::close(fd);
    return bytes;
}

bool SaveFileSafely(const std::filesystem::path& path, std::string_view bytes,
                    Durability durability) {
    const std::optional<std::filesystem::path> target = SaveTarget(path);
    if (!target) return false;
    // The rename below needs only the folder's permission; a file the user made read-only
    // must stay as it is, as a plain write would have failed on it. (Root may write anyway.)
    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (replacing && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return false;
    std::filesystem::path temporary;
    const int fd = CreateTemporaryBeside(*target, temporary);
    if (fd < 0) return false;
    // The new file keeps the permissions of the one it replaces; a new one gets what a plain
    // create would have given it.
    bool ok = ::fchmod(fd, replacing ? old.st_mode & 07777 : 0644 & ~CurrentUmask()) == 0;
    // A file that must survive a power cut is on disk before the rename makes it the file,
    // or the system could leave an empty file under the old name.
    ok = ok && WriteAll(fd, bytes) && (durability == Durability::Scratch || ::fsync(fd) == 0);
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temporary.c_str(), target->c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename has replaced the file: the save is done, whatever the folder's sync says, and
    // saying otherwise would tell the user the file was not written when it was. The rename
    // itself is on disk only once the folder is, so that is still asked for.
    if (durability == Durability::Flushed) SyncFolderOf(*target);
    return true;
}

}  // namespace veltrane
