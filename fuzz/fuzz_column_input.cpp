// The column calculator driven by a person's steps: no figure it shows, paints or prints, nor its
// plot window, is ever infinite or not a number.
#include "column/ColumnCalculator.h"
#include "fuzz/FuzzActions.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::CalculatorWindow window{
        "column", calc::ColumnCalculatorSteps(),
        [](testing::FakeHost& host) { ColumnCalculator(host).run(); }};
    fuzz::RunSteps(window, data, size);
    return 0;
}
