// gases.txt through the column calculator: opening, every gas picked, the plot and printouts.
#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "fuzz/FuzzWindows.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    fuzz::LayFiles(host, "gases.txt", data, size);
    fuzz::ExpectPlotDrawn(host);
    host.expect(res::IDD_COLUMN, [](ui::Dialog& d) {
        fuzz::PickEach(d, column::IDC_GAS_LIST);
        d.click(column::IDC_PRINT);
        d.click(column::IDC_PLOT);
    });
    ColumnCalculator(host).run();
    return 0;
}
