// The plot on one printer page, in black: texts, frame, grid, hatched band and curve.
#pragma once

#include "plot/PlotData.h"
#include "ui/Canvas.h"
#include "ui/Host.h"
#include "ui/Printing.h"

namespace veltrane {

inline const ui::Printout kPlotPrintout{"Orvanex Veltrane Plot", "plot.pdf"};

// Asks for a printer and prints the page; a cancelled dialog prints nothing.
void PrintPlot(ui::Host& host, const PlotData& data, PlotScale scale);

// The page itself, in printer pixels: a 1500 × 1000 frame at (580,500), 5 pixels per cm/s.
void DrawPlotPage(ui::Canvas& page, const PlotData& data, PlotScale scale);

}  // namespace veltrane
