// The system facts as Linux gives them.
#include <sys/statvfs.h>

#include <fstream>
#include <sstream>

#include "ui/SystemInfo.h"

namespace veltrane::ui {

std::optional<std::uint64_t> FreePhysicalMemory() {
    std::ifstream file("/proc/meminfo");
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return MemAvailableFrom(text.str());
}

std::optional<std::uint64_t> FreeDiskSpace(const std::filesystem::path& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bavail) * static_cast<std::uint64_t>(info.f_frsize);
}

}  // namespace veltrane::ui
