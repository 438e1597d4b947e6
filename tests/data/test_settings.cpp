#include <gtest/gtest.h>

#include <string>

#include "ScratchFolder.h"
#include "data/Settings.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

// flow.cfg in dir as a window reads it: the file's text (created when missing), then its lines.
SettingsSlots ReadSettings(const std::filesystem::path& dir) {
    return SettingsFromText(ReadTextFile(dir / kSettingsFileName));
}

TEST(Settings, RecognisesByTheFirstCharacterAlone) {
    EXPECT_EQ(RecognizeUnit("atm"), PressureUnit::KPa);  // "a" is in KPa and bar; KPa first
    EXPECT_EQ(RecognizeUnit("pounds"), PressureUnit::Psi);
    EXPECT_EQ(RecognizeUnit("rbar"), PressureUnit::Bar);
    for (const char* line : {"kPa", "Bar", " psi", "", "бар"}) EXPECT_FALSE(RecognizeUnit(line));
    EXPECT_EQ(RecognizeOutletMode("torr"), OutletMode::Atm);
    EXPECT_EQ(RecognizeOutletMode("cold"), OutletMode::Vacuum);
    EXPECT_EQ(RecognizeOutletMode("high"), OutletMode::Other);
    EXPECT_FALSE(RecognizeOutletMode("Atm"));
}

TEST(Settings, ReadCreatesTheFileCutsLongLinesAndStopsAtTwenty) {
    testing::ScratchFolder folder;
    EXPECT_EQ(ReadSettings(folder.Path()), SettingsSlots{});
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / kSettingsFileName));

    std::string text = std::string(70, 'x') + "\n";
    for (int i = 1; i < 25; ++i) text += "line" + std::to_string(i) + "\r\n";
    folder.Write(kSettingsFileName, text);
    const SettingsSlots slots = ReadSettings(folder.Path());
    EXPECT_EQ(slots[0], std::string(63, 'x'));
    EXPECT_EQ(slots[19], "line19");
}

TEST(Settings, TheColumnWriterCopiesTheVaporLines) {
    testing::ScratchFolder folder;
    folder.Write(kSettingsFileName,
                 "[Pressure Units]\r\nbar\r\n\r\n[Outlet Pressure]\r\natm\r\n\r\n[gas]\r\nArgon\r\n"
                 "\r\n[Solvent]\r\nАцетон\r\n\r\n[liner]\r\n4 mm ID straight\r\n");
    ASSERT_TRUE(WriteTextLines(
        folder.Path() / kSettingsFileName,
        ColumnSettingsLines(PressureUnit::Psi, OutletMode::Vacuum, "Гелий марки 6.0, баллон 40 л",
                            ReadSettings(folder.Path()))));
    EXPECT_EQ(folder.Read(kSettingsFileName),
              "[Pressure Units]\r\npsi\r\n\r\n[Outlet Pressure]\r\nvac\r\n\r\n[Gas]\r\n"
              "\xC3\xE5\xEB\xE8\xE9 \xEC\xE0\xF0\xEA\xE8 6.0, \xE1\xE0\xEB\xEB\xEE\xED \r\n"
              "\r\n[Solvent]\r\n\xC0\xF6\xE5\xF2\xEE\xED\r\n\r\n[liner]\r\n4 mm ID straight\r\n");
}

TEST(Settings, TheVaporWriterKeepsTheColumnLinesExactly) {
    testing::ScratchFolder folder;
    folder.Write(kSettingsFileName,
                 "[Pressure Units]\nKPa\n\n[Outlet Pressure]\nother, 10\n\n"
                 "[Gas]\nHydrogen 5.0 (generator)\n");
    ASSERT_TRUE(
        WriteTextLines(folder.Path() / kSettingsFileName,
                       VaporSettingsLines(PressureUnit::Bar, "n-Hexane", std::string(70, 'L'),
                                          ReadSettings(folder.Path()))));
    const SettingsSlots after = ReadSettings(folder.Path());
    EXPECT_EQ(after[kUnitLine], "bar");
    EXPECT_EQ(after[kOutletLine], "other, 10");
    EXPECT_EQ(after[6], "[gas]");
    EXPECT_EQ(after[kGasLine], "Hydrogen 5.0 (generator)");
    EXPECT_EQ(after[kSolventLine], "n-Hexane");
    EXPECT_EQ(after[kLinerLine], std::string(63, 'L'));
    EXPECT_EQ(after[14], "");
}

TEST(Settings, WithoutAnOutletModeTheColumnWriterKeepsTheLineItRead) {
    testing::ScratchFolder folder;
    SettingsSlots slots{};
    slots[kOutletLine] = "???";
    ASSERT_TRUE(WriteTextLines(folder.Path() / kSettingsFileName,
                               ColumnSettingsLines(PressureUnit::KPa, std::nullopt, "He", slots)));
    EXPECT_EQ(ReadSettings(folder.Path())[kOutletLine], "???");
}

}  // namespace
}  // namespace veltrane
