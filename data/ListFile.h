// Reading the list files (gases, solvents, liners): records of a name line and field lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// The longest line read where a name is expected, and the longest name kept of it.
inline constexpr std::size_t kNameLineLimit = 79;
inline constexpr std::size_t kNameLimit = 39;

struct ListFormat {
    std::size_t m_fieldCount;  // field lines after each name line
    std::size_t m_fieldLimit;  // characters kept of a field line
    std::size_t m_capacity;    // records read at most
};

// One record as read: every text as the file gives it, cut to its limit.
struct ListRecord {
    std::string m_name;
    std::vector<std::string> m_fields;

    bool IsEmpty() const;
};

// Reads records from text. A line holding "#" where a name is expected is a comment; in a
// field position it is field content. A line longer than its limit is cut there and the
// rest of that line dropped, so an over-long line never shifts the lines after it. Missing
// field lines at the end of the text read as empty.
std::vector<ListRecord> ReadListRecords(std::string_view text, const ListFormat& format);

// How many of the records a drop-down list offers: all but the empty records at the end,
// which a final line break or trailing blank lines leave behind. The entries offered are the
// first ones, so an entry's index is its record's index.
template <typename Record>
std::size_t OfferedCount(const std::vector<Record>& records) {
    std::size_t count = records.size();
    while (count > 0 && records[count - 1].IsEmpty()) --count;
    return count;
}

}  // namespace veltrane
