// The column figures on paper: the window's texts, cut to their lengths, one line each.
#include <gmock/gmock.h>

#include "tests/column/ColumnFixture.h"

namespace veltrane::testing {
namespace {

using namespace column;
using ::testing::ElementsAre;

class ColumnPrintTest : public ColumnTest {
protected:
    // The text lines of the one page printed, as "x y text".
    std::vector<std::string> printed() {
        EXPECT_EQ(host.printed.size(), 1u);
        if (host.printed.empty()) return {};
        return host.printed[0]->page.callsOf("text");
    }
};

TEST_F(ColumnPrintTest, PrintsFifteenLinesOfWhatTheWindowShows) {
    host.printerMetrics = {50, 4, 25};  // lines 54 apart, ten characters = 250
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    EXPECT_THAT(
        printed(),
        ElementsAre("text 250 270 Orvanex Pressure/Flow Calculator Version A.02.07",
                    "text 250 324 Pressure/Flow calculations", "text 250 378  ",
                    "text 250 432 Example", "text 250 486 Column length(m): 30.0",
                    "text 250 540 Column id(mm): 0.320", "text 250 594 Temperature(C): 100",
                    "text 250 648  ", "text 250 702 Inlet Pressure (KPa): 68.9",
                    "text 250 756 Flow rate(ml/min): 1.66", "text 250 810 Velocity (cm/s): 31.4",
                    "text 250 864 Outlet Pressure(KPa): 101.1", "text 250 918   ",
                    "text 250 972 Holdup time(m): 1.59 minutes",
                    "text 250 1026 Inlet Flow(ml/min): 1.48"));
    EXPECT_THAT(host.printed[0]->document,
                ElementsAre("startDoc Orvanex Veltrane Pressure/Flow Printout", "startPage",
                            "endPage", "endDoc"));
}

TEST_F(ColumnPrintTest, LongValuesAreCutToTheirLengths) {
    host.writeFile("gases.txt", "");
    open([](ui::Dialog& d) {
        enter(d, IDC_DIAMETER, "0.3205");
        enter(d, IDC_INLET, "68.91234");
        d.click(IDC_PRINT);
        enter(d, IDC_FLOW, "0.0001");  // a tiny flow: a long inlet flow text
        d.click(IDC_PRINT);
    });
    ASSERT_EQ(host.printed.size(), 2u);
    const auto first = host.printed[0]->page.callsOf("text");
    const auto second = host.printed[1]->page.callsOf("text");
    ASSERT_EQ(first.size(), 15u);
    EXPECT_EQ(first[3], "text 250 432 ") << "no gas: the line is empty";
    EXPECT_EQ(first[5], "text 250 540 Column id(mm): 0.320");
    EXPECT_EQ(first[8], "text 250 702 Inlet Pressure (KPa): 68.9123");
    ASSERT_EQ(second.size(), 15u);
    EXPECT_EQ(second[14], "text 250 1026 Inlet Flow(ml/min): 0.00015");
}

TEST_F(ColumnPrintTest, ACancelledDialogPrintsNothingAndNoPrinterIsReported) {
    host.printOutcome = ui::PrinterChoice::Outcome::Cancelled;
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    EXPECT_TRUE(host.printed.empty());
    EXPECT_TRUE(host.messages.empty());

    host.printOutcome = ui::PrinterChoice::Outcome::NoPrinter;
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    EXPECT_TRUE(host.printed.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, can't get printer device context");
    EXPECT_EQ(host.messages[0].caption, "Veltrane");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Exclamation);
}

}  // namespace
}  // namespace veltrane::testing
