#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "ui/SystemInfo.h"

namespace veltrane {
namespace {

struct MeminfoRow {
    const char* text;
    std::optional<std::uint64_t> bytes;
};

TEST(SystemInfo, MemAvailableIsReadFromItsOwnLine) {
    const MeminfoRow rows[] = {
        {"MemTotal:       16000 kB\nMemFree:  100 kB\nMemAvailable:    2048 kB\n", 2048u * 1024},
        {"MemAvailable:\t1 kB", 1024u},
        {"MemTotal: 5 kB\nMemFree: 3 kB\n", std::nullopt},
        {"MemAvailable: lots\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const MeminfoRow& row : rows) EXPECT_EQ(ui::MemAvailableFrom(row.text), row.bytes);
}

}  // namespace
}  // namespace veltrane
