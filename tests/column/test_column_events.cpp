// Sliders, spin buttons, typed values, gas and outlet changes of the column calculator.
#include <climits>

#include <gmock/gmock.h>

#include "tests/column/ColumnFixture.h"

namespace veltrane::testing {
namespace {

using namespace column;

TEST_F(ColumnTest, TheFlowSliderSolvesTheInletPressureAndKeepsTheFlowSet) {
    open([](ui::Dialog& d) {
        d.moveSlider(IDC_FLOW_SLIDER, 200);
        EXPECT_EQ(d.text(IDC_FLOW), "2.00");
        EXPECT_EQ(d.spinPos(IDC_FLOW_SPIN), 200);
        EXPECT_EQ(d.text(IDC_INLET), "79.8");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 798);
        EXPECT_EQ(d.text(IDC_FLOW_MARK), "");
        d.moveSlider(IDC_FLOW_SLIDER, 166);
        EXPECT_EQ(d.text(IDC_FLOW), "1.66");
        EXPECT_EQ(d.text(IDC_INLET), "68.9");
        EXPECT_EQ(d.text(IDC_VELOCITY), "31.4");
        EXPECT_EQ(d.text(IDC_HOLDUP), "1.59 minutes");
        EXPECT_EQ(d.text(IDC_INLET_FLOW), "1.48");
    });
}

TEST_F(ColumnTest, TheVelocitySliderKeepsTheVelocityAndTheFlowFollowsTheRoundedPressure) {
    open([](ui::Dialog& d) {
        d.moveSlider(IDC_VELOCITY_SLIDER, 400);
        EXPECT_EQ(d.text(IDC_VELOCITY), "40.0");
        EXPECT_EQ(d.text(IDC_INLET), "88.6");
        EXPECT_EQ(d.text(IDC_FLOW), "2.29");
        EXPECT_EQ(d.text(IDC_HOLDUP), "1.25 minutes");
    });
}

TEST_F(ColumnTest, ChangingTheLengthKeepsThePressureNotTheFlowTheUserSet) {
    open([](ui::Dialog& d) {
        d.moveSlider(IDC_FLOW_SLIDER, 200);
        const std::string inlet = d.text(IDC_INLET);
        d.moveSlider(IDC_LENGTH_SLIDER, 150);
        EXPECT_EQ(d.text(IDC_LENGTH), "15.0");
        EXPECT_EQ(d.spinPos(IDC_LENGTH_SPIN), 150);
        EXPECT_EQ(d.text(IDC_INLET), inlet);
        EXPECT_EQ(d.text(IDC_FLOW), "4.00");
    });
}

TEST_F(ColumnTest, ASpinStepBeyondTheSliderShowsTheSliderEnd) {
    open([](ui::Dialog& d) {
        d.setSpinPos(IDC_DIAMETER_SPIN, 10);
        d.stepSpin(IDC_DIAMETER_SPIN, -5);  // spin at 5, slider ends at 10
        EXPECT_EQ(d.sliderPos(IDC_DIAMETER_SLIDER), 10);
        EXPECT_EQ(d.text(IDC_DIAMETER), "0.010");
    });
}

TEST_F(ColumnTest, LeavingAFieldReplacesValuesBeyondItsLimits) {
    struct Row {
        int edit;
        const char* typed;
        const char* shown;
        int slider;
        int position;
    };
    const Row rows[] = {
        {IDC_TEMPERATURE, "-82", "-85", IDC_TEMPERATURE_SLIDER, -85},
        {IDC_TEMPERATURE, "-79", "-79", IDC_TEMPERATURE_SLIDER, -79},
        {IDC_TEMPERATURE, "", "100", IDC_TEMPERATURE_SLIDER, 100},
        {IDC_TEMPERATURE, "500", "450", IDC_TEMPERATURE_SLIDER, 450},
        {IDC_LENGTH, "0.01", "0.01", IDC_LENGTH_SLIDER, 1},
        {IDC_LENGTH, "abc", "0.01", IDC_LENGTH_SLIDER, 1},
        {IDC_LENGTH, "600", "500", IDC_LENGTH_SLIDER, 1500},
        {IDC_LENGTH, "25.55", "25.55", IDC_LENGTH_SLIDER, 256},
        {IDC_DIAMETER, "0.0005", "0.001", IDC_DIAMETER_SLIDER, 10},
        {IDC_DIAMETER, "4", "3.0", IDC_DIAMETER_SLIDER, 1000},
        {IDC_INLET, "-1", "0.0", IDC_INLET_SLIDER, 10},
        {IDC_INLET, "3000", "2068.5", IDC_INLET_SLIDER, 10350},
        {IDC_OUTLET, "0", "0.1", IDC_OUTLET_SLIDER, 1011},  // 1 Atm: the outlet stays put
        {IDC_INLET_TEMPERATURE, "1000", "450", 0, 0},
        {IDC_INLET_TEMPERATURE, "", "175", 0, 0},
        {IDC_INLET_TEMPERATURE, "-3", "0", 0, 0},
    };
    for (const Row& row : rows) {
        open([&](ui::Dialog& d) {
            if (row.edit == IDC_OUTLET) d.enable(IDC_OUTLET, true);
            enter(d, row.edit, row.typed);
            EXPECT_EQ(d.text(row.edit), row.shown) << row.typed;
            if (row.slider && row.edit != IDC_OUTLET) {
                EXPECT_EQ(d.sliderPos(row.slider), row.position) << row.typed;
            }
        });
    }
}

TEST_F(ColumnTest, ADecimalCommaReadsAsThePointWhileTypingAndIsPutRightOnLeaving) {
    struct Row {
        int unit;
        int edit;
        const char* comma;
        const char* point;
    };
    const Row rows[] = {
        {IDC_UNIT_KPA, IDC_LENGTH, "15,5", "15.5"},
        {IDC_UNIT_KPA, IDC_DIAMETER, "0,25", "0.25"},
        {IDC_UNIT_KPA, IDC_TEMPERATURE, "120,5", "120.5"},
        {IDC_UNIT_KPA, IDC_INLET, "70,5", "70.5"},
        {IDC_UNIT_PSI, IDC_INLET, "10,5", "10.5"},
        {IDC_UNIT_BAR, IDC_INLET, "0,705", "0.705"},
        {IDC_UNIT_PSI, IDC_OUTLET, "12,5", "12.5"},
        {IDC_UNIT_BAR, IDC_OUTLET, "1,25", "1.25"},
        {IDC_UNIT_KPA, IDC_FLOW, "1,5", "1.5"},
        {IDC_UNIT_KPA, IDC_VELOCITY, "35,5", "35.5"},
        {IDC_UNIT_KPA, IDC_INLET_TEMPERATURE, "200,5", "200.5"},
        {IDC_UNIT_KPA, IDC_VENT_FLOW, "50,5", "50.5"},
        {IDC_UNIT_KPA, IDC_SPLIT_RATIO, "20,5", "20.5"},
    };
    // Typed, then the pressure moved (which reads every field) and the split figured: all the
    // window shows but the typed text itself; then left, when the field shows the point too.
    const auto use = [&](const Row& row, const char* text) {
        std::pair<Seen, Seen> shown;
        open([&](ui::Dialog& d) {
            d.click(row.unit);
            if (row.edit == IDC_OUTLET) d.click(IDC_OUTLET_OTHER);
            shown = typedThenLeft(d, row.edit, text, [&](ui::Dialog& window) {
                if (row.edit != IDC_INLET) window.moveSlider(IDC_INLET_SLIDER, 700);
                window.click(IDC_FLOW_RATIO_BUTTON);
            });
            EXPECT_EQ(d.text(row.edit), row.point) << text;
        });
        return shown;
    };
    for (const Row& row : rows) EXPECT_EQ(use(row, row.comma), use(row, row.point)) << row.comma;
}

TEST_F(ColumnTest, TypedVelocitiesAreBoundedBelowAndSolvedAsTyped) {
    open([](ui::Dialog& d) {
        enter(d, IDC_VELOCITY, "0.0005");
        EXPECT_EQ(d.text(IDC_VELOCITY), "0.1");
        enter(d, IDC_VELOCITY, "0.05");
        EXPECT_EQ(d.text(IDC_VELOCITY), "0.05");
        EXPECT_EQ(d.text(IDC_INLET), "0.1") << "solved from 0.05 cm/s";
        EXPECT_EQ(d.text(IDC_INLET_MARK), "");
    });
}

TEST_F(ColumnTest, ANegativeFlowBecomesZeroAndTheHoldUpInfinite) {
    open([](ui::Dialog& d) {
        enter(d, IDC_FLOW, "-3");
        EXPECT_EQ(d.text(IDC_FLOW), "0.00");
        EXPECT_THAT(d.text(IDC_INLET), ::testing::AnyOf("0.0", "-0.0"));
        EXPECT_EQ(d.text(IDC_INLET_MARK), "~");
        EXPECT_EQ(d.text(IDC_VELOCITY), "0.0 ");
        EXPECT_EQ(d.text(IDC_HOLDUP), "infinite");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 10) << "a solved pressure sits at position 1";
    });
}

