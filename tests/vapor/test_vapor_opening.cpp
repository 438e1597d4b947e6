// Opening the vapor calculator: start values, restored choices, and saving them again.
#include <gmock/gmock.h>

#include "tests/vapor/VaporFixture.h"

namespace veltrane::testing {
namespace {

using namespace vapor;

TEST_F(VaporTest, TheSavedUnitConvertsTheStartPressureAndTheResultAgrees) {
    struct Row {
        const char* saved;
        int radio;
        const char* pressure;
        int position, max, ticks;
        const char* volume;
    };
    const Row rows[] = {
        {"KPa", IDC_UNIT_KPA, "101", 101, 1035, 50, "141 ul"},
        {"psi", IDC_UNIT_PSI, "14.6", 146, 1500, 75, "141 ul"},
        {"bar", IDC_UNIT_BAR, "1.01", 101, 1035, 52, "141 ul"},
        {"pSI", IDC_UNIT_PSI, "14.6", 146, 1500, 75, "141 ul"},  // the first letter decides
        {"r", IDC_UNIT_BAR, "1.01", 101, 1035, 52, "141 ul"},
    };
    for (const Row& r : rows) {
        host.writeFile("flow.cfg", SettingsText(r.saved));
        open([&](ui::Dialog& d) {
            EXPECT_TRUE(d.isChecked(r.radio)) << r.saved;
            EXPECT_EQ(d.text(IDC_PRESSURE), r.pressure) << r.saved;
            const ui::SliderState& slider = d.control(IDC_PRESSURE_SLIDER).slider;
            EXPECT_EQ(slider.pos, r.position) << r.saved;
            EXPECT_EQ(slider.max, r.max) << r.saved;
            EXPECT_EQ(slider.tickFrequency, r.ticks) << r.saved;
            EXPECT_EQ(slider.pageSize, 100) << r.saved;
            EXPECT_EQ(d.spinPos(IDC_PRESSURE_SPIN), r.position) << r.saved;
            EXPECT_EQ(d.control(IDC_PRESSURE_SPIN).spin.max, r.max) << r.saved;
            EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), r.volume) << r.saved;
        });
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(VaporTest, WithoutSettingsItSaysSoStartsInKpaAndPicksTheFirstEntries) {
    host.removeFile("flow.cfg");
    open([](ui::Dialog& d) {
        EXPECT_TRUE(d.isChecked(IDC_UNIT_KPA));
        EXPECT_EQ(d.text(IDC_PRESSURE), "101") << "no decimal point before any unit change";
        EXPECT_EQ(d.control(IDC_PRESSURE_SLIDER).slider.tickFrequency, 50);
        // Empty saved names pick the first solvent and liner, as begins-with searches for "".
        EXPECT_EQ(d.text(IDC_SOLVENT_LIST), "Acetone");
        EXPECT_EQ(d.text(IDC_LINER_LIST), "4 mm ID");
        EXPECT_EQ(d.text(IDC_BOILING_POINT), "56");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "251 ul");
        EXPECT_EQ(d.text(IDC_CAPACITY), "28 %");

        d.click(IDC_UNIT_PSI);
        EXPECT_EQ(d.text(IDC_PRESSURE), "14.6");
        d.click(IDC_UNIT_KPA);
        EXPECT_EQ(d.text(IDC_PRESSURE), "101.");
        EXPECT_EQ(d.sliderPos(IDC_PRESSURE_SLIDER), 101);
        EXPECT_EQ(d.control(IDC_PRESSURE_SLIDER).slider.tickFrequency, 52);
    });
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "File 'flow.cfg' not found. Using defaults");
    EXPECT_EQ(host.messages[0].caption, "Veltrane");
    EXPECT_EQ(host.messages[0].icon, ui::MessageIcon::Information);
}

