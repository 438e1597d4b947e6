// Opening the column calculator: start values, restored choices, and saving them again.
#include <gmock/gmock.h>

#include "tests/column/ColumnFixture.h"

namespace veltrane::testing {
namespace {

using namespace column;

TEST_F(ColumnTest, FirstStartWithoutSettingsTellsSoAndStartsInKpaAtOneAtmosphere) {
    host.removeFile("flow.cfg");
    open([](ui::Dialog& d) {
        EXPECT_TRUE(d.isChecked(IDC_UNIT_KPA));
        EXPECT_TRUE(d.isChecked(IDC_OUTLET_ATM));
        EXPECT_EQ(d.text(IDC_INLET), "68.9");
        EXPECT_EQ(d.text(IDC_OUTLET), "101.1");
        EXPECT_FALSE(d.isEnabled(IDC_OUTLET_SLIDER));
        EXPECT_EQ(d.text(IDC_LENGTH), "30.0");
        EXPECT_EQ(d.text(IDC_DIAMETER), "0.320");
        EXPECT_EQ(d.text(IDC_TEMPERATURE), "100");
        EXPECT_EQ(d.text(IDC_INLET_TEMPERATURE), "175");
        EXPECT_EQ(d.text(IDC_VENT_FLOW), "0.0 ");
        EXPECT_EQ(d.text(IDC_GAS_LIST), "Example");
        // Flow and velocity follow from 68.9 KPa.
        EXPECT_EQ(d.text(IDC_FLOW), "1.66");
        EXPECT_EQ(d.text(IDC_VELOCITY), "31.4");
        EXPECT_EQ(d.text(IDC_HOLDUP), "1.59 minutes");
        EXPECT_EQ(d.text(IDC_INLET_FLOW), "1.48");
        EXPECT_EQ(d.sliderPos(IDC_FLOW_SLIDER), 166);
        EXPECT_EQ(d.sliderPos(IDC_VELOCITY_SLIDER), 314);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "File 'flow.cfg' not found. Using defaults");
    EXPECT_EQ(host.messages[0].caption, "Veltrane");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Information);
}

TEST_F(ColumnTest, StartValuesOfSlidersAndSpinButtons) {
    open([](ui::Dialog& d) {
        struct Row {
            int slider, min, max, tick, page, position;
        };
        const Row rows[] = {
            {IDC_LENGTH_SLIDER, 1, 1500, 75, 100, 300},
            {IDC_DIAMETER_SLIDER, 10, 1000, 50, 100, 320},
            {IDC_TEMPERATURE_SLIDER, -85, 450, 27, 10, 100},
            {IDC_INLET_SLIDER, 10, 10350, 518, 1035, 689},
            {IDC_OUTLET_SLIDER, 0, 10350, 518, 1035, 1011},
        };
        for (const Row& r : rows) {
            const ui::SliderState& s = d.control(r.slider).slider;
            EXPECT_EQ(s.min, r.min) << r.slider;
            EXPECT_EQ(s.max, r.max) << r.slider;
            EXPECT_EQ(s.tickFrequency, r.tick) << r.slider;
            EXPECT_EQ(s.pageSize, r.page) << r.slider;
            EXPECT_EQ(s.lineSize, 1) << r.slider;
            EXPECT_EQ(s.pos, r.position) << r.slider;
        }
        EXPECT_EQ(d.control(IDC_DIAMETER_SPIN).spin.min, 1);
        EXPECT_EQ(d.control(IDC_LENGTH_SPIN).spin.accel,
                  (std::vector<ui::SpinAccel>{{1, 1}, {2, 5}, {4, 10}}));
        EXPECT_EQ(d.control(IDC_VELOCITY_SPIN).spin.accel,
                  (std::vector<ui::SpinAccel>{{1, 1}, {3, 10}, {4, 20}}));
        EXPECT_EQ(d.control(IDC_LENGTH_SLIDER).toolTip, "Controls length of column");
        EXPECT_EQ(d.control(IDC_VELOCITY_SLIDER).toolTip,
                  "Colored region indicates optimum range of carrier gas velocity");
        EXPECT_EQ(d.control(IDC_GASES_BUTTON).toolTip,
                  "Adds or removes carrier gases from  the drop-down list");
        EXPECT_EQ(d.control(IDC_HOLDUP).font, (ui::Font{"Arial", 20, 600}));
    });
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ColumnTest, SavedPsiAndOtherOpenWithTheOtherOutletSetUp) {
    host.writeFile("flow.cfg", SettingsText("psi", "oth", "nitro"));
    open([](ui::Dialog& d) {
        EXPECT_TRUE(d.isChecked(IDC_UNIT_PSI));
        EXPECT_TRUE(d.isChecked(IDC_OUTLET_OTHER));
        EXPECT_EQ(d.text(IDC_INLET), "10.0");
        EXPECT_EQ(d.text(IDC_OUTLET), "10.0");
        EXPECT_TRUE(d.isEnabled(IDC_OUTLET));
        EXPECT_TRUE(d.isEnabled(IDC_OUTLET_SLIDER));
        EXPECT_EQ(d.control(IDC_INLET_SLIDER).slider.max, 1500);
        EXPECT_EQ(d.text(IDC_GAS_LIST), "Nitrogen") << "a begins-with search ignoring case";
        EXPECT_EQ(d.text(IDC_BAND_HIGH), "20");
    });
}

TEST_F(ColumnTest, AnUnknownOutletLineStillLeavesOneAtmosphereSelected) {
    host.writeFile("flow.cfg", SettingsText("bar", "xyz", "Example"));
    open([](ui::Dialog& d) {
        EXPECT_TRUE(d.isChecked(IDC_UNIT_BAR));
        EXPECT_TRUE(d.isChecked(IDC_OUTLET_ATM));
        EXPECT_EQ(d.text(IDC_INLET), "0.689");
        EXPECT_EQ(d.text(IDC_OUTLET), "1.011");
        d.click(ui::IDOK);
    });
    EXPECT_THAT(host.readFile("flow.cfg"), ::testing::HasSubstr("[Outlet Pressure]\r\natm\r\n"));
}

TEST_F(ColumnTest, AGasNameNoEntryBeginsWithSelectsTheFirstGas) {
    host.writeFile("flow.cfg", SettingsText("KPa", "atm", "Xenon"));
    open([](ui::Dialog& d) { EXPECT_EQ(d.text(IDC_GAS_LIST), "Example"); });
}

TEST_F(ColumnTest, WithoutAnyGasTheWindowComputesWithHelium) {
    host.writeFile("gases.txt", "");
    open([](ui::Dialog& d) {
        EXPECT_TRUE(d.control(IDC_GAS_LIST).combo.items.empty());
        EXPECT_EQ(d.text(IDC_BAND_LOW), "20");
        EXPECT_EQ(d.text(IDC_BAND_HIGH), "40");
        EXPECT_EQ(d.text(IDC_FLOW), "1.65") << "helium at 68.9 KPa, never a zero viscosity";
    });
}

TEST_F(ColumnTest, OkSavesUnitOutletAndGasAndKeepsTheVaporLines) {
    host.writeFile("flow.cfg", SettingsText("KPa", "atm", "Example", "Ethanol", "2 mm ID"));
    open([](ui::Dialog& d) {
        d.click(IDC_UNIT_PSI);
        d.click(IDC_OUTLET_VAC);
        d.selectEntry(IDC_GAS_LIST, 1);
        d.click(ui::IDOK);
        EXPECT_TRUE(d.hasEnded());
    });
    EXPECT_EQ(host.readFile("flow.cfg"),
              "[Pressure Units]\r\npsi\r\n\r\n[Outlet Pressure]\r\nvac\r\n\r\n[Gas]\r\nHelium\r\n"
              "\r\n[Solvent]\r\nEthanol\r\n\r\n[liner]\r\n2 mm ID\r\n");
}

TEST_F(ColumnTest, AGasNameOutsideTheCodePageIsSavedInUtf8AndSelectedAgain) {
    host.writeFile("gases.txt", std::string(kTestGases) + "Hydrogen H₂\r\n1\r\n2\r\n30\r\n60\r\n");
    open([](ui::Dialog& d) {
        d.selectEntry(IDC_GAS_LIST, 3);
        d.click(ui::IDOK);
    });
    EXPECT_EQ(host.readFile("flow.cfg"), SettingsText("KPa", "atm", "Hydrogen H₂"));
    open([](ui::Dialog& d) { EXPECT_EQ(d.text(IDC_GAS_LIST), "Hydrogen H₂"); });
}

TEST_F(ColumnTest, ASettingsFileThatCannotBeSavedIsReportedAndTheWindowCloses) {
    host.unwritable.insert("flow.cfg");  // as a read-only flow.cfg is
    EXPECT_EQ(open([](ui::Dialog& d) {
                  d.click(IDC_UNIT_BAR);
                  d.click(ui::IDOK);
              }),
              ui::IDOK);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, can't write file 'flow.cfg'");
    EXPECT_EQ(host.messages[0].caption, "Veltrane");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(host.readFile("flow.cfg"), SettingsText("KPa", "atm", "Example"));
}

TEST_F(ColumnTest, EscapeLeavesTheSettingsFileAsItWas) {
    const std::string before = SettingsText("KPa", "atm", "Example");
    EXPECT_EQ(open([](ui::Dialog& d) {
                  d.click(IDC_UNIT_BAR);
                  d.click(ui::IDCANCEL);
              }),
              ui::IDCANCEL);
    EXPECT_EQ(host.readFile("flow.cfg"), before);
}

TEST_F(ColumnTest, HelpAndTheGasesButtonCallTheHost) {
    host.editorStarts = false;
    open([](ui::Dialog& d) {
        d.click(IDC_HELP);
        d.click(IDC_GASES_BUTTON);
    });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Pressure");
    ASSERT_EQ(host.editors.size(), 1u);
    EXPECT_EQ(host.editors[0].filename(), "gases.txt");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sorry, Notepad could not be started.");
}

}  // namespace
}  // namespace veltrane::testing
