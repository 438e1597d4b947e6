// Sliders, spin buttons, typed values, unit, solvent and liner changes of the vapor calculator.
#include <gmock/gmock.h>

#include "tests/vapor/VaporFixture.h"

namespace veltrane::testing {
namespace {

using namespace vapor;

TEST_F(VaporTest, SlidersWriteTheirFieldsAndSpinsAndRecompute) {
    open([](ui::Dialog& d) {
        d.moveSlider(IDC_INJECTION_SLIDER, 100);
        EXPECT_EQ(d.text(IDC_INJECTION), "10.0");
        EXPECT_EQ(d.spinPos(IDC_INJECTION_SPIN), 100);
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "1410 ul");

        d.moveSlider(IDC_INJECTION_SLIDER, 0);
        EXPECT_EQ(d.text(IDC_INJECTION), "0.0 ");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "0   ul");
        EXPECT_EQ(d.text(IDC_CAPACITY), "0  %");

        // Below the field's lower bound, but bounds only apply when a field is left.
        d.moveSlider(IDC_INJECTION_SLIDER, 10);
        d.moveSlider(IDC_TEMPERATURE_SLIDER, 10);
        EXPECT_EQ(d.text(IDC_TEMPERATURE), "10");
        EXPECT_EQ(d.spinPos(IDC_TEMPERATURE_SPIN), 10);
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "n/a");

        d.moveSlider(IDC_TEMPERATURE_SLIDER, 175);
        d.moveSlider(IDC_PRESSURE_SLIDER, 121);
        EXPECT_EQ(d.text(IDC_PRESSURE), "121.");
        EXPECT_EQ(d.spinPos(IDC_PRESSURE_SPIN), 121);
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "128 ul");
    });
}

TEST_F(VaporTest, ADecimalCommaReadsAsThePointWhileTypingAndIsPutRightOnLeaving) {
    struct Row {
        const char* unit;
        int edit;
        const char* comma;
        const char* point;
    };
    const Row rows[] = {
        {"KPa", IDC_INJECTION, "1,5", "1.5"},    {"KPa", IDC_TEMPERATURE, "250,5", "250.5"},
        {"KPa", IDC_PRESSURE, "101,5", "101.5"}, {"psi", IDC_PRESSURE, "1,5", "1.5"},
        {"bar", IDC_PRESSURE, "1,015", "1.015"},
    };
    // Typed, then another row's slider moved (which reads every field): all the window shows
    // but the typed text itself; then left, when the field shows the point too.
    const auto use = [&](const Row& row, const char* text) {
        host.writeFile("flow.cfg", SettingsText(row.unit));
        std::pair<Seen, Seen> shown;
        open([&](ui::Dialog& d) {
            shown = typedThenLeft(d, row.edit, text, [&](ui::Dialog& window) {
                const bool injection = row.edit == IDC_INJECTION;
                window.moveSlider(injection ? IDC_TEMPERATURE_SLIDER : IDC_INJECTION_SLIDER, 200);
            });
            EXPECT_EQ(d.text(row.edit), row.point) << text;
        });
        return shown;
    };
    for (const Row& row : rows) EXPECT_EQ(use(row, row.comma), use(row, row.point)) << row.comma;
}

TEST_F(VaporTest, HandEditedListsMayWriteTheDecimalComma) {
    host.writeFile("flow.cfg", SettingsText("KPa", "Acetone"));
    const auto capacity = [&](const char* density, const char* weight, const char* volume) {
        host.writeFile("solvents.txt",
                       std::string("Acetone\r\n56\r\n") + density + "\r\n" + weight + "\r\n");
        host.writeFile("liners.txt", std::string("4 mm ID\r\n") + volume + "\r\n50\r\n75\r\n");
        std::pair<std::string, std::string> figures;
        open([&](ui::Dialog& d) {
            figures = {d.text(IDC_VAPOR_VOLUME), d.text(IDC_CAPACITY)};
            EXPECT_EQ(d.text(IDC_DENSITY), "0.791") << density;
        });
        return figures;
    };
    EXPECT_EQ(capacity("0,791", "58,08", "245,5"), capacity("0.791", "58.08", "245.5"));
}

