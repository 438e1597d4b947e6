// flow.cfg through both calculators' set-up and their saving on OK. Each window must keep the
// other window's lines exactly as it read them, whatever characters they hold.
#include "calculators/WorkFiles.h"
#include "column/ColumnCalculator.h"
#include "fuzz/FuzzWindows.h"
#include "vapor/VaporCalculator.h"

using namespace veltrane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing::FakeHost host;
    fuzz::LayFiles(host, "flow.cfg", data, size);
    const SettingsSlots read = calculators::ReadWindowSettings(host);

    host.expect(res::IDD_COLUMN, [](ui::Dialog& d) { d.click(ui::IDOK); });
    ColumnCalculator(host).run();
    const SettingsSlots afterColumn = calculators::ReadWindowSettings(host);
    fuzz::Check(afterColumn[kSolventLine] == read[kSolventLine]);
    fuzz::Check(afterColumn[kLinerLine] == read[kLinerLine]);

    host.expect(res::IDD_VAPOR, [](ui::Dialog& d) { d.click(ui::IDOK); });
    VaporCalculator(host).run();
    const SettingsSlots afterVapor = calculators::ReadWindowSettings(host);
    fuzz::Check(afterVapor[kOutletLine] == afterColumn[kOutletLine]);
    fuzz::Check(afterVapor[kGasLine] == afterColumn[kGasLine]);
    return 0;
}
