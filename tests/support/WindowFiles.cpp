#include "tests/support/WindowFiles.h"

namespace veltrane::testing {

std::string SettingsFileText(const std::string& unit, const std::string& outlet,
                             const std::string& gas, const std::string& solvent,
                             const std::string& liner) {
    return "[Pressure Units]\r\n" + unit + "\r\n\r\n[Outlet Pressure]\r\n" + outlet +
           "\r\n\r\n[Gas]\r\n" + gas + "\r\n\r\n[Solvent]\r\n" + solvent + "\r\n\r\n[liner]\r\n" +
           liner + "\r\n";
}

void CopyShippedLists(const std::filesystem::path& folder) {
    for (const char* list : {"gases.txt", "solvents.txt", "liners.txt"})
        std::filesystem::copy_file(
            std::filesystem::path(VELTRANE_SOURCE_DIR) / "resources/lists" / list, folder / list,
            std::filesystem::copy_options::overwrite_existing);
}

}  // namespace veltrane::testing
