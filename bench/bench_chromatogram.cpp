// How long a predicted chromatogram takes: each compound of a phase eluted along a five-ramp
// program (the median per compound), and the whole window recomputed after one typed field.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "chromatogram/ChromatogramWindow.h"
#include "chromatogram/model/Diffusion.h"
#include "chromatogram/model/Elution.h"
#include "data/Compound.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"

namespace {

using namespace veltrane;
using namespace veltrane::chromatogram;
using Clock = std::chrono::steady_clock;

// The median time of one call, in microseconds, over batches of calls.
double MedianMicroseconds(const std::function<void()>& call, int calls) {
    constexpr int kBatches = 15;
    std::vector<double> samples;
    for (int b = 0; b < kBatches; ++b) {
        const auto start = Clock::now();
        for (int k = 0; k < calls; ++k) call();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                          calls);
    }
    std::nth_element(samples.begin(), samples.begin() + kBatches / 2, samples.end());
    return samples[kBatches / 2];
}

const char kFiveRamps[] =
    "rate1=12\r\nfinal1=100\r\nhold1=1\r\nrate2=8\r\nfinal2=150\r\nhold2=1\r\n"
    "rate3=6\r\nfinal3=200\r\nhold3=1\r\nrate4=4\r\nfinal4=250\r\nhold4=1\r\n"
    "rate5=2\r\nfinal5=300\r\nhold5=10\r\ncontrol=flow\r\nphase=FS5ms\r\n";

}  // namespace

int main() {
    Separation s;
    s.m_lengthM = 30;
    s.m_diameterMm = 0.25;
    s.m_filmUm = 0.25;
    s.m_outletPsiAbsolute = 14.696;
    s.m_gas = {4.038e-07, 7.976e-05};
    s.m_carrier = CarrierMolecule("Helium");
    s.m_control = InletControl::ConstantFlow;
    s.m_flowMlPerMin = 1.2;
    s.m_program = {40, 1, {{12, 100, 1}, {8, 150, 1}, {6, 200, 1}, {4, 250, 1}, {2, 300, 10}}};
    const OvenClock clock(s.m_program);
    // The 22 n-alkanes of the FS5ms set, each timed alone.
    std::vector<Solute> solutes;
    for (const Compound& c : CompoundsFromText(testing::ShippedList("compounds.txt")))
        if (c.m_phase == "FS5ms")
            solutes.push_back(
                {{c.CharTemperature(), c.CharTheta(), c.HeatCapacityChange(), c.Phi0()},
                 MoleculeOf(c.m_formula, c.Rings())});
    std::vector<double> each;
    double sink = 0;
    for (const Solute& solute : solutes)
        each.push_back(
            MedianMicroseconds([&] { sink += Elute(s, clock, solute).m_retentionS; }, 5));
    std::nth_element(each.begin(), each.begin() + static_cast<long>(each.size() / 2), each.end());

    double window = 0;
    testing::FakeHost host;
    host.layShippedLists();
    host.writeFile("chromatogram.cfg", kFiveRamps);
    host.expect(res::IDD_CHROMATOGRAM, [&](ui::Dialog& d) {
        bool longer = false;
        window = MedianMicroseconds(
            [&] {
                d.typeInto(IDC_LENGTH, (longer = !longer) ? "30.1" : "30.0");
                d.leave(IDC_LENGTH);
            },
            3);
    });
    ChromatogramWindow(host).run();
    std::printf("one compound eluted, five ramps, constant flow: %8.1f us (median of %zu)\n",
                each[each.size() / 2], each.size());
    std::printf("the window recomputed for %zu compounds:         %8.1f us (median)\n",
                solutes.size(), window);
    return sink == 12345 ? 1 : 0;
}
