// The files a calculator window reads, as tests lay them in a work folder.
#pragma once

#include <filesystem>
#include <string>

namespace veltrane::testing {

// flow.cfg as a calculator writes it, with the values given.
std::string SettingsFileText(const std::string& unit, const std::string& outlet,
                             const std::string& gas, const std::string& solvent,
                             const std::string& liner);

inline constexpr const char* kShippedLists[] = {"gases.txt", "solvents.txt", "liners.txt",
                                                "compounds.txt"};

// The bytes of one of the shipped lists.
std::string ShippedList(const std::string& name);

// Copies the shipped gases.txt, solvents.txt and liners.txt into a folder.
void CopyShippedLists(const std::filesystem::path& folder);

}  // namespace veltrane::testing
