// plot.xy through the plot window: its opening, its drawing and its printout on both scales.
#include "fuzz/FuzzWindows.h"
#include "plot/PlotFile.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    host.writeFile("plot.xy", std::string(reinterpret_cast<const char*>(data), size));
    fuzz::ExpectPlotDrawn(host);
    PlotWindow(host).run(PlotDataFromText(host.readWorkFile(kPlotFileName)));
    return 0;
}
