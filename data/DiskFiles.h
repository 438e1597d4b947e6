// Files on disk as the system gives them: reading only regular files, and replacing a file
// safely. One implementation for each system (DiskFilesPosix.cpp, DiskFilesWindows.cpp).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltrane {

// Anything beyond this is not one of our files; only the lines before it are read.
inline constexpr std::size_t kMaxTextFileBytes = 4 * 1024 * 1024;

// Whether reading a file that does not exist creates it, empty, as the windows do.
enum class MissingFile { Create, ReadAsEmpty };

// A file the user's choices live in is flushed to disk before it replaces the old one, and
// its folder after; a scratch file, made anew whenever it is needed, is not.
enum class Durability { Flushed, Scratch };

// A file's bytes, at most one past kMaxTextFileBytes. Only a regular file, or a symlink to
// one, is read; anything else (a folder, a FIFO, a device) reads as nothing at once and is
// never waited on. A missing file is created empty as a regular file where the path names it
// (never through a dangling symlink, which is left alone). A read that fails part-way (an I/O
// error, not the end of the file) reads as nothing.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, MissingFile missing);

// Writes the bytes into a new file of a unique name beside the target, then renames it over
// the target, so a reader sees the whole old or the whole new file and two writers never share
// a file. When the target is a symlink, the file it points to is replaced and the link stays
// (on Windows a link, or any reparse point, is refused). Returns false when the file could not
// be written, or when the target exists and the user may not write it (a read-only flow.cfg)
// or is no regular file; the old file is then left as it was and no temporary file stays
// behind. The temporary file is the owner's alone until it has the mode of the file it
// replaces. Once the rename has replaced the file the save has succeeded, whether or not the
// folder could be synced afterwards.
bool SaveFileSafely(const std::filesystem::path& path, std::string_view bytes,
                    Durability durability);

// A path from the program's UTF-8 text: on Windows a std::string path would be read in the
// ANSI code page, and a folder named in Cyrillic would not be found.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A path as the program's UTF-8 text, for a message.
inline std::string Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace veltrane
