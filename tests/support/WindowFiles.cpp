#include "tests/support/WindowFiles.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace veltrane::testing {

std::string SettingsFileText(const std::string& unit, const std::string& outlet,
                             const std::string& gas, const std::string& solvent,
                             const std::string& liner) {
    return "[Pressure Units]\r\n" + unit + "\r\n\r\n[Outlet Pressure]\r\n" + outlet +
           "\r\n\r\n[Gas]\r\n" + gas + "\r\n\r\n[Solvent]\r\n" + solvent + "\r\n\r\n[liner]\r\n" +
           liner + "\r\n";
}

std::string ShippedList(const std::string& name) {
    // Read once: the fuzz targets lay the lists for every input.
    static std::map<std::string, std::string> read;
    if (const auto found = read.find(name); found != read.end()) return found->second;
    std::ifstream in(std::filesystem::path(VELTRANE_SOURCE_DIR) / "resources/lists" / name,
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) throw std::runtime_error("cannot read " + name);
    return read[name] = bytes.str();
}

// Through streams, not std::filesystem::copy_file: the streams retry a read or write that a
// signal interrupts (the fuzzer's timer fires every few seconds), copy_file gives up on EINTR.
void CopyShippedLists(const std::filesystem::path& folder) {
    for (const char* list : kShippedLists) {
        std::ofstream out(folder / list, std::ios::binary | std::ios::trunc);
        out << ShippedList(list);
        if (!out.flush()) throw std::runtime_error(std::string("cannot copy ") + list);
    }
}

}  // namespace veltrane::testing
