// liners.txt through the vapor calculator: opening, every liner picked, the printout.
#include "fuzz/FuzzWindows.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    fuzz::LayFiles(host, "liners.txt", data, size);
    host.expect(res::IDD_VAPOR, [](ui::Dialog& d) {
        fuzz::PickEach(d, vapor::IDC_LINER_LIST);
        d.click(vapor::IDC_PRINT);
    });
    VaporCalculator(host).run();
    return 0;
}
