// Reading and safely replacing files on Windows: UTF-16 paths at every call, no ANSI calls.
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "data/DiskFiles.h"

namespace veltrane {
namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

// A handle closed however the function that holds it ends.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(); }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(m_handle) != 0;
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

// Whether a name holds something a save may not replace: a folder, a link or other reparse
// point, or a file marked read-only (which refuses a save whoever runs the program).
bool Untouchable(DWORD attributes) {
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                         FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A new, empty file of a unique name beside target, opened for writing and shared with nobody;
// INVALID_HANDLE_VALUE when none could be created.
HANDLE CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& name) {
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> letter(0, std::size(kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::wstring suffix = L".";
        for (int k = 0; k < 8; ++k) suffix += kLetters[letter(random)];
        name = target;
        name += suffix + L".tmp";
        const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, MissingFile missing) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == kNoAttributes) {
        const DWORD error = GetLastError();
        if ((error == ERROR_FILE_NOT_FOUND) && missing == MissingFile::Create) {
            Handle created(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        }
        return std::nullopt;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return std::nullopt;
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A name such as NUL or COM1 opens a device, never a file on disk.
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= kMaxTextFileBytes) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, std::min<std::size_t>(got, kMaxTextFileBytes + 1 - bytes.size()));
    }
    return bytes;
}

bool SaveFileSafely(const std::filesystem::path& target, std::string_view bytes,
                    Durability durability) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != kNoAttributes && Untouchable(attributes)) return false;
    if (attributes == kNoAttributes && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    std::filesystem::path temporary;
    Handle file(CreateTemporaryBeside(target, temporary));
    if (!file.valid()) return false;
    // A file that must survive a power cut is on disk before it takes the old one's place.
    bool ok = WriteAll(file.get(), bytes) &&
              (durability == Durability::Scratch || FlushFileBuffers(file.get()));
    ok = file.close() && ok;
    const DWORD how = MOVEFILE_REPLACE_EXISTING |
                      (durability == Durability::Flushed ? MOVEFILE_WRITE_THROUGH : 0);
    if (!ok || !MoveFileExW(temporary.c_str(), target.c_str(), how)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace veltrane
