#include "data/ListFile.h"

#include <algorithm>

#include "data/Text.h"
#include "data/TextFile.h"

namespace veltrane {

bool ListRecord::IsEmpty() const {
    return m_name.empty() &&
           std::all_of(m_fields.begin(), m_fields.end(), [](const auto& f) { return f.empty(); });
}

std::vector<ListRecord> ReadListRecords(std::string_view text, const ListFormat& format) {
    const TextLines lines = SplitLines(text);
    std::size_t next = 0;
    // Reading past the last line gives empty lines, so a record cut short by the end of the
    // file still has all its fields.
    auto readLine = [&](std::size_t limit) -> std::string {
        if (next >= lines.m_lines.size()) return {};
        return FirstChars(lines.m_lines[next++], limit);
    };
    std::vector<ListRecord> records;
    while (records.size() < format.m_capacity && next < lines.m_lines.size()) {
        std::string name = readLine(kNameLineLimit);
        if (name.find('#') != std::string::npos) continue;
        ListRecord record;
        record.m_name = FirstChars(name, kNameLimit);
        record.m_fields.reserve(format.m_fieldCount);
        for (std::size_t i = 0; i < format.m_fieldCount; ++i) {
            record.m_fields.push_back(readLine(format.m_fieldLimit));
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace veltrane
