#include "resources/Strings.h"

#include <map>

#include "data/Translation.h"

namespace veltrane::res {

std::string LoadString(int id) {
    static const std::map<int, std::string> kTable{
        {IDS_ABOUTBOX, N_("&О потоковом калькуляторе...")},
        {115, "Colored region indicates optimum range of carrier gas velocity"},
        {CG_IDS_PHYSICAL_MEM, "%lu KB"},
        {CG_IDS_DISK_SPACE, "%lu KB Free on %c:"},
        {CG_IDS_DISK_SPACE_UNAVAIL, "Unavailable"},
        // Column calculator tool tips.
        {1067, "Adds or removes carrier gases from  the drop-down list"},
        {1120, "Controls temperature of column/carrier gas"},
        {1126, "Controls inner diameter of column"},
        {1127, "Controls length of column"},
        // Vapor calculator tool tips.
        {1040, "Adds or removes solvents from the drop-down list"},
        {1057, "Adds or removes inlet liners  from  the drop-down list"},
        {1112, "Displays vapor volume as a percentage of liner capacity"},
        {1119, "Controls the solvent injection size"},
        {1121, "Controls the pressure of the vapor at the inlet"},
        {1150, "Controls the temperature of the vapor at the inlet"},
    };
    auto it = kTable.find(id);
    return it == kTable.end() ? std::string() : Translate(it->second);
}

}  // namespace veltrane::res
