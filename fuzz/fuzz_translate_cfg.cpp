// translate.cfg through the method translation window: the opening, every goal, the chart and
// the printout, and OK. What a window saved, it opens to and saves again unchanged, and no
// figure it shows, charts or prints is ever infinite or not a number.
#include "data/Text.h"
#include "fuzz/FuzzWindows.h"
#include "translate/MethodTranslator.h"

using namespace veltrane;

namespace {

// Fails, naming the file, when the window or what it drew shows a figure that is not finite.
void CheckFigures(const ui::Dialog& d, const std::vector<std::string>& drawn,
                  const std::string& file, const char* when) {
    std::optional<std::string> bad = fuzz::NonFiniteFigure(d);
    if (!bad) bad = fuzz::AbsurdDrawing(drawn);
    if (bad)
        fuzz::Fail("translate.cfg \"" + EscapedForMessage(file) + "\", " + when + "\n   -> " +
                   *bad);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    fuzz::LayFiles(host, "translate.cfg", data, size);
    const std::string file = host.readFile("translate.cfg");
    host.expect(res::IDD_TRANSLATE, [&](ui::Dialog& d) {
        CheckFigures(d, {}, file, "opened");
        for (int goal : {translate::IDC_GOAL_TIMES, translate::IDC_GOAL_OPTIMUM,
                         translate::IDC_GOAL_SET, translate::IDC_GOAL_FASTER}) {
            d.click(goal);
            testing::RecordingCanvas canvas;
            d.paint(canvas);
            CheckFigures(d, canvas.calls, file, "a goal clicked");
        }
        d.click(translate::IDC_PRINT);
        for (const auto& page : host.printed) CheckFigures(d, page->page.calls, file, "printed");
        d.click(ui::IDOK);
    });
    MethodTranslator(host).run();
    const std::string saved = host.readFile("translate.cfg");
    host.expect(res::IDD_TRANSLATE, [&](ui::Dialog& d) {
        CheckFigures(d, {}, file, "saved and opened again");
        d.click(ui::IDOK);
    });
    MethodTranslator(host).run();
    fuzz::Check(host.readFile("translate.cfg") == saved);
    return 0;
}