TEST_F(VaporTest, SpinButtonsMoveTheSliderAndTheFieldFollowsTheSlider) {
    open([](ui::Dialog& d) {
        d.stepSpin(IDC_INJECTION_SPIN, 5);
        EXPECT_EQ(d.sliderPos(IDC_INJECTION_SLIDER), 15);
        EXPECT_EQ(d.text(IDC_INJECTION), "1.5 ");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "211 ul");

        d.stepSpin(IDC_TEMPERATURE_SPIN, 1000);
        EXPECT_EQ(d.sliderPos(IDC_TEMPERATURE_SLIDER), 400);
        EXPECT_EQ(d.text(IDC_TEMPERATURE), "400");

        d.stepSpin(IDC_PRESSURE_SPIN, -101);
        EXPECT_EQ(d.sliderPos(IDC_PRESSURE_SLIDER), 0);
        EXPECT_EQ(d.text(IDC_PRESSURE), " 0.");
    });
}

TEST_F(VaporTest, ThePressureRowSlidesInTheUnitInForce) {
    struct Row {
        const char* saved;
        int position;
        const char* text;
        const char* volume;
    };
    const Row rows[] = {
        {"psi", 200, "20.0", "119 ul"},
        {"bar", 250, "2.50", "81  ul"},
    };
    for (const Row& r : rows) {
        host.writeFile("flow.cfg", SettingsText(r.saved));
        open([&](ui::Dialog& d) {
            d.moveSlider(IDC_PRESSURE_SLIDER, r.position);
            EXPECT_EQ(d.text(IDC_PRESSURE), r.text) << r.saved;
            EXPECT_EQ(d.spinPos(IDC_PRESSURE_SPIN), r.position) << r.saved;
            EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), r.volume) << r.saved;
        });
    }
}

TEST_F(VaporTest, LeavingAFieldHoldsItWithinItsBounds) {
    struct Case {
        const char* unit;
        Row row;
        const char* typed;
        const char* shown;
        int position;
        const char* volume;
    };
    const Case cases[] = {
        {"KPa", Row::Injection, "5", "5", 50, "705 ul"},
        {"KPa", Row::Injection, "0.001", "0.01", 0, "1   ul"},
        {"KPa", Row::Injection, "abc", "0.01", 0, "1   ul"},
        {"KPa", Row::Injection, "9000", "8000", 100, "1127790 ul"},
        {"KPa", Row::Temperature, "20", "25", 25, "n/a"},
        {"KPa", Row::Temperature, "25", "25", 25, "n/a"},
        {"KPa", Row::Temperature, "900", "800", 400, "338 ul"},
        // Only the first six characters are judged: 800.00 is the bound itself.
        {"KPa", Row::Temperature, "800.0001", "800.0001", 400, "338 ul"},
        {"KPa", Row::Pressure, "2100", "2068.5", 1035, "13  ul"},
        {"KPa", Row::Pressure, "1035.4", "1035.4", 1035, "25  ul"},
        {"KPa", Row::Pressure, "-5", "0.0", 0, "281 ul"},
        {"psi", Row::Pressure, "400", "300", 1500, "13  ul"},
        {"bar", Row::Pressure, "25", "20.685", 1035, "13  ul"},
        {"bar", Row::Pressure, "1.234", "1.234", 123, "127 ul"},
    };
    for (const Case& c : cases) {
        host.writeFile("flow.cfg", SettingsText(c.unit));
        const RowControls ids = ControlsOf(c.row);
        open([&](ui::Dialog& d) {
            enter(d, ids.edit, c.typed);
            EXPECT_EQ(d.text(ids.edit), c.shown) << c.typed;
            EXPECT_EQ(d.sliderPos(ids.slider), c.position) << c.typed;
            // Beyond the slider's end the spin holds the value's own position instead.
            if (c.position < d.control(ids.slider).slider.max) {
                EXPECT_EQ(d.spinPos(ids.spin), c.position) << c.typed;
            }
            EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), c.volume) << c.typed;
        });
    }
}

