// What every window fuzz target does with its input: lay it in a work folder as one of the
// program's files, beside the shipped lists, and open a window on it through the fake host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "plot/PlotWindow.h"
#include "resources/ResourceIds.h"
#include "tests/support/FakeHost.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/WindowFiles.h"
#include "ui/Dialog.h"
#include "vapor/VaporCalculator.h"
#include "vapor/VaporIds.h"

namespace veltrane::fuzz {

// A work folder with the shipped lists, flow.cfg as a window writes it, and file = input.
inline void LayFiles(testing::FakeHost& host, const char* file, const std::uint8_t* data,
                     std::size_t size) {
    host.layShippedLists();
    host.writeFile("flow.cfg", testing::SettingsFileText("psi", "oth", "Helium", "Acetone", "4"));
    host.writeFile(file, std::string(reinterpret_cast<const char*>(data), size));
}

// Picks every entry of a drop-down list in turn, as a person trying each would.
inline void PickEach(ui::Dialog& d, int list) {
    const int count = static_cast<int>(d.control(list).combo.items.size());
    for (int k = 0; k < count; ++k) d.selectEntry(list, k);
}

// The plot window's next opening paints and prints both scales.
inline void ExpectPlotDrawn(testing::FakeHost& host) {
    host.expect(res::IDD_PLOT, [](ui::Dialog& d) {
        for (const int scale : {plot::IDC_SCALE_FULL, plot::IDC_SCALE_TENTH}) {
            d.click(scale);
            testing::RecordingCanvas canvas;
            d.paint(canvas);
            d.click(plot::IDC_PRINT);
        }
    });
}

// A list of the vapor calculator (solvents or liners) through its window: the opening, every
// entry picked in turn, the printout.
inline void OpenVaporOnList(const char* file, int list, const std::uint8_t* data,
                            std::size_t size) {
    testing::FakeHost host;
    LayFiles(host, file, data, size);
    host.expect(res::IDD_VAPOR, [list](ui::Dialog& d) {
        PickEach(d, list);
        d.click(vapor::IDC_PRINT);
    });
    VaporCalculator(host).run();
}

}  // namespace veltrane::fuzz
