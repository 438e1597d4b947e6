#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ScratchFolder.h"
#include "data/Settings.h"

namespace veltrane {
namespace {

using veltrane::testing::ScratchFolder;

struct UnitCase {
    const char* line;
    std::optional<PressureUnit> unit;
};

class RecognizeUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(RecognizeUnitTest, ByTheFirstCharacter) {
    EXPECT_EQ(RecognizeUnit(GetParam().line), GetParam().unit) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecognizeUnitTest,
    ::testing::Values(UnitCase{"KPa", PressureUnit::KPa}, UnitCase{"psi", PressureUnit::Psi},
                      UnitCase{"bar", PressureUnit::Bar}, UnitCase{"Pascal", PressureUnit::KPa},
                      UnitCase{"atm", PressureUnit::KPa}, UnitCase{"pounds", PressureUnit::Psi},
                      UnitCase{"inch", PressureUnit::Psi}, UnitCase{"s", PressureUnit::Psi},
                      UnitCase{"rbar", PressureUnit::Bar}, UnitCase{"kPa", std::nullopt},
                      UnitCase{"Bar", std::nullopt}, UnitCase{" psi", std::nullopt},
                      UnitCase{"", std::nullopt}, UnitCase{"бар", std::nullopt}));

struct OutletCase {
    const char* line;
    std::optional<OutletMode> mode;
};

class RecognizeOutletTest : public ::testing::TestWithParam<OutletCase> {};

TEST_P(RecognizeOutletTest, ByTheFirstCharacter) {
    EXPECT_EQ(RecognizeOutletMode(GetParam().line), GetParam().mode) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecognizeOutletTest,
    ::testing::Values(OutletCase{"atm", OutletMode::Atm}, OutletCase{"vac", OutletMode::Vacuum},
                      OutletCase{"oth", OutletMode::Other}, OutletCase{"other", OutletMode::Other},
                      OutletCase{"torr", OutletMode::Atm}, OutletCase{"mbar", OutletMode::Atm},
                      OutletCase{"cold", OutletMode::Vacuum}, OutletCase{"high", OutletMode::Other},
                      OutletCase{"Atm", std::nullopt}, OutletCase{"", std::nullopt}));

TEST(Settings, AMissingFileIsCreatedAndReadsAsEmptySlots) {
    ScratchFolder folder;
    const SettingsSlots slots = ReadSettings(folder.Path());
    for (const std::string& slot : slots) EXPECT_EQ(slot, "");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "flow.cfg"));
}

TEST(Settings, LinesAreCutAt63CharactersAndOnlyTwentyAreRead) {
    ScratchFolder folder;
    std::string text = std::string(70, 'x') + "\n";
    for (int i = 1; i < 25; ++i) text += "line" + std::to_string(i) + "\r\n";
    folder.Write("flow.cfg", text);
    const SettingsSlots slots = ReadSettings(folder.Path());
    EXPECT_EQ(slots[0], std::string(63, 'x'));
    EXPECT_EQ(slots[1], "line1");
    EXPECT_EQ(slots[19], "line19");
}

TEST(Settings, TheColumnWriterCopiesTheVaporLines) {
    ScratchFolder folder;
    folder.Write("flow.cfg",
                 "[Pressure Units]\r\nbar\r\n\r\n[Outlet Pressure]\r\natm\r\n\r\n[gas]\r\nArgon\r\n"
                 "\r\n[Solvent]\r\nАцетон\r\n\r\n[liner]\r\n4 mm ID straight\r\n");
    const SettingsSlots slots = ReadSettings(folder.Path());
    ASSERT_TRUE(
        WriteColumnSettings(folder.Path(), PressureUnit::Psi, OutletMode::Vacuum, "Helium", slots));
    EXPECT_EQ(folder.Read("flow.cfg"),
              "[Pressure Units]\r\npsi\r\n\r\n[Outlet Pressure]\r\nvac\r\n\r\n[Gas]\r\nHelium\r\n"
              "\r\n[Solvent]\r\n\xC0\xF6\xE5\xF2\xEE\xED\r\n\r\n[liner]\r\n4 mm ID straight\r\n");
}

TEST(Settings, TheVaporWriterKeepsTheColumnLinesExactly) {
    ScratchFolder folder;
    folder.Write("flow.cfg",
                 "[Pressure Units]\nKPa\n\n[Outlet Pressure]\nother, 10 psi\n\n"
                 "[Gas]\nHydrogen 5.0 (generator)\n\n[Solvent]\nWater\n\n[liner]\nx\n");
    const SettingsSlots slots = ReadSettings(folder.Path());
    ASSERT_TRUE(
        WriteVaporSettings(folder.Path(), PressureUnit::Bar, "n-Hexane", "0.75 mm ID SPME", slots));
    const SettingsSlots after = ReadSettings(folder.Path());
    EXPECT_EQ(after[kUnitLine], "bar");
    EXPECT_EQ(after[kOutletLine], "other, 10 psi");
    EXPECT_EQ(after[6], "[gas]");
    EXPECT_EQ(after[kGasLine], "Hydrogen 5.0 (generator)");
    EXPECT_EQ(after[kSolventLine], "n-Hexane");
    EXPECT_EQ(after[kLinerLine], "0.75 mm ID SPME");
    EXPECT_EQ(after[14], "");
}

TEST(Settings, NamesAreCutByCharacters) {
    ScratchFolder folder;
    const SettingsSlots empty{};
    const std::string gas = "Гелий марки 6.0, баллон 40 литров";  // 33 characters
    ASSERT_TRUE(WriteColumnSettings(folder.Path(), PressureUnit::KPa, OutletMode::Atm, gas, empty));
    const SettingsSlots slots = ReadSettings(folder.Path());
    EXPECT_EQ(slots[kGasLine], "Гелий марки 6.0, баллон ");
    EXPECT_EQ(slots[kSolventLine], "");
    EXPECT_EQ(slots[kLinerLine], "");

    const std::string longName(70, 'L');
    ASSERT_TRUE(WriteVaporSettings(folder.Path(), PressureUnit::KPa, longName, longName, slots));
    EXPECT_EQ(ReadSettings(folder.Path())[kSolventLine], std::string(63, 'L'));
}

TEST(Settings, WithoutAnOutletModeTheColumnWriterKeepsTheLineItRead) {
    ScratchFolder folder;
    SettingsSlots slots{};
    slots[kOutletLine] = "???";
    ASSERT_TRUE(WriteColumnSettings(folder.Path(), PressureUnit::KPa, std::nullopt, "He", slots));
    const SettingsSlots after = ReadSettings(folder.Path());
    EXPECT_EQ(after[kOutletLine], "???");
    EXPECT_EQ(after[kGasLine], "He");
}

}  // namespace
}  // namespace veltrane
