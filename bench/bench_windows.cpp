// How long the column window takes to answer one slider notification, and one Plot press.
#include <benchmark/benchmark.h>

#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/WindowFiles.h"

namespace veltrane {
namespace {

using namespace column;

constexpr const char* kGases = "Helium\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n";

// Opens the column window on a fake host with an Other outlet and runs body inside it.
void InColumnWindow(const std::function<void(ui::Dialog&)>& body) {
    testing::FakeHost host;
    host.writeFile("gases.txt", kGases);
    host.writeFile("flow.cfg", testing::SettingsFileText("psi", "oth", "Helium", "", ""));
    host.expect(res::IDD_COLUMN, body);
    ColumnCalculator(host).run();
}

// The longest chain: the velocity is solved by search against an outlet above vacuum, then
// flow, hold-up time, split and inlet flow follow.
void BM_VelocitySliderWithOtherOutlet(benchmark::State& state) {
    InColumnWindow([&](ui::Dialog& d) {
        int position = 300;
        for (auto _ : state) {
            d.moveSlider(IDC_VELOCITY_SLIDER, position);
            position = position == 300 ? 301 : 300;
        }
    });
}
BENCHMARK(BM_VelocitySliderWithOtherOutlet)->Unit(benchmark::kMicrosecond);

// Plot pressed: the curve computed, plot.xy written, and read back by the plot window.
void BM_PlotPress(benchmark::State& state) {
    InColumnWindow([&](ui::Dialog& d) {
        for (auto _ : state) d.click(IDC_PLOT);
    });
}
BENCHMARK(BM_PlotPress)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltrane
