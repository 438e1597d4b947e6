// translate.cfg through the method translation window: the opening, every goal, the chart and
// the printout, and OK. What a window saved, it opens to and saves again unchanged.
#include "fuzz/FuzzWindows.h"
#include "translate/MethodTranslator.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    fuzz::LayFiles(host, "translate.cfg", data, size);
    host.expect(res::IDD_TRANSLATE, [](ui::Dialog& d) {
        for (int goal : {translate::IDC_GOAL_TIMES, translate::IDC_GOAL_OPTIMUM,
                         translate::IDC_GOAL_SET, translate::IDC_GOAL_FASTER}) {
            d.click(goal);
            testing::RecordingCanvas canvas;
            d.paint(canvas);
        }
        d.click(translate::IDC_PRINT);
        d.click(ui::IDOK);
    });
    MethodTranslator(host).run();
    const std::string saved = host.readFile("translate.cfg");
    host.expect(res::IDD_TRANSLATE, [](ui::Dialog& d) { d.click(ui::IDOK); });
    MethodTranslator(host).run();
    fuzz::Check(host.readFile("translate.cfg") == saved);
    return 0;
}
