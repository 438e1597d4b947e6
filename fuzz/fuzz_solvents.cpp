// solvents.txt through the vapor calculator: opening, every solvent picked, the printout.
#include "fuzz/FuzzWindows.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::OpenVaporOnList("solvents.txt", vapor::IDC_SOLVENT_LIST, data, size);
    return 0;
}
