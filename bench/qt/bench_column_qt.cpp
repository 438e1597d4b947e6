// A velocity-slider notification through the real column window: logic, widgets and repaint.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>
#include <fstream>

#include "column/ColumnCalculator.h"
#include "column/ColumnIds.h"
#include "resources/ResourceIds.h"
#include "ui/qt/AppSetup.h"
#include "ui/qt/DialogView.h"
#include "ui/qt/QtHost.h"

namespace veltrane {
namespace {

class FolderHost : public qt::QtHost {
public:
    std::filesystem::path folder;
    std::filesystem::path workFolder() override { return folder; }
};

void BM_VelocitySliderThroughQt(benchmark::State& state) {
    QTemporaryDir dir;
    FolderHost host;
    host.folder = std::filesystem::path(dir.path().toStdString());
    std::ofstream(host.folder / "gases.txt", std::ios::binary)
        << "Helium\r\n4.038e-07\r\n7.976e-05\r\n20\r\n40\r\n";
    std::ofstream(host.folder / "flow.cfg", std::ios::binary)
        << "[Pressure Units]\r\npsi\r\n\r\n[Outlet Pressure]\r\noth\r\n\r\n[Gas]\r\nHelium\r\n";
    host.setShownHook([&](qt::DialogView& view) {
        ui::Dialog& dialog = view.dialog();
        int position = 300;
        for (auto _ : state) {
            dialog.moveSlider(column::IDC_VELOCITY_SLIDER, position);
            QCoreApplication::processEvents();  // the widgets repaint
            position = position == 300 ? 301 : 300;
        }
        dialog.click(ui::IDCANCEL);
    });
    ColumnCalculator(host).run();
}
BENCHMARK(BM_VelocitySliderThroughQt)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace veltrane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    veltrane::qt::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
