#include "data/Liner.h"

#include "data/ListFile.h"
#include "data/Numbers.h"

namespace veltrane {

int Liner::LowerLimit() const {
    return ReadInteger(m_lowerLimit);
}
int Liner::UpperLimit() const {
    return ReadInteger(m_upperLimit);
}

bool Liner::IsEmpty() const {
    return m_name.empty() && m_volume.empty() && m_lowerLimit.empty() && m_upperLimit.empty();
}

std::vector<Liner> LinersFromText(std::string_view text) {
    std::vector<Liner> liners;
    for (ListRecord& r : ReadListRecords(text, {3, kLinerFieldLimit, kLinerCapacity})) {
        liners.push_back({std::move(r.m_name), std::move(r.m_fields[0]), std::move(r.m_fields[1]),
                          std::move(r.m_fields[2])});
    }
    return liners;
}

}  // namespace veltrane
