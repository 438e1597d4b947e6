// The method translation window driven by a person's steps: no figure it shows, charts or
// prints is ever infinite or not a number.
#include "fuzz/FuzzActions.h"
#include "translate/MethodTranslator.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::CalculatorWindow window{
        "translate", calc::TranslateCalculatorSteps(),
        [](testing::FakeHost& host) { MethodTranslator(host).run(); }};
    fuzz::RunSteps(window, data, size);
    return 0;
}
