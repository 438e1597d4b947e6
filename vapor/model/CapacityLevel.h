// How full the liner is: the lamp the vapor window lights.
#pragma once

namespace veltrane {

enum class CapacityLevel { Normal, Caution, Overload };

}  // namespace veltrane
