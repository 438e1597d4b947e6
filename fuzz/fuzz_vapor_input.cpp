// The vapor volume calculator driven by a person's steps: no figure it shows or prints is ever
// infinite or not a number.
#include "fuzz/FuzzActions.h"
#include "vapor/VaporCalculator.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::CalculatorWindow window{
        "vapor", calc::VaporCalculatorSteps(),
        [](testing::FakeHost& host) { VaporCalculator(host).run(); }};
    fuzz::RunSteps(window, data, size);
    return 0;
}
