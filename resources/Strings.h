// The string table: texts the windows load by id (menu item, tool tips, about-box formats).
#pragma once

#include <string>

namespace veltrane::res {

constexpr int IDS_ABOUTBOX = 101;
constexpr int CG_IDS_PHYSICAL_MEM = 116;
constexpr int CG_IDS_DISK_SPACE = 117;
constexpr int CG_IDS_DISK_SPACE_UNAVAIL = 118;

// The text of a string resource in the language of the windows; empty when there is none.
std::string LoadString(int id);

}  // namespace veltrane::res
