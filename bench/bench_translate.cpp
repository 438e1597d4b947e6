// How long the method translation window takes to recompute every output after one typed field
// (five ramps, constant flow), against the bare model calls that recompute makes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "translate/MethodTranslator.h"

namespace {

using namespace veltrane;
using namespace veltrane::translate;
using Clock = std::chrono::steady_clock;

// The median time of one call, in microseconds, over batches of calls.
double MedianMicroseconds(const std::function<void()>& call) {
    constexpr int kBatches = 31, kCalls = 50;
    std::vector<double> samples;
    for (int b = 0; b < kBatches; ++b) {
        const auto start = Clock::now();
        for (int k = 0; k < kCalls; ++k) call();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                          kCalls);
    }
    std::nth_element(samples.begin(), samples.begin() + kBatches / 2, samples.end());
    return samples[kBatches / 2];
}

}  // namespace

int main() {
    const MethodColumn original{{4.038e-07, 7.976e-05}, 30, 0.25, 14.696};
    const MethodColumn translated{{1.847e-07, 3.474e-05}, 20, 0.18, 14.696};
    const OvenProgram program{
        40, 1, {{12, 100, 1}, {8, 150, 1}, {6, 200, 1}, {4, 250, 1}, {2, 280, 10}}};
    double sink = 0;
    // What one recompute asks of the model: each carrier solved at the start, both hold-up
    // times there and at the last temperature, the program translated and timed.
    const double model = MedianMicroseconds([&] {
        const CarrierSetting flow{CarrierControl::ConstantFlow, 1.2};
        const double t = HoldUpAt(original, flow, 40).m_minutes;
        const auto inlet = InletPressureForVelocity(translated, 40, VelocityForHoldUp(20, t / 2));
        const ColumnConditions c = ConditionsAt(
            translated, {CarrierControl::ConstantPressure, inlet.solved() ? inlet.psi() : 0}, 40);
        const CarrierSetting newFlow{CarrierControl::ConstantFlow, OutletFlow(c)};
        const double g = HoldUpAt(translated, newFlow, 40).m_minutes / t;
        sink +=
            HoldUpAt(translated, newFlow, 280).m_minutes / HoldUpAt(original, flow, 280).m_minutes;
        sink += RunTime(Translated(program, g)) + AverageVelocity(c);
    });

    double window = 0;
    testing::FakeHost host;
    host.layShippedLists();
    host.writeFile("translate.cfg",
                   "rate1=12\r\nfinal1=100\r\nhold1=1\r\nrate2=8\r\nfinal2=150\r\nhold2=1\r\n"
                   "rate3=6\r\nfinal3=200\r\nhold3=1\r\nrate4=4\r\nfinal4=250\r\nhold4=1\r\n"
                   "rate5=2\r\nfinal5=280\r\nhold5=10\r\ncontrol=flow\r\n");
    host.expect(res::IDD_TRANSLATE, [&](ui::Dialog& d) {
        bool longer = false;
        window = MedianMicroseconds([&] {
            d.typeInto(kOriginal.length, (longer = !longer) ? "30.1" : "30.0");
            d.leave(kOriginal.length);
        });
    });
    MethodTranslator(host).run();
    std::printf("translation window, one typed field: %8.2f us (median)\n", window);
    std::printf("the model calls it makes:            %8.2f us (median)\n", model);
    std::printf("window / model:                      %8.1f\n", window / model);
    return sink == 12345 ? 1 : 0;
}
