// The system facts as Windows gives them.
#include <windows.h>

#include "ui/SystemInfo.h"

namespace veltrane::ui {

std::optional<std::uint64_t> FreePhysicalMemory() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
    return status.ullAvailPhys;
}

std::optional<std::uint64_t> FreeDiskSpace(const std::filesystem::path& folder) {
    ULARGE_INTEGER freeToUser{};
    if (!GetDiskFreeSpaceExW(folder.c_str(), &freeToUser, nullptr, nullptr)) return std::nullopt;
    return freeToUser.QuadPart;
}

}  // namespace veltrane::ui
