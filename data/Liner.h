// An inlet liner of liners.txt: volume and capacity limits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

struct Liner {
    std::string m_name;
    std::string m_volume;      // µl; the vapor model reads this text itself
    std::string m_lowerLimit;  // %
    std::string m_upperLimit;  // %

    int LowerLimit() const;
    int UpperLimit() const;
    bool IsEmpty() const;
};

inline constexpr const char* kLinersFileName = "liners.txt";
inline constexpr std::size_t kLinerCapacity = 100;
inline constexpr std::size_t kLinerFieldLimit = 11;

// The liners of liners.txt's text.
std::vector<Liner> LinersFromText(std::string_view text);

}  // namespace veltrane