TEST_F(ColumnTest, AnEmptyFlowStaysEmptyAndSolvesAsNoFlow) {
    open([](ui::Dialog& d) {
        enter(d, IDC_FLOW, "");
        EXPECT_EQ(d.text(IDC_FLOW), "");
        EXPECT_EQ(d.text(IDC_INLET_MARK), "~");
    });
}

TEST_F(ColumnTest, LeavingTheFlowFieldUnchangedSolvesThePressureAgain) {
    open([](ui::Dialog& d) {
        enter(d, IDC_INLET, "70");
        EXPECT_EQ(d.text(IDC_INLET), "70") << "a text within its limits is kept as typed";
        EXPECT_EQ(d.text(IDC_FLOW), "1.69");
        d.leave(IDC_FLOW);
        EXPECT_EQ(d.text(IDC_INLET), "69.9") << "solved from the rounded 1.69 shown";
    });
}

TEST_F(ColumnTest, FourHundredPsiIsHeldAtThreeHundredAndUsedInFull) {
    host.writeFile("flow.cfg", SettingsText("psi", "atm", "Example"));
    open([](ui::Dialog& d) {
        enter(d, IDC_INLET, "400");
        EXPECT_EQ(d.text(IDC_INLET), "300");
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 1500);
        EXPECT_EQ(d.text(IDC_FLOW), "416.77");
    });
}

