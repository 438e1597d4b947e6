#include "ui/SystemInfo.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace veltrane::ui {

std::optional<std::uint64_t> MemAvailableFrom(std::string_view meminfo) {
    constexpr std::string_view kKey = "MemAvailable:";
    std::size_t at = 0;
    while (at < meminfo.size()) {
        const std::size_t end = std::min(meminfo.find('\n', at), meminfo.size());
        std::string_view line = meminfo.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(kKey)) continue;
        line.remove_prefix(kKey.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        std::uint64_t kilobytes = 0;
        const auto [rest, error] =
            std::from_chars(line.data(), line.data() + line.size(), kilobytes);
        if (error != std::errc() || rest == line.data()) return std::nullopt;
        return kilobytes * 1024;
    }
    return std::nullopt;
}

}  // namespace veltrane::ui