TEST_F(VaporTest, AnUnrecognisedUnitLineGivesTheMessageAndKpa) {
    host.writeFile("flow.cfg", SettingsText("kPa"));
    open([](ui::Dialog& d) { EXPECT_TRUE(d.isChecked(IDC_UNIT_KPA)); });
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(VaporTest, StartValuesOfTheInputsAndTheDisplays) {
    open([](ui::Dialog& d) {
        struct Row {
            int slider, spin, edit, max, ticks, page, position;
            const char* text;
        };
        const Row rows[] = {
            {IDC_INJECTION_SLIDER, IDC_INJECTION_SPIN, IDC_INJECTION, 100, 5, 10, 10, "1.0"},
            {IDC_TEMPERATURE_SLIDER, IDC_TEMPERATURE_SPIN, IDC_TEMPERATURE, 400, 20, 40, 175,
             "175"},
        };
        for (const Row& r : rows) {
            const ui::SliderState& s = d.control(r.slider).slider;
            EXPECT_EQ(s.min, 0) << r.slider;
            EXPECT_EQ(s.max, r.max) << r.slider;
            EXPECT_EQ(s.tickFrequency, r.ticks) << r.slider;
            EXPECT_EQ(s.pageSize, r.page) << r.slider;
            EXPECT_EQ(s.lineSize, 1) << r.slider;
            EXPECT_EQ(s.pos, r.position) << r.slider;
            const ui::SpinState& spin = d.control(r.spin).spin;
            EXPECT_EQ(spin.max, r.max) << r.spin;
            EXPECT_EQ(spin.pos, r.position) << r.spin;
            EXPECT_TRUE(spin.accel.empty()) << "the system's own acceleration";
            EXPECT_EQ(d.text(r.edit), r.text);
        }
        EXPECT_EQ(d.control(IDC_PRESSURE_SPIN).spin.accel,
                  (std::vector<ui::SpinAccel>{{1, 1}, {2, 20}, {3, 100}}));

        const std::pair<int, const char*> tips[] = {
            {IDC_CAPACITY_BAR, "Displays vapor volume as a percentage of liner capacity"},
            {IDC_INJECTION_SLIDER, "Controls the solvent injection size"},
            {IDC_TEMPERATURE_SLIDER, "Controls the temperature of the vapor at the inlet"},
            {IDC_PRESSURE_SLIDER, "Controls the pressure of the vapor at the inlet"},
            {IDC_SOLVENTS_BUTTON, "Adds or removes solvents from the drop-down list"},
            {IDC_LINERS_BUTTON, "Adds or removes inlet liners  from  the drop-down list"},
        };
        for (const auto& [id, tip] : tips) EXPECT_EQ(d.control(id).toolTip, tip) << id;

        // Hexane, 4 mm ID: 141 of 900 microlitres is within the 50 % lower limit.
        EXPECT_EQ(d.text(IDC_SOLVENT_LIST), "Hexane");
        EXPECT_EQ(d.text(IDC_BOILING_POINT), "69");
        EXPECT_EQ(d.text(IDC_DENSITY), "0.66");
        EXPECT_EQ(d.text(IDC_MOLECULAR_WEIGHT), "86.2");
        EXPECT_EQ(d.text(IDC_LINER_VOLUME), "900");
        EXPECT_EQ(d.text(IDC_LOWER_LIMIT), "50");
        EXPECT_EQ(d.text(IDC_UPPER_LIMIT), "75");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "141 ul");
        EXPECT_EQ(d.text(IDC_CAPACITY), "16 %");
        const ui::ProgressState& bar = d.control(IDC_CAPACITY_BAR).progress;
        EXPECT_EQ(bar.min, 0);
        EXPECT_EQ(bar.max, 100);
        EXPECT_EQ(bar.pos, 15);
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_GREEN);
        EXPECT_EQ(d.text(IDC_WARNING), "");
        EXPECT_EQ(d.text(IDC_OVERLOAD), "");
        for (int id : {IDC_VAPOR_VOLUME, IDC_CAPACITY})
            EXPECT_EQ(d.control(id).font, (ui::Font{"Arial", 20, 600})) << id;
    });
}

TEST_F(VaporTest, NamesNoEntryBeginsWithApplyNothingAndTheTemplateLimitsHold) {
    host.writeFile("flow.cfg", SettingsText("KPa", "Xylene", "Narrow"));
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.selection(IDC_SOLVENT_LIST), -1);
        EXPECT_EQ(d.selection(IDC_LINER_LIST), -1);
        EXPECT_EQ(d.text(IDC_BOILING_POINT), "69");
        EXPECT_EQ(d.text(IDC_LINER_VOLUME), "");
        EXPECT_EQ(d.text(IDC_LOWER_LIMIT), "10");
        EXPECT_EQ(d.text(IDC_UPPER_LIMIT), "100");
        // 141 against the 900 microlitres taken for no liner is above 10 %.
        EXPECT_EQ(d.text(IDC_CAPACITY), "16 %");
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
    });
}

