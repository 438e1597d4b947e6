// Split vent flow and ratio, inlet flow, and switching the pressure unit.
#include <gmock/gmock.h>

#include "tests/column/ColumnFixture.h"

namespace veltrane::testing {
namespace {

using namespace column;

TEST_F(ColumnTest, AVentFlowTypedKeepsItsValueAndTheRatioFollowsTheColumnFlow) {
    open([](ui::Dialog& d) {
        d.typeInto(IDC_VENT_FLOW, "50");
        d.click(IDC_FLOW_RATIO_BUTTON);
        EXPECT_EQ(d.text(IDC_SPLIT_RATIO), "30.1");
        d.moveSlider(IDC_FLOW_SLIDER, 200);
        EXPECT_EQ(d.text(IDC_SPLIT_RATIO), "25.0");
        EXPECT_EQ(d.text(IDC_VENT_FLOW), "50");
    });
}

TEST_F(ColumnTest, ARatioTypedKeepsItsValueAndTheVentFlowFollows) {
    open([](ui::Dialog& d) {
        d.typeInto(IDC_SPLIT_RATIO, "50");
        d.click(IDC_FLOW_RATIO_BUTTON);
        EXPECT_EQ(d.text(IDC_VENT_FLOW), "83.0");
        d.moveSlider(IDC_FLOW_SLIDER, 200);
        EXPECT_EQ(d.text(IDC_VENT_FLOW), "100.0");
        EXPECT_EQ(d.text(IDC_SPLIT_RATIO), "50");
    });
}

TEST_F(ColumnTest, FlowRatioWithNothingToWorkFromAsksForAValueAndChangesNothing) {
    for (const char* text : {"0", "", "abc"}) {
        host.messages.clear();
        open([&](ui::Dialog& d) {
            d.typeInto(IDC_VENT_FLOW, text);
            d.typeInto(IDC_SPLIT_RATIO, text);
            d.click(IDC_FLOW_RATIO_BUTTON);
            EXPECT_EQ(d.text(IDC_VENT_FLOW), text);
            EXPECT_EQ(d.text(IDC_SPLIT_RATIO), text);
        });
        ASSERT_EQ(host.messages.size(), 1u) << text;
        EXPECT_EQ(host.messages[0].text,
                  "You must first enter a non-zero value for split vent flow or split ratio, and "
                  "then press 'Flow/Ratio'.");
        EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Information);
    }
}

TEST_F(ColumnTest, NoColumnFlowGivesNoRatio) {
    open([](ui::Dialog& d) {
        d.typeInto(IDC_VENT_FLOW, "50");
        enter(d, IDC_FLOW, "0");
        EXPECT_EQ(d.text(IDC_SPLIT_RATIO), "n/a");
    });
}

TEST_F(ColumnTest, TheInletFlowFollowsPressureAndTemperatureButNotAUnitChange) {
    open([](ui::Dialog& d) {
        // 1.66 ml/min is a volume at the flow model's 298.6 K, not 273 K: at the inlet's
        // 24.69 psi and 175 °C it is 1.66 × 14.696 / 24.69 × 448 / 298.6 = 1.48.
        EXPECT_EQ(d.text(IDC_INLET_FLOW), "1.48");
        enter(d, IDC_INLET_TEMPERATURE, "250");
        EXPECT_EQ(d.text(IDC_INLET_FLOW), "1.73");
        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_INLET_FLOW), "1.73");
    });
}

TEST_F(ColumnTest, AUnitChangeConvertsTheShownPressuresWithoutRecalculating) {
    open([](ui::Dialog& d) {
        const std::string flow = d.text(IDC_FLOW);
        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_INLET), "10.0");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 100);
        EXPECT_EQ(d.spinPos(IDC_INLET_SPIN), 100);
        EXPECT_EQ(d.control(IDC_INLET_SLIDER).slider.max, 1500);
        EXPECT_EQ(d.text(IDC_OUTLET), "14.7");
        EXPECT_EQ(d.sliderPos(IDC_OUTLET_SLIDER), 1011) << "a disabled outlet keeps its thumb";
        EXPECT_EQ(d.text(IDC_FLOW), flow);
        d.click(IDC_UNIT_KPA);
        EXPECT_EQ(d.text(IDC_INLET), "68.9");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 689);
        EXPECT_EQ(d.text(IDC_OUTLET), "101.1");
        d.click(IDC_UNIT_PSI);
        d.click(IDC_UNIT_BAR);
        EXPECT_EQ(d.text(IDC_INLET), "0.690");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 690);
        EXPECT_EQ(d.text(IDC_OUTLET), "1.011");
    });
}

TEST_F(ColumnTest, AnOtherOutletIsConvertedWithTheInlet) {
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_OTHER);
        enter(d, IDC_OUTLET, "101.1");
        d.click(IDC_UNIT_BAR);
        EXPECT_EQ(d.text(IDC_OUTLET), "1.011");
        EXPECT_EQ(d.control(IDC_OUTLET_SLIDER).slider.min, 0);
        EXPECT_EQ(d.sliderPos(IDC_OUTLET_SLIDER), 1011);
        EXPECT_TRUE(d.isEnabled(IDC_OUTLET_SLIDER));
    });
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_OTHER);
        enter(d, IDC_OUTLET, "101.1");
        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_OUTLET), "14.7");
        EXPECT_EQ(d.sliderPos(IDC_OUTLET_SLIDER), 147);
        EXPECT_EQ(d.control(IDC_OUTLET_SPIN).spin.min, 10);
        EXPECT_EQ(d.control(IDC_OUTLET_SPIN).spin.max, 1500);
    });
}

TEST_F(ColumnTest, AVacuumOutletShowsZeroInTheNewUnit) {
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_VAC);
        d.click(IDC_UNIT_BAR);
        EXPECT_EQ(d.text(IDC_OUTLET), "0.000");
        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_OUTLET), "0.0");
    });
}

TEST_F(ColumnTest, ClickingTheUnitInForceChangesNothing) {
    open([](ui::Dialog& d) {
        enter(d, IDC_INLET, "70.04");
        d.click(IDC_UNIT_KPA);
        EXPECT_EQ(d.text(IDC_INLET), "70.04");
    });
}

}  // namespace
}  // namespace veltrane::testing
