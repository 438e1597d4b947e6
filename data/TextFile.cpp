#include "data/TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "data/Cp1251.h"
#include "data/Text.h"

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

}  // namespace

TextLines SplitLines(std::string_view text) {
    TextLines result;
    while (!text.empty()) {
        const std::size_t lineFeed = text.find('\n');
        std::string_view line = text.substr(0, lineFeed);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.m_lines.emplace_back(line);
        if (lineFeed == std::string_view::npos) {
            result.m_endsWithLineBreak = false;
            break;
        }
        text.remove_prefix(lineFeed + 1);
    }
    return result;
}

std::string ReadTextFile(const std::filesystem::path& path, MissingFile missing) {
    // O_CREAT: opening a list or settings file for reading creates it when it is missing.
    int fd = missing == MissingFile::Create
                 ? ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)
                 : -1;
    if (fd < 0) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string bytes;
    char buffer[65536];
    bool truncated = false;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        const std::size_t room = kMaxTextFileBytes - bytes.size();
        if (static_cast<std::size_t>(got) > room) {
            bytes.append(buffer, room);
            truncated = true;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (truncated) {
        // A line cut by the limit is not a valid line; neither is a character cut in two.
        const std::size_t lastLineFeed = bytes.rfind('\n');
        bytes.resize(lastLineFeed == std::string::npos ? 0 : lastLineFeed + 1);
    }
    std::string_view view(bytes);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (view.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        view.remove_prefix(kByteOrderMark.size());
    }
    if (IsValidUtf8(view)) return std::string(view);
    return Cp1251ToUtf8(bytes);
}

TextLines ReadTextLines(const std::filesystem::path& path, MissingFile missing) {
    return SplitLines(ReadTextFile(path, missing));
}

bool WriteTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines,
                    Durability durability) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Utf8ToCp1251(line);
        bytes += "\r\n";
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    // A file that must survive a power cut is on disk before the rename makes it the file,
    // or the system could leave an empty file under the old name.
    const bool written =
        WriteAll(fd, bytes) && (durability == Durability::Scratch || ::fsync(fd) == 0);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace veltrane
