// The system facts the about box shows: free memory and free disk space (SystemInfoPosix.cpp,
// SystemInfoWindows.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace veltrane::ui {

// The "MemAvailable:" line of a /proc/meminfo text, in bytes; empty when there is none.
std::optional<std::uint64_t> MemAvailableFrom(std::string_view meminfo);

// Memory the system can give without swapping, in bytes (on Linux /proc/meminfo's
// MemAvailable).
std::optional<std::uint64_t> FreePhysicalMemory();

// Bytes an ordinary user may still write on the file system holding the folder.
std::optional<std::uint64_t> FreeDiskSpace(const std::filesystem::path& folder);

}  // namespace veltrane::ui