TEST_F(VaporTest, TooCloseToTheBoilingPointShowsNoVolumeAndTheWarning) {
    host.writeFile("flow.cfg", SettingsText("KPa", "Xylene", "Narrow"));
    open([](ui::Dialog& d) {
        enter(d, IDC_TEMPERATURE, "80");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "n/a");
        EXPECT_EQ(d.text(IDC_WARNING), "Inlet temp too close to solvent boiling point");
        EXPECT_EQ(d.text(IDC_CAPACITY), "0  %");
        EXPECT_EQ(d.control(IDC_CAPACITY_BAR).progress.pos, 0);
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_GREEN);

        enter(d, IDC_TEMPERATURE, "90");
        EXPECT_EQ(d.text(IDC_WARNING), "");
        EXPECT_NE(d.text(IDC_VAPOR_VOLUME), "n/a");
    });
}

TEST_F(VaporTest, ALinerChangeShowsTheCapacityButLeavesTheVaporVolumeAsItIs) {
    open([](ui::Dialog& d) {
        d.typeInto(IDC_INJECTION, "5");  // still being typed: nothing recomputed yet
        d.selectEntry(IDC_LINER_LIST, 1);
        EXPECT_EQ(d.text(IDC_LINER_VOLUME), "245");
        EXPECT_EQ(d.text(IDC_LOWER_LIMIT), "50");
        EXPECT_EQ(d.text(IDC_UPPER_LIMIT), "75");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "141 ul");
        EXPECT_EQ(d.text(IDC_CAPACITY), "58 %");
        EXPECT_EQ(d.control(IDC_CAPACITY_BAR).progress.pos, 57);
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
    });
}

TEST_F(VaporTest, ASolventChangeShowsItsPropertiesAndRecomputes) {
    open([](ui::Dialog& d) {
        d.selectEntry(IDC_SOLVENT_LIST, 0);
        EXPECT_EQ(d.text(IDC_BOILING_POINT), "56");
        EXPECT_EQ(d.text(IDC_DENSITY), "0.791");
        EXPECT_EQ(d.text(IDC_MOLECULAR_WEIGHT), "58.08");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "251 ul");
        EXPECT_EQ(d.text(IDC_CAPACITY), "28 %");
    });
}

TEST_F(VaporTest, AUnitChangeConvertsThePressureButRecomputesNothing) {
    open([](ui::Dialog& d) {
        d.typeInto(IDC_PRESSURE, "500");
        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_PRESSURE), "72.5");
        EXPECT_EQ(d.sliderPos(IDC_PRESSURE_SLIDER), 725);
        EXPECT_EQ(d.spinPos(IDC_PRESSURE_SPIN), 725);
        EXPECT_EQ(d.control(IDC_PRESSURE_SLIDER).slider.pageSize, 100);
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "141 ul");

        d.click(IDC_UNIT_PSI);  // already in force: nothing moves
        EXPECT_EQ(d.text(IDC_PRESSURE), "72.5");

        d.leave(IDC_PRESSURE);
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "47  ul") << "72.5 psi, now in psi";
    });
}

TEST_F(VaporTest, OverloadLightsTheRedLampUntilTheLinerHoldsTheVaporAgain) {
    host.writeFile("flow.cfg", SettingsText("KPa", "Acetone", "2 mm"));
    open([](ui::Dialog& d) {
        // 251 of 245 microlitres.
        EXPECT_EQ(d.text(IDC_CAPACITY), "102%");
        EXPECT_EQ(d.control(IDC_CAPACITY_BAR).progress.pos, 100) << "a full bar";
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_RED);
        EXPECT_EQ(d.text(IDC_OVERLOAD), "O v e r l o a d");

        d.moveSlider(IDC_INJECTION_SLIDER, 5);  // 125 microlitres, 51 %
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
        EXPECT_EQ(d.text(IDC_OVERLOAD), "");

        d.moveSlider(IDC_INJECTION_SLIDER, 4);  // 100 microlitres, 41 %
        EXPECT_EQ(d.text(IDC_CAPACITY), "41 %");
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_GREEN);

        d.selectEntry(IDC_SOLVENT_LIST, 2);  // water: 408 microlitres
        EXPECT_EQ(d.text(IDC_OVERLOAD), "O v e r l o a d");
        d.selectEntry(IDC_LINER_LIST, 2);  // in 1500 microlitres, 27 %
        EXPECT_EQ(d.text(IDC_OVERLOAD), "");
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
    });
}

}  // namespace
}  // namespace veltrane::testing
