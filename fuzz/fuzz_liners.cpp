// liners.txt through the vapor calculator: opening, every liner picked, the printout.
#include "fuzz/FuzzWindows.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::OpenVaporOnList("liners.txt", vapor::IDC_LINER_LIST, data, size);
    return 0;
}
