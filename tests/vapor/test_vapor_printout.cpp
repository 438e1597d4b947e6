// The vapor figures on paper: the window's texts and the solvent's properties, one line each.
#include <gmock/gmock.h>

#include "tests/vapor/VaporFixture.h"
#include "vapor/VaporPrintout.h"

namespace veltrane::testing {
namespace {

using namespace vapor;
using ::testing::ElementsAre;

TEST(PrintedProperty, SevenSignificantDigitsWithThePointKept) {
    const std::pair<double, const char*> rows[] = {
        {69, "69."},      {0.66, "0.66"},
        {86.2, "86.2"},   {100, "100."},
        {0.1, "0.1"},     {1234567.8, "1234568."},
        {0.05, "5.e-02"}, {12345678, "1.234568e+07"},
        {-3.5, "-3.5"},   {0, "0."},
    };
    for (auto [value, text] : rows) EXPECT_EQ(PrintedProperty(value), text) << value;
}

class VaporPrintTest : public VaporTest {
protected:
    std::vector<std::string> printedLines(std::size_t page = 0) {
        EXPECT_GT(host.printed.size(), page);
        if (host.printed.size() <= page) return {};
        std::vector<std::string> texts;
        for (const std::string& call : host.printed[page]->page.callsOf("text"))
            texts.push_back(call);
        return texts;
    }
};

TEST_F(VaporPrintTest, PrintsSixteenLinesOfWhatTheWindowShows) {
    host.printerMetrics = {50, 4, 25};
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    EXPECT_THAT(
        printedLines(),
        ElementsAre("text 250 270 Orvanex Pressure/Flow Calculator Version A.02.02",
                    "text 250 324 Vapor volume calculations", "text 250 378  ",
                    "text 250 432 Hexane", "text 250 486 Boiling pt.(C): 69.",
                    "text 250 540 Density (g/ml): 0.66", "text 250 594 Mol. wt. (amu): 86.2",
                    "text 250 648  ", "text 250 702 Vapor volume (ul): 141 ul",
                    "text 250 756 Volume (ul): 1.0", "text 250 810 Temp. (C): 175",
                    "text 250 864 Pressure(KPa): 101", "text 250 918   ",
                    "text 250 972 Inlet liner: 4 mm ID", "text 250 1026 Inlet volume (ul): 900",
                    "text 250 1080 Liner capacity (%): 16 %"));
    EXPECT_THAT(host.printed[0]->document,
                ElementsAre("startDoc Vapor", "startPage", "endPage", "endDoc"));
}

TEST_F(VaporPrintTest, ValuesAreCutAndTheUnitFollowsTheButtons) {
    open([](ui::Dialog& d) {
        d.click(IDC_UNIT_PSI);
        d.click(IDC_PRINT);
        d.click(IDC_UNIT_BAR);
        enter(d, IDC_PRESSURE, "20.685");
        enter(d, IDC_TEMPERATURE, "80");
        d.click(IDC_PRINT);
    });
    const auto psi = printedLines(0);
    const auto bar = printedLines(1);
    ASSERT_EQ(psi.size(), 16u);
    ASSERT_EQ(bar.size(), 16u);
    EXPECT_EQ(psi[11], "text 250 864 Pressure(psi): 14.6");
    EXPECT_EQ(bar[11], "text 250 864 Pressure(bar): 20.68");
    EXPECT_EQ(bar[8], "text 250 702 Vapor volume (ul): n/a");
}

TEST_F(VaporPrintTest, ACancelledDialogPrintsNothingAndNoPrinterIsReported) {
    host.printOutcome = ui::PrinterChoice::Outcome::Cancelled;
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    EXPECT_TRUE(host.printed.empty());
    EXPECT_TRUE(host.messages.empty());
    host.printOutcome = ui::PrinterChoice::Outcome::NoPrinter;
    open([](ui::Dialog& d) { d.click(IDC_PRINT); });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, can't get printer device context");
}

}  // namespace
}  // namespace veltrane::testing