TEST_F(VaporTest, EveryOpeningStartsAgainFromTheBuiltInValues) {
    open([](ui::Dialog& d) {
        d.selectEntry(IDC_LINER_LIST, 1);
        d.selectEntry(IDC_SOLVENT_LIST, 2);
        d.moveSlider(IDC_INJECTION_SLIDER, 50);
        d.click(IDC_UNIT_BAR);
    });
    host.writeFile("flow.cfg", SettingsText("KPa", "Xylene", "Narrow"));
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.text(IDC_INJECTION), "1.0");
        EXPECT_EQ(d.text(IDC_PRESSURE), "101");
        EXPECT_EQ(d.text(IDC_DENSITY), "0.66");
        EXPECT_EQ(d.text(IDC_VAPOR_VOLUME), "141 ul");
        // The 50 % lower limit of the liner chosen last time is gone with it.
        EXPECT_EQ(d.control(IDC_LAMP).image, res::IDB_LAMP_YELLOW);
    });
}

TEST_F(VaporTest, OkSavesUnitSolventAndLinerAndKeepsTheColumnLines) {
    host.writeFile("flow.cfg", SettingsText("psi", "Hexane", "4 mm ID", "vac", "Nitrogen"));
    EXPECT_EQ(open([](ui::Dialog& d) {
                  d.click(IDC_UNIT_BAR);
                  d.selectEntry(IDC_SOLVENT_LIST, 2);
                  d.selectEntry(IDC_LINER_LIST, 2);
                  d.click(ui::IDOK);
              }),
              ui::IDOK);
    EXPECT_EQ(host.readFile("flow.cfg"),
              "[Pressure Units]\r\nbar\r\n\r\n[Outlet Pressure]\r\nvac\r\n\r\n[gas]\r\nNitrogen\r\n"
              "\r\n[Solvent]\r\nWater\r\n\r\n[liner]\r\nWide bore\r\n");
}

TEST_F(VaporTest, EscapeLeavesTheSettingsFileAsItWas) {
    const std::string before = SettingsText("KPa");
    EXPECT_EQ(open([](ui::Dialog& d) {
                  d.click(IDC_UNIT_PSI);
                  d.selectEntry(IDC_SOLVENT_LIST, 0);
                  d.click(ui::IDCANCEL);
              }),
              ui::IDCANCEL);
    EXPECT_EQ(host.readFile("flow.cfg"), before);
}

TEST_F(VaporTest, HelpAndTheListButtonsCallTheHost) {
    host.editorStarts = false;
    open([](ui::Dialog& d) {
        d.click(IDC_HELP);
        d.click(IDC_SOLVENTS_BUTTON);
        d.click(IDC_LINERS_BUTTON);
        EXPECT_FALSE(d.hasEnded());
    });
    ASSERT_EQ(host.helps.size(), 1u);
    EXPECT_EQ(host.helps[0].anchor, "Expansion");
    ASSERT_EQ(host.editors.size(), 2u);
    EXPECT_EQ(host.editors[0], host.workFolder() / "solvents.txt");
    EXPECT_EQ(host.editors[1], host.workFolder() / "liners.txt");
    EXPECT_EQ(host.messages.size(), 2u) << "each editor that fails to start is reported";
}

TEST_F(VaporTest, TheUnitButtonsAreOneGroupAndTheResultsCannotBeTypedInto) {
    open([](ui::Dialog& d) {
        EXPECT_EQ(d.layout().caption, "Калькулятор   объёма  пара  растворителя");
        d.click(IDC_UNIT_BAR);
        EXPECT_FALSE(d.isChecked(IDC_UNIT_KPA));
        EXPECT_FALSE(d.isChecked(IDC_UNIT_PSI));
        EXPECT_TRUE(d.isChecked(IDC_UNIT_BAR));
        for (int id : {IDC_VAPOR_VOLUME, IDC_CAPACITY, IDC_BOILING_POINT, IDC_LINER_VOLUME}) {
            const std::string before = d.text(id);
            d.typeInto(id, "999");
            EXPECT_EQ(d.text(id), before) << id;
        }
    });
}

}  // namespace
}  // namespace veltrane::testing