TEST_F(ColumnTest, VacuumSolvesVelocitiesInClosedFormAndMayGoBelowZeroGauge) {
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_VAC);
        EXPECT_EQ(d.text(IDC_OUTLET), "0.0 ");
        for (int id : {IDC_OUTLET_SLIDER, IDC_OUTLET_SPIN, IDC_OUTLET})
            EXPECT_FALSE(d.isEnabled(id)) << id;
        EXPECT_EQ(d.text(IDC_FLOW), "2.57");
        EXPECT_EQ(d.text(IDC_VELOCITY), "59.4");
        enter(d, IDC_VELOCITY, "59.4");
        EXPECT_EQ(d.text(IDC_INLET), "68.9");
        enter(d, IDC_VELOCITY, "5");
        EXPECT_EQ(d.text(IDC_INLET).front(), '-');
        EXPECT_EQ(d.sliderPos(IDC_INLET_SLIDER), 10);
        EXPECT_EQ(d.spinPos(IDC_INLET_SPIN), 1);
    });
}

TEST_F(ColumnTest, AnUnreachableVelocityWithAnOtherOutletShowsTheSearchFailure) {
    host.writeFile("flow.cfg", SettingsText("psi", "atm", "Example"));
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_OTHER);
        EXPECT_EQ(d.text(IDC_OUTLET), "10.0");
        EXPECT_TRUE(d.isEnabled(IDC_OUTLET_SLIDER));
        enter(d, IDC_VELOCITY, "1.0");
        EXPECT_EQ(d.text(IDC_INLET), "0.0");
        EXPECT_EQ(d.text(IDC_INLET_MARK), "~");
    });
}

TEST_F(ColumnTest, AnInletBelowAnOutletAboveOneAtmosphereHasNoHoldUpTime) {
    open([](ui::Dialog& d) {
        d.click(IDC_OUTLET_OTHER);
        enter(d, IDC_OUTLET, "200");
        enter(d, IDC_INLET, "10");
        EXPECT_EQ(d.text(IDC_VELOCITY).front(), '-');
        EXPECT_EQ(d.text(IDC_HOLDUP), "n/a");
        EXPECT_EQ(d.sliderPos(IDC_VELOCITY_SLIDER), 1);
    });
}

TEST_F(ColumnTest, AGasChangeKeepsThePressureAndMovesTheOptimumBand) {
    open([](ui::Dialog& d) {
        const ui::SliderState& before = d.control(IDC_VELOCITY_SLIDER).slider;
        EXPECT_EQ(before.selStart, 100);
        EXPECT_EQ(before.selEnd, 400);
        d.selectEntry(IDC_GAS_LIST, 2);
        EXPECT_EQ(d.text(IDC_BAND_LOW), "10");
        EXPECT_EQ(d.text(IDC_BAND_HIGH), "20");
        EXPECT_EQ(d.control(IDC_VELOCITY_SLIDER).slider.selEnd, 200);
        EXPECT_EQ(d.text(IDC_INLET), "68.9");
        EXPECT_EQ(d.text(IDC_FLOW), "1.82");
    });
}

TEST_F(ColumnTest, AnOptimumBandBeyondTheRangeOfIntIsHeldAtItsEnds) {
    host.writeFile("gases.txt", "Huge\r\n4e-7\r\n8e-5\r\n-9999999999\r\n99999999999\r\n\r\n");
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.control(IDC_VELOCITY_SLIDER).slider.selStart, INT_MIN);
        EXPECT_EQ(d.control(IDC_VELOCITY_SLIDER).slider.selEnd, INT_MAX);
    });
}

TEST_F(ColumnTest, TheInletMarkClearsWhenThePressureIsMovedByHand) {
    open([](ui::Dialog& d) {
        enter(d, IDC_FLOW, "0");
        EXPECT_EQ(d.text(IDC_INLET_MARK), "~");
        d.moveSlider(IDC_INLET_SLIDER, 500);
        EXPECT_EQ(d.text(IDC_INLET_MARK), "");
        EXPECT_EQ(d.text(IDC_INLET), "50.0");
    });
}

}  // namespace
}  // namespace veltrane::testing
